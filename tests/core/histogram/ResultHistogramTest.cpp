#include <gtest/gtest.h>

#include "histogram/Characteristics.h"
#include "histogram/Histogram.h"
#include "histogram/Multiple.h"
#include "localization/TextCis.h"
#include "support/TestFiles.h"

using namespace morvik;
using morvik::test::MakeHistogram;

TEST(ResultHistogram, NegativeMultipleReversesTheIntervals)
{
    const Histogram input = MakeHistogram(1, 1, {0.1, 0.2, 0.3, 0.4, 0});
    Histogram r = ScaleHistogram(input, -1);
    EXPECT_DOUBLE_EQ(r.Min, -5);
    EXPECT_DOUBLE_EQ(r.Max, -1);
    EXPECT_DOUBLE_EQ(r.Width, 1);
    EXPECT_EQ((std::vector<double>(r.Prob.begin(), r.Prob.begin() + 5)), (std::vector<double>{0, 0.4, 0.3, 0.2, 0.1}));
    // Scaling always starts from the input: 2 then 3 gives three times the input.
    Histogram twice = ScaleHistogram(input, 2);
    Histogram thrice = ScaleHistogram(input, 3);
    EXPECT_DOUBLE_EQ(thrice.Max, 15);
    EXPECT_DOUBLE_EQ(thrice.Range, 3 * input.Range);
    EXPECT_NE(twice.Max, thrice.Max);
}

TEST(ResultHistogram, TrimRemovesOnlyEmptyEnds)
{
    Histogram h = MakeHistogram(10, 2, {0, 0, 0.5, 0, 0.5, 0});
    TrimEmptyEnds(h);
    EXPECT_EQ(h.Bins, 3);
    EXPECT_DOUBLE_EQ(h.Min, 14);
    EXPECT_DOUBLE_EQ(h.Max, 18);
    EXPECT_DOUBLE_EQ(h.Range, 4);
    EXPECT_EQ((std::vector<double>(h.Prob.begin(), h.Prob.begin() + 4)), (std::vector<double>{0.5, 0, 0.5, 0}));

    Histogram empty = MakeHistogram(0, 1, {0, 0, 0});  // nothing to keep: left alone
    TrimEmptyEnds(empty);
    EXPECT_EQ(empty.Bins, 3);
}

TEST(ResultHistogram, MultipleEntriesAreCheckedAndReplaced)
{
    SetLanguage(Language::English);
    struct Case {
        std::string text;
        HistogramKind kind;
        double multiple;
        std::string shown;
        std::optional<std::string> message;
    };
    const Case cases[] = {
        {"", HistogramKind::Discrete, 1, "1.00", std::nullopt},
        {"2,5", HistogramKind::Discrete, 2.5, "2.50000", std::nullopt},
        {"-2", HistogramKind::PureDiscrete, -2, "-2.00000", std::nullopt},
        {"1.5", HistogramKind::PureDiscrete, 1, "1.00", TextCis(130)},
        {"abc", HistogramKind::Discrete, 1, "1.00", TextCis(20) + "abc"},
        {"E5", HistogramKind::Discrete, 1, "1.00", TextCis(20) + "E5"},
        {"0", HistogramKind::Discrete, 1, "1.00000", TextCis(23)},
        {"0.00005", HistogramKind::Discrete, 0.0001, "0.000100000", TextCis(24)},
    };
    for (const Case& c : cases) {
        MultipleCheck check = CheckMultiple(c.text, c.kind);
        EXPECT_EQ(check.multiple, c.multiple) << c.text;
        EXPECT_EQ(check.text, c.shown) << c.text;
        EXPECT_EQ(check.message ? std::optional(check.message->text) : std::nullopt, c.message) << c.text;
    }
    EXPECT_EQ(CheckMultiple("1.5", HistogramKind::PureDiscrete).message->kind, DialogKind::Information);
}

TEST(ResultHistogram, KeyFilterPassesOnlyNumberKeys)
{
    EXPECT_EQ(FilterNumericKey(','), '.');
    EXPECT_EQ(FilterNumericKey('e'), 'E');
    for (char key : std::string("0123456789-.E\b")) EXPECT_EQ(FilterNumericKey(key), key);
    for (char key : std::string("+ax \r")) EXPECT_FALSE(FilterNumericKey(key).has_value()) << key;
    EXPECT_TRUE(KeyDeservesBeep('+'));
    EXPECT_FALSE(KeyDeservesBeep('\r'));
}

TEST(ResultHistogram, CharacteristicsGridAndText)
{
    SetLanguage(Language::English);
    Histogram h = MakeHistogram(0.5, 1, std::vector<double>(10, 0.1), 999999);
    auto grid = ShowCharacteristics(h);
    EXPECT_EQ(grid, (std::array<std::string, 5>{" 10", "0.500000", "9.50000", "1.00000", " 999999"}));
    h.Total = 1000000;
    EXPECT_EQ(ShowCharacteristics(h)[4], "1.00000E+06");

    EXPECT_EQ(CharacteristicsText("Histogram : x", h.Prob, 2, 0, 1, HistogramKind::Discrete, 10), TextCis(215));
    const std::string text = CharacteristicsText("Histogram : x", h.Prob, 10, 0.5, 9.5, HistogramKind::Discrete, 10);
    EXPECT_EQ(text.substr(0, 15), "Histogram : x\r\n");
    EXPECT_NE(text.find("Min                              \t\t0\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Number of intervals              \t        "
                        "          10\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Dispersion                       \t8.25\r\n"), std::string::npos);
    EXPECT_NE(text.find("\t   M e d i a n    \t5\r\n\t   M o d e        \t0.5\r\n\r\n"), std::string::npos);

    SetLanguage(Language::Czech);
    const std::string czech = CharacteristicsText("H", h.Prob, 10, 0.5, 9.5, HistogramKind::Discrete, 10);
    EXPECT_NE(czech.find("Rozptyl                          \t\t8.25\r\n"), std::string::npos) << czech;
    SetLanguage(Language::English);
}

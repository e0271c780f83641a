#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "editor/HistogramTables.h"
#include "localization/TextCis.h"
#include "support/TestFiles.h"

using namespace morvik;
using morvik::test::MakeHistogram;

TEST(HistogramTables, PureDiscreteRowsWithRunningSums)
{
    SetLanguage(Language::English);
    const Histogram h = MakeHistogram(2, 1, {0.25, 0.5, 0.25}, 8);
    const auto rows = HistogramTableRows(h, HistogramKind::PureDiscrete);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], (HistogramTableRow{"  INT", "      x", TextCis(121), " " + TextCis(122), TextCis(216)}));
    EXPECT_EQ(rows[1], (HistogramTableRow{TCetnost(5, 1), StrNaCarku(2), "   " + StrNaCarku(0.25), TCetnost(12, 2),
                                          "    " + StrNaCarku(0.25)}));
    EXPECT_EQ(rows[3][4], "    " + StrNaCarku(1.0));
    EXPECT_EQ(rows[4], (HistogramTableRow{"", TextCis(49), "   " + StrNaCarku(1.0), TCetnost(12, 8), ""}));
}

TEST(HistogramTables, DiscreteRowsBetweenTheirEdges)
{
    SetLanguage(Language::Czech);
    const Histogram h = MakeHistogram(1, 2, {0.5, 0.25, 0.25}, 4);
    const auto rows = HistogramTableRows(h, HistogramKind::Discrete);
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0][3], TextCis(122));  // no blank before the frequency heading
    // Edge rows hold their x under "x" and their F(x) under F(x).
    EXPECT_EQ(rows[1], (HistogramTableRow{"", StrNaCarku(0), "", "", "    " + StrNaCarku(0)}));
    const double centreF[] = {0.25, 0.5 + 0.125, 0.75 + 0.125};
    const double edgeF[] = {0.5, 0.75, 1.0};
    for (int i = 0; i < 3; ++i) {
        const auto& interval = rows[2 + 2 * i];
        EXPECT_EQ(interval[0], TCetnost(5, i + 1));
        EXPECT_EQ(interval[1], StrNaCarku(1 + 2 * i));
        EXPECT_EQ(interval[2], "   " + StrNaCarku(h.Prob[i]));
        EXPECT_EQ(interval[3], TCetnost(12, h.Prob[i] * 4));
        EXPECT_EQ(interval[4], "    " + StrNaCarku(centreF[i]));
        EXPECT_EQ(rows[3 + 2 * i],
                  (HistogramTableRow{"", StrNaCarku(2 + 2 * i), "", "", "    " + StrNaCarku(edgeF[i])}));
    }
    EXPECT_EQ(rows[8], (HistogramTableRow{"", TextCis(49), "   " + StrNaCarku(1.0), TCetnost(12, 4), ""}));
    EXPECT_EQ(HistogramTableCaption("wind.v1.dis"), "wind");
    SetLanguage(Language::English);
}

TEST(HistogramTables, RowShadesFollowTheQuery)
{
    const Histogram h = MakeHistogram(1, 1, {0.25, 0.25, 0.25, 0.25});
    auto shades = [&](HistogramKind kind, TableQuery query, bool plain = false) {
        std::string out;
        const int rows = kind == HistogramKind::Discrete ? 11 : 6;
        for (int row = 0; row < rows; ++row) {
            const RowShade shade = HistogramTableShade(h, kind, row, query, plain);
            out += "-PVQT"[static_cast<int>(shade)];
        }
        return out;
    };
    EXPECT_EQ(shades(HistogramKind::PureDiscrete, {}), "-PPPPT");
    EXPECT_EQ(shades(HistogramKind::Discrete, {}), "--P-P-P-P-T");
    EXPECT_EQ(shades(HistogramKind::Discrete, {}, true), "----------T");
    // The quantile query marks the rows whose cumulative probability before them is below P.
    EXPECT_EQ(shades(HistogramKind::PureDiscrete, {TableHighlight::Quantile, 0.5}), "-QQPPT");
    EXPECT_EQ(shades(HistogramKind::Discrete, {TableHighlight::Quantile, 0.6}), "--Q-Q-Q-P-T");
    // The value query marks what the main window's table marks: Pure Discrete values up to x, Discrete
    // intervals whose lower edge lies below x.
    EXPECT_EQ(shades(HistogramKind::PureDiscrete, {TableHighlight::Value, 2}), "-VVPPT");
    EXPECT_EQ(shades(HistogramKind::Discrete, {TableHighlight::Value, 2}), "--V-V-P-P-T");
    EXPECT_EQ(HistogramTableColour(RowShade::Value), RgbColour(255, 215, 176));
    EXPECT_EQ(HistogramTableColour(RowShade::Total), RgbColour(255, 203, 179));
}

TEST(HistogramTables, FileListingNumbersTheBinsFromZero)
{
    SetLanguage(Language::English);
    const std::string file = morvik::test::DisText("Discrete", "0", "3", 3, 6, {1, 2, 3});
    const std::string withGap = file.substr(0, file.size() - 5) + "\r\n\r\n3\r\n";  // an empty bin line
    const std::vector<ListingLine> items = FileListing(withGap);
    // Header lines 1 to 12 ("[Bins]" is line 12), the bin lines 0, 1 and 3, and the closing rule.
    ASSERT_EQ(items.size(), 16u);
    EXPECT_EQ(items[0].text, "[   1]    [Description]");
    EXPECT_EQ(items[9].text, "[  10]    Total=6");
    EXPECT_EQ(items[11].text, "[  12]    [Bins]");
    EXPECT_EQ(items[11].colour, ListingHeaderColour);
    EXPECT_EQ(items[12].text, "[   0]    1");
    EXPECT_EQ(items[12].colour, ListingBinColour);
    EXPECT_EQ(items[13].text, "[   1]    2");
    EXPECT_EQ(items[14].text, "[   3]    3");
    EXPECT_EQ(items[15].text, std::string(115, '-'));
    EXPECT_EQ(FileListingCaption("wind"), TextCis(48) + ":    wind.dis");

    // "[Bins]" as line 9: the first bin line is numbered 0.
    const std::vector<ListingLine> short9 =
        FileListing("[Parameters]\nMin=0\nMax=2\nBins=2\nTotal=2\n\n\n\n[Bins]\n1\n1\n");
    EXPECT_EQ(short9[8].text, "[   9]    [Bins]");
    EXPECT_EQ(short9[9].text, "[   0]    1");
    EXPECT_EQ(short9[10].text, "[   1]    1");
}

TEST(HistogramTables, ControlListingFollowsTheReader)
{
    SetLanguage(Language::English);
    const std::string header = "[Parameters]\nMin=0\nMax=3\nBins=3\nTotal=15\n\n[Bins]\n";
    const ControlListingRow empty{};
    struct Case {
        const char* name;
        std::string text;
        std::vector<ControlListingRow> rows;  // empty: no listing at all
    };
    // clang-format off
    const Case cases[] = {
        {"every interval and the total", header + "3\n0\n\n12\n",
         {{TCetnost(7, 1), TCetnost(12, 3)}, {TCetnost(7, 2), TCetnost(12, 0)}, {TCetnost(7, 3), TCetnost(12, 12)},
          {TextCis(49), TCetnost(12, 15)}}},
        // A refused line ends the listing where the reader stopped; the total row stays empty.
        {"stopped at a refused line", header + "3\nx\n12\n", {{TCetnost(7, 1), TCetnost(12, 3)}, empty, empty, empty}},
        // Too few lines: the intervals not reached stay empty, the total shows what was read.
        {"too few lines", header + "3\n12\n", {{TCetnost(7, 1), TCetnost(12, 3)}, {TCetnost(7, 2), TCetnost(12, 12)},
                                                empty, {TextCis(49), TCetnost(12, 15)}}},
        // More lines than intervals: every line read is listed.
        {"more lines than intervals", header + "1\n2\n3\n9\n",
         {{TCetnost(7, 1), TCetnost(12, 1)}, {TCetnost(7, 2), TCetnost(12, 2)}, {TCetnost(7, 3), TCetnost(12, 3)},
          {TCetnost(7, 4), TCetnost(12, 9)}, {TextCis(49), TCetnost(12, 15)}}},
        {"a refused header", "[Parameters]\nMin=x\n[Bins]\n1\n", {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HistogramRead read = ParseHistogramText(c.text, ReaderMode::Main, HistogramKind::Discrete);
        const auto rows = ControlListingRows(read);
        if (c.rows.empty()) {
            EXPECT_FALSE(rows.has_value());
            continue;
        }
        ASSERT_TRUE(rows.has_value());
        EXPECT_EQ(*rows, c.rows);
    }
    EXPECT_EQ(ControlListingCaption(), TextCis(39));
    EXPECT_EQ(ControlListingHeadings(), (ControlListingRow{"  I N T", TextCis(122)}));
}

TEST(HistogramTables, RefusedWithoutAHistogram)
{
    SetLanguage(Language::English);
    EXPECT_EQ(CheckHistogramTable(false), Message::Error(TextCis(25)));
    EXPECT_FALSE(CheckHistogramTable(true).has_value());
}

TEST(HistogramTables, ListingOfAFileOnDiskOrItsRefusal)
{
    SetLanguage(Language::English);
    test::TempFolder folder;
    const std::string path = folder.Write("wind.dis", "[Parameters]\r\nBins=1\r\n[Bins]\r\n7\r\n");
    const FileListingRead listed = ListHistogramFile(path);
    EXPECT_FALSE(listed.message);
    ASSERT_EQ(listed.lines.size(), 5u);
    EXPECT_EQ(listed.lines[3].text, "[   0]    7");
    EXPECT_EQ(listed.lines[3].colour, ListingBinColour);

    const FileListingRead gone = ListHistogramFile(folder / "gone.dis");
    EXPECT_EQ(gone.message, Message::Error(FormatText(9, folder / "gone.dis")));
    EXPECT_TRUE(gone.lines.empty());
}

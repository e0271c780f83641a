#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "localization/TextCis.h"
#include "rawdata/RawDataFile.h"
#include "rawdata/TypedRawData.h"
#include "support/TempFolder.h"

namespace morvik {
namespace {

TEST(RawDataFile, ValuesOfLines)
{
    struct Case {
        const char* line;
        std::optional<double> value;
    };
    // clang-format off
    const Case cases[] = {
        {"12.5", 12.5},    {"3,5", 3.5},      {"-3", -3},         {"1.2E-3", 1.2e-3}, {"1e3", 1000},
        {"   7.25", 7.25}, {"\t-0,5", -0.5},  {"+4", 4},          {".5", 0.5},        {"3,5,1", std::nullopt},
        {"12.5 ", std::nullopt}, {"12.5x", std::nullopt}, {"1 2", std::nullopt}, {"inf", std::nullopt},
        {"nan", std::nullopt},   {"0x1p3", std::nullopt}, {"1e999", std::nullopt}, {"-", std::nullopt},
        {"", std::nullopt},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(ParseRawValue(c.line), c.value) << '"' << c.line << '"';
}

TEST(RawDataFile, StatisticsOfASmallSet)
{
    // Line ends of either kind, no final line break, a comma as decimal point.
    const RawDataRead read = ParseRawData("3\r\n1,0\n2");
    ASSERT_TRUE(read.ok());
    const RawDataSet& d = read.data;
    EXPECT_EQ(d.values, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(d.mean, 2);
    EXPECT_EQ(d.stdDev, 1);
    EXPECT_EQ(d.skewness, 0);
    EXPECT_EQ(d.dataMin, 1);
    EXPECT_EQ(d.dataMax, 3);

    // A skewed set against the definition: sum (x - mean)^3 / s^3 / N.
    const std::vector<double> x = {1, 1, 2, 2, 2, 3, 7, 10};
    std::string text;
    for (double v : x) text += std::to_string(v) + "\n";
    const RawDataRead skewed = ParseRawData(text);
    ASSERT_TRUE(skewed.ok());
    double mean = 0, m2 = 0, m3 = 0;
    for (double v : x) mean += v / x.size();
    for (double v : x) m2 += (v - mean) * (v - mean), m3 += std::pow(v - mean, 3);
    const double s = std::sqrt(m2 / (x.size() - 1));
    EXPECT_DOUBLE_EQ(skewed.data.mean, mean);
    EXPECT_DOUBLE_EQ(skewed.data.stdDev, s);
    EXPECT_NEAR(skewed.data.skewness, m3 / (s * s * s) / x.size(), 1e-14);
}

TEST(RawDataFile, SpreadSmallBesideTheMeanKeepsItsDigits)
{
    // The difference of the sums would lose every digit of s here.
    const RawDataRead read = ParseRawData("100000000.1\n100000000.2\n100000000.3\n");
    ASSERT_TRUE(read.ok());
    EXPECT_NEAR(read.data.stdDev, 0.1, 1e-8);
    EXPECT_NEAR(read.data.skewness, 0, 1e-6);
}

TEST(RawDataFile, AllValuesEqualHaveNoSkewness)
{
    const RawDataRead read = ParseRawData("4\n4\n4\n");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.data.stdDev, 0);
    EXPECT_TRUE(IsUndefined(read.data.skewness));
}

TEST(RawDataFile, BlankLinesCarryNoValue)
{
    const RawDataRead read = ParseRawData("1\n\n2\n   \n3\n\n");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.data.Count(), 3);
}

TEST(RawDataFile, Refusals)
{
    struct Case {
        const char* content;
        std::string message;
    };
    // clang-format off
    const Case cases[] = {
        {"1\n2\n", TextCis(213) + " !"},
        {"1\n2\n\n", TextCis(213) + " !"},
        {"", TextCis(213) + " !"},
        {"1\nabc\n3\n", TextCis(118) + "\r\n\r\n\tLine 2 : abc"},
        {"1\r\n2\r\n3,5,1\r\n4\r\n", TextCis(118) + "\r\n\r\n\tLine 3 : 3,5,1"},
        // Lines are counted as they stand in the file, blank ones included.
        {"1\n\n2 3\n", TextCis(118) + "\r\n\r\n\tLine 3 : 2 3"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const RawDataRead read = ParseRawData(c.content);
        ASSERT_FALSE(read.ok()) << c.content;
        EXPECT_EQ(read.message->text, c.message);
        EXPECT_EQ(read.message->kind, DialogKind::Error);
    }
    EXPECT_EQ(TextCis(118, Language::English), "Invalid number in the data file!");
}

TEST(RawDataFile, AtMostFiveHundredThousandValues)
{
    std::string text;
    text.reserve(2 * 500001);
    for (int i = 0; i < 500000; ++i) text += "1\n";
    text[0] = '2';  // some spread
    const RawDataRead full = ParseRawData(text);
    ASSERT_TRUE(full.ok());
    EXPECT_EQ(full.data.Count(), 500000);

    const RawDataRead over = ParseRawData(text + "1");
    ASSERT_FALSE(over.ok());
    EXPECT_EQ(over.message->text, TextCis(113) + "500000 !");
    // Too many lines is found before the line's number is read.
    EXPECT_EQ(ParseRawData(text + "x\n").message->text, TextCis(113) + "500000 !");
}

TEST(RawDataFile, MissingFile)
{
    const RawDataRead read = ReadRawDataFile("/nonexistent/Raw_Data.txt");
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.message->text, FormatText(112, "/nonexistent/Raw_Data.txt"));
}

TEST(RawDataFile, ListingLines)
{
    std::string text;
    for (int i = 1; i <= 12; ++i) text += std::to_string(i) + ".5\n";
    text += "0.25\n";
    const RawDataRead read = ParseRawData(text);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(RawListingLine(read.data, 1), StrNaCarku(0.25) + "  |  000001");
    EXPECT_EQ(RawListingLine(read.data, 2), "1.50000  |  000002");
    EXPECT_EQ(RawListingLine(read.data, 13), "12.50000  |  000013");
    EXPECT_EQ(RawListingLine(read.data, 12).substr(RawListingLine(read.data, 12).size() - 11), "  |  000012");
}

TEST(TypedRawData, LinesAreWrittenAsTyped)
{
    const TypedDataCheck check = CheckTypedData({"1,5", "", "  2", "-3E2"});
    ASSERT_FALSE(check.message);
    EXPECT_EQ(check.text, "1,5\r\n0\r\n  2\r\n-3E2\r\n");
    // What is written reads back.
    const RawDataRead read = ParseRawData(check.text);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.data.values, (std::vector<double>{-300, 0, 1.5, 2}));
}

TEST(TypedRawData, Texts)
{
    const Message question = OverwriteQuestion("/data/Raw_Data.txt");
    EXPECT_EQ(question.kind, DialogKind::Confirmation);
    EXPECT_EQ(question.text, FormatText(21, "/data/Raw_Data.txt"));
    EXPECT_EQ(TypedLineCountText(12), " 12");
    EXPECT_EQ(TypedCaretLineText(0), " 0");
}

TEST(TypedRawData, RefusalsWriteNothing)
{
    test::TempFolder folder;
    const std::string path = folder / "Raw_Data.txt";
    test::WriteText(path, "old\r\n");

    EXPECT_EQ(SaveTypedData({}, path)->text, TextCis(135));
    const std::optional<Message> refused = SaveTypedData({"1", "2", "x1"}, path);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text, TextCis(147) + "\r\n\r\n\t" + TextCis(148) + "3\r\n\t" + TextCis(149) + "x1");
    // The file keeps what it held: a file cut short at the refused line would pass for the complete data.
    EXPECT_EQ(test::ReadText(path), "old\r\n");

    EXPECT_FALSE(SaveTypedData({"1", "2", "3"}, path));
    EXPECT_EQ(test::ReadText(path), "1\r\n2\r\n3\r\n");
    EXPECT_EQ(SaveTypedData({"1"}, folder / "missing/Raw_Data.txt")->text, FormatText(22, "Raw_Data.txt"));
}

}  // namespace
}  // namespace morvik

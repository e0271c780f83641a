#include <cmath>

#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "statlib/NumberParse.h"

using namespace morvik;

TEST(NumberText, DisplayTextKeepsSixSignificantDigitsWithoutTrailingPoint)
{
    const std::pair<double, const char*> cases[] = {
        {0, "0.00000"},     {1, "1.00000"},       {20.085536923, "20.0855"},      {0.0001, "0.000100000"},
        {999999, "999999"}, {1e6, "1.00000E+06"}, {1.23456789e-7, "1.23457E-07"}, {-2.5, "-2.50000"},
        {-0.0, "0.00000"},  {123456.7, "123457"},
    };
    for (auto [x, text] : cases) EXPECT_EQ(StrNaCarku(x), text) << x;
    EXPECT_EQ(StrNaCarku(UndefinedValue()), " undefined");
}

TEST(NumberText, ListingAndColumnTexts)
{
    EXPECT_EQ(StrNaCarku1(2.872281323269), "2.872281323");
    EXPECT_EQ(StrNaCarku1(10), "10");
    EXPECT_EQ(TiskPrv(1.0L / 3), "0.3333333333");
    EXPECT_EQ(TCetnost(7, 42), "     42");
    EXPECT_EQ(TCetnost(7, 2.5), "   2.50");
    EXPECT_EQ(TCetnost(3, 123456), "123456");  // never cut
    EXPECT_EQ(StrBottomGraf(0.1, 2.50), "2.5");
    EXPECT_EQ(StrBottomGraf(0.1, 1234567), "1.23457E+06");
}

TEST(NumberText, FrequencyWithinRoundingOfAWholeNumberIsWhole)
{
    // A frequency is Prob * Total: counts read as probabilities and multiplied back land a hair off.
    const std::pair<double, const char*> cases[] = {
        {std::nextafter(994.0, 0.0), "     994"},
        {7876.0 * (1 + 5e-10), "    7876"},
        {16230.0 * (1 - 9e-10), "   16230"},
        {std::nextafter(0.0, 1.0), "       0"},
        {-3.0 * (1 + 1e-12), "      -3"},
        {994.5, "  994.50"},
        {994.01, "  994.01"},
        {16230.0 * (1 + 1e-7), "16230.00"},
    };
    for (auto [x, text] : cases) EXPECT_EQ(TCetnost(8, x), text) << x;
}

TEST(NumberText, EveryTextReadsBack)
{
    for (double x : {0.0, 1.0, -3.75, 20.0855369, 1e-7, 1.5e6, 999999.0, -1e300, 5e-300}) {
        for (const std::string& text : {StrNaCarku(x), StrNaCarku1(x), StrBottomGraf(0, x), ShortestText(x)}) {
            auto back = ParseDouble(text);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_NEAR(*back, x, std::fabs(x) * 1e-5) << text;
        }
        EXPECT_EQ(ParseDouble(ShortestText(x)), x);
    }
}

TEST(NumberParse, AcceptsOnlyPlainDecimalNumbers)
{
    for (const char* good : {"1", "-1", "+2.5", ".5", "5.", "1E+06", "1e-3", "-0.0001"}) {
        EXPECT_TRUE(ParseDouble(good).has_value()) << good;
    }
    for (const char* bad : {"", "-", ".", "1,5", " 1", "1 ", "E5", "1E", "inf", "nan", "0x10", "1e999", "--1"}) {
        EXPECT_FALSE(ParseDouble(bad).has_value()) << bad;
    }
    EXPECT_EQ(ParseInt32("1024"), 1024);
    EXPECT_FALSE(ParseInt32("2147483648").has_value());
    EXPECT_FALSE(ParseInt32("1.0").has_value());
    EXPECT_EQ(ParseInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_FALSE(ParseInt64("9223372036854775808").has_value());
}

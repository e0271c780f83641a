// The chart's content as plain data: the value format and the mark texts.
#include <gtest/gtest.h>

#include "chart/ChartModel.h"

using namespace morvik;

TEST(FormatChartValue, FollowsTheValueFormat)
{
    struct Case {
        double value;
        const char* format;
        const char* text;
    };
    const Case cases[] = {
        {0.1234, "#.### E-", "1.234 E-1"},
        {0.1, "#.### E-", "1 E-1"},         // optional zeros dropped
        {12345.6, "#.### E-", "1.235 E4"},  // a positive exponent without sign
        {-0.00123, "#.### E-", "-1.23 E-3"},
        {9.9996, "#.### E-", "1 E1"},  // rounding carries into the exponent
        {0.0, "#.### E-", "0"},
        {1234.0, "0.00E+00", "1.23E+03"},  // sign always, two exponent digits
        {0.5, "0.000", "0.500"},           // fixed with required decimals
        {2.0, "#.##", "2"},                // fixed with optional decimals
        {2.4567, "#.##", "2.46"},
        {-0.0001, "0.0", "0.0"},  // no negative zero
    };
    for (const Case& c : cases) EXPECT_EQ(FormatChartValue(c.value, c.format), c.text) << c.format << " " << c.value;
}

TEST(MarkText, SaysWhatItsStyleAsks)
{
    ChartSeries series;
    series.bars = {{0.25, RgbColour(0, 0, 255), "1.5"}, {0.5, RgbColour(0, 0, 255), "2.5"}};
    const std::pair<MarkStyle, std::string> cases[] = {
        {MarkStyle::Value, "5 E-1"},
        {MarkStyle::Label, "2.5"},
        {MarkStyle::LabelAndValue, "2.5 5 E-1"},
        {MarkStyle::Position, "2"},
        {MarkStyle::PositionAndValue, "2 5 E-1"},
    };
    for (const auto& [style, text] : cases) {
        series.marks.style = style;
        EXPECT_EQ(MarkText(series, 1, "#.### E-"), text);
    }
}

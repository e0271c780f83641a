// The main window's table of intervals: its rows and which of them a query marks.
#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "histogram/IntervalTable.h"
#include "localization/TextCis.h"
#include "support/TestFiles.h"

namespace morvik {
namespace {

// Midpoints 0.5 ... 3.5, width 1.
const Histogram Quarters = test::MakeHistogram(0.5, 1, {0.25, 0.25, 0.25, 0.25}, 4);

TEST(IntervalTable, DiscreteRowsAlternateEdgesAndIntervals)
{
    SetLanguage(Language::English);
    const auto rows = IntervalTableTexts(Quarters, HistogramKind::Discrete);
    ASSERT_EQ(rows.size(), 2u * 4 + 3);
    EXPECT_EQ(rows[0][0], " INT");
    EXPECT_EQ(rows[1][1], StrNaCarku(0.0));
    EXPECT_EQ(rows[2], (IntervalTableRow{TCetnost(4, 1), StrNaCarku(0.5), StrNaCarku(0.25)}));
    EXPECT_EQ(rows[9][1], StrNaCarku(4.0));
    EXPECT_EQ(rows[10][1], TextCis(127));
    EXPECT_EQ(rows[10][2], StrNaCarku(1.0));
}

TEST(IntervalTable, PureDiscreteHasOneRowPerValue)
{
    const Histogram dice = test::MakeHistogram(1, 1, std::vector<double>(6, 1.0 / 6), 6);
    const auto rows = IntervalTableTexts(dice, HistogramKind::PureDiscrete);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[6][1], StrNaCarku(6.0));
    EXPECT_EQ(rows[7][1], TextCis(127));
}

TEST(IntervalTable, QueryMarksRowsBelowItsLimit)
{
    struct Case {
        HistogramKind kind;
        TableHighlight highlight;
        std::optional<double> limit;
        int row;
        RowShade expected;
    };
    const Case cases[] = {
        {HistogramKind::Discrete, TableHighlight::Value, 1.25, 4, RowShade::Value},  // lower edge 1 < 1.25
        {HistogramKind::Discrete, TableHighlight::Value, 1.25, 6, RowShade::Plain},  // lower edge 2
        {HistogramKind::Discrete, TableHighlight::Value, 1.0, 4, RowShade::Plain},   // not below: equal
        {HistogramKind::Discrete, TableHighlight::Quantile, 2.5, 6, RowShade::Quantile},
        {HistogramKind::Discrete, TableHighlight::Value, 1.25, 3, RowShade::None},  // an edge row
        {HistogramKind::Discrete, TableHighlight::Value, std::nullopt, 4, RowShade::Plain},
        {HistogramKind::Discrete, TableHighlight::None, 9.0, 10, RowShade::Total},
        {HistogramKind::PureDiscrete, TableHighlight::Value, 1.0, 2, RowShade::Value},  // 1.5 - 1 < 1
        {HistogramKind::PureDiscrete, TableHighlight::Value, 1.0, 3, RowShade::Plain},
        {HistogramKind::PureDiscrete, TableHighlight::None, std::nullopt, 0, RowShade::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IntervalRowShade(Quarters, c.kind, c.row, c.highlight, c.limit), c.expected) << "row " << c.row;
    }
}

// The tool windows shade every even row from 2 up to the last but one, whatever the kind; the last row is
// the total.
TEST(IntervalTable, AlternateRowsShadeEvenRowsAndTheTotal)
{
    const RowShade expected[] = {RowShade::None,  RowShade::None, RowShade::Plain, RowShade::None,
                                 RowShade::Plain, RowShade::None, RowShade::Total};
    for (int row = 0; row < 7; ++row) EXPECT_EQ(AlternateRowShade(7, row), expected[row]) << "row " << row;
}

}  // namespace
}  // namespace morvik

#include <gtest/gtest.h>

#include "combination/RowGraph.h"
#include "common/NumberText.h"
#include "histogram/IntervalTable.h"
#include "localization/TextCis.h"

using namespace morvik;

namespace {

Histogram ThreeIntervals()
{
    Histogram h;
    h.Bins = 3;
    h.Min = 1;
    h.Width = 2;
    h.Max = 5;
    h.Range = 4;
    h.Total = 4;
    h.Prob[0] = 0.25;
    h.Prob[1] = 0.5;
    h.Prob[2] = 0.25;
    return h;
}

}  // namespace

// Edges on the odd rows between the intervals, the total in the last row.
TEST(RowGraphTable, ShowsIntervalsBetweenTheirEdges)
{
    SetLanguage(Language::English);
    const auto table = IntervalTableTexts(ThreeIntervals(), HistogramKind::Discrete);
    ASSERT_EQ(table.size(), 9u);
    EXPECT_EQ(table[0][0], " INT");
    EXPECT_EQ(table[1], (IntervalTableRow{"", StrNaCarku(0), ""}));
    EXPECT_EQ(table[2], (IntervalTableRow{TCetnost(4, 1), StrNaCarku(1), StrNaCarku(0.25)}));
    EXPECT_EQ(table[3], (IntervalTableRow{"", StrNaCarku(2), ""}));
    EXPECT_EQ(table[6], (IntervalTableRow{TCetnost(4, 3), StrNaCarku(5), StrNaCarku(0.25)}));
    EXPECT_EQ(table[7], (IntervalTableRow{"", StrNaCarku(6), ""}));
    EXPECT_EQ(table[8], (IntervalTableRow{"", TextCis(127), StrNaCarku(1)}));

    // The graph of a result carries the same table.
    EXPECT_EQ(ResultGraph(ThreeIntervals(), TableKind::Summation, false).intervalTable, table);
}

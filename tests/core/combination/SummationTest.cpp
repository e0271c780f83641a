#include <vector>

#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "combination/Computation.h"
#include "localization/TextCis.h"

using namespace morvik;
using morvik::testing::MakeRow;
using morvik::testing::MakeUniformRow;

namespace {

void ExpectProbabilities(const Histogram& h, std::initializer_list<double> expected)
{
    ASSERT_EQ(h.Bins, static_cast<int>(expected.size()));
    int i = 0;
    for (double p : expected) EXPECT_DOUBLE_EQ(h.Prob[i++], p) << "interval " << i;
}

// Four unit intervals 0..4 with 1, 2, 3 and 4 tenths.
const RowHistogram rising = MakeRow(0.5, 1, {0.1, 0.2, 0.3, 0.4}, 10);

}  // namespace

TEST(SumRows, GivesTheSameShapeBackForOneHistogramWithTwoWeights)
{
    const std::vector<ScaledRow> rows{{&rising, 1, 1}, {&rising, 1, 3}};
    const ComputationResult result = SumRows(rows, 4);
    ASSERT_TRUE(result.ok());
    ExpectProbabilities(result.histogram, {0.1, 0.2, 0.3, 0.4});
    EXPECT_DOUBLE_EQ(result.histogram.Min, 0.5);
    EXPECT_DOUBLE_EQ(result.histogram.Max, 3.5);
    EXPECT_DOUBLE_EQ(result.histogram.Total, 40);
}

TEST(SumRows, MirrorsARowWithANegativeMultiple)
{
    // The mirrored row spans -4..0, the other 0..4: four intervals of width 2 over -4..4.
    const std::vector<ScaledRow> rows{{&rising, -1, 1}, {&rising, 1, 1}};
    const ComputationResult result = SumRows(rows, 4);
    ASSERT_TRUE(result.ok());
    ExpectProbabilities(result.histogram, {0.35, 0.15, 0.15, 0.35});
    EXPECT_DOUBLE_EQ(result.histogram.Min, -3);
    EXPECT_DOUBLE_EQ(result.histogram.Max, 3);
    EXPECT_DOUBLE_EQ(result.histogram.Width, 2);
    EXPECT_DOUBLE_EQ(result.histogram.Range, 8);
    EXPECT_DOUBLE_EQ(result.histogram.Total, 20);
}

TEST(SumRows, WidensTheEdgesByTheRowsOwnHalfWidthOnly)
{
    // With A = 2 the values 1, 3, 5, 7 are 2 apart, yet the outer edges are 0.5 and 7.5.
    const RowHistogram unit = MakeUniformRow(0.5, 1, 4);
    const std::vector<ScaledRow> rows{{&rising, 2, 1}, {&unit, 1, 1}};
    const ComputationResult result = SumRows(rows, 4);
    ASSERT_TRUE(result.ok());
    EXPECT_DOUBLE_EQ(result.histogram.Range, 7.5);
    EXPECT_DOUBLE_EQ(result.histogram.Width, 7.5 / 4);
    EXPECT_DOUBLE_EQ(result.histogram.Min, 7.5 / 8);
    EXPECT_NEAR(result.histogram.ProbabilitySum(), 1, 1e-15);
}

TEST(SumRows, UsesUnitIntervalsWhenTheFirstRowHasSix)
{
    const RowHistogram die = MakeUniformRow(1, 1, 6, 6);          // the values 1 to 6, edges 0.5 and 6.5
    const RowHistogram fine = MakeUniformRow(1.05, 0.1, 50, 50);  // 1.0 .. 6.0 in 50 intervals
    const std::vector<ScaledRow> rows{{&die, 1, 1}, {&fine, 1, 1}};
    const ComputationResult result = SumRows(rows, 50);
    ASSERT_TRUE(result.ok());
    const Histogram& h = result.histogram;
    EXPECT_EQ(h.Bins, 6);
    EXPECT_DOUBLE_EQ(h.Width, 1);
    EXPECT_DOUBLE_EQ(h.Min, 1);
    EXPECT_DOUBLE_EQ(h.Max, 6);
    EXPECT_DOUBLE_EQ(h.Total, 56);
    EXPECT_NEAR(h.ProbabilitySum(), 1, 1e-15);
    // The die puts 1 into every interval; the fine row puts 5 of its 50 into each end interval and 10 into
    // each of the others, its edges on the unit grid whatever the rounding of 0.1.
    const double fromFine[] = {5, 10, 10, 10, 10, 5};
    for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(h.Prob[i], (1 + fromFine[i]) / 56) << i;
}

TEST(SumRows, RefusesUnitIntervalsBeyondTheCapacity)
{
    SetLanguage(Language::English);
    const RowHistogram die = MakeUniformRow(1, 1, 6, 6);
    const RowHistogram wide = MakeUniformRow(0.5, 2, 1000);  // 0 .. 2000
    const std::vector<ScaledRow> rows{{&die, 1, 1}, {&wide, 1, 1}};
    const ComputationResult result = SumRows(rows, 1000);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.message->text, FormatText(32, "1024") + "2000");
}

TEST(SumRows, WeighsTheRoundedTotals)
{
    const RowHistogram a = MakeRow(0.5, 1, {0.5, 0.5}, 100);
    const RowHistogram b = MakeRow(0.5, 1, {0.5, 0.5}, 200);
    const std::vector<ScaledRow> rows{{&a, 1, 1}, {&b, 1, 0.5}};
    const ComputationResult result = SumRows(rows, 2);
    ASSERT_TRUE(result.ok());
    EXPECT_DOUBLE_EQ(result.histogram.Total, 200);
    ExpectProbabilities(result.histogram, {0.5, 0.5});
}

TEST(SumRows, PutsAllOfARowWithMultipleZeroAtZero)
{
    const std::vector<ScaledRow> rows{{&rising, 0.0, 1}, {&rising, 1, 1}};
    const ComputationResult result = SumRows(rows, 4);
    ASSERT_TRUE(result.ok());
    // Edges -0.5 .. 4 in intervals of 1.125: the first row's whole weight lands in interval 0, and so does
    // the part 0 .. 0.625 of the second row's first interval 0 .. 1.
    EXPECT_DOUBLE_EQ(result.histogram.Min, -0.5 + 1.125 / 2);
    EXPECT_NEAR(result.histogram.Prob[0], (10 + 0.625 * 1) / 20.0, 1e-15);
}

TEST(SumRows, RefusesAWeightedTotalThatRoundsToNothing)
{
    const RowHistogram a = MakeRow(0.5, 1, {0.5, 0.5}, 1);
    const std::vector<ScaledRow> rows{{&a, 1, 0.1}, {&a, 1, 0.1}};
    const ComputationResult result = SumRows(rows, 2);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.message->text, TextCis(140));
}

TEST(SumRows, KeepsSingleValuesAtTheOuterEdgesInsideTheResult)
{
    // Single values (no width) at both outer edges fall half an interval outside the end intervals'
    // midpoints; rounding would put them one interval past either end.
    const RowHistogram eleven = MakeUniformRow(0, 1, 11, 11);  // 0 .. 10, edges -0.5 and 10.5
    const RowHistogram low = MakeRow(-0.5, 0, {1}, 1);
    const RowHistogram high = MakeRow(10.5, 0, {1}, 1);
    const std::vector<ScaledRow> rows{{&eleven, 1, 1}, {&low, 1, 1}, {&high, 1, 1}};
    const ComputationResult result = SumRows(rows, 11);
    ASSERT_TRUE(result.ok());
    const Histogram& h = result.histogram;
    EXPECT_EQ(h.Bins, 11);
    EXPECT_NEAR(h.ProbabilitySum(), 1, 1e-15);
    EXPECT_NEAR(h.Prob[0], 2 / 13.0, 1e-15);
    EXPECT_NEAR(h.Prob[10], 2 / 13.0, 1e-15);
}

#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "combination/Computation.h"
#include "localization/TextCis.h"

using namespace morvik;
using morvik::testing::MakeRow;
using morvik::testing::MakeUniformRow;

namespace {

ComputationResult Combine(const std::vector<ScaledRow>& rows, int intervals) { return CombineRows(rows, intervals); }

void ExpectProbabilities(const Histogram& h, std::initializer_list<double> expected)
{
    ASSERT_EQ(h.Bins, static_cast<int>(expected.size()));
    int i = 0;
    for (double p : expected) EXPECT_DOUBLE_EQ(h.Prob[i++], p) << "interval " << i;
}

}  // namespace

TEST(CombineRows, AddsTwoVariablesAndSplitsAHalfwayValueBetweenItsTwoIntervals)
{
    // Values 0 and 1, each with 1/2. The result intervals are 2 wide with midpoints 0 and 2, so the sum 1
    // (probability 1/2) lies exactly halfway and gives half to each.
    const RowHistogram coin = MakeRow(0, 1, {0.5, 0.5}, 100);
    const RowHistogram coin200 = MakeRow(0, 1, {0.5, 0.5}, 200);
    const ComputationResult result = Combine({{&coin, 1}, {&coin200, 1}}, 2);
    ASSERT_TRUE(result.ok());
    const Histogram& h = result.histogram;
    ExpectProbabilities(h, {0.5, 0.5});
    EXPECT_DOUBLE_EQ(h.Min, 0);
    EXPECT_DOUBLE_EQ(h.Max, 2);
    EXPECT_DOUBLE_EQ(h.Width, 2);
    EXPECT_DOUBLE_EQ(h.Range, 4);      // both end intervals hold weight: the range stays T - U
    EXPECT_DOUBLE_EQ(h.Total, 20000);  // the product of the Totals
}

TEST(CombineRows, MirrorsANegativeMultipleBeforeAdding)
{
    const RowHistogram skewed = MakeRow(0.5, 1, {0.2, 0.8});
    const RowHistogram coin = MakeRow(0.5, 1, {0.5, 0.5});
    // A = -1: values -1.5 and -0.5 with 0.8 and 0.2; the sums -1 (0.4), 0 (0.5) and 1 (0.1) fall on the
    // intervals at -1 and 1, the sum 0 halfway between them.
    const ComputationResult mirrored = Combine({{&skewed, -1}, {&coin, 1}}, 2);
    ASSERT_TRUE(mirrored.ok());
    ExpectProbabilities(mirrored.histogram, {0.65, 0.35});
    EXPECT_DOUBLE_EQ(mirrored.histogram.Min, -1);
    EXPECT_DOUBLE_EQ(mirrored.histogram.Max, 1);

    // Unmirrored the result is the mirror image.
    const ComputationResult plain = Combine({{&skewed, 1}, {&coin, 1}}, 2);
    ASSERT_TRUE(plain.ok());
    ExpectProbabilities(plain.histogram, {0.35, 0.65});
}

TEST(CombineRows, GivesTheLargestIntervalCountAndWidensTheRangeByHalfIntervals)
{
    // 10 and 50 unit intervals over 0..10 and 0..50: the result spans 60 in 50 intervals of 1.2.
    const RowHistogram ten = MakeUniformRow(0.5, 1, 10);
    const RowHistogram fifty = MakeUniformRow(0.5, 1, 50);

    const ComputationResult result = Combine({{&ten, 1}, {&fifty, 1}}, 50);
    ASSERT_TRUE(result.ok());
    const Histogram& h = result.histogram;
    EXPECT_EQ(h.Bins, 50);
    EXPECT_DOUBLE_EQ(h.Width, 1.2);
    EXPECT_DOUBLE_EQ(h.Min, 0.6);
    EXPECT_DOUBLE_EQ(h.Max, 59.4);
    EXPECT_DOUBLE_EQ(h.Range, 60);
    EXPECT_NEAR(h.ProbabilitySum(), 1, 1e-12);
}

TEST(CombineRows, RebinsTheRunningResultAfterEveryStep)
{
    const RowHistogram coin = MakeRow(0, 1, {0.5, 0.5}, 2);
    const ComputationResult result = Combine({{&coin, 1}, {&coin, 1}, {&coin, 1}}, 2);
    ASSERT_TRUE(result.ok());
    // After two coins: 0.5 at 0 and 0.5 at 2 (width 2); adding the third puts the sums 0, 1, 2, 3 (a quarter
    // each) into intervals 3 wide at 0 and 3.
    ExpectProbabilities(result.histogram, {0.5, 0.5});
    EXPECT_DOUBLE_EQ(result.histogram.Min, 0);
    EXPECT_DOUBLE_EQ(result.histogram.Width, 3);
    EXPECT_DOUBLE_EQ(result.histogram.Range, 6);
    EXPECT_DOUBLE_EQ(result.histogram.Total, 8);
}

TEST(CombineRows, RoundsEachTotalHalfToEvenBeforeMultiplying)
{
    const RowHistogram a = MakeRow(0, 1, {0.5, 0.5}, 2.5);
    const RowHistogram b = MakeRow(0, 1, {0.5, 0.5}, 3.5);
    const ComputationResult result = Combine({{&a, 1}, {&b, 1}}, 2);
    ASSERT_TRUE(result.ok());
    EXPECT_DOUBLE_EQ(result.histogram.Total, 2 * 4);
}

TEST(CombineRows, TrimsEmptyEndIntervals)
{
    // Both variables are certain: 2 + 0 falls into the middle of three intervals 2 wide at 0, 2 and 4.
    const RowHistogram two = MakeRow(0, 1, {0, 0, 1});
    const RowHistogram zero = MakeRow(0, 1, {1, 0, 0});
    const ComputationResult result = Combine({{&two, 1}, {&zero, 1}}, 3);
    ASSERT_TRUE(result.ok());
    ExpectProbabilities(result.histogram, {1});
    EXPECT_DOUBLE_EQ(result.histogram.Min, 2);
    EXPECT_DOUBLE_EQ(result.histogram.Max, 2);
    EXPECT_DOUBLE_EQ(result.histogram.Range, 0);
}

TEST(CombineRows, PutsARowWithMultipleZeroAtZero)
{
    const RowHistogram coin = MakeRow(10, 1, {0.5, 0.5});
    const RowHistogram other = MakeRow(0, 1, {0.25, 0.75});
    const ComputationResult result = Combine({{&coin, 0.0}, {&other, 1}}, 2);
    ASSERT_TRUE(result.ok());
    // The first row adds 0 to every value of the second.
    ExpectProbabilities(result.histogram, {0.25, 0.75});
    EXPECT_DOUBLE_EQ(result.histogram.Min, 0);
    EXPECT_DOUBLE_EQ(result.histogram.Max, 1);
}

TEST(CombineRows, RefusesRowsThatAllCollapseToOnePoint)
{
    SetLanguage(Language::English);
    const RowHistogram coin = MakeRow(10, 1, {0.5, 0.5});
    const ComputationResult result = Combine({{&coin, 0.0}, {&coin, -0.0}}, 2);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.message->text, TextCis(70));
}

TEST(CombineRows, RefusesValuesBeyondTheRangeOfNumbers)
{
    const RowHistogram huge = MakeRow(1e300, 1e300, {0.5, 0.5});
    const ComputationResult result = Combine({{&huge, 1e10}, {&huge, 1e10}}, 2);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.message->text, TextCis(141));
}

TEST(CombineRows, BinsEveryPairAsTheExtendedFormulaDoes)
{
    // The reference: every pair's index from ((x - resMin) / width) in extended precision, rounded to the
    // nearest; a position within 1e-9 of a half gives half to each neighbour.
    struct Operand {
        long double lo, hi, w;
        std::vector<double> p;
    };
    auto operand = [](const RowHistogram& r, double m) {
        Operand op{static_cast<long double>(m) * r.Min, static_cast<long double>(m) * r.Max,
                   std::fabs(static_cast<long double>(m) * r.Width),
                   std::vector<double>(r.Prob.begin(), r.Prob.begin() + static_cast<int>(r.Bins))};
        if (op.hi < op.lo) {
            std::swap(op.lo, op.hi);
            std::reverse(op.p.begin(), op.p.end());
        }
        return op;
    };
    auto reference = [&](const RowHistogram& a, double ma, const RowHistogram& b, double mb, int q) {
        const Operand first = operand(a, ma), second = operand(b, mb);
        const long double u = (first.lo + second.lo) - (first.w + second.w) / 2;
        const long double t = (first.hi + second.hi) + (first.w + second.w) / 2;
        const long double width = (t - u) / q, resMin = u + width / 2;
        std::vector<double> sum(static_cast<size_t>(q));
        for (size_t j = 0; j < first.p.size(); ++j) {
            for (size_t k = 0; k < second.p.size(); ++k) {
                const long double x = first.lo + j * first.w + second.lo + k * second.w;
                const long double position = (x - resMin) / width;
                const double mass = first.p[j] * second.p[k];
                auto add = [&](long double index, double share) {
                    sum[static_cast<size_t>(std::clamp(index, 0.0L, q - 1.0L))] += share;
                };
                if (std::fabs(position - std::floor(position) - 0.5L) <= 1e-9L) {
                    add(std::floor(position), mass / 2);
                    add(std::floor(position) + 1, mass / 2);
                } else {
                    add(std::rint(position), mass);
                }
            }
        }
        return sum;
    };
    const RowHistogram dyadic = MakeUniformRow(0.5, 1, 7);
    const RowHistogram awkward = MakeUniformRow(0.1, 0.3, 23);
    const RowHistogram far = MakeUniformRow(1e6 + 0.001, 0.002, 40);
    const RowHistogram hundredths = MakeUniformRow(0.005, 0.01, 100);  // halves that binary cannot hold
    struct Case {
        const RowHistogram* a;
        double ma;
        const RowHistogram* b;
        double mb;
    };
    const Case cases[] = {{&dyadic, 1, &dyadic, 1},         {&dyadic, -2, &dyadic, 1},
                          {&awkward, -1.7, &dyadic, 2.3},   {&awkward, 0.3, &awkward, 1},
                          {&far, 1, &awkward, -1e-3},       {&hundredths, 1, &hundredths, 1},
                          {&hundredths, -1, &hundredths, 3}};
    for (const Case& c : cases) {
        const int q = std::max(static_cast<int>(c.a->Bins), static_cast<int>(c.b->Bins));
        const ComputationResult result = CombineRows(std::vector<ScaledRow>{{c.a, c.ma}, {c.b, c.mb}}, q);
        ASSERT_TRUE(result.ok());
        const std::vector<double> expected = reference(*c.a, c.ma, *c.b, c.mb, q);
        // The result starts at the first interval that holds weight.
        const auto first = std::find_if(expected.begin(), expected.end(), [](double p) { return p != 0; });
        const Histogram& h = result.histogram;
        const std::vector<double> got(h.Prob.begin(), h.Prob.begin() + h.Bins);
        EXPECT_EQ(got, std::vector<double>(first, first + result.histogram.Bins)) << c.ma << " " << c.mb;
    }
}

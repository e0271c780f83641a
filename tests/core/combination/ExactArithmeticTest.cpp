// Combination and summation against exact mathematics: symmetric shapes, kept means, the Irwin-Hall
// distribution, the exact convolution and the exact mixture of the shipped example histograms.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "combination/Computation.h"
#include "histogram/HistogramFile.h"
#include "histogram/Queries.h"
#include "shell/DataFolder.h"

using namespace morvik;
using morvik::testing::MakeRow;
using morvik::testing::MakeUniformRow;

namespace {

// The mean of the interval midpoints weighted by their probabilities (a Histogram or a row record).
template <class Record>
double MeanOf(const Record& h, int bins)
{
    long double mean = 0;
    for (int i = 0; i < bins; ++i) mean += static_cast<long double>(h.Prob[i]) * (h.Min + i * h.Width);
    return static_cast<double>(mean);
}
double MeanOf(const Histogram& h) { return MeanOf(h, h.Bins); }
double MeanOf(const RowHistogram& row) { return MeanOf(row, RoundedBins(row)); }

RowHistogram ExampleRow(const std::string& name)
{
    const std::string path = ExamplesFolder(SourceDataFolder()) + "/Loads/" + name + ".dis";
    const HistogramRead read = ReadComponentFile(path, HistogramKind::Discrete);
    EXPECT_FALSE(read.message) << path;
    return RowHistogramOf(read.histogram, RowHistogram{});
}

// The upper edge of interval i (from 1) of a result histogram; i = 0 gives the lower edge of the first.
double UpperEdge(const Histogram& h, int i) { return h.Min + (i - 0.5) * h.Width; }

// P(X1 + ... + Xn <= x) for n independent variables uniform on 0..1.
long double IrwinHall(int n, long double x)
{
    if (x <= 0) return 0;
    if (x >= n) return 1;
    long double sum = 0, binomial = 1, factorial = 1;
    for (int i = 1; i <= n; ++i) factorial *= i;
    for (int k = 0; k <= static_cast<int>(std::floor(x)); ++k) {
        sum += (k % 2 ? -1 : 1) * binomial * std::pow(x - k, static_cast<long double>(n));
        binomial = binomial * (n - k) / (k + 1);
    }
    return sum / factorial;
}

long double IrwinHallQuantile(int n, long double p)
{
    long double low = 0, high = n;
    for (int i = 0; i < 200; ++i) {
        const long double mid = (low + high) / 2;
        (IrwinHall(n, mid) < p ? low : high) = mid;
    }
    return (low + high) / 2;
}

// P(U1 + U2 <= z) for U1 uniform on a..a+w1 and U2 uniform on b..b+w2 (w1, w2 > 0): the part of the rectangle
// below the line, by inclusion and exclusion of the corner triangles.
long double UniformPairCdf(long double a, long double w1, long double b, long double w2, long double z)
{
    auto triangle = [](long double s) { return s > 0 ? s * s / 2 : 0.0L; };
    const long double s = z - a - b;
    return (triangle(s) - triangle(s - w1) - triangle(s - w2) + triangle(s - w1 - w2)) / (w1 * w2);
}

// The exact distribution function of X + Y at z, each histogram read as a piecewise-uniform density.
long double ExactSumCdf(const RowHistogram& x, const RowHistogram& y, long double z)
{
    long double F = 0;
    for (int j = 0; j < RoundedBins(x); ++j) {
        if (x.Prob[j] == 0) continue;
        const long double a = x.Min + (j - 0.5L) * x.Width;
        for (int k = 0; k < RoundedBins(y); ++k) {
            const long double b = y.Min + (k - 0.5L) * y.Width;
            F += static_cast<long double>(x.Prob[j]) * y.Prob[k] * UniformPairCdf(a, x.Width, b, y.Width, z);
        }
    }
    return F;
}

// The exact distribution function at z of the mixture of the rows (multiple 1), each piecewise uniform and
// weighted by its weight times its Total.
long double ExactMixtureCdf(const std::vector<ScaledRow>& rows, long double z)
{
    long double F = 0, total = 0;
    for (const ScaledRow& row : rows) {
        const RowHistogram& h = *row.histogram;
        const long double weight = std::nearbyint(static_cast<long double>(h.Total)) * row.weight;
        total += weight;
        for (int k = 0; k < RoundedBins(h); ++k) {
            const long double lower = h.Min + (k - 0.5L) * h.Width;
            F += weight * h.Prob[k] * std::clamp((z - lower) / h.Width, 0.0L, 1.0L);
        }
    }
    return F / total;
}

}  // namespace

TEST(CombinationArithmetic, HalfwayPointsKeepSymmetryAndMean)
{
    // Equal grids line up: half of all sums lie exactly halfway between two result intervals.
    const RowHistogram quarters = MakeUniformRow(0.5, 1, 4);           // 0..4 in four intervals
    const RowHistogram twoValues = MakeRow(0.5, 1, {0.5, 0.5});        // 0.5 and 1.5
    const RowHistogram hundredths = MakeUniformRow(0.005, 0.01, 100);  // 0..1, halves not exact in binary
    struct Case {
        const char* name;
        const RowHistogram* row;
        std::vector<double> expected;  // empty: only the mean is known
    };
    const Case cases[] = {
        {"quarters", &quarters, {2 / 16.0, 6 / 16.0, 6 / 16.0, 2 / 16.0}},
        {"two values", &twoValues, {0.5, 0.5}},
        {"hundredths", &hundredths, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int bins = RoundedBins(*c.row);
        const ComputationResult result = CombineRows(std::vector<ScaledRow>{{c.row, 1}, {c.row, 1}}, bins);
        ASSERT_TRUE(result.ok());
        const Histogram& h = result.histogram;
        ASSERT_EQ(h.Bins, bins);
        EXPECT_NEAR(MeanOf(h), 2 * MeanOf(*c.row), 1e-12);
        for (size_t i = 0; i < c.expected.size(); ++i) EXPECT_DOUBLE_EQ(h.Prob[i], c.expected[i]) << i;
        // The sum of two identical symmetric variables is symmetric.
        for (int i = 0; i < bins / 2; ++i) EXPECT_NEAR(h.Prob[i], h.Prob[bins - 1 - i], 1e-15) << i;
    }
}

TEST(CombinationArithmetic, TenUniformVariablesFollowTheIrwinHallDistribution)
{
    constexpr int n = 10;
    const RowHistogram uniform = MakeUniformRow(0.005, 0.01, 100);
    const std::vector<ScaledRow> rows(n, ScaledRow{&uniform, 1});
    const ComputationResult result = CombineRows(rows, 100);
    ASSERT_TRUE(result.ok());
    const double sigma = std::sqrt(n / 12.0);
    EXPECT_NEAR(MeanOf(result.histogram), n / 2.0, 1e-9);
    for (double p : {0.001, 0.5, 0.999}) {
        const QuantileQueryResult q = QuantileQuery(result.histogram, HistogramKind::Discrete, p);
        ASSERT_TRUE(q.inRange);
        EXPECT_NEAR(q.Qp, static_cast<double>(IrwinHallQuantile(n, p)), 0.01 * sigma) << "p = " << p;
    }
}

TEST(CombinationArithmetic, ExamplesFollowTheExactConvolution)
{
    const RowHistogram dead = ExampleRow("DeadLoad");
    for (const char* other : {"WindLoad", "LiveLoad"}) {
        SCOPED_TRACE(other);
        const RowHistogram second = ExampleRow(other);
        const int q = std::max(RoundedBins(dead), RoundedBins(second));
        const ComputationResult result = CombineRows(std::vector<ScaledRow>{{&dead, 1}, {&second, 1}}, q);
        ASSERT_TRUE(result.ok());
        const Histogram& h = result.histogram;
        // F at every edge of the result, from the histogram and from the exact convolution.
        double F = 0, largest = 0;
        for (int i = 1; i <= h.Bins; ++i) {
            F += h.Prob[i - 1];
            const double exact = static_cast<double>(ExactSumCdf(dead, second, UpperEdge(h, i)));
            largest = std::max(largest, std::fabs(F - exact));
        }
        EXPECT_LE(largest, 2e-4);
        EXPECT_NEAR(ExactSumCdf(dead, second, UpperEdge(h, 0)), 0, 1e-12);  // nothing lies below the result
    }
}

TEST(SummationArithmetic, RowsOfDifferentWidthsGiveTheExactMixture)
{
    // 64 and 128 intervals over different ranges: the result grid lines up with neither row.
    const RowHistogram dead = ExampleRow("DeadLoad");
    const RowHistogram live = ExampleRow("LiveLoad");
    const std::vector<ScaledRow> rows{{&dead, 1, 0.3}, {&live, 1, 0.7}};
    const ComputationResult result = SumRows(rows, 128);
    ASSERT_TRUE(result.ok());
    const Histogram& h = result.histogram;
    ASSERT_EQ(h.Bins, 128);
    for (int i = 1; i <= h.Bins; ++i) {
        const long double below = i == 1 ? 0 : ExactMixtureCdf(rows, UpperEdge(h, i - 1));
        const long double upTo = i == h.Bins ? 1 : ExactMixtureCdf(rows, UpperEdge(h, i));
        EXPECT_NEAR(h.Prob[i - 1], static_cast<double>(upTo - below), 1e-9) << "interval " << i;
    }
    const long double weightDead = 0.3L * dead.Total, weightLive = 0.7L * live.Total;
    const double exactMean =
        static_cast<double>((weightDead * MeanOf(dead) + weightLive * MeanOf(live)) / (weightDead + weightLive));
    EXPECT_NEAR(MeanOf(h), exactMean, 1e-3 * h.Width);
}

TEST(SummationArithmetic, ARowWiderThanTheOuterEdgesGivesItsOverhangToTheEndIntervals)
{
    // With multiple 2 the row's intervals are 2 wide, yet the outer edges grow by only half a Width: the row
    // reaches past the upper edge, and that part stays in the last interval.
    const RowHistogram unit = MakeUniformRow(1, 1, 4);     // 0.5 .. 4.5
    const RowHistogram twice = MakeRow(1, 1, {0.5, 0.5});  // with A = 2: values 2 and 4, intervals 1..3, 3..5
    const std::vector<ScaledRow> rows{{&unit, 1, 1}, {&twice, 2, 1}};
    const ComputationResult result = SumRows(rows, 4);
    ASSERT_TRUE(result.ok());
    const Histogram& h = result.histogram;
    // Edges 0.5 .. 4.5, intervals 1 wide: the unit row puts 25 into each; the twice row 50 over 1..3 and
    // 50 over 3..5, of which 3.5..5 goes to the last interval.
    ASSERT_EQ(h.Bins, 4);
    EXPECT_DOUBLE_EQ(h.Min, 1);
    const double expected[] = {37.5 / 200, 50.0 / 200, 50.0 / 200, 62.5 / 200};
    for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(h.Prob[i], expected[i]) << i;
}

#include <numeric>

#include <gtest/gtest.h>

#include "histogram/AbsoluteValue.h"
#include "statlib/Statistics.h"
#include "support/TestFiles.h"

using namespace morvik;

namespace {

Histogram Make(double min, double width, std::vector<double> prob)
{
    return test::MakeHistogram(min, width, prob, 1000);
}

std::vector<double> Probs(const Histogram& h) { return {h.Prob.begin(), h.Prob.begin() + h.Bins}; }

}  // namespace

TEST(AbsoluteValue, NonPositiveHistogramIsReflected)
{
    const Histogram pure = Make(-5, 1, {0.1, 0.2, 0.3, 0.25, 0.15});
    Histogram r = AbsoluteValueHistogram(pure, HistogramKind::PureDiscrete);
    EXPECT_EQ(r.Bins, 5);
    EXPECT_DOUBLE_EQ(r.Min, 1);
    EXPECT_DOUBLE_EQ(r.Max, 5);
    EXPECT_DOUBLE_EQ(r.Width, 1);
    EXPECT_EQ(Probs(r), (std::vector<double>{0.15, 0.25, 0.3, 0.2, 0.1}));
    EXPECT_EQ(r.Total, 1000);

    Histogram single = AbsoluteValueHistogram(Make(-2, 0.5, {1}), HistogramKind::Discrete);  // no 0/0 width
    EXPECT_DOUBLE_EQ(single.Min, 2);
    EXPECT_DOUBLE_EQ(single.Width, 0.5);
}

TEST(AbsoluteValue, DiscreteFoldCoversZeroToTheFartherEdgeAndKeepsTheMass)
{
    // Outer edges -2..4 in six unit intervals: |X| lives on 0..4.
    const Histogram h = Make(-1.5, 1, {0.1, 0.2, 0.3, 0.2, 0.1, 0.1});
    Histogram r = AbsoluteValueHistogram(h, HistogramKind::Discrete);
    EXPECT_EQ(r.Bins, 4);
    EXPECT_DOUBLE_EQ(r.Min - r.Width / 2, 0);
    EXPECT_DOUBLE_EQ(r.Max + r.Width / 2, 4);
    // Interval [0,1] gets 0.3 (its own) + 0.2 (mirrored [-1,0]); [1,2] gets 0.2 + 0.1; the rest as they were.
    const std::vector<double> expected{0.5, 0.3, 0.1, 0.1};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(r.Prob[i], expected[i], 1e-15);

    // Wider negative side, intervals not aligned with zero: the mean of |X| is kept to within the re-binning.
    const Histogram skewed = Make(-9.25, 1.5, {0.05, 0.1, 0.2, 0.3, 0.15, 0.1, 0.05, 0.05});
    Histogram s = AbsoluteValueHistogram(skewed, HistogramKind::Discrete);
    EXPECT_DOUBLE_EQ(s.Min - s.Width / 2, 0);
    EXPECT_NEAR(s.Max + s.Width / 2, 10, 1e-12);
    EXPECT_LE(s.Bins, MaxBins);
    EXPECT_NEAR(std::accumulate(s.Prob.begin(), s.Prob.begin() + s.Bins, 0.0), 1, 1e-12);
    double meanAbs = 0;  // exact mean of |X| for uniform intervals
    for (int i = 0; i < skewed.Bins; ++i) {
        double a = skewed.Min + (i - 0.5) * 1.5, b = a + 1.5;
        double m = a >= 0 ? (a + b) / 2 : b <= 0 ? -(a + b) / 2 : (a * a + b * b) / (2 * (b - a));
        meanAbs += skewed.Prob[i] * m;
    }
    EXPECT_NEAR(PrumerX(s.Prob, s.Bins, s.Min, s.Max), meanAbs, s.Width / 100);
}

TEST(AbsoluteValue, PureDiscreteFoldOnAGridThroughZeroIsExact)
{
    const Histogram h = Make(-2, 1, {0.1, 0.2, 0.3, 0.15, 0.15, 0.1});  // values -2..3
    Histogram r = AbsoluteValueHistogram(h, HistogramKind::PureDiscrete);
    EXPECT_EQ(r.Bins, 4);
    EXPECT_DOUBLE_EQ(r.Min, 0);
    EXPECT_DOUBLE_EQ(r.Max, 3);
    const std::vector<double> expected{0.3, 0.35, 0.25, 0.1};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(r.Prob[i], expected[i], 1e-15);

    // A grid that misses zero: the values are shared between neighbours, the sum and the mean stay.
    const Histogram offset = Make(-1.5, 1, {0.25, 0.25, 0.25, 0.25});
    Histogram o = AbsoluteValueHistogram(offset, HistogramKind::PureDiscrete);
    EXPECT_DOUBLE_EQ(o.Min, 0);
    EXPECT_DOUBLE_EQ(o.Max, 1.5);
    EXPECT_NEAR(std::accumulate(o.Prob.begin(), o.Prob.begin() + o.Bins, 0.0), 1, 1e-15);
    EXPECT_NEAR(PrumerX(o.Prob, o.Bins, o.Min, o.Max), 1.0, 1e-12);
}

TEST(AbsoluteValue, FullWidthHistogramStaysWithinCapacity)
{
    std::vector<double> prob(MaxBins, 1.0 / MaxBins);
    const Histogram h = Make(-1000.5, 1, prob);  // outer edges -1001..23
    for (HistogramKind kind : {HistogramKind::Discrete, HistogramKind::PureDiscrete}) {
        Histogram r = AbsoluteValueHistogram(h, kind);
        EXPECT_LE(r.Bins, MaxBins);
        EXPECT_NEAR(std::accumulate(r.Prob.begin(), r.Prob.begin() + r.Bins, 0.0), 1, 1e-12);
    }
}

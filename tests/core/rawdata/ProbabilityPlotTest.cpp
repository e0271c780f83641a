#include <vector>

#include <gtest/gtest.h>

#include "rawdata/ProbabilityPlot.h"

namespace morvik {
namespace {

TEST(ProbabilityPlot, CdfAndQuantileOfAHistogram)
{
    // Probabilities 0.1, 0.3, 0.6 over 0..3: the CDF rises linearly within each interval.
    const std::vector<double> prob{0.1, 0.3, 0.6};
    struct Case {
        double x, cdf;
    };
    const Case cases[] = {{-1, 0}, {0, 0}, {0.5, 0.05}, {1, 0.1}, {1.5, 0.25}, {2.25, 0.55}, {3, 1}, {7, 1}};
    for (const Case& c : cases) {
        EXPECT_NEAR(HistogramCdf(prob, 0, 3, c.x), c.cdf, 1e-12) << c.x;
        if (c.cdf > 0 && c.cdf < 1) { EXPECT_NEAR(HistogramQuantile(prob, 0, 3, c.cdf), c.x, 1e-12) << c.cdf; }
    }
    // Probabilities that do not sum to 1 are taken as shares of their sum.
    const std::vector<double> halves{0.5, 1.5};
    EXPECT_NEAR(HistogramCdf(halves, 0, 2, 1), 0.25, 1e-12);
    EXPECT_NEAR(HistogramQuantile(halves, 0, 2, 0.25), 1, 1e-12);
    // An empty interval has no quantile inside it.
    const std::vector<double> gap{0.5, 0, 0.5};
    EXPECT_NEAR(HistogramQuantile(gap, 0, 3, 0.75), 2.5, 1e-12);
}

TEST(ProbabilityPlot, DataAtTheFitsQuantilesLieOnTheLine)
{
    // A uniform histogram over 0..10 and values at its quantiles (i + 0.5)/N * 10.
    const std::vector<double> prob(10, 0.1);
    std::vector<double> sorted;
    const int n = 1000;
    for (int i = 0; i < n; ++i) sorted.push_back((i + 0.5) / n * 10);
    for (const ProbabilityPlotKind kind : {ProbabilityPlotKind::PP, ProbabilityPlotKind::QQ}) {
        const PlotPoints plot = MakeProbabilityPlot(kind, sorted, prob, 0, 10, 50);
        ASSERT_EQ(plot.x.size(), size_t(50));
        ASSERT_EQ(plot.y.size(), size_t(50));
        for (size_t j = 0; j < plot.x.size(); ++j) EXPECT_NEAR(plot.y[j], plot.x[j], 1e-9) << j;
        // The extreme values are always plotted.
        const double first = kind == ProbabilityPlotKind::PP ? 0.5 / n : sorted.front();
        const double last = kind == ProbabilityPlotKind::PP ? (n - 0.5) / n : sorted.back();
        EXPECT_DOUBLE_EQ(plot.x.front(), first);
        EXPECT_DOUBLE_EQ(plot.x.back(), last);
        EXPECT_LE(plot.low, first);
        EXPECT_GE(plot.high, last);
    }
}

TEST(ProbabilityPlot, AFitTooNarrowLeavesTheLineAtTheTails)
{
    // Data spread over 0..10 against a fit that keeps everything within 4..6.
    std::vector<double> prob(10, 0);
    prob[4] = prob[5] = 0.5;
    std::vector<double> sorted;
    for (int i = 0; i <= 100; ++i) sorted.push_back(i / 10.0);
    const PlotPoints pp = MakeProbabilityPlot(ProbabilityPlotKind::PP, sorted, prob, 0, 10, 101);
    EXPECT_EQ(pp.y.front(), 0);  // the lowest value lies below all of the fit
    EXPECT_EQ(pp.y.back(), 1);
    const PlotPoints qq = MakeProbabilityPlot(ProbabilityPlotKind::QQ, sorted, prob, 0, 10, 101);
    EXPECT_GE(qq.y.front(), 4);  // the fit's lowest quantile is far above the lowest value
    EXPECT_LE(qq.y.back(), 6);
    EXPECT_EQ(qq.low, 0);
    EXPECT_EQ(qq.high, 10);

    EXPECT_TRUE(MakeProbabilityPlot(ProbabilityPlotKind::PP, {}, prob, 0, 10).x.empty());
}

}  // namespace
}  // namespace morvik

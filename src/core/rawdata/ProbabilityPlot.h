#pragma once
#include <span>
#include <vector>

namespace morvik {

// The probability plots of a fit against the raw values: where a histogram's closeness to the data's histogram
// hides a misfit in the tails, these show it as points leaving the line y = x at their ends.
enum class ProbabilityPlotKind {
    PP,  // x: the data's plotting position (i - 0.5)/N, y: the fit's CDF at value i
    QQ,  // x: value i, y: the fit's quantile at (i - 0.5)/N
};

struct PlotPoints {
    std::vector<double> x;
    std::vector<double> y;
    double low = 0;  // one range for both axes that holds every point
    double high = 1;
};

// The fit is a histogram of n probabilities over min..max (its outer edges), each interval's probability
// spread evenly over it, so its CDF is piecewise linear. At most `maxPoints` points, taken at evenly spaced
// ranks of the sorted values (the first and the last always among them).
PlotPoints MakeProbabilityPlot(ProbabilityPlotKind kind, std::span<const double> sorted, std::span<const double> prob,
                               double min, double max, int maxPoints = 400);

// The CDF of such a histogram at x, and its quantile at probability p (0 < p < 1).
double HistogramCdf(std::span<const double> prob, double min, double max, double x);
double HistogramQuantile(std::span<const double> prob, double min, double max, double p);

}  // namespace morvik

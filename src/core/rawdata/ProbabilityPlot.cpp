#include "rawdata/ProbabilityPlot.h"

#include <algorithm>
#include <cmath>

namespace morvik {
namespace {

double Total(std::span<const double> prob)
{
    long double sum = 0;
    for (double p : prob) sum += p;
    return static_cast<double>(sum);
}

}  // namespace

double HistogramCdf(std::span<const double> prob, double min, double max, double x)
{
    const double total = Total(prob);
    if (prob.empty() || !(total > 0) || !(max > min)) return 0;
    if (x <= min) return 0;
    if (x >= max) return 1;
    const double t = (x - min) / (max - min) * static_cast<double>(prob.size());
    const size_t k = std::min(static_cast<size_t>(t), prob.size() - 1);
    long double below = 0;
    for (size_t i = 0; i < k; ++i) below += prob[i];
    return std::clamp(static_cast<double>((below + prob[k] * (t - static_cast<double>(k))) / total), 0.0, 1.0);
}

double HistogramQuantile(std::span<const double> prob, double min, double max, double p)
{
    const double total = Total(prob);
    if (prob.empty() || !(total > 0)) return min;
    const double h = (max - min) / static_cast<double>(prob.size());
    const double wanted = p * total;
    long double below = 0;
    for (size_t k = 0; k < prob.size(); ++k) {
        if (prob[k] > 0 && below + prob[k] >= wanted) {
            const double within = std::clamp(static_cast<double>((wanted - below) / prob[k]), 0.0, 1.0);
            return min + (static_cast<double>(k) + within) * h;
        }
        below += prob[k];
    }
    return max;
}

PlotPoints MakeProbabilityPlot(ProbabilityPlotKind kind, std::span<const double> sorted, std::span<const double> prob,
                               double min, double max, int maxPoints)
{
    PlotPoints plot;
    const size_t n = sorted.size();
    if (n == 0 || prob.empty() || maxPoints < 2) return plot;
    const size_t count = std::min(n, static_cast<size_t>(maxPoints));
    for (size_t j = 0; j < count; ++j) {
        const size_t i = count == 1 ? 0 : j * (n - 1) / (count - 1);
        const double position = (static_cast<double>(i) + 0.5) / static_cast<double>(n);
        if (kind == ProbabilityPlotKind::PP) {
            plot.x.push_back(position);
            plot.y.push_back(HistogramCdf(prob, min, max, sorted[i]));
        } else {
            plot.x.push_back(sorted[i]);
            plot.y.push_back(HistogramQuantile(prob, min, max, position));
        }
    }
    if (kind == ProbabilityPlotKind::PP) {
        plot.low = 0;
        plot.high = 1;
    } else {
        const auto [xLow, xHigh] = std::minmax_element(plot.x.begin(), plot.x.end());
        const auto [yLow, yHigh] = std::minmax_element(plot.y.begin(), plot.y.end());
        plot.low = std::min(*xLow, *yLow);
        plot.high = std::max(*xHigh, *yHigh);
        if (!(plot.high > plot.low)) plot.high = plot.low + 1;
    }
    return plot;
}

}  // namespace morvik

#include "histogram/Histogram.h"

#include <algorithm>
#include <cmath>

namespace morvik {

std::string KindText(HistogramKind kind) { return kind == HistogramKind::Discrete ? "Discrete" : "Pure Discrete"; }

double Histogram::ProbabilitySum() const
{
    long double sum = 0;
    for (int i = 0; i < Bins; ++i) sum += Prob[i];
    return static_cast<double>(sum);
}

Histogram ScaleHistogram(const Histogram& input, double a)
{
    Histogram result = input;
    result.Min = input.Min * a;
    result.Max = input.Max * a;
    result.Range = std::fabs(a) * input.Range;
    result.Width = std::fabs(a) * input.Width;
    if (a < 0) {
        std::reverse(result.Prob.begin(), result.Prob.begin() + std::clamp(result.Bins, 0, MaxBins));
        std::swap(result.Min, result.Max);
    }
    return result;
}

void TrimEmptyEnds(Histogram& h)
{
    const int bins = std::clamp(h.Bins, 0, MaxBins);
    if (bins == 0 || (h.Prob[0] != 0 && h.Prob[bins - 1] != 0)) return;
    int first = 0;
    while (first < bins && h.Prob[first] == 0) ++first;
    if (first == bins) return;  // nothing to keep
    int last = bins - 1;
    while (h.Prob[last] == 0) --last;
    const int kept = last - first + 1;
    std::copy(h.Prob.begin() + first, h.Prob.begin() + last + 1, h.Prob.begin());
    std::fill(h.Prob.begin() + kept, h.Prob.begin() + bins, 0.0);
    h.Min += first * h.Width;
    h.Bins = kept;
    h.Max = h.Min + (kept - 1) * h.Width;
    h.Range = h.Max - h.Min;
}

}  // namespace morvik

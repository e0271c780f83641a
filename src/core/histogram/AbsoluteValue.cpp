#include "histogram/AbsoluteValue.h"

#include <algorithm>
#include <cmath>

namespace morvik {
namespace {

Histogram Reflect(const Histogram& h)
{
    Histogram r = h;
    std::fill(r.Prob.begin(), r.Prob.end(), 0.0);
    for (int i = 0; i < h.Bins; ++i) r.Prob[h.Bins - 1 - i] = h.Prob[i];
    r.Min = -h.Max;
    r.Max = -h.Min;
    r.Width = h.Bins > 1 ? (r.Max - r.Min) / (h.Bins - 1) : h.Width;
    return r;
}

// The number of steps of about `width` that cover `span`, at most `limit` (a little slack for rounding).
int StepsCovering(double span, double width, int limit)
{
    if (!(width > 0)) return limit;
    const double steps = std::ceil(span / width - 1e-9);
    if (!(steps < limit)) return limit;
    return steps > 1 ? static_cast<int>(steps) : 1;
}

// The bin that holds `position` (in bins from 0), clamped to 0..last; converted only once it is in range.
int BinAt(double position, int last)
{
    if (!(position > 0)) return 0;
    return position < last ? static_cast<int>(position) : last;
}

// Adds `mass` spread uniformly over [a, b] (0 <= a <= b <= top) to the bins of width `bw` starting at 0.
void SpreadUniform(Histogram& out, double a, double b, double mass, double bw)
{
    const int last = out.Bins - 1;
    if (!(b > a)) {
        out.Prob[BinAt(a / bw, last)] += mass;
        return;
    }
    int first = BinAt(std::floor(a / bw), last);
    int end = BinAt(std::floor(b / bw), last);
    for (int j = first; j <= end; ++j) {
        double lo = std::max(a, j * bw);
        double hi = j == last ? b : std::min(b, (j + 1) * bw);
        if (j == first && j == end) {
            lo = a;
            hi = b;
        }
        if (hi > lo) out.Prob[j] += mass * (hi - lo) / (b - a);
    }
}

Histogram FoldDiscrete(const Histogram& h)
{
    const double w = h.Width;
    const double top = std::max(-(h.Min - w / 2), h.Max + w / 2);
    Histogram r = h;
    std::fill(r.Prob.begin(), r.Prob.end(), 0.0);
    r.Bins = StepsCovering(top, w, MaxBins);
    const double bw = top / r.Bins;
    for (int i = 0; i < h.Bins; ++i) {
        const double p = h.Prob[i];
        if (p == 0) continue;
        const double a = h.Min + (i - 0.5) * w, b = a + w;
        if (a >= 0) {
            SpreadUniform(r, a, b, p, bw);
        } else if (b <= 0) {
            SpreadUniform(r, -b, -a, p, bw);
        } else {  // the interval holds zero: both of its parts start at 0
            SpreadUniform(r, 0, -a, p * (-a) / w, bw);
            SpreadUniform(r, 0, b, p * b / w, bw);
        }
    }
    r.Width = bw;
    r.Min = bw / 2;
    r.Max = top - bw / 2;
    r.Range = top;
    return r;
}

Histogram FoldPureDiscrete(const Histogram& h)
{
    const double w = h.Width;
    const double top = std::max(-h.Min, h.Max);
    Histogram r = h;
    std::fill(r.Prob.begin(), r.Prob.end(), 0.0);
    r.Bins = StepsCovering(top, w, MaxBins - 1) + 1;
    const double step = top / (r.Bins - 1);
    for (int i = 0; i < h.Bins; ++i) {
        const double p = h.Prob[i];
        if (p == 0) continue;
        const double position = std::fabs(h.ValueAt(i)) / step;
        double lower = std::floor(position);
        double fraction = position - lower;
        if (fraction < 1e-9) fraction = 0;  // on the grid (the usual case of a grid through zero)
        if (fraction > 1 - 1e-9) {
            lower += 1;
            fraction = 0;
        }
        const int j = BinAt(lower, r.Bins - 1);
        r.Prob[j] += p * (1 - fraction);
        if (fraction > 0) r.Prob[std::min(j + 1, r.Bins - 1)] += p * fraction;
    }
    r.Width = step;
    r.Min = 0;
    r.Max = top;
    r.Range = top;
    return r;
}

}  // namespace

Histogram AbsoluteValueHistogram(const Histogram& h, HistogramKind kind)
{
    // Values that overflowed (a huge multiple) have no folding: such a histogram stays as it is.
    if (!std::isfinite(h.Min) || !std::isfinite(h.Max) || !std::isfinite(h.Width)) return h;
    if (h.Bins < 1 || h.Min >= 0) return h;
    if (h.Max <= 0) return Reflect(h);
    return kind == HistogramKind::Discrete ? FoldDiscrete(h) : FoldPureDiscrete(h);
}

}  // namespace morvik

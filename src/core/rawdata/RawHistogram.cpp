#include "rawdata/RawHistogram.h"

#include <algorithm>
#include <cmath>

#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/Statistics.h"

namespace morvik {

int RawInterval(double value, int n, double min, double max)
{
    // On the scale of interval numbers the boundaries are the whole numbers 0..n. Double precision puts t within
    // about 1e-13 of its exact value, far inside the tolerance.
    const double t = (value - min) * n / (max - min);
    if (!(t > 0)) return 1;  // below Min
    if (t >= n) return n;
    // k = R(t - 0.5) + 1: off a boundary that is the interval t lies in; on boundary b, R(b - 0.5) rounds the half
    // to the even one of b - 1 and b.
    const int nearest = static_cast<int>(t + 0.5);
    if (std::fabs(t - nearest) <= BoundaryTolerance) {
        const int k = nearest % 2 == 0 ? nearest + 1 : nearest;
        return std::clamp(k, 1, n);
    }
    return std::min(static_cast<int>(t) + 1, n);
}

std::array<double, MaxBins> BinRawValues(std::span<const double> sorted, int n, double min, double max)
{
    std::array<long, MaxBins> counts{};
    for (double v : sorted) ++counts[static_cast<size_t>(RawInterval(v, n, min, max) - 1)];
    std::array<double, MaxBins> frequency{};
    const double count = static_cast<double>(sorted.size());
    for (int i = 0; i < n; ++i) frequency[static_cast<size_t>(i)] = static_cast<double>(counts[i]) / count;
    return frequency;
}

RawHistogram BuildRawHistogram(const RawDataSet& data, int n, double min, double max, HistogramKind kind)
{
    RawHistogram r;
    r.n = n;
    r.min = min;
    r.max = max;
    r.h = (max - min) / n;
    r.kind = kind;
    r.frequency = BinRawValues(data.values, n, min, max);
    r.total = data.Count();
    if (kind == HistogramKind::PureDiscrete) {
        r.x1 = min;
        r.x2 = max;
    } else {
        r.x1 = min + r.h / 2;
        r.x2 = max - r.h / 2;
    }
    r.median = MedianValue(true, r.frequency, r.x1, r.x2, n);
    r.mode = ModeValue(r.frequency, n, r.x1, r.x2);
    r.meanY = PrumerY(r.frequency, n);
    r.varY = RozptylY(r.frequency, n, r.meanY);
    r.statistics = ComputeStatistics(r.frequency, n, r.x1, r.x2, kind, r.total);
    return r;
}

Histogram RawHistogram::AsHistogram() const
{
    Histogram histogram;
    histogram.Bins = n;
    histogram.Min = x1;
    histogram.Max = x2;
    histogram.Width = n > 1 ? (x2 - x1) / (n - 1) : h;
    histogram.Range = max - min;
    histogram.Total = total;
    histogram.Prob = frequency;
    return histogram;
}

int SturgesIntervals(int count)
{
    return static_cast<int>(std::nearbyint(1 + 3.3 * std::log10(static_cast<double>(count))));
}

std::optional<Message> SturgesWarning(int n, int count)
{
    const int advice = SturgesIntervals(count);
    if (n >= advice) return std::nullopt;
    return Message::Warning(FormatText(msg::SturgesAdvice, std::to_string(count)) + std::to_string(advice) + "   !");
}

}  // namespace morvik

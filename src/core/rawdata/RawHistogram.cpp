#include "rawdata/RawHistogram.h"

#include <algorithm>
#include <cmath>

#include "localization/TextCis.h"
#include "statlib/Statistics.h"

namespace morvik {

int RawInterval(double value, int n, double min, double max)
{
    // On the scale of interval numbers the boundaries are the whole numbers 0..n.
    long double t = (static_cast<long double>(value) - min) * n / (static_cast<long double>(max) - min);
    if (!(t > 0)) return 1;  // below Min (and NaN, which never reaches here from the reader)
    if (t >= n) return n;
    const long double boundary = std::nearbyint(t);
    if (std::fabs(t - boundary) <= BoundaryTolerance) t = boundary;
    // The rounding mode is to nearest with halves to even.
    const int k = static_cast<int>(std::nearbyint(t - 0.5L)) + 1;
    return std::clamp(k, 1, n);
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
    return Message::Warning(FormatText(116, std::to_string(count)) + std::to_string(advice) + "   !");
}

}  // namespace morvik

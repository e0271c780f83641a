#include "combination/RowHistogram.h"

#include <algorithm>
#include <cmath>

namespace morvik {

int RoundedBins(const RowHistogram& row)
{
    // A damaged value lands outside 1..1024 instead of overflowing the conversion.
    if (std::isnan(row.Bins)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(row.Bins, -1.0, MaxBins + 1.0)));
}

bool IsUsableRowHistogram(const RowHistogram& row)
{
    const int bins = RoundedBins(row);
    if (bins < 1 || bins > MaxBins || row.Bins != bins) return false;
    for (double value : {row.Min, row.Max, row.Range, row.Width, row.Total}) {
        if (!std::isfinite(value)) return false;
    }
    if (row.Min > row.Max || row.Width < 0 || !(row.Total > 0)) return false;
    return std::all_of(row.Prob.begin(), row.Prob.begin() + bins, [](double p) { return std::isfinite(p) && p >= 0; });
}

RowHistogram RowHistogramOf(const Histogram& histogram, const RowHistogram& previous)
{
    RowHistogram row = previous;
    row.Bins = histogram.Bins;
    row.Min = histogram.Min;
    row.Max = histogram.Max;
    row.Range = histogram.Range;
    row.Width = histogram.Width;
    row.Total = histogram.Total;
    row.Reserved = 0;
    const int bins = std::clamp(histogram.Bins, 0, MaxBins);
    std::copy(histogram.Prob.begin(), histogram.Prob.begin() + bins, row.Prob.begin());
    return row;
}

Histogram HistogramOfRow(const RowHistogram& row)
{
    Histogram histogram;
    histogram.Bins = std::clamp(RoundedBins(row), 0, MaxBins);
    histogram.Min = row.Min;
    histogram.Max = row.Max;
    histogram.Range = row.Range;
    histogram.Width = row.Width;
    histogram.Total = row.Total;
    std::copy(row.Prob.begin(), row.Prob.begin() + histogram.Bins, histogram.Prob.begin());
    return histogram;
}

}  // namespace morvik

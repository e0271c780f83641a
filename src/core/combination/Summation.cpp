// The summation: a weighted mixture of scaled histograms over one common set of intervals.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "combination/Computation.h"
#include "common/NumberText.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik {
namespace {

// The row whose first histogram has this many intervals switches the result to intervals of width 1.
constexpr int UnitWidthBins = 6;

bool FitsDouble(long double value) { return std::fabs(value) <= std::numeric_limits<double>::max(); }

// One row scaled in value by its multiple and in weight by its weight, its values ascending.
struct WeightedRow {
    long double lo = 0, hi = 0;
    long double scaledWidth = 0;  // |A| Width: the spacing of the scaled values
    int n = 0;
    std::array<long double, MaxBins> frequency{};
};

WeightedRow Weighted(const ScaledRow& row)
{
    const RowHistogram& h = *row.histogram;
    WeightedRow weighted;
    weighted.n = std::clamp(RoundedBins(h), 0, MaxBins);
    for (int k = 0; k < weighted.n; ++k) {
        weighted.frequency[k] = static_cast<long double>(h.Prob[k]) * h.Total * row.weight;
    }
    const long double a = row.multiple;
    weighted.lo = a * h.Min;
    weighted.hi = a * h.Max;
    if (a < 0) {
        std::swap(weighted.lo, weighted.hi);
        std::reverse(weighted.frequency.begin(), weighted.frequency.begin() + weighted.n);
    }
    weighted.scaledWidth = std::fabs(a) * h.Width;
    return weighted;
}

// A position within this distance of an interval edge, in intervals, lies on that edge.
constexpr long double EdgeTolerance = 1e-9L;

// A position on the result grid (0 at the lower outer edge, one per interval), put exactly on the nearest edge
// when it lies within EdgeTolerance of it.
long double OnGrid(long double position)
{
    const long double edge = std::rint(position);
    return std::fabs(position - edge) <= EdgeTolerance ? edge : position;
}

// The whole number at or below a grid position, for positions from -1 on.
int WholeBelow(long double position) { return static_cast<int>(position + 1) - 1; }

// Adds `frequency`, spread evenly over the grid positions from..to, to the result intervals in proportion to
// their overlap; the end intervals also take what lies beyond them. A row interval without width is a point:
// it goes to the interval that holds it, or half to each neighbour when it lies on the edge between two.
void ShareOut(std::array<long double, MaxBins>& sum, int q, long double from, long double to, long double frequency)
{
    auto cell = [q](int index) { return std::clamp(index, 0, q - 1); };
    // Indices come from positions limited to just beyond either end; the shares from the positions themselves.
    const long double nearFrom = std::clamp(from, -1.0L, q + 1.0L);
    const long double nearTo = std::clamp(to, -1.0L, q + 1.0L);
    const int below = WholeBelow(nearFrom);
    if (!(to > from)) {
        if (nearFrom == below) {
            sum[cell(below - 1)] += frequency / 2;
            sum[cell(below)] += frequency / 2;
        } else {
            sum[cell(below)] += frequency;
        }
        return;
    }
    int top = WholeBelow(nearTo);
    if (nearTo == top) --top;  // an interval that ends on an edge stops below it
    const int first = cell(below);
    const int end = cell(top);
    const long double density = frequency / (to - from);
    for (int i = first; i <= end; ++i) {
        const long double lower = i == 0 ? from : std::max(from, static_cast<long double>(i));
        const long double upper = i == q - 1 ? to : std::min(to, static_cast<long double>(i + 1));
        sum[i] += density * (upper - lower);
    }
}

ComputationResult Refused(Message message)
{
    ComputationResult result;
    result.message = std::move(message);
    return result;
}

}  // namespace

ComputationResult SumRows(std::span<const ScaledRow> rows, int intervals)
{
    if (rows.size() < 2) return Refused(Message::Error(TextCis(msg::TooFewToSum)));

    std::vector<WeightedRow> weighted;
    weighted.reserve(rows.size());
    long double low = 0, high = 0;  // the outer edges, widened by each row's own half Width (not the scaled one)
    long double total = 0;
    for (size_t s = 0; s < rows.size(); ++s) {
        weighted.push_back(Weighted(rows[s]));
        const long double halfWidth = static_cast<long double>(rows[s].histogram->Width) / 2;
        const long double rowLow = weighted.back().lo - halfWidth;
        const long double rowHigh = weighted.back().hi + halfWidth;
        low = s == 0 ? rowLow : std::min(low, rowLow);
        high = s == 0 ? rowHigh : std::max(high, rowHigh);
        total += std::nearbyint(static_cast<long double>(rows[s].histogram->Total)) * rows[s].weight;
    }
    if (!FitsDouble(low) || !FitsDouble(high) || !FitsDouble(total))
        return Refused(Message::Error(TextCis(msg::Overflow)));

    const long double range = high - low;
    int q = std::clamp(intervals, 1, MaxBins);
    long double width = range / q;
    if (RoundedBins(*rows[0].histogram) == UnitWidthBins) {
        const long double unitIntervals = std::nearbyint(range);
        if (unitIntervals > MaxBins) {
            const std::string count = unitIntervals < 1e18L ? std::to_string(static_cast<long long>(unitIntervals))
                                                            : ShortestText(static_cast<double>(unitIntervals));
            return Refused(Message::Error(FormatText(msg::TooManyIntervals, std::to_string(MaxBins)) + count));
        }
        // A range narrower than half a unit has no unit interval; it keeps the usual division.
        if (unitIntervals >= 1) {
            q = static_cast<int>(unitIntervals);
            width = 1;
        }
    }
    total = std::nearbyint(total);
    if (!(width > 0) || total == 0) return Refused(Message::Error(TextCis(msg::DivisionByZero)));

    const long double resMin = low + width / 2;
    const long double resMax = high - width / 2;
    std::array<long double, MaxBins> sum{};
    for (const WeightedRow& row : weighted) {
        // The edges of the row's intervals on the result grid: lo - ws/2, lo + ws/2, ... in steps of ws.
        const long double step = row.scaledWidth / width;
        const long double start = (row.lo - row.scaledWidth / 2 - low) / width;
        long double from = OnGrid(start);
        for (int k = 0; k < row.n; ++k) {
            const long double to = OnGrid(start + (k + 1) * step);
            ShareOut(sum, q, from, to, row.frequency[k]);
            from = to;
        }
    }

    ComputationResult result;
    Histogram& h = result.histogram;
    h.Bins = q;
    h.Min = static_cast<double>(resMin);
    h.Max = static_cast<double>(resMax);
    h.Width = static_cast<double>(width);
    h.Range = static_cast<double>(range);
    h.Total = static_cast<double>(total);
    for (int i = 0; i < q; ++i) h.Prob[i] = static_cast<double>(sum[i] / total);
    return result;
}

}  // namespace morvik

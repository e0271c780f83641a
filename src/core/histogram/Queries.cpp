#include "histogram/Queries.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/NumberParse.h"

namespace morvik {

namespace {

// A position within this distance of an interval edge (Discrete) or of a value (Pure Discrete), measured in
// intervals, lies on it: neither the decimal text of x nor the rounding of the grid decides the interval.
constexpr long double EdgeTolerance = 1e-9L;

}  // namespace

double QueryPosition(const Histogram& h, HistogramKind kind, double x)
{
    const long double w = h.Width;
    if (!(w > 0)) return x < h.Min ? -HUGE_VAL : x > h.Min ? HUGE_VAL : 0;
    long double position = (static_cast<long double>(x) - h.Min) / w;
    if (kind == HistogramKind::Discrete) position += 0.5L;
    const long double whole = std::rint(position);
    return static_cast<double>(std::fabs(position - whole) <= EdgeTolerance ? whole : position);
}

ValueQueryResult ValueQuery(const Histogram& h, HistogramKind kind, double x)
{
    ValueQueryResult r;
    const int n = h.Bins;
    if (n < 1) return r;
    const bool discrete = kind == HistogramKind::Discrete;
    // Discrete: interval k covers the positions (k - 1, k]; Pure Discrete: value k sits at position k - 1.
    const double t = QueryPosition(h, kind, x);
    const double top = discrete ? n : n - 1;
    const bool inside = discrete ? (0 < t && t <= top) : (0 <= t && t <= top);
    if (!inside) return r;
    r.inRange = true;
    if (t == top) {
        r.f = h.Prob[n - 1];
        r.F = 1;
        r.marked = n;
        return r;
    }
    // k: the interval of x, the last one whose lower edge (Discrete) lies below x or whose value (Pure
    // Discrete) is not above it. An x on an edge belongs to the interval below the edge.
    const int k = std::clamp(static_cast<int>(discrete ? std::ceil(t) : std::floor(t) + 1), 1, n);
    // The running sum stays a double, as the displayed probabilities are.
    double F = 0;
    for (int i = 1; i < k; ++i) F += h.Prob[i - 1];
    F += discrete ? h.Prob[k - 1] * (t - (k - 1)) : h.Prob[k - 1];
    r.f = h.Prob[k - 1];
    r.F = F;
    r.marked = k;
    return r;
}

QuantileQueryResult QuantileQuery(const Histogram& h, HistogramKind kind, double p)
{
    QuantileQueryResult r;
    const int n = h.Bins;
    if (!(p > 0 && p <= 1) || n < 1) return r;
    r.inRange = true;
    const bool discrete = kind == HistogramKind::Discrete;
    const double w = h.Width;
    if (p == 1) {
        r.Qp = discrete ? h.Max + w / 2 : h.Max;
        r.marked = n;
        return r;
    }
    double before = 0;
    for (int k = 1; k <= n; ++k) {
        const double after = before + h.Prob[k - 1];
        if (after >= p) {
            r.marked = k;
            r.Qp = discrete ? h.Min + (k - 1.5) * w + (p - before) * w / h.Prob[k - 1] : h.Min + (k - 1) * w;
            return r;
        }
        before = after;
    }
    // Rounding left the total below p: every bar is marked and Qp stays 0.
    r.marked = n;
    return r;
}

QueryEntry ReadQueryEntry(const std::string& text)
{
    QueryEntry entry;
    entry.value = ParseFieldNumber(text);
    if (!entry.value) entry.message = Message::Error(TextCis(msg::InvalidNumber) + text);
    return entry;
}

std::string QuantileTextOf(double p)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%15.6f", p);
    return buffer;
}

RangeChange ChangeRangeEnd(const Histogram& result, HistogramKind kind, RangeEnd end, const std::string& text)
{
    RangeChange change;
    if (text.empty() || text == "-") return change;
    auto value = ParseFieldNumber(text);  // refuses a leading "E" too
    const bool isMin = end == RangeEnd::Min;
    if (!value) {
        change.message = Message::Error(TextCis(msg::InvalidNumber) + text);
        return change;
    }
    if (kind == HistogramKind::PureDiscrete && *value != std::floor(*value)) {
        change.message = Message::Information(TextCis(isMin ? 131 : 132));
        return change;
    }
    Histogram h = result;
    if (h.Bins <= 1) {
        // A single interval has no spread to stretch: it moves to the new value.
        h.Min = h.Max = *value;
    } else {
        if (isMin ? !(*value < h.Max) : !(*value > h.Min)) {
            change.message = Message::Error(TextCis(isMin ? 31 : 30));
            return change;
        }
        (isMin ? h.Min : h.Max) = *value;
        h.Width = (h.Max - h.Min) / (h.Bins - 1);
    }
    h.Range = kind == HistogramKind::Discrete ? h.Bins * h.Width : h.Max - h.Min;
    change.changed = true;
    change.result = h;
    return change;
}

}  // namespace morvik

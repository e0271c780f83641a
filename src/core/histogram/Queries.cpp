#include "histogram/Queries.h"

#include <cmath>
#include <cstdio>

#include "localization/TextCis.h"
#include "statlib/NumberParse.h"

namespace morvik {

ValueQueryResult ValueQuery(const Histogram& h, HistogramKind kind, double x)
{
    ValueQueryResult r;
    const int n = h.Bins;
    if (n < 1) return r;
    const double w = h.Width;
    const bool discrete = kind == HistogramKind::Discrete;
    const double low = discrete ? h.Min - 0.5 * w : h.Min;
    const double top = discrete ? h.Max + w / 2 : h.Max;
    const bool inside = discrete ? (low < x && x <= top) : (low <= x && x <= top);
    if (!inside) return r;
    r.inRange = true;
    if (x == top) {
        r.f = h.Prob[n - 1];
        r.F = 1;
        r.marked = n;
        return r;
    }
    // k: the interval of x, the largest with its lower edge (Discrete) or its value (Pure Discrete) below x.
    int k = 1;
    for (int i = 1; i <= n; ++i) {
        const double start = discrete ? h.Min + (i - 1.5) * w : h.Min + (i - 1) * w;
        if (discrete ? start < x : start <= x) k = i;
    }
    // The running sum stays a double, as the displayed probabilities are.
    double F = 0;
    for (int i = 1; i < k; ++i) F += h.Prob[i - 1];
    if (discrete) {
        const double edge = h.Min + (k - 1.5) * w;
        F += w > 0 ? h.Prob[k - 1] * (x - edge) / w : h.Prob[k - 1];
    } else {
        F += h.Prob[k - 1];
    }
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
    if (!entry.value) entry.message = Message::Error(TextCis(20) + text);
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
        change.message = Message::Error(TextCis(20) + text);
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

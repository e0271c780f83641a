#pragma once
#include <optional>
#include <string>

#include "common/Message.h"
#include "histogram/Histogram.h"

namespace morvik {

// x measured in intervals: 0 at the lower edge of the first interval (Discrete) or at the first value (Pure
// Discrete), 1 per Width. A position within 1e-9 of a whole number is put on it, so that an x on an edge or a
// value is decided by the rule for edges, not by rounding. The value query and the table highlight use it.
double QueryPosition(const Histogram& h, HistogramKind kind, double x);

// P(X <= x) of a result histogram. `marked` is the number of bars (from the first) that make up the answer.
struct ValueQueryResult {
    bool inRange = false;  // outside the permitted range the field is emptied without a message
    double f = 0;          // probability of the interval (or value) that holds x
    double F = 0;          // P(X <= x), linear inside a Discrete interval
    int marked = 0;
};
ValueQueryResult ValueQuery(const Histogram& h, HistogramKind kind, double x);

// The quantile Qp with P(X <= Qp) = p.
struct QuantileQueryResult {
    bool inRange = false;  // 0 < p <= 1
    double Qp = 0;
    int marked = 0;
};
QuantileQueryResult QuantileQuery(const Histogram& h, HistogramKind kind, double p);

// The entry of a query field: its number, or message 20 with the entry.
struct QueryEntry {
    std::optional<double> value;
    std::optional<Message> message;
};
QueryEntry ReadQueryEntry(const std::string& text);

// The text kept of the last probability entered: six decimals, right-aligned in 15 characters.
std::string QuantileTextOf(double p);

// A new Min or Max typed over the displayed histogram: the interval count and probabilities stay, the values
// are stretched. `changed` is false when the entry is empty or "-" (nothing to do) or refused (`message`).
enum class RangeEnd { Min, Max };
struct RangeChange {
    bool changed = false;
    std::optional<Message> message;
    Histogram result;  // the stretched histogram when changed
};
RangeChange ChangeRangeEnd(const Histogram& result, HistogramKind kind, RangeEnd end, const std::string& text);

}  // namespace morvik

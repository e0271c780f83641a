#pragma once
#include <optional>
#include <span>

#include "combination/RowHistogram.h"
#include "common/Message.h"
#include "histogram/Histogram.h"

namespace morvik {

// One table row as a computation takes it: its histogram, its multiple A and (summation only) its weight.
struct ScaledRow {
    const RowHistogram* histogram = nullptr;
    double multiple = 1;
    double weight = 1;
};

// A computed histogram (always Discrete, Min/Max as midpoints) or the message that refuses the computation.
struct ComputationResult {
    std::optional<Message> message;
    Histogram histogram;
    bool ok() const { return !message; }
};

// The histogram of A1 X1 + ... + An Xn for independent Xi, formed pairwise and put into `intervals` equal
// intervals after every step: each sum goes to the nearest interval, half to each of two when it lies halfway.
// The empty end intervals of the result are trimmed. Needs at least two rows.
ComputationResult CombineRows(std::span<const ScaledRow> rows, int intervals);

// The weighted mixture of the rows' scaled histograms in `intervals` equal intervals, or in intervals of
// width 1 when the first row has exactly 6 intervals; each row interval shares its frequency among the result
// intervals it overlaps. The empty ends are kept.
ComputationResult SumRows(std::span<const ScaledRow> rows, int intervals);

}  // namespace morvik

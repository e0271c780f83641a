#pragma once
#include <array>
#include <string>
#include <vector>

#include "histogram/Histogram.h"

namespace morvik {

// One row of an interval table: interval number, value x, probability P(x).
using IntervalTableRow = std::array<std::string, 3>;

// The interval table of a histogram laid out as for a Discrete histogram: row 0 the headings, row 1 the lower
// edge of the first interval, then for interval i row 2i (number, value, probability) and row 2i + 1 its upper
// edge, and a last row with the total of the probabilities: 2 * Bins + 3 rows in all.
std::vector<IntervalTableRow> DiscreteIntervalTable(const Histogram& histogram);

}  // namespace morvik

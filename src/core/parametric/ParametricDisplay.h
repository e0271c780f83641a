#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chart/GraphExport.h"
#include "common/KeyFilter.h"
#include "histogram/Histogram.h"

namespace morvik {

// The bottom-axis labels of the bars: the interval index from 0, or the value of the interval.
std::vector<std::string> BarLabels(const Histogram& histogram, bool indexLabels);

}  // namespace morvik

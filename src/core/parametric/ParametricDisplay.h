#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/KeyFilter.h"
#include "histogram/Histogram.h"

namespace morvik {

// The bottom-axis labels of the bars: the interval index from 0, or the value of the interval.
std::vector<std::string> BarLabels(const Histogram& histogram, bool indexLabels);

// Where the "save graph" button sends the chart; the four menu items act as one choice.
enum class GraphTarget { Clipboard, Bitmap, Metafile, Jpeg };
// The choice after a click on `clicked`: a click on the current item unticks it, and the choice falls back to
// the bitmap (from the clipboard) or to the clipboard (from the others).
GraphTarget ToggleGraphTarget(GraphTarget current, GraphTarget clicked);

}  // namespace morvik

#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "histogram/Histogram.h"

namespace morvik {

// The bottom-axis labels of the bars: the interval index from 0, or the value of the interval.
std::vector<std::string> BarLabels(const Histogram& histogram, bool indexLabels);

// Which keys an entry field of the parametric windows takes.
enum class KeySet {
    Real,          // digits, "-", ".", ",", "E", "e"
    UnsignedReal,  // digits, ".", ","
    Digits,        // digits only
};
// The character a typed key puts into the field ("," becomes ".", "e" becomes "E"), or nothing: the key is
// swallowed (Enter silently, anything else with a beep). Backspace passes.
std::optional<char> FilterFieldKey(KeySet keys, char key);

// Where the "save graph" button sends the chart; the four menu items act as one choice.
enum class GraphTarget { Clipboard, Bitmap, Metafile, Jpeg };
// The choice after a click on `clicked`: a click on the current item unticks it, and the choice falls back to
// the bitmap (from the clipboard) or to the clipboard (from the others).
GraphTarget ToggleGraphTarget(GraphTarget current, GraphTarget clicked);

}  // namespace morvik

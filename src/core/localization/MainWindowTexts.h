#pragma once
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "localization/TextCis.h"

namespace morvik {

// The fixed lists and derived texts of the main window, beside its caption set.

// CBTypHist: "Histogram", then combination, summation, parametric distribution and raw data.
std::array<std::string, 5> CBTypHistItems(Language language);
// CBValInd: index labels (item 0) or value labels (item 1) on the bottom axis.
std::array<std::string, 2> CBValIndItems(Language language);
// CBMarks: the bar-label styles.
const std::array<std::string, 5>& CBMarksItems();
// Row labels that caption set 1 does not cover: StringGrid3 rows 1 and 2, StringGrid5 row 0.
inline constexpr std::string_view ResultMinLabel = "   Min";
inline constexpr std::string_view ResultMaxLabel = "   Max";
inline constexpr std::string_view ValueQueryLabel = "   P(x)";

// The axis titles of the main chart Chart1.
std::string MainBottomAxisTitle(bool indexLabels, Language language);
std::string MainLeftAxisTitle(Language language);
// The hint of Chart1: how a click zooms (message 53 or 54).
std::string MainChartHint(bool zoomed, Language language);

// The title every window's caption set ends with: "M o r v i k  -  Version <version>".
std::string MainWindowTitle(Language language, const std::string& version);

// A hint made of a short part, "|" and a long part, with the histogram name after both parts:
// "short : name|long : name". A hint without "|" gets the name once, at its end.
std::string HintWithName(std::string_view hint, std::string_view name);
// The histogram name for those hints: the first "." and the three characters after it removed.
std::string NameWithoutExtension(std::string_view name);

// A control that takes the hint of a menu item.
struct HintSource {
    std::string_view control;
    std::string_view menuItem;
    bool fullName = false;  // named hints: the name keeps its extension
};
// The toolbar buttons that show their menu item's hint as it is.
std::span<const HintSource> ToolbarHintSources();
// The buttons that show their menu item's hint with the histogram name appended (HintWithName), the name
// without its extension (NameWithoutExtension) unless `fullName`.
std::span<const HintSource> NamedHintSources();

}  // namespace morvik

namespace morvik {

struct CaptionText;

// Captions of the main window's elements that the caption set leaves to the window's layout (menu items whose
// text is the same in both languages, or that the set does not name), in `language`.
std::span<const CaptionText> MainWindowLayoutCaptions(Language language);

}  // namespace morvik

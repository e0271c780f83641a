#pragma once
#include <optional>
#include <string>
#include <vector>

#include "common/Colour.h"
#include "shell/MainWindowSettings.h"
#include "shell/SettingsFile.h"

namespace morvik {

// The colours window offers sixteen slots, Button1 to Button16 (tags 0 to 15). Each slot stands for one or more
// of the colours the main window keeps; setting a slot sets all of them, and every window takes them from there.
constexpr int ColourSlotCount = 16;

// The colour a slot's preview box shows.
Colour SlotColour(const MainWindowColours& colours, int slot);
// Sets every colour `slot` covers; a slot outside 0 to 15 changes nothing.
void SetSlotColour(MainWindowColours& colours, int slot, Colour colour);

// The controls of one window that follow the window-wide slots, by objectName.
struct FormColouredControls {
    bool background = false;                   // slot 0: the window's own background
    std::vector<const char*> tableTexts;       // slot 1: tables and labels
    std::vector<const char*> editBackgrounds;  // slot 2
    std::vector<const char*> editTexts;        // slot 3
    std::vector<const char*> panelTexts;       // slot 9
    std::vector<const char*> chartControls;    // the chart's label controls, in the chart's background colour
};
// What window `formNumber` (1 to 19) colours; the main window colours its own panels by itself.
FormColouredControls ColouredControls(int formNumber);
// The chart background the window of `formNumber` takes (10: the distribution function, 12 and 14: the
// parametric and raw-data windows); other windows have none.
std::optional<Colour> FormChartBackground(const MainWindowColours& colours, int formNumber);
// A chart window of `formNumber` takes the run's new colours into `current` and its `chartBackground`; true when
// either changed, so that its chart must be drawn again.
bool TakeChartWindowColours(const MainWindowColours& colours, int formNumber, MainWindowColours& current,
                            Colour& chartBackground);

// The chart backgrounds of the distribution-function and parametric windows are kept under those windows' own
// keys: these take them into the run's colours, and write the run's colours back to the three windows' keys.
void ReadChartWindowBackgrounds(const SettingsFile& settings, MainWindowColours& colours);
void WriteChartWindowBackgrounds(SettingsFile& settings, const MainWindowColours& colours);

}  // namespace morvik

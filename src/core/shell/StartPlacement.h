#pragma once
#include "shell/SettingsFile.h"
#include "shell/WindowPlacement.h"

namespace morvik {

// The part of the screen windows may take (without panels and docks).
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where the main window opens at start. A size stored in the settings file is kept as stored. Without one the
// stored defaults (700 x 496) would leave the chart cramped on a large screen, so the window then takes most of
// the screen's available area, centred in it, and never less than the default size.
WindowPlacement MainWindowStartPlacement(const SettingsFile& settings, const ScreenArea& available);

}  // namespace morvik

#pragma once
#include "chart/GraphExport.h"
#include "shell/SettingsFile.h"

namespace morvik {

// The main window's choice of where "save graph" sends the chart, kept with its other options: read at
// start-up, written at program end. A missing or unknown value is the clipboard.
GraphTarget ReadGraphTarget(const SettingsFile& settings);
void WriteGraphTarget(SettingsFile& settings, GraphTarget target);

}  // namespace morvik

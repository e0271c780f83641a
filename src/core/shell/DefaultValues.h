#pragma once
#include "shell/SettingsFile.h"

namespace morvik {

// The "Default values" command for every window but the main one (whose keys MainWindowSettings resets): each
// window's reset position and size, the chart options of the distribution-function, parametric and raw-data
// windows (white chart, label style 2 at 90 degrees), and the Eps and interval-count fields of the parametric
// and raw-data windows. The values go into the settings of the run, so that a window re-reading them takes
// them at once and a window never opened again still leaves them in the file when the program ends.
void WriteDefaultWindowValues(SettingsFile& settings, int screenWidth);

}  // namespace morvik

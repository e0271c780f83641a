#pragma once
#include "shell/Folders.h"
#include "shell/MainWindowSettings.h"
#include "shell/SettingsFile.h"

namespace morvik {

// What every window of a run shares: the settings file, loaded at start and saved once at the end (windows
// write their keys into it as they close), and the folders fixed at start-up.
struct WindowContext {
    SettingsFile settings;
    Folders folders;
    // The run's colours, held by the main window's model; every window paints itself from them when it shows.
    // Null until the main window exists.
    const MainWindowColours* colours = nullptr;
};

}  // namespace morvik

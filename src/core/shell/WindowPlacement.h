#pragma once
#include <string>

#include "shell/SettingsFile.h"

namespace morvik {

// The settings file's sections.
inline constexpr const char* PositionSection = "--  Position  --";
inline constexpr const char* SettingSection = "--  Setting  --";
inline constexpr const char* NastaveniSection = "--  Nastaveni  --";
inline constexpr const char* ComponentSection = "--  Component  --";
inline constexpr const char* ReOpenSection = "--  ReOpen histogram  --";
inline constexpr const char* SavedHistogramSection = "--  Uložit histogram  --";
inline constexpr const char* SavedResultsSection = "--  Uložit výsledky  --";

// A window's place on the screen.
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowPlacement&) const = default;
};

// Windows are numbered as their forms: 1 for TForm1 (the main window) to 19 for TForm19. Forms 16 and 17 keep
// no position.
bool HasPositionKeys(int formNumber);

// The window's position as the settings file holds it; a missing key, or a width or height that is not
// positive, gives the default. `screenWidth` is the default width of the fit-ranking table (TForm19).
WindowPlacement ReadWindowPlacement(const SettingsFile& settings, int formNumber, int screenWidth);
void WriteWindowPlacement(SettingsFile& settings, int formNumber, const WindowPlacement& placement);

// The place a window takes when the file has no keys for it.
WindowPlacement DefaultWindowPlacement(int formNumber, int screenWidth);
// The place the "Default values" command gives it (the main window then gets 720 x 500, not 700 x 496).
WindowPlacement ResetWindowPlacement(int formNumber, int screenWidth);

}  // namespace morvik

#include "shell/StartPlacement.h"

#include <algorithm>

namespace morvik {
namespace {

constexpr int ScreenShare = 90;  // per cent of the available width and height a first window takes

}  // namespace

WindowPlacement MainWindowStartPlacement(const SettingsFile& settings, const ScreenArea& available)
{
    const WindowPlacement stored = ReadWindowPlacement(settings, 1, available.width);
    const bool sizeStored = settings.HasKey(PositionSection, "Prob_u-Form1.width") &&
                            settings.HasKey(PositionSection, "Prob_u-Form1.height");
    if (sizeStored || available.width <= 0 || available.height <= 0) return stored;
    WindowPlacement placement;
    placement.width = std::max(stored.width, available.width * ScreenShare / 100);
    placement.height = std::max(stored.height, available.height * ScreenShare / 100);
    placement.left = available.left + std::max(0, (available.width - placement.width) / 2);
    placement.top = available.top + std::max(0, (available.height - placement.height) / 2);
    return placement;
}

}  // namespace morvik

#pragma once
#include "shell/StartPlacement.h"

class QWidget;

namespace morvik {

// The width of the primary screen's available area (1024 without a screen).
int ScreenWidth();
// The primary screen's available area (none without a screen).
ScreenArea AvailableScreenArea();
// True when `window` spans the whole width of its screen (the chart toolbars show then).
bool SpansScreenWidth(const QWidget* window);

}  // namespace morvik

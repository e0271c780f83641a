#pragma once
#include <QColor>

#include "chart/ChartModel.h"

namespace morvik {

// A program colour as a QColor. A system colour (high byte 0xFF) maps to the matching role of the
// application palette; an unknown system index gives the window text colour.
QColor ToQColor(ProgramColour colour);

// A QColor as a program colour 0x00BBGGRR (the alpha channel is dropped).
ProgramColour FromQColor(const QColor& colour);

bool IsSystemColour(ProgramColour colour);

}  // namespace morvik

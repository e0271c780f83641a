#pragma once
#include <QColor>

#include "common/Colour.h"

namespace morvik {

// A program colour as a QColor. A system colour (high byte 0xFF) maps to the matching role of the
// application palette; an unknown system index gives the window text colour.
QColor ToQColor(Colour colour);

// A QColor as a program colour 0x00BBGGRR (the alpha channel is dropped).
Colour FromQColor(const QColor& colour);

}  // namespace morvik

#pragma once
#include <QPalette>

#include "common/Colour.h"

class QWidget;

namespace morvik {

// Gives a widget's palette role a program colour. A system colour keeps the platform's own colour for the role,
// so that the default look follows the desktop theme; a window background fills itself only with a colour of
// its own.
void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, Colour colour);

}  // namespace morvik

#pragma once
#include <QPalette>

#include "common/Colour.h"
#include "shell/MainWindowSettings.h"

class QWidget;

namespace morvik {

// Gives a widget's palette role a program colour. A system colour keeps the platform's own colour for the role,
// so that the default look follows the desktop theme; a window background fills itself only with a colour of
// its own.
void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, Colour colour);

// Shows a small table or listing window in front and active, in the main window's background colour and, for
// `table` when there is one, its table text colour.
void ShowInMainWindowColours(QWidget* window, QWidget* table, const MainWindowColours& colours);

}  // namespace morvik

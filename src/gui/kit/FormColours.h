#pragma once
#include <QPalette>

#include "common/Colour.h"
#include "shell/MainWindowSettings.h"

class QWidget;

namespace morvik {

// Sets one colour role of a widget; a system colour gives the role back to the desktop's palette.
void SetPaletteRole(QWidget* widget, QPalette::ColorRole role, Colour colour);

// Paints the window-wide colour slots onto window `formNumber`: its background, its tables and labels, its
// edit fields and the label controls of its chart, each found by objectName; missing controls are skipped.
void PaintFormColours(QWidget* window, int formNumber, const MainWindowColours& colours);

}  // namespace morvik

#pragma once
#include <QPalette>

#include "common/Colour.h"
#include "shell/MainWindowSettings.h"

class QWidget;

namespace morvik {

// Sets one colour role of a widget; a system colour gives the role back to the desktop's palette.
void SetPaletteRole(QWidget* widget, QPalette::ColorRole role, Colour colour);

// Shows a small table or listing window in front and active, in the main window's background colour and, for
// `table` when there is one, its table text colour.
void ShowInMainWindowColours(QWidget* window, QWidget* table, const MainWindowColours& colours);

// Paints the window-wide colour slots onto window `formNumber`: its background, its tables and labels, its
// edit fields and the label controls of its chart, each found by objectName; missing controls are skipped.
void PaintFormColours(QWidget* window, int formNumber, const MainWindowColours& colours);

}  // namespace morvik

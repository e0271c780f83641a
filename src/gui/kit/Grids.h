#pragma once
#include <span>

#include "localization/CaptionSets.h"

class QTableWidget;
class QWidget;

namespace morvik {

// The read-only grid every window builds its small tables from (no headers, rows 20 pixels high, no
// selection, the last column stretched); each cell has its item from the start.
QTableWidget* MakeGrid(QWidget* parent, const char* name, int rows, int columns);

// Sizes a grid to show all its rows without scrolling.
void FitGridHeight(QTableWidget* grid);

// Widens every column of `grid` that is too narrow for its text in row `row` (a heading row).
void FitColumnsToRow(QTableWidget* grid, int row);

// Widens column 0 of every grid of `window` that the caption sets fill, so that the longest of those captions
// fits in whichever language is shown. Pass the window's sets of both languages.
void FitCaptionColumns(QWidget* window, std::span<const CaptionText> czech, std::span<const CaptionText> english);

}  // namespace morvik

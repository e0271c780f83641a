#pragma once
#include <QTableView>
#include <functional>
#include <optional>

#include "histogram/IntervalTable.h"

namespace morvik {

class IntervalTableModel;

// What an interval table shows: its rows and their shades, both from the window's core model, asked for a row
// at a time as the view draws it (a 1024-interval table has 2,051 rows; only the visible ones are ever built).
struct IntervalTableContent {
    int rows = 0;
    std::function<IntervalTableRow(int row)> text;
    std::function<RowShade(int row)> shade;  // none: no row is shaded
    Colour plainColour = RowShadeColour(RowShade::Plain);
    std::optional<Colour> textColour;  // none: the palette's text colour
};

// The interval table (StringGrid2) of the main, parametric and graph windows: three read-only columns, the
// Total shade from column 1 on, every other shade across the row.
class IntervalTableView : public QTableView {
    Q_OBJECT
public:
    IntervalTableView(QWidget* parent, const char* name);

    void Show(IntervalTableContent content);
    // The shades changed (a query answered, the coloured rows switched): the visible rows are drawn again.
    void Reshade();
    // Each column as wide as its widest text, and the view at least as wide as its columns.
    void FitColumnsToText();

    int rowCount() const;
    QString Text(int row, int column) const;
    // The background a cell is drawn with.
    QColor Background(int row, int column) const;

private:
    IntervalTableModel* model_;
};

}  // namespace morvik

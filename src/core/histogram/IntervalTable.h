#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/Colour.h"
#include "histogram/Histogram.h"

namespace morvik {

// The main window's table of intervals (StringGrid2): row 0 holds the headings, the last row the total.
// A Discrete histogram shows its edges between the interval rows: row 1 the lower edge of the first interval,
// row 2i interval i, row 2i + 1 its upper edge. A Pure Discrete histogram has one row per value.
using IntervalTableRow = std::array<std::string, 3>;
// Row 0: the column headings, the same in both languages.
const IntervalTableRow& IntervalTableHeadings();
std::vector<IntervalTableRow> IntervalTableTexts(const Histogram& h, HistogramKind kind);
// The same table a row at a time, for views that ask for the rows they draw.
int IntervalTableRowCount(const Histogram& h, HistogramKind kind);
IntervalTableRow IntervalTableRowAt(const Histogram& h, HistogramKind kind, int row);

// Which answer the table marks: none, the value query or the quantile query.
enum class TableHighlight { None, Value, Quantile };

// The background of a row of the coloured table. Plain for an interval row, Value or Quantile for an interval
// row below the query's limit, Total for the total row (from column 1 on), None for heading and edge rows.
enum class RowShade { None, Plain, Value, Quantile, Total };

// `limit` is the x of the value query or the Qp of the quantile query; without one no row is marked. A
// Discrete row is marked when its interval's lower edge is below the limit, a Pure Discrete row when
// x(i) - Width is.
RowShade IntervalRowShade(const Histogram& h, HistogramKind kind, int row, TableHighlight highlight,
                          std::optional<double> limit);

// The shading of the tool windows' tables of `rows` rows: every even row from row 2 up to the last but one
// Plain, the last row Total, whatever the kind.
RowShade AlternateRowShade(int rows, int row);

// The background colours of the shades (RGB); the parametric window paints its Plain rows in its own colour.
Colour RowShadeColour(RowShade shade);

}  // namespace morvik

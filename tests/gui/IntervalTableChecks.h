#pragma once
#include <QFontMetrics>
#include <QString>

#include "kit/IntervalTableView.h"

namespace morvik::test {

// The first text of an interval table that its column cuts, or an empty text when every one fits.
inline QString FirstCutText(const IntervalTableView& table)
{
    const QFontMetrics metrics(table.font());
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < table.rowCount(); ++row) {
            if (metrics.horizontalAdvance(table.Text(row, column)) >= table.columnWidth(column)) {
                return table.Text(row, column);
            }
        }
    }
    return {};
}

}  // namespace morvik::test

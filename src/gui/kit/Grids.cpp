#include "kit/Grids.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>
#include <map>

#include "kit/QtText.h"

namespace morvik {

QTableWidget* MakeGrid(QWidget* parent, const char* name, int rows, int columns)
{
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) grid->setItem(row, column, new QTableWidgetItem);
    }
    return grid;
}

void FitGridHeight(QTableWidget* grid)
{
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedHeight(grid->rowCount() * grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth());
}

void FitColumnsToRow(QTableWidget* grid, int row)
{
    constexpr int Padding = 12;  // the cell's margins on both sides and the grid line
    const QFontMetrics metrics(grid->font());
    for (int column = 0; column < grid->columnCount(); ++column) {
        const QTableWidgetItem* item = grid->item(row, column);
        if (!item) continue;
        grid->setColumnWidth(column,
                             std::max(grid->columnWidth(column), metrics.horizontalAdvance(item->text()) + Padding));
    }
}

void FitCaptionColumns(QWidget* window, std::span<const CaptionText> czech, std::span<const CaptionText> english)
{
    std::map<QTableWidget*, int> widest;
    for (std::span<const CaptionText> set : {czech, english}) {
        for (const CaptionText& entry : set) {
            if (entry.kind != CaptionKind::Cell || entry.column != 0) continue;
            auto* grid = window->findChild<QTableWidget*>(ToQString(entry.objectName));
            if (!grid) continue;
            const int width = QFontMetrics(grid->font()).horizontalAdvance(ToQString(entry.text));
            widest[grid] = std::max(widest[grid], width);
        }
    }
    // The cell's margins on both sides and the grid line.
    constexpr int Padding = 12;
    for (const auto& [grid, width] : widest) {
        grid->setColumnWidth(0, std::max(grid->columnWidth(0), width + Padding));
        // Room beside the captions for the widest number text a grid shows.
        const int value = QFontMetrics(grid->font()).horizontalAdvance(QStringLiteral("-0.000000E-00")) + Padding;
        grid->setMinimumWidth(grid->columnWidth(0) + value + 2 * grid->frameWidth());
    }
}

}  // namespace morvik

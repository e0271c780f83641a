#pragma once
#include <QLineEdit>
#include <QTableWidget>
#include <string>

namespace morvik {

// The numeric fields remember the text the program last put into them, so that leaving a field the user did
// not change never reads a rounded display text back as a new value.
inline void ShowText(QLineEdit* edit, const std::string& text)
{
    const QString shown = QString::fromStdString(text);
    edit->setText(shown);
    edit->setProperty("shownText", shown);
}

inline bool ChangedByUser(const QLineEdit* edit) { return edit->text() != edit->property("shownText").toString(); }

inline std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

// Writes a grid cell, creating its item when the cell has none yet.
inline void SetCell(QTableWidget* grid, int row, int column, const std::string& text)
{
    if (QTableWidgetItem* item = grid->item(row, column)) item->setText(QString::fromStdString(text));
    else grid->setItem(row, column, new QTableWidgetItem(QString::fromStdString(text)));
}

}  // namespace morvik

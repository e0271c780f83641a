#pragma once
#include <QLineEdit>
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

}  // namespace morvik

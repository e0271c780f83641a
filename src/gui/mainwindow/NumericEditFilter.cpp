#include "mainwindow/NumericEditFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "histogram/Multiple.h"

namespace morvik {

bool NumericEditFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return false;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Shortcuts, navigation and editing keys carry no printable text of one character.
    if (!edit || text.size() != 1 || !text.at(0).isPrint() || (key->modifiers() & Qt::ControlModifier)) {
        return false;
    }
    const QChar typed = text.at(0);
    const std::optional<char> accepted = typed.unicode() < 128 ? FilterNumericKey(typed.toLatin1()) : std::nullopt;
    if (!accepted) {
        if (typed.unicode() >= 128 || KeyDeservesBeep(typed.toLatin1())) QApplication::beep();
        return true;
    }
    if (*accepted == typed.toLatin1()) return false;
    edit->insert(QString(QChar::fromLatin1(*accepted)));
    return true;
}

}  // namespace morvik

#include "kit/NumericKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace morvik {

NumericKeyFilter::NumericKeyFilter(KeySet keys, QObject* parent) : QObject(parent), keys_(keys) {}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return false;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Shortcuts, navigation, Enter and editing keys carry no printable text of one character.
    if (!edit || text.size() != 1 || text.front().unicode() < 0x20 ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        return false;
    }
    const char16_t typed = text.front().unicode();
    const std::optional<char> accepted = typed < 0x80 ? FilterFieldKey(keys_, static_cast<char>(typed)) : std::nullopt;
    if (!accepted) {
        QApplication::beep();
        return true;
    }
    if (*accepted == static_cast<char>(typed)) return false;
    edit->insert(QString(QChar::fromLatin1(*accepted)));
    return true;
}

}  // namespace morvik

#include "combination/TableCellDelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace morvik {
namespace {

constexpr const char* ColumnProperty = "morvikColumn";

}  // namespace

TableCellDelegate::TableCellDelegate(KeyFilterFn filter, QObject* parent)
    : QStyledItemDelegate(parent), filter_(std::move(filter))
{
}

QWidget* TableCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor) editor->setProperty(ColumnProperty, index.column());
    return editor;
}

bool TableCellDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Printable characters only: Enter still ends the edit and Backspace and the arrows still edit.
        if (text.size() == 1 && text[0].isPrint()) {
            const QChar typed = text[0];
            // A character outside ASCII is never part of a number; the filter decides by its columns.
            const char asAscii = typed.unicode() < 128 ? static_cast<char>(typed.unicode()) : '\x7f';
            const FilteredKey filtered = filter_(editor->property(ColumnProperty).toInt(), asAscii);
            if (!filtered.accepted) {
                if (filtered.beep) QApplication::beep();
                return true;
            }
            if (filtered.key != asAscii) {
                editor->insert(QString(QChar::fromLatin1(filtered.key)));
                return true;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace morvik

#include "windows/CaptionApplier.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QWidget>

#include "kit/QtText.h"

namespace morvik {
namespace {

void ApplyCaption(QObject* target, const QString& text)
{
    if (auto* action = qobject_cast<QAction*>(target)) action->setText(text);
    else if (auto* menu = qobject_cast<QMenu*>(target)) menu->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(target)) button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(target)) label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(target)) group->setTitle(text);
}

}  // namespace

void ApplyHint(QObject* target, const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    const QString shortPart = bar < 0 ? hint : hint.left(bar);
    const QString longPart = bar < 0 ? hint : hint.mid(bar + 1);
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setToolTip(shortPart);
        action->setStatusTip(longPart);
    } else if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->menuAction()->setToolTip(shortPart);
        menu->menuAction()->setStatusTip(longPart);
    } else if (auto* widget = qobject_cast<QWidget*>(target)) {
        widget->setToolTip(shortPart);
        widget->setStatusTip(longPart);
    }
}

namespace {

void ApplyCell(QObject* target, int column, int row, const QString& text)
{
    auto* table = qobject_cast<QTableWidget*>(target);
    if (!table || row < 0 || column < 0 || row >= table->rowCount() || column >= table->columnCount()) return;
    if (QTableWidgetItem* item = table->item(row, column)) item->setText(text);
    else table->setItem(row, column, new QTableWidgetItem(text));
}

void ApplyItem(QObject* target, int index, const QString& text)
{
    auto* combo = qobject_cast<QComboBox*>(target);
    if (!combo || index < 0) return;
    if (index < combo->count()) combo->setItemText(index, text);
    else if (index == combo->count()) combo->addItem(text);
}

}  // namespace

void ApplyCaptionSet(QWidget* window, std::span<const CaptionText> set)
{
    for (const CaptionText& entry : set) {
        const QString text = ToQString(entry.text);
        if (entry.kind == CaptionKind::WindowTitle) {
            window->setWindowTitle(text);
            continue;
        }
        const QString name = ToQString(entry.objectName);
        QObject* target = window->objectName() == name ? window : window->findChild<QObject*>(name);
        if (!target) continue;
        switch (entry.kind) {
        case CaptionKind::Caption: ApplyCaption(target, text); break;
        case CaptionKind::Hint: ApplyHint(target, text); break;
        case CaptionKind::Cell: ApplyCell(target, entry.column, entry.row, text); break;
        case CaptionKind::Item: ApplyItem(target, entry.column, text); break;
        case CaptionKind::WindowTitle: break;
        }
    }
}

}  // namespace morvik

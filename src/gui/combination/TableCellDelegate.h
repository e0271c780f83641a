#pragma once
#include <QStyledItemDelegate>
#include <functional>

#include "combination/ComponentTable.h"

namespace morvik {

// The editor of the table cells: every typed character goes through the table's key filter first, which may
// swallow it (with a beep) or replace it ("," becomes ".", "e" becomes "E").
class TableCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using KeyFilterFn = std::function<FilteredKey(int column, char key)>;
    TableCellDelegate(KeyFilterFn filter, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    KeyFilterFn filter_;
};

}  // namespace morvik

// The ReOpen stack in the main window: the numbered items of the ReOpen1 submenu and the overlay table
// StringGrid1, and emptying the stack.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>

#include "chart/ChartView.h"
#include "common/NumberText.h"
#include "histogram/HistogramFile.h"
#include "localization/MainWindowNames.h"
#include "localization/MessageNumbers.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/WidgetTexts.h"
#include "statlib/MessageDialog.h"

namespace morvik {

void MainWindow::RefreshReOpenMenu()
{
    const auto items = stack_.MenuItems();
    for (const ReOpenStack::MenuItem& item : items) {
        QAction* action = Act(item.objectName.c_str());
        action->setText(QString::fromStdString(item.caption));
        action->setVisible(item.visible);
    }
    findChild<QMenu*>(QString::fromLatin1(names::ReOpen1))->setEnabled(stack_.MenuEnabled());
}

void MainWindow::ReOpenItemClick(int index)
{
    if (index < 0 || index >= stack_.Count()) return;
    const ReOpenEntry entry = stack_.Entry(index);
    if (!OpenFromPath(entry.file, entry.multiple)) return;
    nameEdit_->setText(QString::fromStdString(FileNameOf(entry.file)));
    RedrawHistogram();
}

void MainWindow::ReOpenTableButtonClick()
{
    if (stack_.Empty()) return;
    toolChoice_->setCurrentIndex(0);
    const auto rows = stack_.TableRows();
    reOpenTable_->clearContents();
    reOpenTable_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        for (int column = 0; column < 5; ++column) {
            reOpenTable_->setItem(row, column, new QTableWidgetItem(QString::fromStdString(rows[row][column])));
        }
    }
    reOpenTable_->resizeColumnsToContents();
    reOpenTable_->setGeometry(findChild<QWidget*>(QString::fromLatin1(names::Chart1))->geometry());
    reOpenTable_->show();
    reOpenTable_->raise();
    reOpenTable_->setFocus(Qt::OtherFocusReason);
    UpdateAbsoluteValueActions();
}

void MainWindow::ReOpenTableClick(int row)
{
    HideReOpenTable();
    const int index = row - 1;  // row 0 holds the headings
    const MainWindowModel::ReOpenStep step = window_.OpenReOpenEntry(index);
    if (!step.file.empty()) emit histogramFileRead(step.file, step.opened);
    if (step.refusal) ShowMessage(*step.refusal);
    if (step.opened) {
        AfterHistogramChange();
        FocusQueryField();
        nameEdit_->setText(QString::fromStdString(HistogramNameOf(step.file)));
    } else if (step.removeQuestion && AskYesNo(step.removeQuestion->text)) {
        stack_.Remove(index);
        RefreshReOpenMenu();
    }
}

void MainWindow::HideReOpenTable()
{
    if (reOpenTable_->isHidden()) return;
    reOpenTable_->hide();
    UpdateAbsoluteValueActions();
}

void MainWindow::EmptyReOpenStackClick()
{
    HideReOpenTable();
    if (!AskYesNo(TextCis(msg::EmptyReOpenQuestion))) return;
    model_.Reset();
    AfterHistogramChange();
    ShowText(minEdit_, StrNaCarku(0));
    ShowText(maxEdit_, StrNaCarku(0));
    stack_.Clear();
    reOpenTable_->clearContents();
    RefreshReOpenMenu();
}

}  // namespace morvik

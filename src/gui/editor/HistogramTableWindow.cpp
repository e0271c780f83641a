#include "editor/HistogramTableWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/ChartColour.h"
#include "editor/HistogramWorkbook.h"
#include "kit/CloseOnDeactivation.h"
#include "kit/DesktopOpener.h"
#include "kit/FormColours.h"
#include "kit/Grids.h"
#include "kit/Named.h"
#include "kit/QtText.h"
#include "shell/Folders.h"
#include "statlib/MessageDialog.h"

namespace morvik {

HistogramTableWindow::HistogramTableWindow(int formNumber, WindowContext& context, QWidget* parent)
    : ToolWindow(formNumber, context, parent)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    KontTisk = Named(new QPushButton(style()->standardIcon(QStyle::SP_FileDialogDetailedView), QStringLiteral("xlsx")),
                     "KontTisk");
    ExitBtn = Named(new QPushButton(QStringLiteral("OK")), "ExitBtn");
    StringGrid1 = MakeGrid(this, "StringGrid1", 0, 5);

    auto* tools = new QHBoxLayout;
    tools->addWidget(KontTisk);
    tools->addStretch();
    tools->addWidget(ExitBtn);
    auto* window = new QVBoxLayout(this);
    window->addLayout(tools);
    window->addWidget(StringGrid1, 1);

    connect(KontTisk, &QPushButton::clicked, this, &HistogramTableWindow::ExportClick);
    connect(ExitBtn, &QPushButton::clicked, this, &QWidget::close);
    CloseOnDeactivation(this);
    ReadSettings();
    ApplyLanguage(CurrentLanguage());
}

void HistogramTableWindow::Open(HistogramTableWindowModel model, const MainWindowColours& colours)
{
    model_ = std::move(model);
    const std::vector<HistogramTableRow>& rows = model_->Rows();
    StringGrid1->clearContents();
    StringGrid1->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < StringGrid1->rowCount(); ++row) {
        for (int column = 0; column < 5; ++column) {
            auto* item = new QTableWidgetItem(ToQString(rows[static_cast<size_t>(row)][static_cast<size_t>(column)]));
            if (const std::optional<Colour> background = model_->CellBackground(row, column)) {
                item->setBackground(ToQColor(*background));
            }
            StringGrid1->setItem(row, column, item);
        }
    }
    StringGrid1->resizeColumnsToContents();
    ApplyLanguage(CurrentLanguage());
    ShowInMainWindowColours(this, StringGrid1, colours);
}

void HistogramTableWindow::ApplyLanguage(Language language)
{
    ToolWindow::ApplyLanguage(language);
    // The caption and its hint name the histogram once there is one.
    if (!model_) return;
    setWindowTitle(ToQString(model_->Caption()));
    setToolTip(windowTitle());
}

void HistogramTableWindow::ExportClick()
{
    if (!model_) return;
    const HistogramTableWindowModel::WorkbookWrite written = model_->WriteWorkbook(AppFolders().ResultsFolder);
    if (written.message) {
        ShowMessage(*written.message);
        return;
    }
    if (!OpenWithDesktop(written.path)) ShowMessage(WorkbookNotOpened(written.path));
}

}  // namespace morvik

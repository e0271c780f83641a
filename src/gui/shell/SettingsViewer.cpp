#include "shell/SettingsViewer.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "chart/ChartColour.h"
#include "kit/QtText.h"
#include "localization/AuxiliaryCaptionSets.h"
#include "shell/MainWindowSettings.h"
#include "shell/SettingsListing.h"
#include "statlib/MessageDialog.h"
#include "windows/WindowContext.h"

namespace morvik {
namespace {

constexpr int SettingsViewerForm = 6;

bool Exists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

}  // namespace

SettingsViewer::SettingsViewer(WindowContext& context, QWidget* parent)
    : ToolWindow(SettingsViewerForm, context, parent)
{
    // The viewer stays above the program's windows.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    grid_ = new QTableWidget(0, 2, this);
    grid_->setObjectName(QStringLiteral("ValueListEditor1"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(grid_);
    ReadSettings();
    ApplyLanguage(CurrentLanguage());
}

void SettingsViewer::ApplyLanguage(Language language)
{
    ToolWindow::ApplyLanguage(language);
    const auto set = SettingsViewerCaptionSet(language);
    grid_->setHorizontalHeaderLabels({ToQString(FindCaption(set, "KeyColumn").value_or("")),
                                      ToQString(FindCaption(set, "ValueColumn").value_or(""))});
}

void SettingsViewer::Open(const std::function<void()>& beforeShowing)
{
    if (const std::optional<Message> refusal = SettingsViewerRefusal(Exists(Settings().Path()))) {
        ShowMessage(*refusal);
        return;
    }
    if (beforeShowing) beforeShowing();
    Fill();
    // The main window's background and the colour of its panel texts.
    const MainWindowColours colours = ReadMainWindowSettings(Settings()).colours;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(colours.windowBackground));
    setPalette(palette);
    QPalette gridPalette = grid_->palette();
    gridPalette.setColor(QPalette::Text, ToQColor(colours.panelText));
    grid_->setPalette(gridPalette);
    ApplyLanguage(CurrentLanguage());
    show();
    raise();
    activateWindow();
}

void SettingsViewer::Fill()
{
    const std::vector<SettingsRow> rows = SettingsRows(Settings().Text());
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        grid_->setItem(row, 0, new QTableWidgetItem(ToQString(rows[row].key)));
        grid_->setItem(row, 1, new QTableWidgetItem(ToQString(rows[row].value)));
    }
    grid_->resizeColumnToContents(0);
    grid_->setCurrentItem(nullptr);
}

}  // namespace morvik

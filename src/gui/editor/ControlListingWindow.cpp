#include "editor/ControlListingWindow.h"

#include <QTableWidget>
#include <QVBoxLayout>

#include "kit/CloseOnDeactivation.h"
#include "kit/FormColours.h"
#include "kit/Grids.h"
#include "kit/QtText.h"

namespace morvik {
namespace {

constexpr int ControlListingForm = 4;

}  // namespace

ControlListingWindow::ControlListingWindow(WindowContext& context, QWidget* parent)
    : ToolWindow(ControlListingForm, context, parent)
{
    StringGrid1 = MakeGrid(this, "StringGrid1", 0, 2);
    auto* window = new QVBoxLayout(this);
    window->addWidget(StringGrid1);
    CloseOnDeactivation(this);
    ReadSettings();
    ApplyLanguage(CurrentLanguage());
}

void ControlListingWindow::Open(const std::vector<ControlListingRow>& rows, const MainWindowColours& colours)
{
    StringGrid1->clearContents();
    StringGrid1->setRowCount(static_cast<int>(rows.size()) + 1);
    auto fill = [this](int row, const ControlListingRow& texts) {
        for (int column = 0; column < 2; ++column) {
            StringGrid1->setItem(row, column, new QTableWidgetItem(ToQString(texts[static_cast<size_t>(column)])));
        }
    };
    fill(0, ControlListingHeadings());
    for (size_t row = 0; row < rows.size(); ++row) fill(static_cast<int>(row) + 1, rows[row]);
    StringGrid1->resizeColumnToContents(0);
    ApplyLanguage(CurrentLanguage());
    ShowInMainWindowColours(this, StringGrid1, colours);
}

void ControlListingWindow::ApplyLanguage(Language language)
{
    ToolWindow::ApplyLanguage(language);
    // The caption is a catalogue text, and the window's hint too.
    setWindowTitle(ToQString(ControlListingCaption()));
    setToolTip(windowTitle());
}

}  // namespace morvik

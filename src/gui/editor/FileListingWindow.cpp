#include "editor/FileListingWindow.h"

#include <QEvent>
#include <QFontDatabase>
#include <QListWidget>
#include <QVBoxLayout>

#include "chart/ChartColour.h"
#include "editor/HistogramTables.h"
#include "kit/CloseOnDeactivation.h"
#include "kit/FormColours.h"
#include "kit/Named.h"
#include "kit/QtText.h"
#include "statlib/MessageDialog.h"

namespace morvik {
namespace {

constexpr int FileListingForm = 15;

}  // namespace

FileListingWindow::FileListingWindow(WindowContext& context, QWidget* parent)
    : ToolWindow(FileListingForm, context, parent)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    ListBox1 = Named(new QListWidget, "ListBox1");
    // The line numbers and the file's own columns line up only in a fixed-pitch font.
    ListBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
    ListBox1->setFocusPolicy(Qt::NoFocus);
    ListBox1->viewport()->installEventFilter(this);
    auto* window = new QVBoxLayout(this);
    window->addWidget(ListBox1);
    CloseOnDeactivation(this);
    ReadSettings();
    ApplyLanguage(CurrentLanguage());
}

void FileListingWindow::Open(const std::string& path, const std::string& histogramName,
                             const MainWindowColours& colours)
{
    const FileListingRead listing = ListHistogramFile(path);
    if (listing.message) {
        ShowMessage(*listing.message);
        return;
    }
    ListBox1->clear();
    for (const ListingLine& line : listing.lines) {
        auto* item = new QListWidgetItem(ToQString(line.text), ListBox1);
        item->setForeground(ToQColor(line.colour));
    }
    histogramName_ = histogramName;
    ApplyLanguage(CurrentLanguage());
    ShowInMainWindowColours(this, nullptr, colours);
}

void FileListingWindow::ApplyLanguage(Language language)
{
    ToolWindow::ApplyLanguage(language);
    // The caption names the file's histogram once there is one.
    if (!histogramName_.empty()) setWindowTitle(ToQString(FileListingCaption(histogramName_)));
}

bool FileListingWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonRelease) close();
    return ToolWindow::eventFilter(watched, event);
}

}  // namespace morvik

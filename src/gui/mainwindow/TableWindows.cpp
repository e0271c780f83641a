#include "mainwindow/TableWindows.h"

#include <QAction>
#include <QLineEdit>

#include "common/Paths.h"
#include "editor/ControlListingWindow.h"
#include "editor/FileListingWindow.h"
#include "editor/HistogramTableWindow.h"
#include "histogram/HistogramFile.h"
#include "kit/QtText.h"
#include "localization/MainWindowNames.h"
#include "mainwindow/MainWindow.h"
#include "statlib/MessageDialog.h"
#include "windows/WindowContext.h"

namespace morvik {

TableWindows::TableWindows(MainWindow& main, WindowContext& context)
    : valueTable_(std::make_unique<HistogramTableWindow>(3, context)),
      intervalTable_(std::make_unique<HistogramTableWindow>(9, context)),
      controlListing_(std::make_unique<ControlListingWindow>(context)),
      fileListing_(std::make_unique<FileListingWindow>(context))
{
    auto action = [&main](const char* name) { return main.findChild<QAction*>(QString::fromLatin1(name)); };
    auto fieldText = [&main](const char* name) {
        const auto* field = main.findChild<QLineEdit*>(QString::fromLatin1(name));
        return field ? ToStdString(field->text()) : std::string();
    };

    // The table of the shown histogram, marked as the main window's query marks its own.
    QObject::connect(action(names::PopisVysledku1), &QAction::triggered, &main, [this, &main, fieldText] {
        const HistogramTableOpening opening = HistogramTableWindowModel::Open(
            {main.Model(), fieldText(names::EditXY), fieldText(names::EditP), !main.Options().colourHighlight});
        if (opening.refusal) {
            ShowMessage(*opening.refusal);
            return;
        }
        HistogramTableWindow* table = opening.model->FormNumber() == 3 ? valueTable_.get() : intervalTable_.get();
        table->Open(*opening.model, main.Options().colours);
    });

    // The lines of the current file; nothing without one.
    QObject::connect(action(names::VypisVstHist), &QAction::triggered, &main, [this, &main] {
        const MainModel& shown = main.Model();
        if (shown.HistogramFile.empty()) return;
        fileListing_->Open(shown.HistogramFile, HistogramNameOf(shown.HistogramFile), main.Options().colours);
    });

    // What the reader took from every file it read while the control listing is ticked; a file outside the
    // category folders is refused before it is read.
    QObject::connect(&main, &MainWindow::histogramFileRead, &main,
                     [this, &main, &context, action](const std::string& path, bool opened) {
                         if (opened) action(names::VypisVstHist)->setEnabled(true);
                         if (!main.Options().KontVypis) return;
                         if (IsOutsideCategoryFolders(path, context.folders.HistogramsRoot)) return;
                         const std::optional<std::vector<ControlListingRow>> rows =
                             ControlListingRows(ReadHistogramFile(path, main.Model().Kind));
                         if (rows) controlListing_->Open(*rows, main.Options().colours);
                     });
}

TableWindows::~TableWindows() = default;

}  // namespace morvik

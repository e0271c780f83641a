// The main window's output commands: the chart export and its target, the screen capture, the word processor,
// the viewers, and the colours window that recolours every window of the program.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QWidget>

#include "chart/ChartView.h"
#include "kit/DesktopCommands.h"
#include "kit/FormColours.h"
#include "kit/GraphExportMenu.h"
#include "localization/MainWindowNames.h"
#include "mainwindow/MainWindow.h"
#include "shell/ColourSlots.h"
#include "shell/ColoursWindow.h"
#include "shell/Folders.h"
#include "shell/GraphTargetSetting.h"
#include "windows/ToolWindow.h"
#include "windows/WindowContext.h"

namespace morvik {

GraphTargetItems MainWindow::GraphTargets() const
{
    return {Act(names::Schranka), Act("Bitmapa"), Act("Metafile"), Act("JPGFile")};
}

void MainWindow::ReadOutputSettings()
{
    ReadChartWindowBackgrounds(context_.settings, options_.colours);
    context_.colours = &options_.colours;
    CheckGraphTarget(GraphTargets(), ReadGraphTarget(context_.settings));
}

void MainWindow::WriteOutputSettings()
{
    WriteGraphTarget(context_.settings, CheckedGraphTarget(GraphTargets()));
    WriteChartWindowBackgrounds(context_.settings, options_.colours);
}

void MainWindow::ConnectOutputCommands()
{
    ConnectGraphTargets(GraphTargets());
    connect(Act(names::UlozGraf1), &QAction::triggered, this, &MainWindow::ExportGraphClick);
    connect(Act(names::UlozOkno1), &QAction::triggered, this, [this] { CaptureScreenToClipboard(this); });
    connect(Act(names::OtevriWord1), &QAction::triggered, this, [this] { StartWordProcessor(this); });
    const auto viewer = [this] { OpenGraphsFolder(this, context_.folders.GraphsFolder); };
    connect(Act(names::VolejPicture1), &QAction::triggered, this, viewer);
    connect(Act(names::ProhlSoubor1), &QAction::triggered, this, viewer);
    connect(Act(names::TextAdobe), &QAction::triggered, this,
            [this] { OpenUserGuide(this, HelpFilePath(context_.folders)); });

    coloursWindow_ = std::make_unique<ColoursWindow>(context_);
    connect(coloursWindow_.get(), &ColoursWindow::colourChosen, this, &MainWindow::SetColourSlot);
    connect(Act(names::Barvy1), &QAction::triggered, this, &MainWindow::ColoursClick);
}

void MainWindow::ExportGraphClick()
{
    HideReOpenTable();
    if (!model_.HasHistogram()) return;
    ExportChart(*chart_, CheckedGraphTarget(GraphTargets()), context_.folders.GraphsFolder);
}

void MainWindow::ColoursClick()
{
    HideReOpenTable();
    coloursWindow_->Open(options_.colours);
}

void MainWindow::SetColourSlot(int slot, Colour colour)
{
    SetSlotColour(options_.colours, slot, colour);
    BroadcastColours();
}

void MainWindow::BroadcastColours()
{
    ApplyColours();
    if (model_.HasHistogram()) RefreshChart();
    // Every other window of the program, open or hidden, takes the colours now; one made later takes them
    // from the context when it shows.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == this) continue;
        if (auto* tool = qobject_cast<ToolWindow*>(window)) {
            tool->TakeColours(options_.colours);
            continue;
        }
        const QString name = window->objectName();
        bool numbered = false;
        const int form = name.startsWith(QLatin1String("TForm")) ? name.mid(5).toInt(&numbered) : 0;
        if (numbered) PaintFormColours(window, form, options_.colours);
    }
}

}  // namespace morvik

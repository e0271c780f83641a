// Saving the chart of the parametric distribution window: to the clipboard, or as bitmap, vector or JPEG
// picture, whichever of the four menu items is ticked.
#include <QClipboard>
#include <QGuiApplication>

#include "chart/ChartView.h"
#include "kit/GraphExportCommand.h"
#include "parametric/ParametricWindow.h"
#include "shell/Folders.h"

namespace morvik {

void ParametricWindow::ChooseGraphTarget(GraphTarget clicked)
{
    graphTarget_ = morvik::ChooseGraphTarget(graphTargets_, graphTarget_, clicked);
}

void ParametricWindow::ExportGraph() { ExportChart(*Chart1L, graphTarget_, AppFolders().GraphsFolder); }

void ParametricWindow::CopyWindowToClipboard() { QGuiApplication::clipboard()->setPixmap(grab()); }

}  // namespace morvik

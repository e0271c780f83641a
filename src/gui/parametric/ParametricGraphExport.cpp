// Saving the chart of the parametric distribution window: to the clipboard, or as bitmap, vector or JPEG
// picture, whichever of the four menu items is ticked.
#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>

#include "chart/ChartView.h"
#include "dialogs/DialogSeam.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "parametric/ParametricWindow.h"
#include "shell/Folders.h"
#include "statlib/MessageDialog.h"

namespace morvik {
namespace {

struct PictureKind {
    const char* suffix;
    const char* filter;
};

PictureKind PictureKindOf(GraphTarget target)
{
    switch (target) {
    case GraphTarget::Metafile: return {"svg", "Distributions Files (*.svg)|*.svg|All files (*.*)|*.*"};
    case GraphTarget::Jpeg: return {"jpg", "Distributions Files (*.jpg)|*.jpg|All files (*.*)|*.*"};
    default: return {"bmp", "Distributions Files (*.bmp)|*.bmp|All files (*.*)|*.*"};
    }
}

}  // namespace

void ParametricWindow::ChooseGraphTarget(GraphTarget clicked)
{
    graphTarget_ = ToggleGraphTarget(graphTarget_, clicked);
    for (size_t i = 0; i < graphTargets_.size(); ++i) {
        graphTargets_[i]->setChecked(static_cast<GraphTarget>(i) == graphTarget_);
    }
}

void ParametricWindow::ExportGraph()
{
    if (graphTarget_ == GraphTarget::Clipboard) {
        Chart1L->copyToClipboard();
        return;
    }
    const PictureKind kind = PictureKindOf(graphTarget_);
    FileDialogRequest request;
    request.folder = AppFolders().GraphsFolder;
    request.filter = kind.filter;
    request.defaultSuffix = kind.suffix;
    const std::optional<std::string> path = Dialogs().SavePicture(request);
    if (!path) return;
    if (QFileInfo::exists(QString::fromStdString(*path)) && !AskYesNo(FormatText(msg::OverwriteQuestion, *path))) return;

    std::optional<ExportFailure> failure;
    switch (graphTarget_) {
    case GraphTarget::Metafile: failure = Chart1L->saveSvg(*path); break;
    case GraphTarget::Jpeg: failure = Chart1L->saveJpeg(*path); break;
    default: failure = Chart1L->saveBitmap(*path); break;
    }
    if (failure) ShowMessage(Message::Error(FormatText(msg::WriteError, *path) + "\r\n\r\n" + failure->reason));
}

void ParametricWindow::CopyWindowToClipboard() { QGuiApplication::clipboard()->setPixmap(grab()); }

}  // namespace morvik

#include "kit/GraphExport.h"

#include <QAction>
#include <QFileInfo>
#include <QToolButton>

#include "chart/ChartView.h"
#include "dialogs/DialogSeam.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
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

GraphExport::GraphExport(const GraphExportMenu& menu, std::function<ChartView*()> chart, const Folders& folders,
                         QObject* parent)
    : QObject(parent), menu_(menu), chart_(std::move(chart)), folders_(folders)
{
    for (size_t i = 0; i < menu_.targets.size(); ++i) {
        connect(menu_.targets[i], &QAction::triggered, this, [this, i] { Choose(static_cast<GraphTarget>(i)); });
    }
    connect(menu_.UlozGraf, &QToolButton::clicked, this, &GraphExport::Export);
}

void GraphExport::Choose(GraphTarget clicked)
{
    target_ = ToggleGraphTarget(target_, clicked);
    for (size_t i = 0; i < menu_.targets.size(); ++i) {
        menu_.targets[i]->setChecked(static_cast<GraphTarget>(i) == target_);
    }
}

void GraphExport::Export()
{
    ChartView* chart = chart_();
    if (!chart) return;
    if (target_ == GraphTarget::Clipboard) {
        chart->copyToClipboard();
        return;
    }
    const PictureKind kind = PictureKindOf(target_);
    FileDialogRequest request;
    request.folder = folders_.GraphsFolder;
    request.filter = kind.filter;
    request.defaultSuffix = kind.suffix;
    const std::optional<std::string> path = Dialogs().SavePicture(request);
    if (!path) return;
    if (QFileInfo::exists(QString::fromStdString(*path)) && !AskYesNo(FormatText(msg::OverwriteQuestion, *path))) return;

    std::optional<ExportFailure> failure;
    switch (target_) {
    case GraphTarget::Metafile: failure = chart->saveSvg(*path); break;
    case GraphTarget::Jpeg: failure = chart->saveJpeg(*path); break;
    default: failure = chart->saveBitmap(*path); break;
    }
    if (failure) ShowMessage(Message::Error(FormatText(msg::WriteError, *path) + "\r\n\r\n" + failure->reason));
}

}  // namespace morvik

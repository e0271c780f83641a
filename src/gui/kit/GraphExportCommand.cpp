#include "kit/GraphExportCommand.h"

#include <QAction>
#include <QFileInfo>
#include <QToolButton>
#include <memory>
#include <optional>

#include "chart/ChartView.h"
#include "dialogs/DialogSeam.h"
#include "kit/GraphExportMenu.h"
#include "kit/QtText.h"
#include "localization/CaptionSets.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
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

GraphTarget ChooseGraphTarget(const std::array<QAction*, 4>& targets, GraphTarget current, GraphTarget clicked)
{
    const GraphTarget chosen = ToggleGraphTarget(current, clicked);
    for (size_t i = 0; i < targets.size(); ++i) targets[i]->setChecked(static_cast<GraphTarget>(i) == chosen);
    return chosen;
}

void ExportChart(const ChartView& chart, GraphTarget target, const std::string& graphsFolder)
{
    if (target == GraphTarget::Clipboard) {
        chart.copyToClipboard();
        return;
    }
    const PictureKind kind = PictureKindOf(target);
    FileDialogRequest request;
    request.folder = graphsFolder;
    request.filter = kind.filter;
    request.defaultSuffix = kind.suffix;
    const std::optional<std::string> path = Dialogs().SavePicture(request);
    if (!path) return;
    if (QFileInfo::exists(ToQString(*path)) && !AskYesNo(FormatText(msg::OverwriteQuestion, *path))) return;

    std::optional<ExportFailure> failure;
    switch (target) {
    case GraphTarget::Metafile: failure = chart.saveSvg(*path); break;
    case GraphTarget::Jpeg: failure = chart.saveJpeg(*path); break;
    default: failure = chart.saveBitmap(*path); break;
    }
    if (failure) ShowMessage(Message::Error(FormatText(msg::WriteError, *path) + "\r\n\r\n" + failure->reason));
}

void ApplyClipboardCaption(QAction* schranka, Language language)
{
    if (const auto caption = FindCaption(MainWindowCaptionSet(language), "Schranka")) schranka->setText(ToQString(*caption));
}

void ConnectGraphExport(QObject* context, const GraphExportMenu& menu, const ChartView* chart,
                        std::string graphsFolder)
{
    auto target = std::make_shared<GraphTarget>(GraphTarget::Clipboard);
    const std::array<QAction*, 4> targets = menu.targets;
    for (size_t i = 0; i < targets.size(); ++i) {
        QObject::connect(targets[i], &QAction::triggered, context, [target, targets, i] {
            *target = ChooseGraphTarget(targets, *target, static_cast<GraphTarget>(i));
        });
    }
    QObject::connect(menu.UlozGraf, &QToolButton::clicked, context,
                     [target, chart, folder = std::move(graphsFolder)] { ExportChart(*chart, *target, folder); });
}

}  // namespace morvik

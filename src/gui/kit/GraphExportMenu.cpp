#include "kit/GraphExportMenu.h"

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>
#include <optional>

#include "chart/ChartView.h"
#include "dialogs/DialogSeam.h"
#include "kit/Named.h"
#include "kit/QtText.h"
#include "localization/CaptionSets.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/MessageDialog.h"

namespace morvik {
namespace {

void ShowWriteFailure(const std::string& path, const ExportFailure& failure)
{
    ShowMessage(Message::Error(FormatText(msg::WriteError, path) + "\r\n\r\n" + failure.reason));
}

// The file the user names for a picture target, or nothing when the user cancels or keeps an existing file.
std::optional<std::string> AskPictureFile(GraphTarget target, const std::string& graphsFolder)
{
    const PictureFileKind kind = PictureFileKindOf(target);
    FileDialogRequest request;
    request.folder = graphsFolder;
    request.filter = kind.filter;
    request.defaultSuffix = kind.suffix;
    // The JPEG has the picture dialog, the bitmap and the vector drawing the plain save dialog.
    const std::optional<std::string> path =
        target == GraphTarget::Jpeg ? Dialogs().SavePicture(request) : Dialogs().SaveFile(request);
    if (!path) return std::nullopt;
    if (QFileInfo::exists(QString::fromStdString(*path)) && !AskYesNo(FormatText(msg::OverwriteQuestion, *path))) {
        return std::nullopt;
    }
    return path;
}

void ExportJpeg(const ChartView& chart, const std::string& graphsFolder)
{
    // The temporary folder and the bitmap in it go when this function ends, on every path out of it.
    const QTemporaryDir temporary;
    const std::string bitmap = temporary.filePath(QString::fromLatin1(TemporaryBitmapName)).toStdString();
    if (!temporary.isValid()) {
        ShowWriteFailure(bitmap, ExportFailure{temporary.errorString().toStdString()});
        return;
    }
    if (const std::optional<ExportFailure> failure = chart.saveBitmap(bitmap)) {
        ShowWriteFailure(bitmap, *failure);
        return;
    }
    const QImage picture(QString::fromStdString(bitmap), "bmp");
    const std::optional<std::string> path = AskPictureFile(GraphTarget::Jpeg, graphsFolder);
    if (!path) return;
    if (const std::optional<ExportFailure> failure = SaveChartJpeg(picture, *path)) ShowWriteFailure(*path, *failure);
}

}  // namespace

GraphTargetItems AddGraphTargetItems(QMenu* menu)
{
    GraphTargetItems items{};
    const char* targetNames[] = {"Schranka", "Bitmapa", "Metafile", "JPGFile"};
    const char* targetCaptions[] = {"&Schránky", "&Bitmapy", "&MetaFile", "&JPGFile"};
    for (size_t i = 0; i < items.size(); ++i) {
        QAction* action = menu->addAction(QString::fromUtf8(targetCaptions[i]));
        action->setObjectName(QString::fromLatin1(targetNames[i]));
        action->setCheckable(true);
        items[i] = action;
    }
    items[0]->setChecked(true);
    return items;
}

GraphExportMenu MakeGraphExportMenu()
{
    GraphExportMenu graph;
    graph.UlozGraf = Named(new QToolButton, "UlozGraf");
    graph.UlozGraf->setText(QStringLiteral("Graf"));
    graph.UlozGraf->setPopupMode(QToolButton::MenuButtonPopup);
    graph.PopupMenu2 = Named(new QMenu(graph.UlozGraf), "PopupMenu2");
    graph.targets = AddGraphTargetItems(graph.PopupMenu2);
    graph.UlozGraf->setMenu(graph.PopupMenu2);
    return graph;
}

void ConnectGraphTargets(const GraphTargetItems& items, std::function<void(GraphTarget)> chosen)
{
    for (size_t i = 0; i < items.size(); ++i) {
        const auto clicked = static_cast<GraphTarget>(i);
        QObject::connect(items[i], &QAction::triggered, items[i], [items, clicked, chosen](bool nowChecked) {
            // The action has toggled itself already: unchecked now means it was the current choice.
            const GraphTarget target = nowChecked ? clicked : ToggleGraphTarget(clicked, clicked);
            CheckGraphTarget(items, target);
            if (chosen) chosen(target);
        });
    }
}

GraphTarget CheckedGraphTarget(const GraphTargetItems& items)
{
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i]->isChecked()) return static_cast<GraphTarget>(i);
    }
    return GraphTarget::Clipboard;
}

void CheckGraphTarget(const GraphTargetItems& items, GraphTarget target)
{
    for (size_t i = 0; i < items.size(); ++i) items[i]->setChecked(static_cast<GraphTarget>(i) == target);
}

void ExportChart(const ChartView& chart, GraphTarget target, const std::string& graphsFolder)
{
    switch (target) {
    case GraphTarget::Clipboard: chart.copyToClipboard(); return;
    case GraphTarget::Jpeg: ExportJpeg(chart, graphsFolder); return;
    case GraphTarget::Bitmap:
    case GraphTarget::Metafile: break;
    }
    const std::optional<std::string> path = AskPictureFile(target, graphsFolder);
    if (!path) return;
    const std::optional<ExportFailure> failure =
        target == GraphTarget::Metafile ? chart.saveSvg(*path) : chart.saveBitmap(*path);
    if (failure) ShowWriteFailure(*path, *failure);
}

void ApplyClipboardCaption(QAction* schranka, Language language)
{
    if (const auto caption = FindCaption(MainWindowCaptionSet(language), "Schranka"))
        schranka->setText(ToQString(*caption));
}

}  // namespace morvik

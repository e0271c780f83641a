#pragma once
#include <array>
#include <functional>
#include <string>

#include "chart/GraphExport.h"
#include "localization/TextCis.h"

class QAction;
class QMenu;
class QToolButton;

namespace morvik {

class ChartView;

// The four export targets Schranka, Bitmapa, Metafile and JPGFile, in the order of GraphTarget.
using GraphTargetItems = std::array<QAction*, 4>;

// The chart windows' "Graf" button UlozGraf with its menu PopupMenu2 of the four export targets, the clipboard
// chosen at first.
struct GraphExportMenu {
    QToolButton* UlozGraf = nullptr;
    QMenu* PopupMenu2 = nullptr;
    GraphTargetItems targets{};
};

GraphExportMenu MakeGraphExportMenu();

// Adds the four checkable target items to `menu`, the clipboard checked.
GraphTargetItems AddGraphTargetItems(QMenu* menu);

// Makes a click on an item follow the one-choice rule of ToggleGraphTarget; `chosen` hears the new choice.
void ConnectGraphTargets(const GraphTargetItems& items, std::function<void(GraphTarget)> chosen = {});
GraphTarget CheckedGraphTarget(const GraphTargetItems& items);
void CheckGraphTarget(const GraphTargetItems& items, GraphTarget target);

// Sends the chart where `target` says: onto the clipboard, or into a picture file the user names in the save
// dialog (opened in `graphsFolder`), after message 21 when the file exists. The JPEG is made from a bitmap in a
// temporary folder that is removed whatever the user answers.
void ExportChart(const ChartView& chart, GraphTarget target, const std::string& graphsFolder);

// The clipboard item carries the main window's word for it in every chart window.
void ApplyClipboardCaption(QAction* schranka, Language language);

}  // namespace morvik

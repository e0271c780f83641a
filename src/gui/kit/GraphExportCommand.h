#pragma once
#include <array>
#include <string>

#include "localization/TextCis.h"
#include "parametric/ParametricDisplay.h"

class QAction;
class QObject;

namespace morvik {

class ChartView;
struct GraphExportMenu;

// Ticks the target a click on `clicked` leaves chosen (the four items act as one choice) and returns it.
GraphTarget ChooseGraphTarget(const std::array<QAction*, 4>& targets, GraphTarget current, GraphTarget clicked);

// Sends the chart to `target`: the clipboard, or a bitmap, SVG or JPEG file chosen in the picture dialog in
// `graphsFolder`; an existing file is overwritten only after Yes to message 21, a failed write gives message 22
// with the system's reason.
void ExportChart(const ChartView& chart, GraphTarget target, const std::string& graphsFolder);

// The clipboard target's caption, which the chart windows take from the main window's set.
void ApplyClipboardCaption(QAction* schranka, Language language);

// Wires a chart window's UlozGraf button and its four target items to `chart`, the clipboard chosen first.
void ConnectGraphExport(QObject* context, const GraphExportMenu& menu, const ChartView* chart,
                        std::string graphsFolder);

}  // namespace morvik

#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chart/ChartModel.h"
#include "combination/ComponentTable.h"
#include "histogram/Histogram.h"
#include "histogram/IntervalTable.h"

namespace morvik {

struct GraphBar {
    double probability = 0;
    std::string label;
};

// What the graph window of the tables shows: a title, one bar per interval, the bottom axis, and column 1 of
// its small grid (Min, Max, interval count). The interval table is built from `histogram` as the main window
// builds it for a Discrete histogram; `intervalTable` holds it.
struct GraphContent {
    std::vector<std::string> titleLines;
    std::vector<GraphBar> bars;
    std::string axisTitle;
    std::string axisValueFormat;
    int axisLabelSeparation = 0;
    std::array<std::string, 3> summary;
    int helpContext = 0;
    Histogram histogram;
    std::vector<IntervalTableRow> intervalTable;
};

// The histogram of the selected row as loaded (without its multiple); nothing when that row holds none.
// `indexLabels` is the main window's label option: interval indexes from 0 instead of values.
std::optional<GraphContent> RowGraph(const ComponentTable& table, bool indexLabels);

// The result of a computation, right after it.
GraphContent ResultGraph(const Histogram& result, TableKind kind, bool indexLabels);

// What the graph window's chart shows of `graph`: its bars in `barColour` without marks, a cross-hair, the
// title in `titleColour`.
ChartModel GraphChart(const GraphContent& graph, Colour barColour, Colour titleColour,
                      const std::string& leftAxisTitle);

}  // namespace morvik

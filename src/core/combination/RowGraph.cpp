#include "combination/RowGraph.h"

#include "common/NumberText.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik {
namespace {

constexpr int CombinationHelpContext = 131;
constexpr int SummationHelpContext = 130;

GraphContent Bars(const Histogram& h, TableKind kind, bool indexLabels)
{
    GraphContent graph;
    graph.histogram = h;
    if (indexLabels) {
        graph.axisTitle = "Index x";
        graph.axisValueFormat = "0";
        graph.axisLabelSeparation = 30;
    } else {
        graph.axisTitle = TextCis(msg::ValueAxisTitle);
        graph.axisValueFormat = "#,##0.#####";
        graph.axisLabelSeparation = 3;
    }
    for (int i = 0; i < h.Bins; ++i) {
        std::string label;
        if (indexLabels) label = std::to_string(i);
        // The last label is Max itself, so a rounding difference never shows there.
        else label = StrNaCarku(i == h.Bins - 1 ? h.Max : h.Min + i * h.Width);
        graph.bars.push_back({h.Prob[i], std::move(label)});
    }
    graph.summary = {StrNaCarku(h.Min), StrNaCarku(h.Max), " " + std::to_string(h.Bins)};
    graph.intervalTable = IntervalTableTexts(h, HistogramKind::Discrete);
    graph.helpContext = kind == TableKind::Combination ? CombinationHelpContext : SummationHelpContext;
    return graph;
}

}  // namespace

std::optional<GraphContent> RowGraph(const ComponentTable& table, bool indexLabels)
{
    const int row = table.SelectedRow();
    if (!table.HoldsHistogram(row)) return std::nullopt;
    GraphContent graph = Bars(HistogramOfRow(table.Record(row)), table.Layout().kind, indexLabels);
    const std::string& fileName = table.Cell(row, TableColumn::FileName);
    const size_t dot = fileName.find('.');
    graph.titleLines = {"", "Histogram : " + (dot == std::string::npos ? std::string() : fileName.substr(0, dot))};
    return graph;
}

GraphContent ResultGraph(const Histogram& result, TableKind kind, bool indexLabels)
{
    GraphContent graph = Bars(result, kind, indexLabels);
    graph.titleLines = {"", TextCis(kind == TableKind::Combination ? 55 : 56)};
    return graph;
}

ChartModel GraphChart(const GraphContent& graph, Colour barColour, Colour titleColour, const std::string& leftAxisTitle)
{
    ChartModel chart;
    chart.titleLines = graph.titleLines;
    chart.titleColour = titleColour;
    for (const GraphBar& bar : graph.bars) chart.main.bars.push_back({bar.probability, barColour, bar.label});
    chart.main.marks.visible = false;
    chart.crossCursor = true;
    chart.bottomAxisTitle = graph.axisTitle;
    chart.leftAxisTitle = leftAxisTitle;
    chart.labelSeparation = graph.axisLabelSeparation;
    return chart;
}

}  // namespace morvik

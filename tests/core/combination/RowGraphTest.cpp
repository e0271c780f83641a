#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "combination/CombinationTable.h"
#include "combination/RowGraph.h"
#include "common/NumberText.h"
#include "localization/TextCis.h"

using namespace morvik;
using morvik::testing::DisText;
using morvik::testing::HistogramTree;

TEST(RowGraph, ShowsTheSelectedRowAsLoaded)
{
    SetLanguage(Language::English);
    HistogramTree tree;
    CombinationTable table;
    // Values 0.1, 0.4, 0.7: the sum of widths drifts, but the last label is Max itself.
    const std::string wind =
        tree.Write("Histograms/Loads/wind.v2.dis", DisText("Discrete", "-0.05", "0.85", {1, 2, 1}));
    const std::string noDot = tree.Write("Histograms/Loads/nodot", DisText("Discrete", "0", "2", {1, 1}));
    ASSERT_FALSE(table.LoadRow(1, wind, tree.Root()));
    ASSERT_FALSE(table.LoadRow(2, noDot, tree.Root()));
    table.SetCell(1, 1, "-3");

    table.SelectCell(3, 6);
    EXPECT_FALSE(RowGraph(table, false));  // an empty row has no graph

    table.SelectCell(1, 6);
    const auto graph = RowGraph(table, false);
    ASSERT_TRUE(graph);
    EXPECT_EQ(graph->titleLines, (std::vector<std::string>{"", "Histogram : wind"}));
    ASSERT_EQ(graph->bars.size(), 3u);
    EXPECT_DOUBLE_EQ(graph->bars[1].probability, 0.5);  // the multiple is not applied
    EXPECT_EQ(graph->bars[0].label, "0.100000");
    EXPECT_EQ(graph->bars[2].label, StrNaCarku(table.Record(1).Max));
    EXPECT_EQ(graph->summary[2], " 3");
    EXPECT_EQ(graph->axisTitle, TextCis(157));
    EXPECT_EQ(graph->helpContext, 131);

    table.SelectCell(2, 6);
    const auto indexed = RowGraph(table, true);
    ASSERT_TRUE(indexed);
    EXPECT_EQ(indexed->titleLines[1], "Histogram : ");
    EXPECT_EQ(indexed->bars[0].label, "0");
    EXPECT_EQ(indexed->bars[1].label, "1");
    EXPECT_EQ(indexed->axisTitle, "Index x");
}

TEST(RowGraph, TitlesTheResultByTheTable)
{
    SetLanguage(Language::English);
    Histogram result;
    result.Bins = 1;
    result.Prob[0] = 1;
    EXPECT_EQ(ResultGraph(result, TableKind::Combination, true).titleLines[1], TextCis(55));
    const GraphContent summation = ResultGraph(result, TableKind::Summation, true);
    EXPECT_EQ(summation.titleLines[1], TextCis(56));
    EXPECT_EQ(summation.helpContext, 130);
}

TEST(RowGraph, ChartShowsTheBarsInTheGivenColoursWithoutMarks)
{
    GraphContent graph;
    graph.titleLines = {"", "Histogram : wind"};
    graph.bars = {{0.25, "1"}, {0.75, "2"}};
    graph.axisTitle = "x";
    graph.axisLabelSeparation = 12;
    const ChartModel chart = GraphChart(graph, RgbColour(1, 2, 3), RgbColour(4, 5, 6), "P(x)");
    EXPECT_EQ(chart.titleLines, graph.titleLines);
    EXPECT_EQ(chart.titleColour, RgbColour(4, 5, 6));
    ASSERT_EQ(chart.main.bars.size(), 2u);
    EXPECT_DOUBLE_EQ(chart.main.bars[1].height, 0.75);
    EXPECT_EQ(chart.main.bars[1].label, "2");
    EXPECT_EQ(chart.main.bars[1].colour, RgbColour(1, 2, 3));
    EXPECT_FALSE(chart.main.marks.visible);
    EXPECT_TRUE(chart.overlay.bars.empty());
    EXPECT_EQ(chart.bottomAxisTitle, "x");
    EXPECT_EQ(chart.leftAxisTitle, "P(x)");
    EXPECT_EQ(chart.labelSeparation, 12);
}

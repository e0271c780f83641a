#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "distribution/DistributionFunctionModel.h"
#include "localization/TextCis.h"
#include "support/TestFiles.h"

using namespace morvik;
using morvik::test::MakeHistogram;

TEST(DistributionFunctionModel, BarsAreTheRunningSumsWithTheLastAtMaxExactly)
{
    SetLanguage(Language::English);
    // Ten intervals of width 0.1 from 0.1: nine additions of 0.1 miss 1.0 by rounding, Max holds it exactly.
    Histogram h = MakeHistogram(0.1, 0.1, {0.05, 0.1, 0.15, 0.2, 0.1, 0.1, 0.1, 0.1, 0.05, 0.05});
    h.Max = 1.0;
    const DistributionFunctionModel model(h, HistogramKind::Discrete, "loads.dis");
    ASSERT_EQ(model.Bins(), 10);
    double F = 0;
    for (int i = 0; i < 10; ++i) {
        F += h.Prob[i];
        EXPECT_EQ(model.F()[i], F) << i;
    }
    EXPECT_EQ(model.ValueAt(9), 1.0);
    EXPECT_EQ(model.ValueAt(3), 0.1 + 3 * 0.1);

    DistributionChartOptions options;
    options.titleLines = {"line 1", "line 2"};
    options.barColour = 12639424;
    const ChartModel values = model.Chart(options);
    ASSERT_EQ(values.main.bars.size(), 10u);
    EXPECT_EQ(values.main.bars[9].height, F);
    EXPECT_EQ(values.main.bars[9].colour, 12639424u);
    EXPECT_EQ(values.main.bars[9].label, StrBottomGraf(F, 1.0));
    EXPECT_EQ(values.titleLines, options.titleLines);
    EXPECT_EQ(values.legend.title, "p    P(x)");
    EXPECT_EQ(values.valueFormat, "#.### E-");
    EXPECT_EQ(values.bottomAxisTitle, TextCis(158));
    EXPECT_EQ(values.leftAxisTitle, TextCis(159));

    options.indexLabels = true;
    const ChartModel indexed = model.Chart(options);
    EXPECT_EQ(indexed.main.bars[0].label, "0");
    EXPECT_EQ(indexed.main.bars[9].label, "9");
    EXPECT_EQ(indexed.bottomAxisTitle, "Index   x");
}

TEST(DistributionFunctionModel, OneIntervalTablesOfBothKinds)
{
    const Histogram h = MakeHistogram(5, 2, {1.0});
    const DistributionFunctionModel discrete(h, HistogramKind::Discrete, "one.dis");
    const std::vector<DistributionTableRow> rows = discrete.TableRows();
    ASSERT_EQ(rows.size(), 4u);  // 2 Bins + 2
    EXPECT_EQ(rows[0], DistributionFunctionModel::TableHeadings());
    EXPECT_EQ(rows[1], (DistributionTableRow{"", StrNaCarku(4), StrNaCarku(0)}));
    EXPECT_EQ(rows[2], (DistributionTableRow{TCetnost(4, 1), StrNaCarku(5), StrNaCarku(0.5)}));
    EXPECT_EQ(rows[3], (DistributionTableRow{"", StrNaCarku(6), StrNaCarku(1)}));
    EXPECT_EQ(discrete.Chart({}).main.bars.size(), 1u);
    EXPECT_EQ(discrete.Chart({}).main.bars[0].height, 1.0);

    const DistributionFunctionModel pure(h, HistogramKind::PureDiscrete, "one.dis");
    const std::vector<DistributionTableRow> pureRows = pure.TableRows();
    ASSERT_EQ(pureRows.size(), 2u);  // Bins + 1
    EXPECT_EQ(pureRows[1], (DistributionTableRow{TCetnost(4, 1), StrNaCarku(5), StrNaCarku(1)}));
}

TEST(DistributionFunctionModel, DiscreteTableHalvesEachIntervalAndEndsWithTheFinalF)
{
    const Histogram h = MakeHistogram(10, 4, {0.2, 0.5, 0.3});
    const DistributionFunctionModel model(h, HistogramKind::Discrete, "three.dis");
    const auto rows = model.TableRows();
    ASSERT_EQ(rows.size(), 8u);
    // Lower edge, then centre and upper edge of each interval.
    const double edges[] = {8, 12, 16, 20};
    const double centreF[] = {0.1, 0.2 + 0.25, 0.2 + 0.5 + 0.15};
    const double edgeF[] = {0.2, 0.2 + 0.5, 0.2 + 0.5 + 0.3};
    EXPECT_EQ(rows[1][1], StrNaCarku(edges[0]));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[2 + 2 * i][0], TCetnost(4, i + 1));
        EXPECT_EQ(rows[2 + 2 * i][1], StrNaCarku(10 + 4 * i));
        EXPECT_EQ(rows[2 + 2 * i][2], StrNaCarku(centreF[i]));
        EXPECT_EQ(rows[3 + 2 * i][0], "");
        EXPECT_EQ(rows[3 + 2 * i][1], StrNaCarku(edges[i + 1]));
        EXPECT_EQ(rows[3 + 2 * i][2], StrNaCarku(edgeF[i]));
    }
    // Shaded: the interval rows only.
    for (int row = 0; row < 8; ++row) EXPECT_EQ(model.RowShaded(row), row == 2 || row == 4 || row == 6) << row;
    const DistributionFunctionModel pure(h, HistogramKind::PureDiscrete, "three.dis");
    for (int row = 0; row < 4; ++row) EXPECT_EQ(pure.RowShaded(row), row >= 1) << row;
    EXPECT_EQ(pure.TableRows().back()[2], StrNaCarku(1.0));
}

TEST(DistributionFunctionModel, CaptionNameAndOpening)
{
    SetLanguage(Language::English);
    const Histogram h = MakeHistogram(0, 1, {0.5, 0.5});
    struct Case {
        const char* name;
        const char* shown;
    };
    for (const Case c : {Case{"wind.dis", "wind"}, Case{"wind", "wind"}, Case{"wind.v2.dis", "wind"}}) {
        const DistributionFunctionModel model(h, HistogramKind::Discrete, c.name);
        EXPECT_EQ(model.Name(), c.shown);
        EXPECT_EQ(model.Caption(), FormatText(59, c.shown));
    }
    EXPECT_EQ(DistributionFunctionModel(h, HistogramKind::Discrete, "wind.dis").Caption(),
              "  Morvik  -  Graph distibution function ( wind )");
    EXPECT_FALSE(DistributionFunctionModel::Open(h, HistogramKind::Discrete, "").has_value());
    EXPECT_TRUE(DistributionFunctionModel::Open(h, HistogramKind::Discrete, "wind.dis").has_value());
    // Closing enables the window it came from.
    EXPECT_EQ(DistributionOpenerToEnable(true, true), DistributionOpener::Parametric);
    EXPECT_EQ(DistributionOpenerToEnable(false, true), DistributionOpener::RawData);
    EXPECT_EQ(DistributionOpenerToEnable(false, false), DistributionOpener::Main);
    // The command bar: only in a window as wide as the screen, with the option ticked.
    EXPECT_TRUE(DistributionCommandBar(1024, 1024, 1000, true).visible);
    EXPECT_EQ(DistributionCommandBar(1024, 1024, 1000, true).left, 703);
    EXPECT_FALSE(DistributionCommandBar(1023, 1024, 1000, true).visible);
    EXPECT_FALSE(DistributionCommandBar(1280, 1024, 1000, false).visible);
}

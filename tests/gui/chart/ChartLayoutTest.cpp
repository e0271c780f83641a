// Where the chart puts things: bottom-axis label thinning, the value axis and room for the marks.
#include <QtTest>

#include "GuiTest.h"
#include "TestCharts.h"
#include "chart/ChartLayout.h"

using namespace morvik;

namespace {

ChartModel ValueLabelledChart(int bars)
{
    ChartModel chart;
    for (int i = 0; i < bars; ++i) {
        chart.main.bars.push_back(
            {1.0 / bars, RgbColour(0, 0, 255), QString::number(-12.5 + i * 0.0375).toStdString()});
    }
    return chart;
}

}  // namespace

class ChartLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void titleLineFitsItsWidth()
    {
        const QFont title = DefaultChartFonts().title;
        const QString line = QStringLiteral("Histogram : WindLoad * A (A=2.0000) + DeadLoad * B (B=1.0000)");
        const int full = QFontMetrics(title).horizontalAdvance(line);
        for (int width : {full + 10, full * 3 / 4, full / 3}) {
            const FittedLine fitted = FitLine(title, line, width);
            QVERIFY(QFontMetrics(fitted.font).horizontalAdvance(fitted.text) <= width);
            QVERIFY(fitted.font.pixelSize() <= title.pixelSize());
            if (fitted.text != line) {
                // Elided at its end only: the beginning is kept.
                QVERIFY(fitted.text.endsWith(QChar(0x2026)));
                QVERIFY(line.startsWith(fitted.text.chopped(1)));
            }
        }
        QCOMPARE(FitLine(title, line, full + 10).text, line);
        QCOMPARE(FitLine(title, line, full + 10).font.pixelSize(), title.pixelSize());
        QCOMPARE(FitLine(title, line, full * 3 / 4).text, line);  // smaller, but whole
    }

    void thinsBottomLabelsToTheSeparation_data()
    {
        QTest::addColumn<int>("bars");
        QTest::addColumn<int>("width");
        QTest::newRow("1024 bars, narrow") << 1024 << 400;
        QTest::newRow("1024 bars, window") << 1024 << 800;
        QTest::newRow("1024 bars, wide") << 1024 << 1900;
        QTest::newRow("40 bars") << 40 << 800;
        QTest::newRow("3 bars") << 3 << 800;
    }
    void thinsBottomLabelsToTheSeparation()
    {
        QFETCH(int, bars);
        QFETCH(int, width);
        const ChartModel chart = ValueLabelledChart(bars);
        const ChartLayout layout = MakeChartLayout(chart, QRect(0, 0, width, 400), DefaultChartFonts());

        QVERIFY2(layout.labels.size() >= 3, "a chart always shows some bottom-axis labels");
        const QFontMetrics metrics(DefaultChartFonts().text);
        int widest = 0;
        for (const ChartBar& bar : chart.main.bars) {
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(bar.label)));
        }
        for (const BottomLabel& label : layout.labels) { QCOMPARE(label.bar % layout.labelStep, 0); }
        for (size_t i = 1; i < layout.labels.size(); ++i) {
            const int gap = layout.labels[i].rect.left() - layout.labels[i - 1].rect.right() - 1;
            QVERIFY2(gap >= chart.labelSeparation - 1, qPrintable(QString("gap %1 px").arg(gap)));
            // Not thinned more than needed: past the first steps the next round step is at most 1.5 times larger.
            const int centres = layout.labels[i].rect.center().x() - layout.labels[i - 1].rect.center().x();
            QVERIFY2(layout.labelStep <= 2 || centres <= 1.5 * (widest + chart.labelSeparation) + 2,
                     qPrintable(QString("centres %1 px apart").arg(centres)));
        }
        // No label reaches past the chart, where it would be cut.
        for (const BottomLabel& label : layout.labels) QVERIFY(label.rect.right() <= layout.area.right());
    }

    void aScatterHasOneScaleOnBothAxes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("wide chart, probabilities") << QSize(900, 250) << 0.0 << 1.0;
        QTest::newRow("tall chart, values") << QSize(300, 600) << -48.3 << 801.0;
    }
    void aScatterHasOneScaleOnBothAxes()
    {
        QFETCH(QSize, size);
        QFETCH(double, low);
        QFETCH(double, high);
        ChartModel chart;
        chart.scatter.low = low;
        chart.scatter.high = high;
        chart.scatter.points = {{low, low}, {high, high}};
        const ChartLayout layout = MakeChartLayout(chart, QRect(QPoint(0, 0), size), DefaultChartFonts());
        QVERIFY(layout.plot.width() <= layout.plot.height() * 3 / 2);
        QVERIFY(layout.area.contains(layout.plot));
        // The tick labels of the bottom axis keep apart.
        const QFontMetrics metrics(DefaultChartFonts().text);
        for (size_t i = 1; i < layout.xAxis.ticks.size(); ++i) {
            const int room = layout.ValueToX(layout.xAxis.ticks[i]) - layout.ValueToX(layout.xAxis.ticks[i - 1]);
            QVERIFY(room > metrics.horizontalAdvance(TickText(layout.xAxis, layout.xAxis.ticks[i])));
        }
        QCOMPARE(layout.xAxis.minimum, layout.axis.minimum);
        QCOMPARE(layout.xAxis.maximum, layout.axis.maximum);
        QVERIFY(layout.axis.minimum <= low && layout.axis.maximum >= high);
        // The line y = x runs from corner to corner.
        QCOMPARE(layout.ValueToX(layout.axis.minimum), layout.plot.left());
        QCOMPARE(layout.ValueToY(layout.axis.minimum), layout.plot.bottom());
        QCOMPARE(layout.ValueToX(layout.axis.maximum), layout.plot.right());
        QCOMPARE(layout.ValueToY(layout.axis.maximum), layout.plot.top());
    }

    void valueAxisCoversTheBars_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("probabilities") << 0.0 << 0.123;
        QTest::newRow("tiny") << 0.0 << 3.2e-7;
        QTest::newRow("negative") << -2.5 << 7.1;
        QTest::newRow("flat zero") << 0.0 << 0.0;
    }
    void valueAxisCoversTheBars()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        const ValueAxis axis = NiceValueAxis(low, high, 8);
        QVERIFY(axis.minimum <= low);
        QVERIFY(axis.maximum >= high);
        QVERIFY(axis.maximum > axis.minimum);
        QVERIFY(axis.ticks.size() >= 2 && axis.ticks.size() <= 9 + 1);
        QCOMPARE(axis.ticks.front(), axis.minimum);
        // Neighbouring ticks must read differently.
        for (size_t i = 1; i < axis.ticks.size(); ++i) {
            QVERIFY(TickText(axis, axis.ticks[i]) != TickText(axis, axis.ticks[i - 1]));
        }
    }

    void marksOfTheTallestBarStayInsideThePlot()
    {
        ChartModel chart = test::BarChart({0.1, 0.97, 0.3});
        chart.main.marks = {MarkStyle::LabelAndValue, 90, true};
        const ChartLayout layout = MakeChartLayout(chart, QRect(0, 0, 500, 300), DefaultChartFonts());
        const QFontMetrics metrics(DefaultChartFonts().text);
        const int reach = metrics.horizontalAdvance(QString::fromStdString(MarkText(chart.main, 1, chart.valueFormat)));
        QVERIFY2(layout.ValueToY(0.97) - reach - 3 >= layout.plot.top(),
                 "the axis is raised so the mark above the tallest bar is not cut off");
    }

    void zoomShowsOnlyTheChosenBars()
    {
        const ChartModel chart = test::IndexedChart(100);
        const ChartLayout layout = MakeChartLayout(chart, QRect(0, 0, 600, 300), DefaultChartFonts(), {40, 10});
        QCOMPARE(layout.barCount, 10);
        QCOMPARE(layout.NearestBarAt(layout.plot.left()), 40);
        QCOMPARE(layout.NearestBarAt(layout.plot.right()), 49);
        QCOMPARE(layout.BarAt(layout.plot.right(), layout.plot.top() - 1), -1);
    }
};

MORVIK_GUI_TEST(ChartLayoutTest);
#include "ChartLayoutTest.moc"

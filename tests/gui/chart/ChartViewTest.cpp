// The widget: the bar reported for a click is the bar painted under it, clicks flip the zoom flag, a dragged
// region zooms the bars, and exports match the screen.
#include <QSignalSpy>
#include <QtTest>
#include <set>

#include "GuiTest.h"
#include "TestCharts.h"
#include "chart/ChartView.h"

using namespace morvik;

class ChartViewTest : public QObject {
    Q_OBJECT
private slots:
    void clickFindsThePaintedBar_data()
    {
        QTest::addColumn<int>("bars");
        QTest::addColumn<int>("width");
        QTest::newRow("40 bars") << 40 << 700;
        QTest::newRow("1024 bars, a column each") << 1024 << 1300;
        QTest::newRow("1024 bars, crowded") << 1024 << 600;
    }
    void clickFindsThePaintedBar()
    {
        QFETCH(int, bars);
        QFETCH(int, width);
        ChartView view;
        view.setModel(test::IndexedChart(bars));
        view.resize(width, 400);
        const QImage picture = view.grab().toImage();
        const ChartLayout& layout = view.chartLayout();
        const int y = layout.plot.bottom() - 1;  // every bar reaches down to here

        std::set<int> seen;
        for (int x = layout.plot.left(); x <= layout.plot.right(); ++x) {
            const int painted = test::IndexOfColour(picture.pixel(x, y));
            if (painted < 0) {
                continue;  // the gap between two wide bars
            }
            QCOMPARE(view.barAt(QPoint(x, y)), painted);
            seen.insert(painted);
        }
        if (width >= bars) {
            QCOMPARE(static_cast<int>(seen.size()), bars);  // with room for all, every bar can be clicked
        }
    }

    void clickReportsTheBarAndFlipsTheZoom()
    {
        ChartView view;
        view.setModel(test::IndexedChart(1024));
        view.resize(1300, 400);
        QSignalSpy clicked(&view, &ChartView::barClicked);
        QSignalSpy zoomed(&view, &ChartView::zoomToggled);
        const ChartLayout& layout = view.chartLayout();
        const int y = layout.plot.bottom() - 2;

        for (int bar : {0, 511, 1023}) {
            const auto [left, right] = layout.BarSpan(bar);
            QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint((left + right - 1) / 2, y));
            QCOMPARE(clicked.takeLast().at(0).toInt(), bar);
        }
        QCOMPARE(zoomed.count(), 3);
        QCOMPARE(zoomed.at(0).at(0).toBool(), true);
        QCOMPARE(zoomed.at(1).at(0).toBool(), false);
        QVERIFY(view.isZoomed());

        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(2, 2));  // outside the plot
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(zoomed.count(), 3);
    }

    void draggingARegionZoomsItsBars()
    {
        ChartView view;
        view.setModel(test::IndexedChart(100));
        view.resize(800, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy clicked(&view, &ChartView::barClicked);
        const ChartLayout layout = view.chartLayout();
        const int y = layout.plot.center().y();
        const QPoint from((layout.BarSpan(20).first + layout.BarSpan(20).second) / 2, y);
        const QPoint to((layout.BarSpan(29).first + layout.BarSpan(29).second) / 2, y);

        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
        QCOMPARE(view.shownBars().first, 20);
        QCOMPARE(view.shownBars().count, 10);
        QCOMPARE(view.chartLayout().barCount, 10);
        QCOMPARE(clicked.count(), 0);  // a drag is not a click on a bar

        QTest::mousePress(&view, Qt::LeftButton, {}, to);
        QTest::mouseMove(&view, from);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, from);
        QCOMPARE(view.chartLayout().barCount, 100);
    }

    void exportsLookLikeTheWindow()
    {
        ChartModel chart = test::IndexedChart(30);
        chart.titleLines = {"Histogram :     beam.dis"};
        chart.main.marks.visible = true;
        chart.legend = {true, "Legend", {{"f(x)", RgbColour(0, 0, 255)}}, RgbColour(0, 0, 255)};
        ChartView view;
        view.setModel(chart);
        view.resize(500, 350);
        const QImage screen = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(view.toImage().convertToFormat(QImage::Format_RGB32), screen);
    }
};

MORVIK_GUI_TEST(ChartViewTest);
#include "ChartViewTest.moc"

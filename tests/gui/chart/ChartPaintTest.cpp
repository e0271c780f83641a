// What the paint routine puts into a picture: bars where the layout says, the overlay over the main series,
// thinned labels that are really drawn, and no bar lost when there are more bars than pixels.
#include <QtTest>
#include <set>
#include <utility>

#include "GuiTest.h"
#include "TestCharts.h"
#include "chart/ChartExport.h"
#include "chart/ChartLayout.h"

using namespace morvik;
using test::SameColour;

namespace {

const QSize PictureSize(640, 400);

int BarCentre(const ChartLayout& layout, int bar)
{
    const auto [left, right] = layout.BarSpan(bar);
    return (left + right - 1) / 2;
}

}  // namespace

class ChartPaintTest : public QObject {
    Q_OBJECT
private slots:
    void paintsEachBarUpToItsHeight()
    {
        const Colour blue = RgbColour(0, 0, 255);
        const ChartModel chart = test::BarChart({0.1, 0.37, 0.2, 0.3}, blue);
        const QImage image = RenderChartImage(chart, PictureSize);
        const ChartLayout layout = MakeChartLayout(chart, QRect(QPoint(0, 0), PictureSize), DefaultChartFonts());
        for (int bar = 0; bar < 4; ++bar) {
            const double height = chart.main.bars[bar].height;
            const int x = BarCentre(layout, bar);
            QVERIFY(SameColour(image.pixel(x, layout.ValueToY(height / 2)), blue));
            QVERIFY(SameColour(image.pixel(x, layout.ValueToY(height) + 2), blue));
            QVERIFY2(SameColour(image.pixel(x, layout.ValueToY(height) - 3), chart.plotColour),
                     qPrintable(QString("nothing above bar %1").arg(bar)));
        }
        // Between two wide bars the plot shows through.
        const int gapX = layout.BarSpan(1).first;
        QVERIFY(SameColour(image.pixel(gapX, layout.ValueToY(0.07)), chart.plotColour));
    }

    void equalBarsLookEqual()
    {
        // 128 bars in a plot whose width is no multiple of 128: the columns alternate between two widths, yet
        // every bar shows the same fill and the same outline.
        const Colour yellow = RgbColour(255, 255, 0);
        const ChartModel chart = test::BarChart(std::vector<double>(128, 0.5), yellow);
        const QSize size(1100, 400);
        const QImage image = RenderChartImage(chart, size);
        const ChartLayout layout = MakeChartLayout(chart, QRect(QPoint(0, 0), size), DefaultChartFonts());
        const QRgb outline = ToQColor(yellow).darker(160).rgb();
        const int y = layout.ValueToY(0.23);
        std::set<std::pair<int, int>> looks;  // (fill pixels, outline pixels) across a bar
        std::set<int> columnWidths;
        for (int bar = 0; bar < 128; ++bar) {
            const auto [left, right] = layout.BarSpan(bar);
            columnWidths.insert(right - left);
            int fill = 0, edge = 0;
            for (int x = left; x < right; ++x) {
                fill += SameColour(image.pixel(x, y), yellow);
                edge += QColor(image.pixel(x, y)).rgb() == outline;
            }
            looks.insert({fill, edge});
        }
        QCOMPARE(columnWidths.size(), std::size_t(2));
        QCOMPARE(looks.size(), std::size_t(1));
    }

    void overlayIsDrawnOverTheMainSeries()
    {
        const Colour blue = RgbColour(0, 0, 255);
        const Colour red = RgbColour(255, 0, 0);
        ChartModel chart = test::BarChart({0.4, 0.4, 0.4}, blue);
        chart.overlay.bars = {{0.4, red, "0"}, {0.2, red, "1"}};  // bar 2 has no overlay bar
        const QImage image = RenderChartImage(chart, PictureSize);
        const ChartLayout layout = MakeChartLayout(chart, QRect(QPoint(0, 0), PictureSize), DefaultChartFonts());

        QVERIFY(SameColour(image.pixel(BarCentre(layout, 0), layout.ValueToY(0.35)), red));
        QVERIFY(SameColour(image.pixel(BarCentre(layout, 1), layout.ValueToY(0.1)), red));
        QVERIFY2(SameColour(image.pixel(BarCentre(layout, 1), layout.ValueToY(0.3)), blue),
                 "the main bar shows above a shorter overlay bar");
        QVERIFY(SameColour(image.pixel(BarCentre(layout, 2), layout.ValueToY(0.1)), blue));
    }

    void crowdedBarsKeepTheirPeaks()
    {
        // 1024 bars in about 550 pixel columns: a single tall bar must still show.
        std::vector<double> heights(1024, 0.1);
        heights[700] = 1.0;
        ChartModel chart = test::BarChart(heights);
        chart.main.bars[700].colour = RgbColour(0, 160, 0);
        const QImage image = RenderChartImage(chart, PictureSize);
        const ChartLayout layout = MakeChartLayout(chart, QRect(QPoint(0, 0), PictureSize), DefaultChartFonts());
        QVERIFY(layout.plot.width() < 1024);

        const int y = layout.ValueToY(0.9);
        int peakColumns = 0;
        for (int x = layout.plot.left(); x <= layout.plot.right(); ++x) {
            if (SameColour(image.pixel(x, y), RgbColour(0, 160, 0))) {
                ++peakColumns;
                QCOMPARE(layout.BarAt(x, y), 700);
            }
        }
        QCOMPARE(peakColumns, 1);
    }

    void drawsTheThinnedBottomLabels()
    {
        ChartModel chart = test::BarChart(std::vector<double>(1024, 0.5));
        chart.axisColour = RgbColour(0, 0, 0);
        const QImage image = RenderChartImage(chart, PictureSize);
        const ChartLayout layout = MakeChartLayout(chart, QRect(QPoint(0, 0), PictureSize), DefaultChartFonts());
        QVERIFY(layout.labels.size() >= 3);
        for (const BottomLabel& label : layout.labels) {
            int inked = 0;
            for (int x = label.rect.left(); x <= label.rect.right(); ++x) {
                for (int y = label.rect.top(); y <= label.rect.bottom(); ++y) {
                    inked += qGray(image.pixel(x, y)) < 128;
                }
            }
            QVERIFY2(inked > 3, qPrintable(QString("label of bar %1 is drawn").arg(label.bar)));
        }
    }

    void titleUsesTheTitleColour()
    {
        ChartModel chart = test::BarChart({0.5});
        chart.titleLines = {"Histogram :     beam.dis   * A  (A=1)", "WWWWWWWWWWWW"};
        chart.titleColour = RgbColour(200, 0, 0);
        const QImage image = RenderChartImage(chart, PictureSize);
        const ChartLayout layout = MakeChartLayout(chart, QRect(QPoint(0, 0), PictureSize), DefaultChartFonts());
        int titlePixels = 0;
        for (int y = layout.title.top(); y <= layout.title.bottom(); ++y) {
            for (int x = layout.title.left(); x <= layout.title.right(); ++x) {
                const QColor pixel(image.pixel(x, y));
                titlePixels += pixel.red() > 150 && pixel.green() < 60 && pixel.blue() < 60;
            }
        }
        QVERIFY(titlePixels > 50);
        QVERIFY(layout.plot.top() > layout.title.bottom());
    }
};

MORVIK_GUI_TEST(ChartPaintTest);
#include "ChartPaintTest.moc"

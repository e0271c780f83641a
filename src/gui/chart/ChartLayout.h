#pragma once
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "chart/ChartModel.h"

namespace morvik {

// The bars of the main series that are shown: all of them, or a zoomed run of `count` bars from `first`.
struct BarRange {
    int first = 0;
    int count = -1;  // negative: to the last bar
};

struct ChartFonts {
    QFont text;   // axis labels, marks, legend
    QFont title;  // title lines and the legend title
};
// Pixel-sized fonts, so that the screen, the bitmaps and the SVG file lay the chart out alike.
ChartFonts DefaultChartFonts();

// A line of text fitted into `width` pixels: drawn smaller (down to 9 pixels) and, if still too wide, elided at
// its end; never cut at both ends.
struct FittedLine {
    QFont font;
    QString text;
};
FittedLine FitLine(const QFont& font, const QString& text, int width);

// The value (left) axis: from minimum to maximum with a tick at every multiple of step.
struct ValueAxis {
    double minimum = 0;
    double maximum = 1;
    double step = 0.1;
    std::vector<double> ticks;
    int decimals = 1;  // of the tick texts
};
// A readable axis over [low, high] with at most about `maxTicks` steps of 1, 2 or 5 times a power of ten.
ValueAxis NiceValueAxis(double low, double high, int maxTicks);
QString TickText(const ValueAxis& axis, double value);

// One run of pixel columns of the plot and the bar drawn in it. With at least one pixel per bar every bar has
// its own column run; with more bars than pixels a column shows the tallest of the bars that fall into it.
struct BarColumn {
    int left = 0;
    int right = 0;  // exclusive
    int bar = 0;    // index into the main series
};

struct BottomLabel {
    int bar = 0;
    QRect rect;  // where the label text goes
};

// Where every part of a chart goes in a given area; shared by painting and by hit testing, so a click always
// finds the bar that is drawn under it.
struct ChartLayout {
    QRect area;
    QRect title;
    QRect plot;
    QRect legend;  // empty when the legend is hidden
    ValueAxis axis;
    ValueAxis xAxis;  // the bottom value axis of a scatter; unused for bars
    int firstBar = 0;
    int barCount = 0;  // bars shown
    int labelStep = 1;
    std::vector<BarColumn> columns;
    std::vector<BottomLabel> labels;
    QRect bottomAxisTitle;
    QRect leftAxisTitle;  // the rotated title's extent

    int ValueToY(double value) const;
    int ValueToX(double value) const;  // on the bottom axis of a scatter
    double YToValue(int y) const;
    // Pixel columns of bar `index` (main series), or an empty span when it has no column of its own.
    std::pair<int, int> BarSpan(int index) const;
    // The main-series bar under pixel (x, y) of the plot, or -1.
    int BarAt(int x, int y) const;
    // The bar whose column holds pixel column x, clamped into the shown bars; -1 without bars.
    int NearestBarAt(int x) const;
};

ChartLayout MakeChartLayout(const ChartModel& model, const QRect& area, const ChartFonts& fonts,
                            const BarRange& range = {});

// The label step: the smallest round step (1, 2, 3, 4, 5, 6, 8, 10, 15, 20, 25, 30, 40, ...) whose label centres
// lie at least `widestLabel` + `separation` pixels apart, so that neighbouring labels keep `separation` pixels
// between them and not much more.
int LabelStep(double pixelsPerBar, double widestLabel, int separation);

}  // namespace morvik

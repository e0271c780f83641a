#pragma once
#include <string>
#include <vector>

#include "common/Colour.h"

namespace morvik {

// What the marks above the bars say.
enum class MarkStyle {
    Value,             // the bar's height in the value format ("P(x)")
    Label,             // the bar's axis label ("x")
    LabelAndValue,     // "x & P(x)"
    Position,          // the bar's interval number, from 1 ("INT")
    PositionAndValue,  // "INT & P(x)"
};

// The style of an item of the marks list CBMarks that every chart window carries: "P(x)", "x", "x & P(x)",
// "INT", "INT & P(x)".
MarkStyle MarkStyleOfItem(int item);

struct ChartMarks {
    MarkStyle style = MarkStyle::Value;
    int angle = 90;  // degrees counter-clockwise; 90 reads upward
    bool visible = false;
};

struct ChartBar {
    double height = 0;
    Colour colour = RgbColour(0, 0, 255);
    std::string label;  // the bottom-axis label of the bar; may be empty
};

struct ChartSeries {
    std::vector<ChartBar> bars;
    ChartMarks marks;
};

struct LegendEntry {
    std::string text;
    Colour colour = RgbColour(0, 0, 255);
};

struct ChartLegend {
    bool visible = false;
    std::string title;
    std::vector<LegendEntry> entries;
    Colour gradientStart = RgbColour(0, 0, 255);  // the legend box fades from this colour to white
};

// Points over two value axes of one scale (the probability plots): drawn instead of bars when there are any,
// with the line y = x for reference.
struct ChartPoint {
    double x = 0;
    double y = 0;
};
struct ChartScatter {
    std::vector<ChartPoint> points;
    Colour colour = RgbColour(0, 0, 128);
    Colour lineColour = RgbColour(200, 0, 0);
    double low = 0;  // both axes run from low to high
    double high = 1;
};

// Everything a chart shows, plain data so that windows can fill it and tests can check it without a display.
// Bar i of the overlay is drawn over bar i of the main series; an empty overlay shows nothing.
struct ChartModel {
    std::vector<std::string> titleLines;
    Colour titleColour = RgbColour(0, 0, 128);

    ChartSeries main;
    ChartSeries overlay;
    ChartScatter scatter;

    std::string bottomAxisTitle;
    std::string leftAxisTitle;
    std::string valueFormat = "#.### E-";  // the format of the values in the marks
    int labelSeparation = 30;              // least gap in pixels between two bottom-axis labels

    ChartLegend legend;
    bool crossCursor = false;  // a cross-hair follows the mouse over the plot

    Colour backgroundColour = RgbColour(255, 255, 255);  // the chart panel around the plot
    Colour plotColour = RgbColour(255, 255, 255);        // the plot area behind the bars
    Colour axisColour = RgbColour(0, 0, 0);              // axes, ticks, labels and axis titles
    Colour gridColour = RgbColour(208, 208, 208);
};

// `value` as the value format says: '0' and '#' digit places, an optional decimal point, and "E-" or "E+" for
// scientific notation (with "E-" the exponent shows its sign only when negative). Text between the digits and
// the "E" is kept, so "#.### E-" turns 0.1234 into "1.234 E-1".
std::string FormatChartValue(double value, const std::string& format);

// The text of the mark above bar `index` (from 0) of `series`.
std::string MarkText(const ChartSeries& series, int index, const std::string& valueFormat);

}  // namespace morvik

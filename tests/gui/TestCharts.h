#pragma once
#include <QColor>
#include <QImage>
#include <vector>

#include "chart/ChartColour.h"
#include "chart/ChartModel.h"

namespace morvik::test {

// A plain chart: one bar per height, all in `colour`, labelled by their index.
inline ChartModel BarChart(const std::vector<double>& heights, Colour colour = RgbColour(0, 0, 255))
{
    ChartModel chart;
    chart.backgroundColour = RgbColour(240, 240, 240);
    chart.plotColour = RgbColour(255, 255, 255);
    for (size_t i = 0; i < heights.size(); ++i) { chart.main.bars.push_back({heights[i], colour, std::to_string(i)}); }
    return chart;
}

// Bar i is coloured by its own index, so a pixel tells which bar was painted there.
inline Colour IndexColour(int index) { return RgbColour(index & 0xFF, (index >> 8) & 0xFF, 200); }
inline int IndexOfColour(QRgb pixel) { return qBlue(pixel) == 200 ? qRed(pixel) | qGreen(pixel) << 8 : -1; }

// `count` bars of uneven heights (between 0.3 and 1), each in its index colour.
inline ChartModel IndexedChart(int count)
{
    ChartModel chart;
    for (int i = 0; i < count; ++i) {
        const double height = 0.3 + 0.7 * ((i * 37) % 101) / 100.0;
        chart.main.bars.push_back({height, IndexColour(i), std::to_string(i)});
    }
    return chart;
}

inline bool SameColour(QRgb pixel, Colour colour) { return QColor(pixel).rgb() == ToQColor(colour).rgb(); }

}  // namespace morvik::test

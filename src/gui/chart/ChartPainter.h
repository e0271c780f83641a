#pragma once
#include <QPoint>
#include <QRect>
#include <optional>

#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"

class QPainter;

namespace morvik {

// What the view adds to the model while the user works with it.
struct ChartViewState {
    BarRange range;                   // the bars shown (zoom)
    std::optional<QPoint> cursor;     // the cross-hair position, when the chart has a cross cursor
    std::optional<QRect> rubberBand;  // the zoom region being dragged
};

// The one paint routine of every chart: the screen, bitmaps, the clipboard and SVG files all go through it.
void PaintChart(QPainter& painter, const ChartModel& model, const ChartLayout& layout, const ChartFonts& fonts,
                const ChartViewState& state = {});
void PaintChart(QPainter& painter, const ChartModel& model, const QRect& area, const ChartViewState& state = {});

}  // namespace morvik

#include "chart/ChartPainter.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "chart/ChartColour.h"

namespace morvik {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QColor Blend(const QColor& colour, const QColor& with, double share)
{
    return QColor::fromRgbF(static_cast<float>(colour.redF() * share + with.redF() * (1 - share)),
                            static_cast<float>(colour.greenF() * share + with.greenF() * (1 - share)),
                            static_cast<float>(colour.blueF() * share + with.blueF() * (1 - share)));
}

void PaintTitle(QPainter& painter, const ChartModel& model, const ChartLayout& layout, const ChartFonts& fonts)
{
    painter.setFont(fonts.title);
    painter.setPen(ToQColor(model.titleColour));
    const int lineHeight = QFontMetrics(fonts.title).lineSpacing();
    int y = layout.title.top();
    for (const std::string& line : model.titleLines) {
        const FittedLine fitted = FitLine(fonts.title, Text(line), layout.title.width());
        painter.setFont(fitted.font);
        painter.drawText(QRect(layout.title.left(), y, layout.title.width(), lineHeight), Qt::AlignCenter, fitted.text);
        y += lineHeight;
    }
}

void PaintGrid(QPainter& painter, const ChartModel& model, const ChartLayout& layout)
{
    painter.fillRect(layout.plot, ToQColor(model.plotColour));
    painter.setPen(QPen(ToQColor(model.gridColour), 0, Qt::DotLine));
    for (double tick : layout.axis.ticks) {
        const int y = layout.ValueToY(tick);
        painter.drawLine(layout.plot.left(), y, layout.plot.right(), y);
    }
    if (!model.scatter.points.empty()) {
        for (double tick : layout.xAxis.ticks) {
            const int x = layout.ValueToX(tick);
            painter.drawLine(x, layout.plot.top(), x, layout.plot.bottom());
        }
    }
}

void PaintBars(QPainter& painter, const ChartSeries& series, const ChartLayout& layout)
{
    const double pixelsPerBar =
        layout.barCount > 0 ? static_cast<double>(layout.plot.width() - 2) / layout.barCount : 0;
    // The columns start at whole pixels but alternate between two widths when the plot's width is no multiple of
    // the bar count. Every bar is drawn as wide as the narrowest column, so that equal bars look equal: the same
    // width and the same outline, the odd pixel going to the gap.
    int barWidth = std::numeric_limits<int>::max();
    for (const BarColumn& column : layout.columns) barWidth = std::min(barWidth, column.right - column.left);
    int inset = pixelsPerBar >= 4 ? std::max(1, static_cast<int>(std::lround(pixelsPerBar * 0.1))) : 0;
    if (!layout.columns.empty()) inset = std::min(inset, (barWidth - 1) / 2);
    const int base = layout.ValueToY(std::clamp(0.0, layout.axis.minimum, layout.axis.maximum));
    for (const BarColumn& column : layout.columns) {
        if (column.bar >= static_cast<int>(series.bars.size())) { continue; }
        const ChartBar& bar = series.bars[static_cast<size_t>(column.bar)];
        if (!std::isfinite(bar.height)) { continue; }
        const int top = layout.ValueToY(bar.height);
        const QRect rect(QPoint(column.left + inset, std::min(top, base)),
                         QPoint(column.left + barWidth - 1 - inset, std::max(top, base)));
        const QColor colour = ToQColor(bar.colour);
        painter.fillRect(rect, colour);
        if (rect.width() >= 6 && rect.height() >= 2) {
            painter.setPen(QPen(colour.darker(160), 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
        }
    }
}

void PaintScatter(QPainter& painter, const ChartScatter& scatter, const ChartLayout& layout)
{
    if (scatter.points.empty()) { return; }
    painter.save();
    painter.setClipRect(layout.plot);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double from = std::max(layout.axis.minimum, layout.xAxis.minimum);
    const double to = std::min(layout.axis.maximum, layout.xAxis.maximum);
    painter.setPen(QPen(ToQColor(scatter.lineColour), 1));
    painter.drawLine(layout.ValueToX(from), layout.ValueToY(from), layout.ValueToX(to), layout.ValueToY(to));
    const QColor colour = ToQColor(scatter.colour);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    for (const ChartPoint& point : scatter.points) {
        if (std::isfinite(point.x) && std::isfinite(point.y)) {
            painter.drawEllipse(QPointF(layout.ValueToX(point.x), layout.ValueToY(point.y)), 2.5, 2.5);
        }
    }
    painter.restore();
}

void PaintMarks(QPainter& painter, const ChartModel& model, const ChartSeries& series, const ChartLayout& layout,
                const ChartFonts& fonts)
{
    if (!series.marks.visible) { return; }
    painter.save();
    painter.setClipRect(layout.plot);
    painter.setFont(fonts.text);
    painter.setPen(ToQColor(model.axisColour));
    const QFontMetrics metrics(fonts.text);
    const int angle = ((series.marks.angle % 360) + 360) % 360;
    const double radians = angle * std::numbers::pi / 180.0;
    const bool level = angle % 180 == 0;
    int lastRight = std::numeric_limits<int>::min();
    for (const BarColumn& column : layout.columns) {
        if (column.bar >= static_cast<int>(series.bars.size())) { continue; }
        const QString text = Text(MarkText(series, column.bar, model.valueFormat));
        const int width = metrics.horizontalAdvance(text);
        const double across = width * std::abs(std::cos(radians)) + metrics.height() * std::abs(std::sin(radians));
        const int centre = (column.left + column.right) / 2;
        const int left = static_cast<int>(centre - across / 2);
        if (text.isEmpty() || left < lastRight + 2) {
            continue;  // marks never overlap: a crowded mark gives way to the one before it
        }
        lastRight = static_cast<int>(centre + across / 2);
        const double height = series.bars[static_cast<size_t>(column.bar)].height;
        const int top = layout.ValueToY(std::max(height, 0.0)) - 3;
        painter.save();
        painter.translate(centre, top);
        painter.rotate(-angle);
        if (level) {
            painter.drawText(QPointF(-width / 2.0, -metrics.descent()), text);
        } else {
            painter.drawText(QPointF(0, (metrics.ascent() - metrics.descent()) / 2.0), text);
        }
        painter.restore();
    }
    painter.restore();
}

void PaintAxes(QPainter& painter, const ChartModel& model, const ChartLayout& layout, const ChartFonts& fonts)
{
    const QColor axisColour = ToQColor(model.axisColour);
    const QRect& plot = layout.plot;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(axisColour.lighter(250), 0));
    painter.drawLine(plot.topLeft(), plot.topRight());
    painter.drawLine(plot.topRight(), plot.bottomRight());
    painter.setPen(QPen(axisColour, 0));
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    painter.setFont(fonts.text);
    const QFontMetrics metrics(fonts.text);
    for (double tick : layout.axis.ticks) {
        const int y = layout.ValueToY(tick);
        painter.drawLine(plot.left() - 4, y, plot.left() - 1, y);
        const QRect box(layout.area.left(), y - metrics.height() / 2, plot.left() - 6 - layout.area.left(),
                        metrics.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, TickText(layout.axis, tick));
    }
    if (!model.scatter.points.empty()) {
        for (double tick : layout.xAxis.ticks) {
            const int x = layout.ValueToX(tick);
            const QString text = TickText(layout.xAxis, tick);
            const int width = metrics.horizontalAdvance(text);
            const int labelLeft = std::min(x - width / 2, layout.area.right() - width);
            painter.drawLine(x, plot.bottom() + 1, x, plot.bottom() + 4);
            painter.drawText(QRect(labelLeft, plot.bottom() + 6, width, metrics.height()), Qt::AlignCenter, text);
        }
    }
    for (const BottomLabel& label : layout.labels) {
        const int x = label.rect.center().x();
        painter.drawLine(x, plot.bottom() + 1, x, plot.bottom() + 4);
        painter.drawText(label.rect, Qt::AlignCenter, Text(model.main.bars[static_cast<size_t>(label.bar)].label));
    }

    if (!layout.bottomAxisTitle.isEmpty()) {
        const QRect box(plot.left(), layout.bottomAxisTitle.top(), plot.width(), layout.bottomAxisTitle.height());
        painter.drawText(box, Qt::AlignCenter, Text(model.bottomAxisTitle));
    }
    if (!layout.leftAxisTitle.isEmpty()) {
        painter.save();
        painter.translate(layout.leftAxisTitle.center().x(), plot.center().y());
        painter.rotate(-90);
        // A title longer than the plot is high is drawn smaller or elided, never cut at both ends.
        const FittedLine fitted = FitLine(fonts.text, Text(model.leftAxisTitle), plot.height());
        painter.setFont(fitted.font);
        painter.drawText(QRect(-plot.height() / 2, -metrics.height() / 2, plot.height(), metrics.height()),
                         Qt::AlignCenter, fitted.text);
        painter.restore();
    }
}

void PaintLegend(QPainter& painter, const ChartModel& model, const ChartLayout& layout, const ChartFonts& fonts)
{
    if (layout.legend.isEmpty()) { return; }
    const QRect& box = layout.legend;
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, Blend(ToQColor(model.legend.gradientStart), Qt::white, 0.3));
    gradient.setColorAt(1, Qt::white);
    painter.setBrush(gradient);
    painter.setPen(QPen(ToQColor(model.axisColour), 0));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setBrush(Qt::NoBrush);

    int y = box.top() + 6;
    const int left = box.left() + 6;
    if (!model.legend.title.empty()) {
        const QFontMetrics metrics(fonts.title);
        painter.setFont(fonts.title);
        painter.drawText(QRect(left, y, box.width() - 12, metrics.lineSpacing()), Qt::AlignLeft | Qt::AlignVCenter,
                         Text(model.legend.title));
        y += metrics.lineSpacing() + 4;
    }
    const QFontMetrics metrics(fonts.text);
    painter.setFont(fonts.text);
    for (const LegendEntry& entry : model.legend.entries) {
        const int lineHeight = metrics.lineSpacing();
        const QRect swatch(left, y + (lineHeight - 12) / 2, 12, 12);
        painter.fillRect(swatch, ToQColor(entry.colour));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        painter.drawText(QRect(left + 16, y, box.right() - left - 16, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         Text(entry.text));
        y += lineHeight + 2;
    }
}

void PaintViewOverlays(QPainter& painter, const ChartModel& model, const ChartLayout& layout,
                       const ChartViewState& state)
{
    if (model.crossCursor && state.cursor && layout.plot.contains(*state.cursor)) {
        painter.setPen(QPen(ToQColor(model.axisColour), 0, Qt::DashLine));
        painter.drawLine(layout.plot.left(), state.cursor->y(), layout.plot.right(), state.cursor->y());
        painter.drawLine(state.cursor->x(), layout.plot.top(), state.cursor->x(), layout.plot.bottom());
    }
    if (state.rubberBand) {
        painter.setPen(QPen(ToQColor(model.axisColour), 0, Qt::DashLine));
        painter.setBrush(QColor(0, 0, 0, 24));
        painter.drawRect(state.rubberBand->normalized());
        painter.setBrush(Qt::NoBrush);
    }
}

}  // namespace

void PaintChart(QPainter& painter, const ChartModel& model, const ChartLayout& layout, const ChartFonts& fonts,
                const ChartViewState& state)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(layout.area, ToQColor(model.backgroundColour));
    PaintTitle(painter, model, layout, fonts);
    PaintGrid(painter, model, layout);
    PaintBars(painter, model.main, layout);
    PaintBars(painter, model.overlay, layout);
    PaintScatter(painter, model.scatter, layout);
    PaintMarks(painter, model, model.main, layout, fonts);
    PaintMarks(painter, model, model.overlay, layout, fonts);
    PaintAxes(painter, model, layout, fonts);
    PaintLegend(painter, model, layout, fonts);
    PaintViewOverlays(painter, model, layout, state);
    painter.restore();
}

void PaintChart(QPainter& painter, const ChartModel& model, const QRect& area, const ChartViewState& state)
{
    const ChartFonts fonts = DefaultChartFonts();
    PaintChart(painter, model, MakeChartLayout(model, area, fonts, state.range), fonts, state);
}

}  // namespace morvik

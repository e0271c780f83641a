#include "chart/ChartLayout.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace morvik {
namespace {

constexpr int Margin = 8;
constexpr int Gap = 4;
constexpr int TickLength = 4;
constexpr int SwatchSize = 12;
constexpr int LegendPadding = 6;

QString Text(const std::string& text) { return QString::fromStdString(text); }

// How far a mark text reaches above its bar when written at `angle` degrees.
double MarkReach(const QFontMetrics& metrics, const QString& text, int angle)
{
    const double radians = angle * std::numbers::pi / 180.0;
    return metrics.horizontalAdvance(text) * std::abs(std::sin(radians)) +
           metrics.height() * std::abs(std::cos(radians));
}

double HighestMarkReach(const ChartModel& model, const QFontMetrics& metrics, int first, int count)
{
    double reach = 0;
    for (const ChartSeries* series : {&model.main, &model.overlay}) {
        if (!series->marks.visible) { continue; }
        const int end = std::min<int>(first + count, static_cast<int>(series->bars.size()));
        for (int i = first; i < end; ++i) {
            reach =
                std::max(reach, MarkReach(metrics, Text(MarkText(*series, i, model.valueFormat)), series->marks.angle));
        }
    }
    return reach;
}

void HeightRange(const ChartModel& model, int first, int count, double& low, double& high)
{
    low = 0;
    high = 0;
    for (const ChartSeries* series : {&model.main, &model.overlay}) {
        const int end = std::min<int>(first + count, static_cast<int>(series->bars.size()));
        for (int i = first; i < end; ++i) {
            const double h = series->bars[static_cast<size_t>(i)].height;
            if (std::isfinite(h)) {
                low = std::min(low, h);
                high = std::max(high, h);
            }
        }
    }
}

int WidestTick(const QFontMetrics& metrics, const ValueAxis& axis)
{
    int widest = 0;
    for (double tick : axis.ticks) { widest = std::max(widest, metrics.horizontalAdvance(TickText(axis, tick))); }
    return widest;
}

QRect LegendRect(const ChartLegend& legend, const ChartFonts& fonts, int right, int top)
{
    const QFontMetrics text(fonts.text);
    const QFontMetrics title(fonts.title);
    int width = legend.title.empty() ? 0 : title.horizontalAdvance(Text(legend.title));
    for (const LegendEntry& entry : legend.entries) {
        width = std::max(width, SwatchSize + Gap + text.horizontalAdvance(Text(entry.text)));
    }
    const int height = (legend.title.empty() ? 0 : title.lineSpacing() + Gap) +
                       static_cast<int>(legend.entries.size()) * (text.lineSpacing() + 2);
    width += 2 * LegendPadding;
    return QRect(right - width + 1, top, width, height + 2 * LegendPadding);
}

// Bars per pixel column: one run of columns per bar, or the tallest bar of each column when they crowd.
std::vector<BarColumn> MakeColumns(const ChartSeries& main, int plotLeft, int plotWidth, int first, int count)
{
    std::vector<BarColumn> columns;
    if (count <= 0 || plotWidth <= 0) { return columns; }
    const long long width = plotWidth;
    const long long bars = count;
    if (width >= bars) {
        columns.reserve(static_cast<size_t>(count));
        for (long long k = 0; k < bars; ++k) {
            columns.push_back({plotLeft + static_cast<int>(k * width / bars),
                               plotLeft + static_cast<int>((k + 1) * width / bars), first + static_cast<int>(k)});
        }
        return columns;
    }
    columns.reserve(static_cast<size_t>(plotWidth));
    for (long long c = 0; c < width; ++c) {
        const long long from = (c * bars + width - 1) / width;
        const long long to = ((c + 1) * bars + width - 1) / width;
        long long best = from;
        for (long long k = from + 1; k < to; ++k) {
            if (main.bars[static_cast<size_t>(first + k)].height >
                main.bars[static_cast<size_t>(first + best)].height) {
                best = k;
            }
        }
        columns.push_back(
            {plotLeft + static_cast<int>(c), plotLeft + static_cast<int>(c) + 1, first + static_cast<int>(best)});
    }
    return columns;
}

}  // namespace

FittedLine FitLine(const QFont& font, const QString& text, int width)
{
    FittedLine fitted{font, text};
    constexpr int SmallestPixels = 9;
    while (QFontMetrics(fitted.font).horizontalAdvance(text) > width && fitted.font.pixelSize() > SmallestPixels) {
        fitted.font.setPixelSize(fitted.font.pixelSize() - 1);
    }
    fitted.text = QFontMetrics(fitted.font).elidedText(text, Qt::ElideRight, width);
    return fitted;
}

ChartFonts DefaultChartFonts()
{
    QFont text = QGuiApplication::font();
    text.setPixelSize(11);
    QFont title = text;
    title.setPixelSize(13);
    title.setBold(true);
    return {text, title};
}

ValueAxis NiceValueAxis(double low, double high, int maxTicks)
{
    ValueAxis axis;
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = 0;
        high = 1;
    }
    if (!(high > low)) { high = low + 1; }
    const double raw = (high - low) / std::max(maxTicks, 1);
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    axis.step = 10 * decade;
    for (double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * decade >= raw * (1 - 1e-9)) {
            axis.step = multiple * decade;
            break;
        }
    }
    const double tolerance = axis.step * 1e-9;
    axis.minimum = std::floor((low + tolerance) / axis.step) * axis.step;
    axis.maximum = std::ceil((high - tolerance) / axis.step) * axis.step;
    const int steps = static_cast<int>(std::lround((axis.maximum - axis.minimum) / axis.step));
    for (int i = 0; i <= steps; ++i) {
        const double tick = axis.minimum + i * axis.step;
        axis.ticks.push_back(std::abs(tick) < tolerance ? 0.0 : tick);
    }
    axis.decimals = std::max(0, static_cast<int>(-std::floor(std::log10(axis.step) + 1e-9)));
    return axis;
}

QString TickText(const ValueAxis& axis, double value)
{
    if (axis.decimals > 6 || std::max(std::abs(axis.minimum), std::abs(axis.maximum)) >= 1e7) {
        return QString::number(value, 'g', 4);
    }
    return QString::number(value, 'f', axis.decimals);
}

int LabelStep(double pixelsPerBar, double widestLabel, int separation)
{
    if (!(pixelsPerBar > 0)) { return 1; }
    const double needed = widestLabel + separation;
    // Round steps lying close together, so that the gaps stay near the separation and index labels stay round.
    static constexpr int Multiples[] = {10, 15, 20, 25, 30, 40, 50, 60, 80};
    for (const int small : {1, 2, 3, 4, 5, 6, 8}) {
        if (small * pixelsPerBar >= needed) { return small; }
    }
    for (long long decade = 1; decade < 100'000'000; decade *= 10) {
        for (const int multiple : Multiples) {
            if (multiple * decade * pixelsPerBar >= needed) { return static_cast<int>(multiple * decade); }
        }
    }
    return 1'000'000'000;
}

int ChartLayout::ValueToY(double value) const
{
    const double fraction = (value - axis.minimum) / (axis.maximum - axis.minimum);
    return plot.bottom() - static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * (plot.height() - 1)));
}

int ChartLayout::ValueToX(double value) const
{
    const double fraction = (value - xAxis.minimum) / (xAxis.maximum - xAxis.minimum);
    return plot.left() + static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * (plot.width() - 1)));
}

double ChartLayout::YToValue(int y) const
{
    const double fraction = static_cast<double>(plot.bottom() - y) / std::max(plot.height() - 1, 1);
    return axis.minimum + fraction * (axis.maximum - axis.minimum);
}

std::pair<int, int> ChartLayout::BarSpan(int index) const
{
    if (index < firstBar || index >= firstBar + barCount || columns.empty()) { return {0, 0}; }
    if (static_cast<int>(columns.size()) == barCount) {
        const BarColumn& column = columns[static_cast<size_t>(index - firstBar)];
        return {column.left, column.right};
    }
    const long long c = static_cast<long long>(index - firstBar) * static_cast<long long>(columns.size()) / barCount;
    const BarColumn& column = columns[static_cast<size_t>(c)];
    return column.bar == index ? std::pair{column.left, column.right} : std::pair{0, 0};
}

int ChartLayout::NearestBarAt(int x) const
{
    if (columns.empty()) { return -1; }
    auto after = std::upper_bound(columns.begin(), columns.end(), x,
                                  [](int px, const BarColumn& column) { return px < column.left; });
    if (after == columns.begin()) { return columns.front().bar; }
    return std::prev(after)->bar;
}

int ChartLayout::BarAt(int x, int y) const { return plot.contains(x, y) ? NearestBarAt(x) : -1; }

ChartLayout MakeChartLayout(const ChartModel& model, const QRect& area, const ChartFonts& fonts, const BarRange& range)
{
    ChartLayout layout;
    layout.area = area;
    const QFontMetrics text(fonts.text);
    const QFontMetrics title(fonts.title);

    const int total = static_cast<int>(model.main.bars.size());
    layout.firstBar = std::clamp(range.first, 0, std::max(total - 1, 0));
    layout.barCount = range.count < 0 ? total - layout.firstBar : std::min(range.count, total - layout.firstBar);

    int top = area.top() + Margin;
    const int titleHeight = static_cast<int>(model.titleLines.size()) * title.lineSpacing();
    layout.title = QRect(area.left() + Margin, top, area.width() - 2 * Margin, titleHeight);
    top += titleHeight + (titleHeight > 0 ? 2 * Gap : 0);

    int right = area.right() - Margin;
    if (model.legend.visible) {
        layout.legend = LegendRect(model.legend, fonts, right, top);
        right = layout.legend.left() - 2 * Gap;
    }

    int bottom = area.bottom() - Margin;
    if (!model.bottomAxisTitle.empty()) {
        layout.bottomAxisTitle = QRect(area.left(), bottom - text.height() + 1, area.width(), text.height());
        bottom -= text.height() + Gap;
    }
    bottom -= text.height() + TickLength + 2;  // the bottom-axis labels

    int left = area.left() + Margin;
    if (!model.leftAxisTitle.empty()) {
        layout.leftAxisTitle = QRect(left, top, text.height(), bottom - top);
        left += text.height() + Gap;
    }

    double low = 0;
    double high = 0;
    HeightRange(model, layout.firstBar, layout.barCount, low, high);
    const int plotHeight = std::max(bottom - top, 1);
    const int maxTicks = std::max(2, plotHeight / 40);
    if (!model.scatter.points.empty()) {
        // Both axes on one scale, so that the line y = x runs corner to corner; the plot is no more than half as
        // wide again as it is high, so that the line stays near 45 degrees.
        layout.axis = NiceValueAxis(model.scatter.low, model.scatter.high, std::max(3, plotHeight / 30));
        left += WidestTick(text, layout.axis) + Gap + TickLength;
        const int width = std::max(std::min(right - left + 1, plotHeight * 3 / 2), 1);
        const int shift = std::max((right - left + 1 - width) / 2, 0);
        layout.plot = QRect(left + shift, top, width, plotHeight);
        if (layout.leftAxisTitle.isValid()) layout.leftAxisTitle.translate(shift, 0);
        const int labelRoom = WidestTick(text, layout.axis) + model.labelSeparation;
        layout.xAxis =
            NiceValueAxis(model.scatter.low, model.scatter.high, std::max(2, width / std::max(labelRoom, 1)));
        layout.xAxis.minimum = layout.axis.minimum = std::min(layout.axis.minimum, layout.xAxis.minimum);
        layout.xAxis.maximum = layout.axis.maximum = std::max(layout.axis.maximum, layout.xAxis.maximum);
        return layout;
    }
    layout.axis = NiceValueAxis(low, high, maxTicks);
    const double reach = HighestMarkReach(model, text, layout.firstBar, layout.barCount) + Gap;
    if (reach > Gap && plotHeight > 2 * reach && high > low) {
        // Raise the axis so that the marks of the tallest bar stay inside the plot.
        layout.axis = NiceValueAxis(low, high + (high - low) * reach / (plotHeight - reach), maxTicks);
    }
    left += WidestTick(text, layout.axis) + Gap + TickLength;
    layout.plot = QRect(left, top, std::max(right - left + 1, 1), plotHeight);

    // The bars stand between the axis line and the frame, so that neither hides the first or the last bar.
    const int barsLeft = layout.plot.left() + 1;
    const int barsWidth = std::max(layout.plot.width() - 2, 0);
    layout.columns = MakeColumns(model.main, barsLeft, barsWidth, layout.firstBar, layout.barCount);
    if (layout.barCount <= 0) { return layout; }
    const double pixelsPerBar = static_cast<double>(barsWidth) / layout.barCount;
    int widest = 0;
    for (int i = layout.firstBar; i < layout.firstBar + layout.barCount; ++i) {
        widest = std::max(widest, text.horizontalAdvance(Text(model.main.bars[static_cast<size_t>(i)].label)));
    }
    layout.labelStep = LabelStep(pixelsPerBar, widest, model.labelSeparation);
    const int firstLabelled = (layout.firstBar + layout.labelStep - 1) / layout.labelStep * layout.labelStep;
    for (int i = firstLabelled; i < layout.firstBar + layout.barCount; i += layout.labelStep) {
        const QString label = Text(model.main.bars[static_cast<size_t>(i)].label);
        if (label.isEmpty()) { continue; }
        const double centre = barsLeft + (i - layout.firstBar + 0.5) * pixelsPerBar;
        const int width = text.horizontalAdvance(label);
        if (centre + width / 2.0 > area.right()) {
            continue;  // a label the chart would cut
        }
        layout.labels.push_back({i, QRect(static_cast<int>(std::lround(centre - width / 2.0)),
                                          layout.plot.bottom() + TickLength + 2, width, text.height())});
    }
    return layout;
}

}  // namespace morvik

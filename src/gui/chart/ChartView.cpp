#include "chart/ChartView.h"

#include <QMouseEvent>
#include <QPainter>

namespace morvik {
namespace {
constexpr int DragThreshold = 5;  // pixels the mouse must travel before a press becomes a region drag
}

ChartView::ChartView(QWidget* parent) : QWidget(parent), fonts_(DefaultChartFonts())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::setModel(ChartModel model)
{
    model_ = std::move(model);
    const int bars = static_cast<int>(model_.main.bars.size());
    if (range_.first >= bars) {
        range_ = {};  // the zoomed region no longer exists
    }
    setMouseTracking(model_.crossCursor);
    setCursor(model_.crossCursor ? Qt::CrossCursor : Qt::ArrowCursor);
    if (!model_.crossCursor) { cursor_.reset(); }
    invalidateLayout();
}

void ChartView::setZoomed(bool zoomed) { zoomed_ = zoomed; }

void ChartView::showBars(BarRange range)
{
    range_ = range;
    invalidateLayout();
}

const ChartLayout& ChartView::chartLayout() const
{
    if (!layout_) { layout_ = MakeChartLayout(model_, rect(), fonts_, range_); }
    return *layout_;
}

int ChartView::barAt(QPoint position) const { return chartLayout().BarAt(position.x(), position.y()); }

void ChartView::invalidateLayout()
{
    layout_.reset();
    update();
}

ChartViewState ChartView::exportState() const { return {range_, std::nullopt, std::nullopt}; }

QImage ChartView::toImage() const { return RenderChartImage(model_, size(), range_); }
QByteArray ChartView::toSvg() const { return RenderChartSvg(model_, size(), range_); }

std::optional<ExportFailure> ChartView::saveBitmap(const std::string& path) const
{
    return SaveChartBitmap(toImage(), path);
}

std::optional<ExportFailure> ChartView::saveJpeg(const std::string& path) const
{
    return SaveChartJpeg(toImage(), path);
}

std::optional<ExportFailure> ChartView::saveSvg(const std::string& path) const { return SaveChartSvg(toSvg(), path); }

void ChartView::copyToClipboard() const { CopyChartToClipboard(toImage(), toSvg()); }

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintChart(painter, model_, chartLayout(), fonts_, {range_, cursor_, rubberBand_});
}

void ChartView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    invalidateLayout();
}

void ChartView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) { pressedAt_ = event->position().toPoint(); }
    QWidget::mousePressEvent(event);
}

void ChartView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (pressedAt_ && (rubberBand_ || (position - *pressedAt_).manhattanLength() >= DragThreshold)) {
        rubberBand_ = QRect(*pressedAt_, position).normalized();
    }
    if (model_.crossCursor) { cursor_ = position; }
    update();
    QWidget::mouseMoveEvent(event);
}

void ChartView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressedAt_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint start = *pressedAt_;
    const QPoint end = event->position().toPoint();
    pressedAt_.reset();
    if (rubberBand_) {
        rubberBand_.reset();
        const ChartLayout& layout = chartLayout();
        const int from = layout.NearestBarAt(start.x());
        const int to = layout.NearestBarAt(end.x());
        if (end.x() > start.x() && from >= 0) {
            showBars({from, to - from + 1});
        } else {
            showAllBars();
        }
        return;
    }
    const int bar = barAt(end);
    if (bar >= 0) {
        emit barClicked(bar);
        zoomed_ = !zoomed_;
        emit zoomToggled(zoomed_);
    }
}

void ChartView::leaveEvent(QEvent* event)
{
    if (cursor_) {
        cursor_.reset();
        update();
    }
    QWidget::leaveEvent(event);
}

}  // namespace morvik

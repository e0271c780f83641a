#pragma once
#include <QWidget>
#include <optional>

#include "chart/ChartExport.h"
#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"
#include "chart/ChartPainter.h"

namespace morvik {

// The bar chart widget every window draws on. The owner fills a ChartModel and sets the objectName
// (for example "Chart1").
//
// Mouse: a click on a bar reports the bar and flips the zoom flag, which the owning window follows by enlarging
// or restoring the chart. Dragging a region from left to right shows only the bars under it; dragging from right
// to left shows all bars again.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    void setModel(ChartModel model);
    const ChartModel& model() const { return model_; }

    bool isZoomed() const { return zoomed_; }
    void setZoomed(bool zoomed);  // no signal: the owner sets what it already knows

    BarRange shownBars() const { return range_; }
    void showBars(BarRange range);
    void showAllBars() { showBars({}); }

    const ChartLayout& chartLayout() const;
    int barAt(QPoint position) const;  // the main-series bar under a widget position, or -1

    // Exports look exactly like the widget at its current size and zoom.
    QImage toImage() const;
    QByteArray toSvg() const;
    std::optional<ExportFailure> saveBitmap(const std::string& path) const;
    std::optional<ExportFailure> saveJpeg(const std::string& path) const;
    std::optional<ExportFailure> saveSvg(const std::string& path) const;
    void copyToClipboard() const;

    QSize sizeHint() const override { return {640, 420}; }

signals:
    void barClicked(int index);     // index into the main series, from 0
    void zoomToggled(bool zoomed);  // after a click on a bar

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void invalidateLayout();
    ChartViewState exportState() const;

    ChartModel model_;
    ChartFonts fonts_;
    BarRange range_;
    bool zoomed_ = false;
    std::optional<QPoint> cursor_;
    std::optional<QPoint> pressedAt_;
    std::optional<QRect> rubberBand_;
    mutable std::optional<ChartLayout> layout_;
};

}  // namespace morvik

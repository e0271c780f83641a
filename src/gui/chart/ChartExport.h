#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <optional>
#include <string>

#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"

namespace morvik {

// Why an export did not happen (the system's reason, ready to show).
struct ExportFailure {
    std::string reason;
};

constexpr int ChartJpegQuality = 80;

// The chart drawn by the same routine as the window, as a picture of `size` pixels or as SVG.
QImage RenderChartImage(const ChartModel& model, QSize size, const BarRange& range = {});
QByteArray RenderChartSvg(const ChartModel& model, QSize size, const BarRange& range = {});

// JPEG data of `image`, encoded by libjpeg; empty when the encoder fails.
QByteArray EncodeJpeg(const QImage& image, int quality = ChartJpegQuality);

// Each writes the whole file or leaves the old one in place; nothing on success.
std::optional<ExportFailure> SaveChartBitmap(const QImage& image, const std::string& path);
std::optional<ExportFailure> SaveChartJpeg(const QImage& image, const std::string& path,
                                           int quality = ChartJpegQuality);
std::optional<ExportFailure> SaveChartSvg(const QByteArray& svg, const std::string& path);

// Puts the chart on the clipboard as a picture and, for programs that take vector drawings, as SVG.
void CopyChartToClipboard(const QImage& image, const QByteArray& svg);

}  // namespace morvik

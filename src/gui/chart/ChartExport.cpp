#include "chart/ChartExport.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

#include "chart/ChartPainter.h"
#include "common/AtomicFile.h"

namespace morvik {
namespace {

struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void LeaveOnJpegError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->jump, 1);
}

void IgnoreJpegMessage(j_common_ptr) {}

// libjpeg reports errors by a long jump, so this stays plain C: no object with a destructor lives here.
bool CompressRgbRows(const unsigned char* pixels, int width, int height, int stride, int quality,
                     unsigned char** output, unsigned long* outputSize)
{
    jpeg_compress_struct info;
    JpegErrorManager error;
    info.err = jpeg_std_error(&error.base);
    error.base.error_exit = LeaveOnJpegError;
    error.base.output_message = IgnoreJpegMessage;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, output, outputSize);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(pixels + static_cast<size_t>(info.next_scanline) * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

std::optional<ExportFailure> WriteWhole(const std::string& path, const QByteArray& content)
{
    if (WriteFileAtomically(path, std::string_view(content.constData(), static_cast<size_t>(content.size())))) {
        return std::nullopt;
    }
    return ExportFailure{path + ": " + std::strerror(errno)};
}

}  // namespace

QImage RenderChartImage(const ChartModel& model, QSize size, const BarRange& range)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(painter, model, QRect(QPoint(0, 0), size), ChartViewState{range, std::nullopt, std::nullopt});
    return image;
}

QByteArray RenderChartSvg(const ChartModel& model, QSize size, const BarRange& range)
{
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96);
    QPainter painter(&generator);
    PaintChart(painter, model, QRect(QPoint(0, 0), size), ChartViewState{range, std::nullopt, std::nullopt});
    painter.end();
    return svg;
}

QByteArray EncodeJpeg(const QImage& image, int quality)
{
    if (image.isNull()) { return {}; }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
    const bool ok = CompressRgbRows(rgb.constBits(), rgb.width(), rgb.height(), static_cast<int>(rgb.bytesPerLine()),
                                    quality, &output, &outputSize);
    QByteArray jpeg;
    if (ok && output) { jpeg = QByteArray(reinterpret_cast<const char*>(output), static_cast<qsizetype>(outputSize)); }
    std::free(output);
    return jpeg;
}

std::optional<ExportFailure> SaveChartBitmap(const QImage& image, const std::string& path)
{
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        return ExportFailure{writer.errorString().toStdString()};
    }
    return WriteWhole(path, bitmap);
}

std::optional<ExportFailure> SaveChartJpeg(const QImage& image, const std::string& path, int quality)
{
    const QByteArray jpeg = EncodeJpeg(image, quality);
    if (jpeg.isEmpty()) { return ExportFailure{"JPEG encoding failed"}; }
    return WriteWhole(path, jpeg);
}

std::optional<ExportFailure> SaveChartSvg(const QByteArray& svg, const std::string& path)
{
    return WriteWhole(path, svg);
}

void CopyChartToClipboard(const QImage& image, const QByteArray& svg)
{
    auto* data = new QMimeData;
    data->setImageData(image);
    if (!svg.isEmpty()) { data->setData(QStringLiteral("image/svg+xml"), svg); }
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace morvik

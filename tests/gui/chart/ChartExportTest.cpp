// Chart files and the clipboard: each export writes a complete, readable picture of the chart.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTest.h"
#include "TestCharts.h"
#include "chart/ChartView.h"

using namespace morvik;

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ChartModel ExportedChart()
{
    ChartModel chart = test::BarChart({0.2, 0.5, 0.3}, RgbColour(255, 0, 0));
    chart.titleLines = {"Histogram :     beam.dis   * A  (A=1)"};
    chart.bottomAxisTitle = "Value  x";
    chart.main.marks.visible = true;
    return chart;
}

}  // namespace

class ChartExportTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        view_ = std::make_unique<ChartView>();
        view_->setModel(ExportedChart());
        view_->resize(480, 320);
        QVERIFY(folder_.isValid());
    }

    void bitmapIsAReadableBmp()
    {
        const QString path = folder_.filePath("chart.bmp");
        QVERIFY(!view_->saveBitmap(path.toStdString()));
        QVERIFY(FileBytes(path).startsWith("BM"));
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("bmp"));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(480, 320));
        QCOMPARE(image.convertToFormat(QImage::Format_RGB32), view_->toImage().convertToFormat(QImage::Format_RGB32));
    }

    void jpegIsACompleteJpegOfTheChart()
    {
        const QString path = folder_.filePath("chart.jpg");
        QVERIFY(!view_->saveJpeg(path.toStdString()));
        const QByteArray bytes = FileBytes(path);
        QVERIFY(bytes.startsWith("\xFF\xD8"));
        QVERIFY(bytes.endsWith("\xFF\xD9"));
        const QImage decoded = QImage::fromData(bytes, "JPG");
        QCOMPARE(decoded.size(), QSize(480, 320));
        // The tallest (red) bar comes through the lossy encoding.
        const ChartLayout& layout = view_->chartLayout();
        const auto [left, right] = layout.BarSpan(1);
        const QColor pixel = decoded.pixelColor((left + right) / 2, layout.ValueToY(0.25));
        QVERIFY2(pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60, qPrintable(pixel.name()));
    }

    void higherQualityMeansLargerJpeg()
    {
        const QImage image = view_->toImage();
        QVERIFY(EncodeJpeg(image, 95).size() > EncodeJpeg(image, ChartJpegQuality).size());
        QVERIFY(EncodeJpeg(QImage()).isEmpty());
    }

    void svgIsAValidDrawingOfTheChartSize()
    {
        const QString path = folder_.filePath("chart.svg");
        QVERIFY(!view_->saveSvg(path.toStdString()));
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(0, 0, 480, 320));
        QVERIFY(FileBytes(path).contains("beam.dis"));
    }

    void failedExportSaysWhyAndLeavesNoFile()
    {
        const QString path = folder_.filePath("missing-folder/chart.jpg");
        const std::optional<ExportFailure> failure = view_->saveJpeg(path.toStdString());
        QVERIFY(failure);
        QVERIFY(!failure->reason.empty());
        QVERIFY(!QFile::exists(path));
        QVERIFY(view_->saveBitmap(path.toStdString()));
        QVERIFY(view_->saveSvg(path.toStdString()));
    }

    void clipboardGetsPictureAndSvg()
    {
        view_->copyToClipboard();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        QVERIFY(data->hasImage());
        QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(), QSize(480, 320));
        QVERIFY(QSvgRenderer(data->data("image/svg+xml")).isValid());
    }

private:
    QTemporaryDir folder_;
    std::unique_ptr<ChartView> view_;
};

MORVIK_GUI_TEST(ChartExportTest);
#include "ChartExportTest.moc"

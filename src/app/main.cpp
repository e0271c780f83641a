// A first start of the desktop program: one window with the chart of an example histogram.
// "--screenshot FILE" saves a picture of the window and quits.
#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "chart/ChartView.h"
#include "dialogs/QtDialogSeam.h"
#include "statlib/NumberText.h"

namespace {

using namespace morvik;

// Loads of a beam: a skewed bell over 0.5 .. 39.5 kN, with a value query up to the 24th interval.
ChartModel ExampleChart(int bars)
{
    const Colour barColour = RgbColour(0, 0, 255);
    const Colour queryColour = RgbColour(255, 0, 0);
    ChartModel chart;
    chart.titleLines = {" ( " + QDate::currentDate().toString("d.M.yyyy").toStdString() + " , " +
                            QTime::currentTime().toString("hh:mm:ss").toStdString() + " )",
                        "Histogram :     Beam-load.dis   * A  (A=1)"};
    chart.titleColour = RgbColour(0, 0, 128);
    chart.backgroundColour = RgbColour(236, 236, 236);
    chart.bottomAxisTitle = "Value  x";
    chart.leftAxisTitle = "P(x)";
    chart.crossCursor = true;
    chart.legend = {true, "Histogram", {{"f(x)", barColour}, {"P(X<=x)", queryColour}}, barColour};

    const double min = 0.5;
    const double width = 39.0 / (bars - 1);
    double total = 0;
    std::vector<double> weights;
    for (int i = 0; i < bars; ++i) {
        const double x = min + i * width;
        weights.push_back(std::pow(x, 3) * std::exp(-x / 4.5));
        total += weights.back();
    }
    const int queried = bars * 6 / 10;
    for (int i = 0; i < bars; ++i) {
        const double p = weights[i] / total;
        const std::string label = StrBottomGraf(p, i == bars - 1 ? 39.5 : min + i * width);
        chart.main.bars.push_back({p, barColour, label});
        chart.overlay.bars.push_back({p, i < queried ? queryColour : barColour, label});
    }
    chart.overlay.marks = {MarkStyle::Value, 90, bars <= 60};
    return chart;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Morvik");

    QCommandLineParser parser;
    QCommandLineOption screenshot("screenshot", "Save a picture of the window and quit.", "file");
    QCommandLineOption bars("bars", "Intervals of the example histogram.", "count", "40");
    parser.addOptions({screenshot, bars});
    parser.addHelpOption();
    parser.process(application);

    morvik::QtDialogSeam dialogs;
    morvik::InstallDialogSeam(&dialogs);

    QWidget window;
    window.setObjectName("TForm1");
    window.setWindowTitle("Morvik");
    auto* layout = new QVBoxLayout(&window);
    auto* chart = new morvik::ChartView(&window);
    chart->setObjectName("Chart1");
    chart->setModel(ExampleChart(std::clamp(parser.value(bars).toInt(), 2, 1024)));
    layout->addWidget(chart);
    window.resize(900, 560);
    dialogs.SetParentWidget(&window);
    window.show();

    if (parser.isSet(screenshot)) {
        QTimer::singleShot(300, [&] {
            window.grab().save(parser.value(screenshot));
            QApplication::quit();
        });
    }
    return QApplication::exec();
}

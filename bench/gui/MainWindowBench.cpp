// Opening a histogram of 1024 intervals in the main window and drawing the window: the file read, the chart
// and the interval table of 2,051 rows.
#include <QApplication>
#include <QPixmap>
#include <QTableWidget>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include <benchmark/benchmark.h>

#include "BenchFiles.h"
#include "chart/ChartColour.h"
#include "histogram/HistogramFile.h"
#include "kit/IntervalTableView.h"
#include "mainwindow/MainWindow.h"
#include "shell/Folders.h"
#include "windows/WindowContext.h"

namespace {

using morvik::bench::FullFileText;

void OpenAndDraw1024Intervals(benchmark::State& state)
{
    QTemporaryDir temp;
    morvik::WindowContext context;
    context.folders = morvik::MakeFolders(temp.path().toStdString(), std::string());
    for (const std::string& folder : context.folders.FamilyTree()) std::filesystem::create_directories(folder);
    const std::string path = context.folders.HistogramsRoot + "/Loads/full.dis";
    std::ofstream(path, std::ios::binary) << FullFileText();

    morvik::MainWindow window(context, "bench");
    window.resize(1024, 700);
    window.show();
    for (auto _ : state) {
        window.OpenHistogram(path);
        const QPixmap picture = window.grab();  // lays out and paints everything a user would see
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}
BENCHMARK(OpenAndDraw1024Intervals)->Unit(benchmark::kMillisecond);

// The interval table alone, filled and drawn: the kit's view, which builds only the rows it draws, against a
// table widget filled item by item up front, as the windows did before.
morvik::Histogram FullHistogram()
{
    return morvik::ParseHistogramText(FullFileText(), morvik::ReaderMode::Main, morvik::HistogramKind::Discrete)
        .histogram;
}

void IntervalTableView1024(benchmark::State& state)
{
    const morvik::Histogram h = FullHistogram();
    morvik::IntervalTableView table(nullptr, "StringGrid2");
    table.resize(244, 600);
    for (auto _ : state) {
        morvik::IntervalTableContent content;
        content.rows = morvik::IntervalTableRowCount(h, morvik::HistogramKind::Discrete);
        content.text = [&h](int row) { return morvik::IntervalTableRowAt(h, morvik::HistogramKind::Discrete, row); };
        content.shade = [&h](int row) {
            return morvik::IntervalRowShade(h, morvik::HistogramKind::Discrete, row, morvik::TableHighlight::None, {});
        };
        table.Show(std::move(content));
        benchmark::DoNotOptimize(table.grab().cacheKey());
    }
}
BENCHMARK(IntervalTableView1024)->Unit(benchmark::kMillisecond);

void ItemFilledTable1024(benchmark::State& state)
{
    const morvik::Histogram h = FullHistogram();
    QTableWidget table(0, 3);
    table.resize(244, 600);
    for (auto _ : state) {
        const auto rows = morvik::IntervalTableTexts(h, morvik::HistogramKind::Discrete);
        table.setUpdatesEnabled(false);
        table.clearContents();
        table.setRowCount(static_cast<int>(rows.size()));
        for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
            const morvik::RowShade shade =
                morvik::IntervalRowShade(h, morvik::HistogramKind::Discrete, row, morvik::TableHighlight::None, {});
            for (int column = 0; column < 3; ++column) {
                auto* item = new QTableWidgetItem(QString::fromStdString(rows[row][column]));
                if (shade != morvik::RowShade::None)
                    item->setBackground(morvik::ToQColor(morvik::RowShadeColour(shade)));
                table.setItem(row, column, item);
            }
        }
        table.setUpdatesEnabled(true);
        benchmark::DoNotOptimize(table.grab().cacheKey());
    }
}
BENCHMARK(ItemFilledTable1024)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

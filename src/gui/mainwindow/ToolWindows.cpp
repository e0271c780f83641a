#include "mainwindow/ToolWindows.h"

#include <QAction>

#include "combination/CombinationWindow.h"
#include "combination/SummationWindow.h"
#include "distribution/DistributionFunctionWindow.h"
#include "editor/HistogramEditor.h"
#include "localization/MainWindowNames.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/TableWindows.h"
#include "parametric/ParametricWindow.h"
#include "rawdata/RawDataWindow.h"
#include "windows/ToolWindow.h"
#include "windows/WindowContext.h"

namespace morvik {

ToolWindows::ToolWindows(MainWindow& main, WindowContext& context)
{
    auto live = [&main] { return main.Options(); };
    // A chart window's choice of index or value labels: the main window follows and tells the others.
    auto followLabels = [&main](bool indexLabels) {
        if (indexLabels) main.IndexLabelsClick();
        else main.ValueLabelsClick();
    };

    auto* combination = new CombinationWindow(context);
    combination->SetMainOptions(live);
    windows_.emplace_back(combination);
    main.SetToolWindow(1, combination, [&main, combination] {
        combination->SetKindOfUntypedFiles(main.Model().Kind);
        combination->Start();
    });

    auto* summation = new SummationWindow(context);
    summation->SetMainOptions(live);
    windows_.emplace_back(summation);
    main.SetToolWindow(2, summation, [&main, summation] {
        summation->SetKindOfUntypedFiles(main.Model().Kind);
        summation->Start();
    });

    auto* parametric = new ParametricWindow(context);
    windows_.emplace_back(parametric);
    QObject::connect(parametric, &ParametricWindow::indexLabelsChanged, &main, followLabels);
    main.SetToolWindow(3, parametric, [&main, parametric] {
        parametric->SetMainWindowSettings(main.Options());
        parametric->Start();
    });

    auto* raw = new RawDataWindow(context);
    windows_.emplace_back(raw);
    QObject::connect(raw, &RawDataWindow::indexLabelsChanged, &main, followLabels);
    main.SetToolWindow(4, raw, [&main, raw] {
        raw->SetMainWindowSettings(main.Options());
        raw->Start();
    });

    // The distribution function of the histogram shown; the main window waits while it is open.
    distribution_ = std::make_unique<DistributionFunctionWindow>(context);
    DistributionFunctionWindow* distribution = distribution_.get();
    QObject::connect(distribution, &DistributionFunctionWindow::indexLabelsChanged, &main, followLabels);
    QObject::connect(distribution, &ToolWindow::closed, &main, [&main] {
        main.ClearQueryOverlay();
        main.setEnabled(true);
    });
    auto* open = main.findChild<QAction*>(QString::fromLatin1(names::KrivkaTrvZat));
    QObject::connect(open, &QAction::triggered, &main, [&main, distribution] {
        const MainModel& shown = main.Model();
        if (!shown.HasHistogram()) return;
        distribution->SetMainWindowSettings(main.Options());
        const ChartModel& chart = main.ChartContent();
        main.setEnabled(false);
        if (!distribution->Open(shown.ResultHistogram, shown.Kind, shown.Name, chart.titleLines, chart.titleColour)) {
            main.setEnabled(true);
        }
    });

    // The new-histogram editor; a saved histogram goes to the main window, which waits while it is open.
    editor_ = std::make_unique<HistogramEditor>(context);
    HistogramEditor* editor = editor_.get();
    QObject::connect(editor, &ToolWindow::resultReady, &main, &MainWindow::PublishResult);
    QObject::connect(editor, &ToolWindow::closed, &main, [&main, editor] {
        if (!editor->SavedFile().empty()) main.TakeHistogramFile(editor->SavedFile());
        main.setEnabled(true);
    });
    QObject::connect(main.findChild<QAction*>(QString::fromLatin1(names::Novyhistogram1)), &QAction::triggered, &main,
                     [&main, editor] {
                         main.ResetToEmpty();
                         main.setEnabled(false);
                         editor->Start();
                     });

    // "Histogram" in CBTypHist: the shown histogram into the editor, or a new one when none is shown.
    QObject::connect(&main, &MainWindow::correctionAsked, &main, [&main, editor] {
        const MainModel& shown = main.Model();
        if (!shown.HasHistogram()) {
            main.findChild<QAction*>(QString::fromLatin1(names::Novyhistogram1))->trigger();
            return;
        }
        main.setEnabled(false);
        editor->StartCorrection(shown.ResultHistogram, shown.Kind, shown.Name);
    });

    tables_ = std::make_unique<TableWindows>(main, context);
}

ToolWindows::~ToolWindows() = default;

ToolWindow* ToolWindows::Window(int item) const
{
    return item >= 1 && item <= static_cast<int>(windows_.size()) ? windows_[item - 1].get() : nullptr;
}

}  // namespace morvik

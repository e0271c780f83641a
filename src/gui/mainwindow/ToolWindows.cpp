#include "mainwindow/ToolWindows.h"

#include "combination/CombinationWindow.h"
#include "combination/SummationWindow.h"
#include "mainwindow/MainWindow.h"
#include "parametric/ParametricWindow.h"
#include "rawdata/RawDataWindow.h"
#include "windows/ToolWindow.h"
#include "windows/WindowContext.h"

namespace morvik {

ToolWindows::ToolWindows(MainWindow& main, WindowContext& context)
{
    auto live = [&main] { return main.Options(); };

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
    QObject::connect(parametric, &ParametricWindow::indexLabelsChanged, &main, [&main](bool indexLabels) {
        if (indexLabels) main.IndexLabelsClick();
        else main.ValueLabelsClick();
    });
    main.SetToolWindow(3, parametric, [&main, parametric] {
        parametric->SetMainWindowSettings(main.Options());
        parametric->Start();
    });

    auto* raw = new RawDataWindow(context);
    windows_.emplace_back(raw);
    QObject::connect(raw, &RawDataWindow::indexLabelsChanged, &main, [&main](bool indexLabels) {
        if (indexLabels) main.IndexLabelsClick();
        else main.ValueLabelsClick();
    });
    main.SetToolWindow(4, raw, [&main, raw] {
        raw->SetMainWindowSettings(main.Options());
        raw->Start();
    });
}

ToolWindows::~ToolWindows() = default;

ToolWindow* ToolWindows::Window(int item) const
{
    return item >= 1 && item <= static_cast<int>(windows_.size()) ? windows_[item - 1].get() : nullptr;
}

}  // namespace morvik

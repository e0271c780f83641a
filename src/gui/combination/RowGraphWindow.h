#pragma once
#include <functional>

#include "combination/RowGraph.h"
#include "shell/MainWindowSettings.h"
#include "windows/ToolWindow.h"

class QFrame;
class QTableWidget;
class QToolButton;

namespace morvik {

class IntervalTableView;

class ChartToolbar;

class ChartView;

// The main window's options as they stand (label mode, colours, chart toolbar, row colouring).
using MainOptionsFn = std::function<MainWindowSettings()>;

// The quick look of the combination and summation tables (TForm11): the histogram of one table row or the
// result of a computation as a bar chart, with Min, Max, the interval count and the interval table. It stays
// on top and closes as soon as another window is activated.
class RowGraphWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit RowGraphWindow(WindowContext& context, QWidget* parent = nullptr);

    // Fills the chart and both grids from `graph` and shows the window.
    void ShowGraph(const GraphContent& graph);
    // Empties the chart (the tables do so when they close).
    void ClearSeries();
    // Where the main window's options come from; by default they are read from the settings file.
    void SetMainOptions(MainOptionsFn options) { options_ = std::move(options); }
    MainWindowSettings MainOptions();

    void ApplyLanguage(Language language) override;
    void ReadSettings() override;

    ChartView* Chart() const { return chart_; }

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FillSummary(const GraphContent& graph);
    void FillIntervalTable(const GraphContent& graph);
    // The chart toolbar shows only on a window as wide as the screen, when the main window's option asks for it.
    void PlaceToolbar();

    ChartView* chart_;
    ChartToolbar* toolbar_;         // Panel2
    QTableWidget* summary_;         // StringGrid1
    IntervalTableView* intervals_;  // StringGrid2
    std::string leftAxisTitle_;
    MainOptionsFn options_;
};

}  // namespace morvik

#pragma once
#include <memory>
#include <vector>

namespace morvik {

class DistributionFunctionWindow;
class HistogramEditor;
class MainWindow;
class TableWindows;
class ToolWindow;
struct WindowContext;

// The tool windows of a run, created once at start-up, hidden until the main window's CBTypHist opens one,
// and registered with the main window so that it can start them and take over their results.
class ToolWindows {
public:
    ToolWindows(MainWindow& main, WindowContext& context);
    ~ToolWindows();
    ToolWindows(const ToolWindows&) = delete;
    ToolWindows& operator=(const ToolWindows&) = delete;

    // The window behind an item of CBTypHist (1 combination, 2 summation, 3 parametric, 4 raw data), or nullptr.
    ToolWindow* Window(int item) const;
    // The distribution-function window the main window's KrivkaTrvZat opens.
    DistributionFunctionWindow* Distribution() const { return distribution_.get(); }
    // The new-histogram editor the main window's Novyhistogram1 opens.
    HistogramEditor* Editor() const { return editor_.get(); }
    // The tables and listings of the main window's histogram and file.
    TableWindows& Tables() const { return *tables_; }

private:
    std::vector<std::unique_ptr<ToolWindow>> windows_;
    std::unique_ptr<DistributionFunctionWindow> distribution_;
    std::unique_ptr<HistogramEditor> editor_;
    std::unique_ptr<TableWindows> tables_;
};

}  // namespace morvik

#pragma once
#include <memory>

namespace morvik {

class ControlListingWindow;
class FileListingWindow;
class HistogramTableWindow;
class MainWindow;
struct WindowContext;

// The tables and listings of the main window, created once at start-up and hidden until a command shows one:
// the frequency and probability table (PopisVysledku1, Popis) as TForm3 or TForm9 by the histogram's kind, the
// listing of the current file (VypisVstHist, VypisHist) and the control listing of every file read while
// KontVypis is ticked.
class TableWindows {
public:
    TableWindows(MainWindow& main, WindowContext& context);
    ~TableWindows();
    TableWindows(const TableWindows&) = delete;
    TableWindows& operator=(const TableWindows&) = delete;

    HistogramTableWindow* ValueTable() const { return valueTable_.get(); }        // TForm3, Pure Discrete
    HistogramTableWindow* IntervalTable() const { return intervalTable_.get(); }  // TForm9, Discrete
    ControlListingWindow* ControlListing() const { return controlListing_.get(); }
    FileListingWindow* FileListing() const { return fileListing_.get(); }

private:
    std::unique_ptr<HistogramTableWindow> valueTable_;
    std::unique_ptr<HistogramTableWindow> intervalTable_;
    std::unique_ptr<ControlListingWindow> controlListing_;
    std::unique_ptr<FileListingWindow> fileListing_;
};

}  // namespace morvik

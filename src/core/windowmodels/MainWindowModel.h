#pragma once
#include <optional>
#include <string>
#include <vector>

#include "chart/ChartModel.h"
#include "common/Message.h"
#include "histogram/IntervalTable.h"
#include "histogram/MainModel.h"
#include "shell/MainWindowSettings.h"
#include "shell/ReOpenStack.h"
#include "shell/SettingsFile.h"

namespace morvik {

// The main window (TForm1) without any widget: the current histogram, the options, the ReOpen stack and the
// command sequences that touch more than one of them, and everything the window shows of them (the chart's
// content, the interval table's rows and shades). The Qt window binds its widgets to this model, asks the
// dialogs, and shows what the model returns.
class MainWindowModel {
public:
    MainModel Current;           // the current histogram and its queries
    MainWindowSettings Options;  // read from and written to the settings file
    ReOpenStack Stack;
    bool MarksShown = false;  // CheckBox1: the marks above the bars

    // What the chart shows now. Without a histogram: the title lines and axis titles only.
    ChartModel Chart() const;
    // A redraw of the histogram: new title lines stamped with `date` and `time`, the table's marking and the
    // one-time title note cleared.
    void StampTitle(const std::string& date, const std::string& time);
    // Takes a query's answer off the chart.
    void ClearOverlay() { overlay_ = {}; }
    bool OverlayShown() const { return overlay_.mode != QueryMode::None; }

    // The interval table of the shown histogram and the background of its row `row` (None when the coloured
    // rows are switched off).
    std::vector<IntervalTableRow> IntervalRows() const;
    RowShade ShadeOfRow(int row) const;

    // Opening a file the user chose (the open dialog or the command line): a file outside the category folders
    // of `histogramsRoot` gives message 499; a readable one becomes current and goes on the ReOpen stack.
    std::optional<Message> OpenChosenHistogram(const std::string& path, const std::string& histogramsRoot);
    // Saving the shown histogram to `path`: on success the query's answer leaves the chart, the settings file
    // remembers the file and the ReOpen stack takes it at multiple 1.
    std::optional<Message> SaveHistogramAs(const std::string& path, SettingsFile& settings);
    // Writing the results report to `path`; the settings file remembers it even when the writing fails.
    std::optional<Message> SaveResultsAs(const std::string& path, SettingsFile& settings, const std::string& date,
                                         const std::string& time, const std::string& version);
    // A new multiple typed over the histogram named `shownName`; the ReOpen stack learns it. `stackChanged`
    // tells the window to refresh the ReOpen menu.
    struct MultipleStep {
        std::optional<Message> message;
        bool stackChanged = false;
    };
    MultipleStep ChangeMultiple(const std::string& text, const std::string& shownName);

    // Opening entry `index` of the ReOpen table with the multiple now shown; on success the entry learns the
    // interval count. `refusal` is the reader's message, shown first; `removeQuestion` (message 10 for a file
    // that is gone, 28 for one that cannot be read) is asked next, and Yes removes the entry from the stack.
    struct ReOpenStep {
        bool opened = false;
        std::string file;
        std::optional<Message> refusal;
        std::optional<Message> removeQuestion;
    };
    ReOpenStep OpenReOpenEntry(int index);

    // The value and quantile query fields. `ended`: the field was empty and the query is over (the window
    // redraws); `cleared`: the entry lies outside the histogram and the field is emptied.
    struct QueryStep {
        std::optional<Message> message;
        bool ended = false;
        bool cleared = false;
        bool isOne = false;                                 // the quantile field shows "1"
        double density = 0, probability = 0, quantile = 0;  // f(x), F(x) and Qp of an answer
    };
    QueryStep AskValue(const std::string& text);
    QueryStep AskQuantile(const std::string& text);

private:
    // An empty field: the query ends and its answer leaves the chart.
    QueryStep EndQuery();
    // True when an entry gives no answer: refused (`message`), or outside the histogram (the field is emptied
    // and the answer leaves the chart).
    bool Unanswered(QueryStep& step, const std::optional<Message>& message, bool inRange);

    struct Overlay {
        QueryMode mode = QueryMode::None;
        int marked = 0;  // how many bars, from the first, make up the answer
    };
    Overlay overlay_;
    std::vector<std::string> titleLines_;
    TableHighlight highlight_ = TableHighlight::None;
    std::optional<double> highlightLimit_;
};

}  // namespace morvik

#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/Message.h"
#include "histogram/Histogram.h"
#include "histogram/HistogramFile.h"
#include "histogram/Queries.h"
#include "histogram/ResultsReport.h"

namespace morvik {

enum class QueryMode { None, Value, Quantile };

// The main window's current histogram and its commands, without any widget. The window binds its controls to
// this state and shows the messages the commands return.
//
// The histogram is held twice: InputHistogram at multiple 1, as read or taken over, and ResultHistogram, the
// input times MultipleA with its empty end intervals removed, which is what is shown, queried, saved and
// reported.
class MainModel {
public:
    Histogram InputHistogram;
    Histogram ResultHistogram;
    HistogramKind Kind = HistogramKind::PureDiscrete;  // before any histogram has been read
    double MultipleA = 1;
    std::string MultipleText = "1.00";
    int64_t FrequencySum = 0;
    std::string HistogramFile;
    std::string HistogramFolder;
    std::string Name;  // empty: no histogram is present
    bool HistogramLoaded = false;
    QueryMode Query = QueryMode::None;
    std::string QuantileText = "0.1";
    std::string TitleNote;  // the optional third title line, cleared by the next redraw
    // The header texts of the last file read (the input panel shows them).
    std::string InputBinsText = "0";
    std::string InputTotalText = "0";

    bool HasHistogram() const { return !Name.empty(); }

    // Reads a histogram file. On success it becomes the current histogram (with `reopenMultipleText`, the
    // multiple stored with a ReOpen entry, else 1); a refused file leaves everything as it was.
    std::optional<Message> OpenHistogramFile(const std::string& path,
                                             const std::optional<std::string>& reopenMultipleText = std::nullopt);

    // A new entry of the multiple A; returns the message to show first (the state is valid either way).
    std::optional<Message> SetMultiple(const std::string& text);

    // The value query P(X <= x) and the quantile query for the texts of the query fields. An empty text ends
    // the query; an entry that is not a number gives message 20.
    struct ValueAnswer {
        std::optional<Message> message;
        ValueQueryResult result;
    };
    struct QuantileAnswer {
        std::optional<Message> message;
        QuantileQueryResult result;
        bool isOne = false;  // the field then shows "1"
    };
    ValueAnswer AskValue(const std::string& text);
    QuantileAnswer AskQuantile(const std::string& text);
    void ClearQuery() { Query = QueryMode::None; }

    // A new Min or Max typed over the shown histogram; `changed` tells whether the histogram moved.
    struct RangeAnswer {
        bool changed = false;
        std::optional<Message> message;
    };
    RangeAnswer SetRangeEnd(RangeEnd end, const std::string& text);

    // The absolute-value command is offered while the shown histogram reaches below zero.
    bool AbsoluteValueEnabled() const { return HasHistogram() && ResultHistogram.Min < 0; }
    // Replaces the shown histogram by the histogram of its absolute value; the multiple becomes 1, since the
    // new histogram already holds it.
    void TakeAbsoluteValue();

    // Hands over a histogram computed by a tool window: it becomes both records, at multiple 1.
    void PublishResult(const Histogram& result, HistogramKind kind, const std::string& name,
                       const std::string& titleNote = std::string());
    // Back to the start state (no histogram).
    void Reset();

    // Saves the shown histogram; a failure (message 22) leaves an existing file as it was.
    std::optional<Message> SaveHistogram(const std::string& path);
    // Writes the results report of the shown histogram.
    std::optional<Message> SaveResults(const std::string& path, const std::string& date, const std::string& time,
                                       const std::string& version) const;
    std::string ResultsText(const std::string& date, const std::string& time, const std::string& version) const;

    // The texts of the result characteristics grid and of the input panel (intervals, total, kind).
    std::array<std::string, 5> ResultGridTexts() const;
    std::array<std::string, 3> InputPanelTexts() const;
    // The characteristics text of the "Char" command; message 215 below 3 intervals.
    std::string CharacteristicsDialogText() const;
    // The frequency total the characteristics use: the result's Total.
    double FrequencyTotal() const { return ResultHistogram.Total; }

private:
    void Rescale();
    // The number of a query field, or nothing (an empty field ends the query; a bad entry sets `message`).
    std::optional<double> ReadQueryField(const std::string& text, std::optional<Message>& message);
};

}  // namespace morvik

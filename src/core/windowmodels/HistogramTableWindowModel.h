#pragma once
#include <optional>
#include <string>
#include <vector>

#include "common/Colour.h"
#include "common/Message.h"
#include "editor/HistogramTables.h"
#include "histogram/MainModel.h"

namespace morvik {

struct HistogramTableOpening;

// The frequency and probability table of the histogram the main window shows (TForm3 for Pure Discrete, TForm9
// for Discrete) without any widget: what it shows, how its rows are shaded, and its spreadsheet export.
// The table is a snapshot: it is built when the command runs and the window closes before the main window's
// histogram or query can change.
class HistogramTableWindowModel {
public:
    // What the main window passes: its current histogram, the texts of its query fields EditXY and EditP,
    // and its plain-table option Ne1.
    struct Source {
        const MainModel& shown;
        std::string valueText;
        std::string quantileText;
        bool plainTable = false;
    };
    // The table command: message 25 (an error) when no histogram is shown.
    static HistogramTableOpening Open(const Source& source);

    // 3 for a Pure Discrete histogram, 9 for a Discrete one.
    int FormNumber() const;
    // The window's caption and hint: the histogram name up to its first ".".
    std::string Caption() const;

    const std::vector<HistogramTableRow>& Rows() const { return rows_; }
    // The background of a cell, or nothing for the grid's own; the totals row is shaded in columns 1 to 3.
    std::optional<Colour> CellBackground(int row, int column) const;

    // KontTisk: writes the workbook of the table into `resultsFolder` under the histogram's name. The path
    // written, or the message of the failure (nothing is left behind then).
    struct WorkbookWrite {
        std::optional<Message> message;
        std::string path;
    };
    WorkbookWrite WriteWorkbook(const std::string& resultsFolder) const;

private:
    HistogramTableWindowModel() = default;

    Histogram histogram_;
    HistogramKind kind_ = HistogramKind::Discrete;
    std::string name_;
    TableQuery query_;
    bool plainTable_ = false;
    std::vector<HistogramTableRow> rows_;
};

struct HistogramTableOpening {
    std::optional<Message> refusal;
    std::optional<HistogramTableWindowModel> model;
};

// The query a table marks, from the main window's active query and its query fields: the value query marks by
// the x typed in EditXY, the quantile query by the P typed in EditP; a field that holds no number marks nothing.
TableQuery TableQueryOf(QueryMode mode, const std::string& valueText, const std::string& quantileText);

}  // namespace morvik

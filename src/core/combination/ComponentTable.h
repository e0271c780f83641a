#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "combination/RowHistogram.h"
#include "combination/TableFile.h"
#include "common/Message.h"
#include "histogram/Histogram.h"

namespace morvik {

enum class TableKind { Combination, Summation };

// What distinguishes the combination table from the summation table.
struct TableLayout {
    TableKind kind;
    int columns;              // grid columns, the row label column included (8 or 9)
    int tableRows;            // rows that can hold a histogram (10 or 16)
    const char* labelPrefix;  // the row label is this prefix followed by the row number
    int deleteQuestion;       // message asked before a row is erased
};
const TableLayout& CombinationLayout();
const TableLayout& SummationLayout();

// The columns of both tables.
namespace TableColumn {
constexpr int Label = 0, Multiple = 1, FileName = 2, Min = 3, Max = 4, Bins = 5, Folder = 6, Note = 7, Weight = 8;
}

// What a click on a cell allows: editing it, and which in-cell button it offers.
struct CellSelection {
    bool editable = false;
    bool offerOpenButton = false;   // load a histogram file into the row
    bool offerGraphButton = false;  // show the row's histogram
};

// What the key filter of the multiple and weight columns makes of a typed character.
struct FilteredKey {
    bool accepted = true;  // false: the key is swallowed
    bool beep = false;
    char key = 0;
};

// Asks a Yes/No question; true for Yes.
using AskYesNoFn = std::function<bool(const Message& question)>;

// The state and commands of a table of component histograms, shared by the combination and summation
// windows. Row r (1 to tableRows) holds a histogram when its file name cell is not empty; the file name and
// the other cells a load fills can only be changed by loading, deleting or opening a table file, so such a
// row always has a usable record.
class ComponentTable {
public:
    explicit ComponentTable(const TableLayout& layout);
    virtual ~ComponentTable() = default;

    const TableLayout& Layout() const { return layout_; }
    int Columns() const { return columns_; }  // the grid as shown, headings included
    int Rows() const { return rows_; }
    const std::string& Cell(int row, int column) const;  // empty outside the grid
    // The cells a user may type into (the multiple, the note and the weight of a filled row); false otherwise.
    bool SetCell(int row, int column, const std::string& text);
    // Whether SetCell would take a text for this cell.
    bool IsEditableCell(int row, int column) const;
    // Headings of row 0 (the caption set gives those of the multiple, bins, folder, note and weight columns).
    void SetHeading(int column, const std::string& text);

    bool HoldsHistogram(int row) const;
    const RowHistogram& Record(int row) const;  // row 1 to tableRows
    int FilledRows() const;                     // how many rows hold a histogram
    std::vector<int> FilledRowNumbers() const;  // those rows, ascending
    int SelectedRow() const { return selectedRow_; }
    // The label MaxIntKom / MaxIntSum: the largest interval count of the filled rows, 0 when none.
    int MaxIntervals() const;

    // DelRow, SaveKomb/SaveSuma and VypocetKomb/VypocetSuma.
    bool DelRowEnabled() const { return delRowEnabled_; }
    bool SaveEnabled() const { return saveEnabled_; }
    bool ComputeEnabled() const { return computeEnabled_; }

    // CombinationDone / SummationDone, and the histogram a successful computation gave.
    bool Done() const { return done_; }
    const Histogram& Result() const { return result_; }
    // Grows with every successful computation, so that a window can tell whether a command gave a new result
    // (a question answered ends the command without one, and Done() may still hold an earlier result).
    int ResultNumber() const { return resultNumber_; }

    // Writes the row labels and empties the rows; the grid gets its own shape back.
    void Clear();
    CellSelection SelectCell(int row, int column);
    FilteredKey FilterKey(int column, char key) const;

    // Loads a histogram file into a row: only from a category folder of `histogramsRoot` (message 499), then
    // with every check of the component reader. The row is emptied first and stays empty on any refusal.
    std::optional<Message> LoadRow(int row, const std::string& path, const std::string& histogramsRoot);
    // The same without the folder rule, for batch use.
    std::optional<Message> LoadRowFile(int row, const std::string& path);
    // The kind a file without a "Type=" line is read as: the main window's kind when the table was opened
    // (Pure Discrete before any histogram). Every such file of one table is read alike.
    void SetKindOfUntypedFiles(HistogramKind kind) { untypedKind_ = kind; }

    // "|  label  |  cell 1  |  ...  |  " over the row's columns.
    std::string RowText(int row) const;
    bool CanDeleteRow() const;
    Message DeleteQuestion() const;  // asked before DeleteSelectedRow
    void DeleteSelectedRow();

    // Table files: opening clears the table first; a damaged file leaves what could be read, without rows
    // whose histogram is missing.
    std::optional<Message> OpenTable(const std::string& path);
    std::optional<Message> SaveTable(const std::string& path) const;
    TableFileData FileData() const;

protected:
    // Empties the cells from `fromColumn` on.
    void EmptyRow(int row, int fromColumn);
    // Sets any cell of the grid; cells outside it are ignored.
    void SetCellText(int row, int column, const std::string& text);
    void FinishComputation(Histogram result);
    bool IsTableRow(int row) const;

private:
    std::optional<Message> ReadRow(int row, const std::string& path, const std::string& folderColumn);
    void Reshape(int columns, int rows);
    void EnableForFilledRows();

    const TableLayout& layout_;
    int columns_ = 0, rows_ = 0;
    std::vector<std::vector<std::string>> cells_;
    std::vector<std::string> headings_;
    std::vector<RowHistogram> records_;  // index 0 unused
    int selectedRow_ = 0;
    HistogramKind untypedKind_ = HistogramKind::PureDiscrete;
    bool delRowEnabled_ = false, saveEnabled_ = false, computeEnabled_ = false;
    bool done_ = false;
    int resultNumber_ = 0;
    Histogram result_;
};

}  // namespace morvik

#include "combination/ComponentTable.h"

#include <algorithm>

#include "common/NumberText.h"
#include "histogram/HistogramFile.h"
#include "localization/TextCis.h"

namespace morvik {
namespace {

const std::string NoText;

// The folder column of a loaded row: the folder from "Histograms" on.
std::string FolderColumnOf(const std::string& path, const std::string& histogramsRoot)
{
    const std::string folder = FolderOf(path);
    if (!histogramsRoot.empty() && folder.starts_with(histogramsRoot)) {
        return FileNameOf(histogramsRoot) + folder.substr(histogramsRoot.size());
    }
    for (size_t at = folder.find("/Histograms"); at != std::string::npos; at = folder.find("/Histograms", at + 1)) {
        const size_t end = at + 11;
        if (end == folder.size() || folder[end] == '/') return folder.substr(at + 1);
    }
    return folder;
}

bool IsNumericKey(char key, bool minusAllowed)
{
    return key == '\b' || key == '\r' || key == '+' || key == ',' || key == '.' || (key >= '0' && key <= '9') ||
           key == 'E' || key == 'e' || (minusAllowed && key == '-');
}

}  // namespace

const TableLayout& CombinationLayout()
{
    static const TableLayout layout{TableKind::Combination, 8, 10, "  ", 73};
    return layout;
}

const TableLayout& SummationLayout()
{
    static const TableLayout layout{TableKind::Summation, 9, 16, "   ", 63};
    return layout;
}

ComponentTable::ComponentTable(const TableLayout& layout)
    : layout_(layout),
      headings_(static_cast<size_t>(layout.columns)),
      records_(static_cast<size_t>(layout.tableRows) + 1)
{
    headings_[TableColumn::FileName] = "Histogram";
    headings_[TableColumn::Min] = "Min";
    headings_[TableColumn::Max] = "Max";
    Clear();
}

const std::string& ComponentTable::Cell(int row, int column) const
{
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return NoText;
    return cells_[row][column];
}

void ComponentTable::SetCellText(int row, int column, const std::string& text)
{
    if (row >= 0 && row < rows_ && column >= 0 && column < columns_) cells_[row][column] = text;
}

bool ComponentTable::IsTableRow(int row) const { return row >= 1 && row <= layout_.tableRows && row < rows_; }

bool ComponentTable::IsEditableCell(int row, int column) const
{
    const bool editableColumn = column == TableColumn::Multiple || column == TableColumn::Note ||
                                (layout_.kind == TableKind::Summation && column == TableColumn::Weight);
    return editableColumn && column < columns_ && HoldsHistogram(row);
}

bool ComponentTable::SetCell(int row, int column, const std::string& text)
{
    if (!IsEditableCell(row, column)) return false;
    cells_[row][column] = text;
    return true;
}

void ComponentTable::SetHeading(int column, const std::string& text)
{
    if (column < 0 || column >= layout_.columns) return;
    headings_[column] = text;
    if (column < columns_) cells_[0][column] = text;
}

bool ComponentTable::HoldsHistogram(int row) const
{
    return IsTableRow(row) && !Cell(row, TableColumn::FileName).empty();
}

const RowHistogram& ComponentTable::Record(int row) const { return records_.at(static_cast<size_t>(row)); }

std::vector<int> ComponentTable::FilledRowNumbers() const
{
    std::vector<int> rows;
    for (int row = 1; row <= layout_.tableRows; ++row) {
        if (HoldsHistogram(row)) rows.push_back(row);
    }
    return rows;
}

int ComponentTable::FilledRows() const { return static_cast<int>(FilledRowNumbers().size()); }

int ComponentTable::MaxIntervals() const
{
    int largest = 0;
    for (int row : FilledRowNumbers()) largest = std::max(largest, RoundedBins(records_[row]));
    return largest;
}

void ComponentTable::Reshape(int columns, int rows)
{
    columns_ = columns;
    rows_ = rows;
    cells_.assign(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(columns)));
    for (int column = 0; column < std::min(columns, layout_.columns); ++column) cells_[0][column] = headings_[column];
}

void ComponentTable::Clear()
{
    Reshape(layout_.columns, layout_.tableRows + 1);
    for (int row = 1; row <= layout_.tableRows; ++row) cells_[row][0] = layout_.labelPrefix + std::to_string(row);
    selectedRow_ = 0;
    delRowEnabled_ = saveEnabled_ = computeEnabled_ = false;
    done_ = false;
}

CellSelection ComponentTable::SelectCell(int row, int column)
{
    selectedRow_ = std::clamp(row, 0, rows_ - 1);
    CellSelection selection;
    const bool filled = HoldsHistogram(row);
    selection.editable = IsEditableCell(row, column);
    selection.offerGraphButton = filled && column == TableColumn::Folder && column < columns_;
    // An existing row can be replaced, or the first empty row filled.
    bool firstEmpty = false;
    if (IsTableRow(row) && !filled) {
        firstEmpty = true;
        for (int above = 1; above < row; ++above) firstEmpty = firstEmpty && HoldsHistogram(above);
    }
    selection.offerOpenButton = (filled || firstEmpty) && column == TableColumn::FileName && column < columns_;
    return selection;
}

FilteredKey ComponentTable::FilterKey(int column, char key) const
{
    FilteredKey result{true, false, key};
    const bool combination = layout_.kind == TableKind::Combination;
    if (combination && column != TableColumn::Multiple) return result;
    if (column == TableColumn::Multiple || (!combination && column == TableColumn::Weight)) {
        // A weight cannot be typed negative.
        if (!IsNumericKey(key, column == TableColumn::Multiple)) return {false, true, key};
    }
    if (key == 'e') result.key = 'E';
    if (key == '\r') result.accepted = false;
    if (key == ',') result.key = '.';
    return result;
}

void ComponentTable::EmptyRow(int row, int fromColumn)
{
    for (int column = fromColumn; column < columns_; ++column) cells_[row][column].clear();
}

std::optional<Message> ComponentTable::LoadRow(int row, const std::string& path, const std::string& histogramsRoot)
{
    if (!IsTableRow(row)) return std::nullopt;
    computeEnabled_ = saveEnabled_ = false;
    EmptyRow(row, TableColumn::Multiple);
    done_ = false;
    if (IsOutsideCategoryFolders(path, histogramsRoot)) {
        records_[row] = RowHistogram{};
        return CategoryFolderMessage(histogramsRoot);
    }
    return ReadRow(row, path, FolderColumnOf(path, histogramsRoot));
}

std::optional<Message> ComponentTable::LoadRowFile(int row, const std::string& path)
{
    if (!IsTableRow(row)) return std::nullopt;
    computeEnabled_ = saveEnabled_ = false;
    EmptyRow(row, TableColumn::Multiple);
    done_ = false;
    return ReadRow(row, path, FolderColumnOf(path, std::string()));
}

std::optional<Message> ComponentTable::ReadRow(int row, const std::string& path, const std::string& folderColumn)
{
    const HistogramRead read = ReadComponentFile(path, untypedKind_);
    if (!read.ok()) {
        EmptyRow(row, TableColumn::FileName);
        records_[row] = RowHistogram{};
        return read.message;
    }
    records_[row] = RowHistogramOf(read.histogram, records_[row]);
    auto set = [&](int column, std::string text) {
        if (column < columns_) cells_[row][column] = std::move(text);
    };
    set(TableColumn::Bins, read.binsText);
    set(TableColumn::Min, StrNaCarku(read.histogram.Min));
    set(TableColumn::Max, StrNaCarku(read.histogram.Max));
    set(TableColumn::FileName, FileNameOf(path));
    set(TableColumn::Folder, folderColumn);
    delRowEnabled_ = saveEnabled_ = computeEnabled_ = true;
    return std::nullopt;
}

std::string ComponentTable::RowText(int row) const
{
    std::string text = "|  " + Cell(row, 0) + "  |  ";
    for (int column = 1; column < layout_.columns; ++column) text += Cell(row, column) + "  |  ";
    return text;
}

bool ComponentTable::CanDeleteRow() const { return IsTableRow(selectedRow_) && FilledRows() != 0; }

Message ComponentTable::DeleteQuestion() const
{
    return Message::Confirmation(TextCis(layout_.deleteQuestion) + "\r\n\r\n" + RowText(selectedRow_));
}

void ComponentTable::DeleteSelectedRow()
{
    if (!CanDeleteRow()) return;
    done_ = false;
    const int last = std::min(layout_.tableRows, rows_ - 1);
    for (int row = selectedRow_; row < last; ++row) {
        for (int column = 1; column < columns_; ++column) cells_[row][column] = std::move(cells_[row + 1][column]);
        records_[row] = records_[row + 1];
    }
    EmptyRow(last, 1);
    records_[last] = RowHistogram{};
    delRowEnabled_ = saveEnabled_ = computeEnabled_ = FilledRows() > 0;
}

void ComponentTable::EnableForFilledRows()
{
    const int filled = FilledRows();
    delRowEnabled_ = saveEnabled_ = filled > 0;
    computeEnabled_ = filled > 1;
}

std::optional<Message> ComponentTable::OpenTable(const std::string& path)
{
    Clear();
    const TableFileRead read = ReadTableFile(path, layout_.tableRows);
    std::optional<Message> message = read.message;
    const TableFileData& data = read.data;
    if (data.columns > 0 && data.rows > 0) {
        Reshape(data.columns, data.rows);
        // Row 0 of the file holds the headings it was saved with; the window keeps its own.
        for (int row = 1; row < rows_; ++row) cells_[row] = data.cells[row];
        for (int row = 1; row <= data.completeRecords; ++row) records_[row] = data.records[row - 1];
        for (int row = 1; row <= layout_.tableRows && row < rows_; ++row) {
            if (!HoldsHistogram(row)) continue;
            if (row <= data.completeRecords && IsUsableRowHistogram(records_[row])) continue;
            // The file names a histogram it does not hold (whole): the row must not take part in a computation.
            EmptyRow(row, TableColumn::FileName);
            if (!message) {
                message = Message::Error("The table file " + FileNameOf(path) + " cannot be read: row " +
                                         std::to_string(row) + " holds no valid histogram.");
            }
        }
        selectedRow_ = std::min(1, rows_ - 1);
    }
    EnableForFilledRows();
    return message;
}

TableFileData ComponentTable::FileData() const
{
    TableFileData data;
    data.columns = columns_;
    data.rows = rows_;
    data.cells = cells_;
    data.records.assign(records_.begin() + 1, records_.end());
    data.completeRecords = layout_.tableRows;
    data.filledRows = FilledRows();
    return data;
}

std::optional<Message> ComponentTable::SaveTable(const std::string& path) const
{
    return WriteTableFile(path, FileData());
}

void ComponentTable::FinishComputation(Histogram result)
{
    result_ = std::move(result);
    done_ = true;
    ++resultNumber_;
}

}  // namespace morvik

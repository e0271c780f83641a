#include "combination/SummationTable.h"

#include <algorithm>

#include "combination/Computation.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/NumberParse.h"

namespace morvik {

std::optional<Message> SummationTable::Compute(const AskYesNoFn& ask)
{
    // Every check runs over the rows that hold a histogram, whatever row is selected.
    const std::vector<int> rows = FilledRowNumbers();
    if (rows.size() < 2) return Message::Error(TextCis(msg::TooFewToSum));

    auto invalid = [&](int row, int column) {
        const std::string& text = Cell(row, column);
        return !text.empty() && !ParseDouble(text);
    };
    for (int row : rows) {
        if (invalid(row, TableColumn::Multiple) || invalid(row, TableColumn::Weight)) {
            return Message::Error(TextCis(msg::NotAValidNumber) + RowText(row));
        }
    }
    // Missing multiples, then missing weights: each may be filled with "1.0" and the computation goes on.
    const std::pair<int, int> missingValues[] = {{TableColumn::Multiple, 69}, {TableColumn::Weight, 65}};
    for (const auto& missing : missingValues) {
        const int column = missing.first, question = missing.second;
        auto isEmpty = [&](int row) { return Cell(row, column).empty(); };
        if (!std::any_of(rows.begin(), rows.end(), isEmpty)) continue;
        if (!ask(Message::Error(TextCis(question)))) return std::nullopt;
        for (int row : rows) {
            if (isEmpty(row)) SetCellText(row, column, "1.0");
        }
    }
    for (int row : rows) {
        if (Cell(row, TableColumn::Multiple) == "0") {
            SetCellText(row, TableColumn::Multiple, "");
            return Message::Error(TextCis(msg::ZeroMultipleInTable));
        }
    }
    for (int row : rows) {
        // A table without a weight column (a reshaped file) has no weight to offer.
        const auto weight = ParseDouble(Cell(row, TableColumn::Weight));
        if (!weight || !(*weight > 0)) {
            SetCellText(row, TableColumn::Weight, "");
            return Message::Error(TextCis(msg::MissingWeights));
        }
    }

    std::vector<ScaledRow> scaled;
    for (int row : rows) {
        const auto weight = ParseDouble(Cell(row, TableColumn::Weight));
        if (!weight) return Message::Error(TextCis(msg::InvalidWeight));
        const auto multiple = ParseDouble(Cell(row, TableColumn::Multiple));
        if (!multiple) return Message::Error(TextCis(msg::InvalidMultiple));
        scaled.push_back({&Record(row), *multiple, *weight});
    }
    ComputationResult result = SumRows(scaled, MaxIntervals());
    if (!result.ok()) return result.message;
    FinishComputation(std::move(result.histogram));
    return std::nullopt;
}

}  // namespace morvik

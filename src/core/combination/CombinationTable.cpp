#include "combination/CombinationTable.h"

#include <algorithm>

#include "combination/Computation.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/NumberParse.h"

namespace morvik {

std::optional<Message> CombinationTable::Compute(const AskYesNoFn& ask)
{
    // Every check runs over the rows that hold a histogram, whatever row is selected: a multiple that is
    // empty or no number must never be read as 0.
    const std::vector<int> rows = FilledRowNumbers();
    if (rows.size() < 2) return Message::Error(TextCis(msg::TooFewToCombine));

    for (int row : rows) {
        const std::string& multiple = Cell(row, TableColumn::Multiple);
        if (!multiple.empty() && !ParseDouble(multiple))
            return Message::Error(TextCis(msg::NotAValidNumber) + RowText(row));
    }
    auto isZero = [&](int row) { return Cell(row, TableColumn::Multiple) == "0"; };
    if (std::any_of(rows.begin(), rows.end(), isZero)) {
        for (int row : rows) {
            if (isZero(row)) SetCellText(row, TableColumn::Multiple, "");
        }
        return Message::Error(TextCis(msg::ZeroMultipleInTable));
    }
    auto isEmpty = [&](int row) { return Cell(row, TableColumn::Multiple).empty(); };
    if (std::any_of(rows.begin(), rows.end(), isEmpty)) {
        if (ask(Message::Error(TextCis(msg::MissingMultiplesQuestion)))) {
            for (int row : rows) {
                if (isEmpty(row)) SetCellText(row, TableColumn::Multiple, "1.0");
            }
        }
        return std::nullopt;
    }

    std::vector<ScaledRow> scaled;
    for (int row : rows) scaled.push_back({&Record(row), *ParseDouble(Cell(row, TableColumn::Multiple))});
    ComputationResult result = CombineRows(scaled, MaxIntervals());
    if (!result.ok()) return result.message;
    FinishComputation(std::move(result.histogram));
    return std::nullopt;
}

}  // namespace morvik

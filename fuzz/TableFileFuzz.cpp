// Any bytes given as a combination or summation table end in a table or a message, never in a crash: the
// combination and summation windows' tables open the file as the user's "Open" does (the reader with 10 and 16
// rows). A table opened whole is saved again as bytes that read back with the same cells.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "FuzzSupport.h"
#include "combination/CombinationTable.h"
#include "combination/SummationTable.h"
#include "combination/TableFile.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = fuzz::ScratchFile(".kom");
    if (!fuzz::WriteScratch(path, std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
    CombinationTable combination;
    SummationTable summation;
    ComponentTable* const tables[] = {&combination, &summation};
    for (ComponentTable* table : tables) {
        const std::optional<Message> message = table->OpenTable(path);
        fuzz::Require(!message || !message->text.empty());
        for (int row = 0; row <= table->Rows(); ++row) (void)table->RowText(row);
        if (message) continue;
        // What the window saves reads back with the rows it showed (row 0 holds the window's own headings).
        const TableFileRead again = ParseTableFile(TableFileBytes(table->FileData()), table->Layout().tableRows, "t");
        fuzz::Require(again.ok() && again.data.rows == table->Rows());
        for (int row = 1; row < table->Rows(); ++row) {
            for (int column = 0; column < table->Columns(); ++column) {
                fuzz::Require(again.data.cells[row][column] == table->Cell(row, column));
            }
        }
    }
    return 0;
}

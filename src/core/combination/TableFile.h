#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "combination/RowHistogram.h"
#include "common/Message.h"

namespace morvik {

// The contents of a combination (".kom") or summation (".sum") table file.
struct TableFileData {
    int columns = 0;                              // grid columns, the row label column included
    int rows = 0;                                 // grid rows, the heading row included
    std::vector<std::vector<std::string>> cells;  // [row][column]; cells not read stay empty
    std::vector<RowHistogram> records;            // table rows 1.. (10 or 16 records)
    int completeRecords = 0;  // how many records, from the first, were read whole (values and probabilities)
    int filledRows = 0;       // as stored
};

struct TableFileRead {
    std::optional<Message> message;  // why the file could not be read; `data` then holds what was read
    TableFileData data;
    bool ok() const { return !message; }
};

// The limits a readable grid keeps within; larger counts mean a damaged file.
constexpr int MaxTableColumns = 64;
constexpr int MaxTableRows = 1024;
// The largest table the program writes (17 rows of 9 cells and 16 histograms of 1024 intervals) has about
// 220 kB; a larger file is refused from its size alone, before it is read.
constexpr std::uintmax_t MaxTableFileBytes = 4u << 20;

// The bytes of a table file: column and row count, every cell row by row, the seven values of every record,
// the probabilities of every record, then FilledRows.
std::string TableFileBytes(const TableFileData& data);
std::optional<Message> WriteTableFile(const std::string& path, const TableFileData& data);

// Reads a table file of `recordRows` records. Column 6 of every row is translated from the old folder names.
TableFileRead ParseTableFile(std::string_view bytes, int recordRows, const std::string& fileName);
TableFileRead ReadTableFile(const std::string& path, int recordRows);

// The folder column of old tables: the Czech folder names of older versions become the English ones, and
// the old separator "\" becomes "/" in paths below "Histograms". Other texts stay as they are.
std::string TranslateFolderColumn(std::string_view text);

}  // namespace morvik

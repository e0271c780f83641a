#include "combination/TableFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <utility>

#include "combination/TaggedStream.h"
#include "common/AtomicFile.h"
#include "histogram/HistogramFile.h"

namespace morvik {
namespace {

// The folder column is column 6 of both tables.
constexpr int FolderColumn = 6;
constexpr int ValuesPerRecord = 7;

Message ReadFault(const std::string& fileName, const std::string& fault)
{
    return Message::Error("The table file " + fileName + " cannot be read: " + fault + ".");
}

double StoredDouble(long double value)
{
    // A value beyond the range of a double becomes an infinity, which the record check then refuses.
    if (std::fabs(value) > std::numeric_limits<double>::max()) {
        return value < 0 ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    return static_cast<double>(value);
}

std::array<double*, ValuesPerRecord> ValuesOf(RowHistogram& r)
{
    return {&r.Bins, &r.Min, &r.Max, &r.Range, &r.Width, &r.Total, &r.Reserved};
}

// Reads everything after the counts; stops at the first fault, keeping what was read.
void ReadBody(TaggedReader& reader, TableFileData& data)
{
    for (int row = 0; row < data.rows; ++row) {
        for (int column = 0; column < data.columns; ++column) {
            auto text = reader.ReadString();
            if (!text) return;
            data.cells[row][column] = std::move(*text);
        }
        if (FolderColumn < data.columns) {
            data.cells[row][FolderColumn] = TranslateFolderColumn(data.cells[row][FolderColumn]);
        }
    }
    for (RowHistogram& record : data.records) {
        for (double* value : ValuesOf(record)) {
            auto real = reader.ReadReal();
            if (!real) return;
            *value = StoredDouble(*real);
        }
    }
    for (RowHistogram& record : data.records) {
        for (double& p : record.Prob) {
            auto real = reader.ReadReal();
            if (!real) return;
            p = StoredDouble(*real);
        }
        ++data.completeRecords;
    }
    if (auto filled = reader.ReadInteger()) data.filledRows = *filled;
}

}  // namespace

std::string TableFileBytes(const TableFileData& data)
{
    TaggedWriter writer;
    writer.WriteInteger(data.columns);
    writer.WriteInteger(data.rows);
    for (int row = 0; row < data.rows; ++row) {
        for (int column = 0; column < data.columns; ++column) {
            const bool present =
                row < static_cast<int>(data.cells.size()) && column < static_cast<int>(data.cells[row].size());
            writer.WriteString(present ? std::string_view(data.cells[row][column]) : std::string_view());
        }
    }
    for (RowHistogram record : data.records) {
        for (double* value : ValuesOf(record)) writer.WriteReal(*value);
    }
    for (const RowHistogram& record : data.records) {
        for (double p : record.Prob) writer.WriteReal(p);
    }
    writer.WriteInteger(data.filledRows);
    return writer.Bytes();
}

std::optional<Message> WriteTableFile(const std::string& path, const TableFileData& data)
{
    if (!WriteFileAtomically(path, TableFileBytes(data))) {
        return Message::Error("Cannot create file " + path + ". " + std::strerror(errno) + ".");
    }
    return std::nullopt;
}

TableFileRead ParseTableFile(std::string_view bytes, int recordRows, const std::string& fileName)
{
    TableFileRead read;
    TableFileData& data = read.data;
    data.records.assign(static_cast<size_t>(std::max(recordRows, 0)), RowHistogram{});

    TaggedReader reader(bytes);
    auto columns = reader.ReadInteger();
    auto rows = reader.ReadInteger();
    if (!columns || !rows) {
        read.message = ReadFault(fileName, reader.Fault());
        return read;
    }
    // Every cell takes at least its length byte, so a grid larger than the rest of the file is damaged.
    const bool possible = *columns >= 1 && *columns <= MaxTableColumns && *rows >= 1 && *rows <= MaxTableRows &&
                          static_cast<size_t>(*columns) * static_cast<size_t>(*rows) <= reader.Remaining();
    if (!possible) {
        read.message = ReadFault(fileName, "a grid of " + std::to_string(*columns) + " columns and " +
                                               std::to_string(*rows) + " rows is not possible");
        return read;
    }
    data.columns = *columns;
    data.rows = *rows;
    data.cells.assign(static_cast<size_t>(data.rows), std::vector<std::string>(static_cast<size_t>(data.columns)));
    ReadBody(reader, data);
    if (reader.Failed()) read.message = ReadFault(fileName, reader.Fault());
    return read;
}

TableFileRead ReadTableFile(const std::string& path, int recordRows)
{
    std::string bytes;
    const CappedRead result = ReadFileUpTo(path, MaxTableFileBytes, bytes);
    if (result == CappedRead::TooLarge) {
        TableFileRead read;
        read.message =
            ReadFault(FileNameOf(path), "the file is larger than " + std::to_string(MaxTableFileBytes >> 20) +
                                            " MB, far more than any table takes");
        return read;
    }
    if (result == CappedRead::Unreadable) {
        // The reason in words: a missing file, a folder, a dangling link.
        std::error_code error;
        (void)std::filesystem::file_size(path, error);
        TableFileRead read;
        const std::string reason = error ? error.message() : std::string("it cannot be read");
        read.message = Message::Error("Cannot open file " + path + ". " + reason + ".");
        return read;
    }
    return ParseTableFile(bytes, recordRows, FileNameOf(path));
}

std::string TranslateFolderColumn(std::string_view text)
{
    std::string path(text);
    std::replace(path.begin(), path.end(), '\\', '/');
    static const std::pair<const char*, const char*> oldNames[] = {
        {"Histogramy/Normální rozdělení", "Histograms/Normal distributions"},
        {"Histogramy/Počáteční imperfekce", "Histograms/Initial imperfections"},
        {"Histogramy/Variabilita průřezu", "Histograms/Cross-section variability"},
        {"Histogramy/Pevnostní charakteristiky", "Histograms/Solidity and material characterics"},
        {"Histogramy/Testovací", "Histograms/Tests"},
        {"Histogramy/Vypočtené", "Histograms/Calculated"},
        {"Histogramy/Zatížení", "Histograms/Loads"},
    };
    for (const auto& [czech, english] : oldNames) {
        if (path == czech) return english;
    }
    if (path.starts_with("Histograms/")) return path;
    return std::string(text);
}

}  // namespace morvik

// morvik-cli table: recomputes a saved combination or summation table, or shows what the file holds.
#include <algorithm>
#include <cctype>

#include "ComponentTableCli.h"
#include "combination/CombinationTable.h"
#include "combination/SummationTable.h"
#include "combination/TableFile.h"

namespace morvik::cli {
namespace {

// The table kind follows the file's extension.
TableKind KindOfTableFile(const std::string& path)
{
    std::string extension = path.size() >= 4 ? path.substr(path.size() - 4) : std::string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".kom") return TableKind::Combination;
    if (extension == ".sum") return TableKind::Summation;
    throw UsageException{"a table file ends in .kom or .sum: " + path};
}

// The length of the well-formed UTF-8 character at `i` (no overlong forms, surrogates or values past
// U+10FFFF), or 0.
size_t Utf8Length(const std::string& text, size_t i)
{
    auto byte = [&](size_t k) { return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u; };
    const unsigned lead = byte(0);
    if (lead < 0x80) return 1;
    size_t length = 0;
    unsigned low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (byte(1) < low || byte(1) > high) return 0;
    for (size_t k = 2; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) return 0;
    }
    return length;
}

// Cell texts of old files need not be UTF-8; JSON needs it, so a stray byte becomes U+FFFD.
std::string ValidUtf8(const std::string& text)
{
    std::string valid;
    for (size_t i = 0; i < text.size();) {
        if (const size_t length = Utf8Length(text, i)) {
            valid.append(text, i, length);
            i += length;
        } else {
            valid += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return valid;
}

int Dump(const std::string& path)
{
    const int recordRows =
        KindOfTableFile(path) == TableKind::Combination ? CombinationLayout().tableRows : SummationLayout().tableRows;
    const TableFileRead read = ReadTableFile(path, recordRows);
    if (!read.ok()) return Refuse(*read.message);
    const TableFileData& data = read.data;
    Json cells = Json::array();
    for (const auto& row : data.cells) {
        Json texts = Json::array();
        for (const std::string& cell : row) texts.push_back(ValidUtf8(cell));
        cells.push_back(texts);
    }
    Json records = Json::array();
    for (const RowHistogram& record : data.records) {
        Json prob = Json::array();
        for (double p : record.Prob) prob.push_back(Number(p));
        records.push_back({{"bins", Number(record.Bins)},
                           {"min", Number(record.Min)},
                           {"max", Number(record.Max)},
                           {"range", Number(record.Range)},
                           {"width", Number(record.Width)},
                           {"total", Number(record.Total)},
                           {"reserved", Number(record.Reserved)},
                           {"prob", prob}});
    }
    return PrintJson({{"columns", data.columns},
                      {"rows", data.rows},
                      {"cells", cells},
                      {"records", records},
                      {"filled_rows", data.filledRows}});
}

template <typename Table>
int Recompute(const std::string& path, const std::optional<std::string>& out)
{
    Table table;
    if (auto refusal = table.OpenTable(path)) return Refuse(*refusal);
    return ComputeAndPrint(table, out);
}

int RunTable(std::vector<std::string> args)
{
    const bool dump = TakeFlag(args, "--dump");
    const auto out = TakeOption(args, "-o");
    if (args.size() != 1 || args[0].starts_with("-")) {
        throw UsageException{args.empty() ? "a table file is needed" : "unexpected argument: " + args.back()};
    }
    if (dump) {
        if (out) throw UsageException{"--dump writes no histogram"};
        return Dump(args[0]);
    }
    if (KindOfTableFile(args[0]) == TableKind::Combination) return Recompute<CombinationTable>(args[0], out);
    return Recompute<SummationTable>(args[0], out);
}

const bool registered =
    RegisterCommand("table", "table FILE.kom|FILE.sum [-o OUT.dis] | table --dump FILE.kom|FILE.sum", RunTable);

}  // namespace
}  // namespace morvik::cli

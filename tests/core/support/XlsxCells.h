#pragma once
#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Reads the cells of a written .xlsx back through the system's unzip: what a user of the workbook sees.
namespace morvik::test::xlsx {

inline std::string Unzip(const std::string& archive, const std::string& member)
{
    const std::string command = "unzip -p '" + archive + "' '" + member + "' 2>/dev/null";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
    pclose(pipe);
    return out;
}

inline std::string Unescape(std::string text)
{
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, plain] : entities) {
        for (size_t at; (at = text.find(entity)) != std::string::npos;) text.replace(at, strlen(entity), plain);
    }
    return text;
}

// One cell read back: a text (shared string) or a number.
struct Cell {
    bool isText = false;
    std::string text;
    double number = 0;
};

// The text between `open` (from its end) and `close`, from `at` on; moves `at` past it. Empty when none is left.
inline std::optional<std::string> Between(const std::string& xml, size_t& at, const std::string& open,
                                          const std::string& close)
{
    const size_t start = xml.find(open, at);
    if (start == std::string::npos) return std::nullopt;
    const size_t end = xml.find(close, start + open.size());
    if (end == std::string::npos) return std::nullopt;
    at = end + close.size();
    return xml.substr(start + open.size(), end - start - open.size());
}

// The cells of the first sheet of an .xlsx, by reference ("A1").
inline std::map<std::string, Cell> ReadCells(const std::string& path)
{
    std::vector<std::string> strings;
    const std::string shared = Unzip(path, "xl/sharedStrings.xml");
    size_t at = 0;
    while (auto item = Between(shared, at, "<si>", "</si>")) {
        // <t>text</t> or <t xml:space="preserve"> text</t>
        const size_t open = item->find('>');
        const size_t close = item->rfind("</t>");
        strings.push_back(Unescape(item->substr(open + 1, close - open - 1)));
    }
    std::map<std::string, Cell> cells;
    const std::string sheet = Unzip(path, "xl/worksheets/sheet1.xml");
    at = 0;
    while (auto cell = Between(sheet, at, "<c r=\"", "</c>")) {
        const std::string reference = cell->substr(0, cell->find('"'));
        const std::string attributes = cell->substr(0, cell->find('>'));
        size_t inner = 0;
        const std::optional<std::string> value = Between(*cell, inner, "<v>", "</v>");
        if (!value) continue;
        Cell read;
        read.isText = attributes.find("t=\"s\"") != std::string::npos;
        if (read.isText) read.text = strings.at(std::stoul(*value));
        else read.number = std::stod(*value);
        cells[reference] = read;
    }
    return cells;
}

}  // namespace morvik::test::xlsx

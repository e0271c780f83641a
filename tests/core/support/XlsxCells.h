#pragma once
#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <regex>
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

// The cells of the first sheet of an .xlsx, by reference ("A1").
inline std::map<std::string, Cell> ReadCells(const std::string& path)
{
    std::vector<std::string> strings;
    const std::string shared = Unzip(path, "xl/sharedStrings.xml");
    const std::regex stringItem("<si><t[^>]*>([^<]*)</t></si>");
    for (auto it = std::sregex_iterator(shared.begin(), shared.end(), stringItem); it != std::sregex_iterator(); ++it) {
        strings.push_back(Unescape((*it)[1]));
    }
    std::map<std::string, Cell> cells;
    const std::string sheet = Unzip(path, "xl/worksheets/sheet1.xml");
    const std::regex cell("<c r=\"([A-Z]+[0-9]+)\"([^>]*)><v>([^<]*)</v></c>");
    for (auto it = std::sregex_iterator(sheet.begin(), sheet.end(), cell); it != std::sregex_iterator(); ++it) {
        Cell value;
        value.isText = (*it)[2].str().find("t=\"s\"") != std::string::npos;
        if (value.isText)
            value.text = strings.at(std::stoul((*it)[3]));
        else
            value.number = std::stod((*it)[3]);
        cells[(*it)[1]] = value;
    }
    return cells;
}

}  // namespace morvik::test::xlsx

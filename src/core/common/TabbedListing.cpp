#include "common/TabbedListing.h"

#include <algorithm>
#include <vector>

#include "common/NumberText.h"

namespace morvik {
namespace {

struct Line {
    std::string text;  // without its line end
    std::string end;
    bool tabbed = false;
    std::string caption, value;
};

std::string TrimRight(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    return text;
}

std::string TrimLeft(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first);
}

int CodePoints(const std::string& text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::string AlignTabbedListing(const std::string& text)
{
    std::vector<Line> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t newline = text.find('\n', start);
        Line line;
        line.text = text.substr(start, newline == std::string::npos ? std::string::npos : newline - start);
        line.end = newline == std::string::npos ? "" : "\n";
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.end = "\r" + line.end;
        }
        // The caption is what stands before the last tab (its leading tabs read as an indent of four blanks),
        // the value what follows it.
        const size_t tab = line.text.rfind('\t');
        const size_t lead = line.text.find_first_not_of('\t');
        if (tab != std::string::npos && lead != std::string::npos && tab > lead) {
            line.tabbed = true;
            std::string caption = line.text.substr(lead, tab - lead);
            caption.erase(std::remove(caption.begin(), caption.end(), '\t'), caption.end());
            line.caption = std::string(4 * lead, ' ') + TrimRight(caption);
            line.value = TrimLeft(line.text.substr(tab + 1));
        }
        lines.push_back(line);
        start = newline == std::string::npos ? text.size() : newline + 1;
    }
    int width = 0;
    for (const Line& line : lines) {
        if (line.tabbed) width = std::max(width, CodePoints(line.caption));
    }
    std::string aligned;
    for (const Line& line : lines) {
        aligned += line.tabbed ? PadRight(line.caption, width + 2) + line.value : line.text;
        aligned += line.end;
    }
    return aligned;
}

}  // namespace morvik

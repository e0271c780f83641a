#pragma once
#include <algorithm>
#include <iterator>
#include <string_view>

namespace morvik {

// The main window's commands whose windows are not part of the program yet (listings, exports, colours,
// viewers): their menu items and buttons are present but never enabled.
inline bool IsLaterCommand(std::string_view name)
{
    static constexpr std::string_view names[] = {
        "PopisVysledku1", "Popis",         "VypisVstHist", "VypisHist",
    };
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

}  // namespace morvik

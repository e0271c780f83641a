#pragma once
#include <algorithm>
#include <iterator>
#include <string_view>

namespace morvik {

// The main window's commands whose windows are not part of the program yet (listings, exports, colours,
// viewers, version and about windows): their menu items and buttons are present but never enabled.
inline bool IsLaterCommand(std::string_view name)
{
    static constexpr std::string_view names[] = {
        "OtevriWord1",    "OtevriWord",   "UlozGraf1",      "UlozGraf",      "UlozOkno1",    "UlozOkno",
        "Barvy1",         "BitBtn8",       "VolejPicture1", "VolejPicture",
        "ProhlSoubor1",   "BitBtn2",      "TextAdobe",      "BitBtn37",      "VypisIniSouboru", "OVerzi1",
        "OVerzi",         "OProgramu1",   "OProgramu",      "Schranka",      "Nastaven2",
    };
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

}  // namespace morvik

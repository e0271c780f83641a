#pragma once
#include <cstdint>

namespace morvik {

// A colour as the program stores it: 0x00BBGGRR, or a system colour 0xFF0000nn (nn the system colour index).
using ProgramColour = std::uint32_t;

constexpr ProgramColour Rgb(int red, int green, int blue)
{
    return static_cast<ProgramColour>(red & 0xFF) | static_cast<ProgramColour>(green & 0xFF) << 8 |
           static_cast<ProgramColour>(blue & 0xFF) << 16;
}

constexpr ProgramColour SystemColour(int index) { return 0xFF000000u | static_cast<ProgramColour>(index & 0xFF); }

}  // namespace morvik

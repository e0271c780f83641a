#pragma once
#include <cstdint>

namespace morvik {

// A colour as the settings file keeps it: red, green and blue as 0x00BBGGRR, or a system colour with the high
// byte 0xFF and the system colour's index in the low byte (0xFF00000F is the button face).
using Colour = uint32_t;

constexpr Colour ButtonFaceColour = 0xFF00000F;

constexpr Colour RgbColour(int red, int green, int blue)
{
    return static_cast<Colour>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF));
}
constexpr bool IsSystemColour(Colour colour) { return (colour >> 24) == 0xFF; }
constexpr int SystemColourIndex(Colour colour) { return static_cast<int>(colour & 0xFF); }
constexpr int RedOf(Colour colour) { return static_cast<int>(colour & 0xFF); }
constexpr int GreenOf(Colour colour) { return static_cast<int>((colour >> 8) & 0xFF); }
constexpr int BlueOf(Colour colour) { return static_cast<int>((colour >> 16) & 0xFF); }

}  // namespace morvik

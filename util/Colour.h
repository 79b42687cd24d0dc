// Colours in the Windows COLORREF layout, shared by the portable code and the windows.
#pragma once

#include <cstdint>

// Red in the lowest byte, then green, then blue. A value with the high byte 0x80 names a
// system colour (index in the low byte).
using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) |
           (static_cast<Colour>(blue) << 16);
}

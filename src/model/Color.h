#pragma once

#include <cstdint>

// A colour as the settings and documents store it: 0x00BBGGRR, red in the
// lowest byte. The top byte may carry a system-colour flag; files keep only
// the three low bytes.
using TColor = std::uint32_t;

constexpr TColor RGBColor(unsigned red, unsigned green, unsigned blue)
{
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr unsigned RedOf(TColor c) { return c & 0xFFu; }
constexpr unsigned GreenOf(TColor c) { return (c >> 8) & 0xFFu; }
constexpr unsigned BlueOf(TColor c) { return (c >> 16) & 0xFFu; }

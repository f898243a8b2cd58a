// Packed colours 0x00BBGGRR as the analysis compares them: red in the low byte.
#pragma once

#include <cstdint>

namespace varno {

// A colour as a signed 32-bit integer; -1 is what a read outside a picture yields.
using PackedColour = std::int32_t;

inline constexpr PackedColour kOutside = -1;
inline constexpr PackedColour kBlack = 0x000000;
inline constexpr PackedColour kWhite = 0xFFFFFF;
inline constexpr PackedColour kRed = 0x0000FF;
inline constexpr PackedColour kBlue = 0xFF0000;

constexpr int RedOf(PackedColour c) {
    return c & 0xFF;
}
constexpr int GreenOf(PackedColour c) {
    return (c >> 8) & 0xFF;
}
constexpr int BlueOf(PackedColour c) {
    return (c >> 16) & 0xFF;
}

constexpr PackedColour PackColour(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

// A grey of level v has the same value in all three bytes: v x 65793.
constexpr PackedColour GreyPixel(int level) {
    return level * 0x010101;
}

}  // namespace varno

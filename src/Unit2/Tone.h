// The tone test and the grey conversion that prepare a coloured picture for the analysis.
#pragma once

#include <cstdint>
#include <string_view>

#include "Unit2/Image.h"

namespace varno {

// True when at least one of five samples, placed by the picture's width alone, has
// blue != green and green != red. Reads outside the picture count as not coloured.
bool IsColourImage(const Image& picture);

// The grey weights are the doubles nearest 0.299, 0.587 and 0.114. Evaluated with a 64-bit
// mantissa, every product and both sums of trunc((r x 0.299 + g x 0.587) + b x 0.114) are
// exact for 8-bit channels (the last mantissa bits of the weights weigh 2^-54, 2^-53, 2^-56
// and the sum stays below 256). So the level is the floor of
//     (299 r + 587 g + 114 b) / 1000 + (r e_r + g e_g + b e_b) / (1000 x 2^56),
// where the excesses e = (1000 x weight - 299, 587 or 114) x 2^56 are the whole numbers below.
// The second term is below 1e-13, far less than the 1/1000 between fractions of the first, so
// it decides only at exact multiples of 1000: there a negative excess takes one level off.
// This is why every grey of level 1 to 254 becomes one level darker.
inline constexpr std::int32_t kRedExcess = -864;
inline constexpr std::int32_t kGreenExcess = -2432;
inline constexpr std::int32_t kBlueExcess = 296;

// What ConvertToGrey writes for one colour: black and white stay, every other colour becomes
// the grey of that level. Plain 32-bit arithmetic without branches, so that the conversion
// loop vectorises and the analysis of a coloured picture can convert each pixel it reads.
constexpr PackedColour GreyOf(PackedColour colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    const std::uint32_t r = c & 0xFFu;
    const std::uint32_t g = (c >> 8) & 0xFFu;
    const std::uint32_t b = (c >> 16) & 0xFFu;
    const std::uint32_t thousandths = 299u * r + 587u * g + 114u * b;
    std::uint32_t level = thousandths / 1000u;
    const std::int32_t excess = kRedExcess * static_cast<std::int32_t>(r) +
                                kGreenExcess * static_cast<std::int32_t>(g) +
                                kBlueExcess * static_cast<std::int32_t>(b);
    level -= (thousandths == level * 1000u && excess < 0) ? 1u : 0u;
    const std::uint32_t grey = level * 0x010101u;
    // Black and white stay as they are.
    return static_cast<PackedColour>((c == 0u || c == 0xFFFFFFu) ? c : grey);
}

// Rewrites every pixel with GreyOf.
void ConvertToGrey(Image& picture);

// The value 0..255 of two upper-case hexadecimal digits, the first the high one.
// Characters outside 0-9 and A-F count as 0.
int HexPairValue(std::string_view text);

}  // namespace varno

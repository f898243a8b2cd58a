// The tone test and the grey conversion that prepare a coloured picture for the analysis.
#pragma once

#include <string_view>

#include "Unit2/Image.h"

namespace varno {

// True when at least one of five samples, placed by the picture's width alone, has
// blue != green and green != red. Reads outside the picture count as not coloured.
bool IsColourImage(const Image& picture);

// What ConvertToGrey writes for one colour: black and white stay, every other colour becomes
// the grey of level trunc((red x 0.299 + green x 0.587) + blue x 0.114), evaluated with a
// 64-bit mantissa (so a grey of level v, 0 < v < 255, becomes v - 1).
PackedColour GreyOf(PackedColour colour);

// Rewrites every pixel with GreyOf.
void ConvertToGrey(Image& picture);

// The value 0..255 of two upper-case hexadecimal digits, the first the high one.
// Characters outside 0-9 and A-F count as 0.
int HexPairValue(std::string_view text);

}  // namespace varno

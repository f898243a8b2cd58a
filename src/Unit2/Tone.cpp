// Tone test and grey conversion, with exact integer arithmetic in place of the colour texts.
#include "Unit2/Tone.h"

#include <cstdint>
#include <thread>

namespace varno {
namespace {

// The grey weights are the doubles nearest 0.299, 0.587 and 0.114. Evaluated with a 64-bit
// mantissa, every product and both sums of trunc((r x 0.299 + g x 0.587) + b x 0.114) are
// exact for 8-bit channels (the last mantissa bits of the weights weigh 2^-54, 2^-53, 2^-56
// and the sum stays below 256). So the level is the floor of
//     (299 r + 587 g + 114 b) / 1000 + (r e_r + g e_g + b e_b) / (1000 x 2^56),
// where e = 1000 x weight x 2^56 - 1000 x decimal weight x 2^56 are the whole numbers below.
// The second term is below 1e-13, far less than the 1/1000 between fractions of the first, so
// it decides only at exact multiples of 1000: there a negative excess takes one level off.
// This is why every grey of level 1 to 254 becomes one level darker.
constexpr std::int32_t kRedExcess = -864;
constexpr std::int32_t kGreenExcess = -2432;
constexpr std::int32_t kBlueExcess = 296;

// Written as plain 32-bit arithmetic without branches so that the compiler vectorises it.
inline PackedColour GreyOfPixel(PackedColour colour) {
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

// Colours are told apart by the pairs of their hexadecimal text; outside a picture the text
// of -1 is eight digits F, so its pairs are all FF and it counts as not coloured.
bool IsColouredSample(PackedColour colour) {
    if (colour == kOutside) {
        return false;
    }
    return BlueOf(colour) != GreenOf(colour) && GreenOf(colour) != RedOf(colour);
}

// Eight pixels at a time where the processor has AVX2, four with the baseline SSE2.
__attribute__((target_clones("avx2", "default"))) void ConvertRange(
    std::span<PackedColour> pixels) {
    PackedColour* __restrict data = pixels.data();
    const std::size_t count = pixels.size();
    for (std::size_t i = 0; i < count; ++i) {
        data[i] = GreyOfPixel(data[i]);
    }
}

}  // namespace

bool IsColourImage(const Image& picture) {
    // All ten coordinates come from the width, the vertical ones too.
    // (3 x W) div 4 is taken in that order: for W = 802 it is 601, not 3 x 200.
    const int w = picture.width();
    const int half = w / 2;
    const int quarter = w / 4;
    const int threeQuarters = static_cast<int>((3LL * w) / 4);
    const int samples[5][2] = {
        {half, half},    {quarter, half},       {threeQuarters, half},
        {half, quarter}, {half, threeQuarters},
    };
    bool coloured = false;
    for (const auto& [x, y] : samples) {
        coloured = IsColouredSample(picture.pixel(x, y)) || coloured;
    }
    return coloured;
}

PackedColour GreyOf(PackedColour colour) {
    return GreyOfPixel(colour);
}

void ConvertToGrey(Image& picture) {
    const std::span<PackedColour> pixels = picture.mutablePixels();
    // Every pixel is independent, so large pictures are split between two threads.
    constexpr std::size_t kSplitAbove = 1 << 20;
    if (pixels.size() < kSplitAbove) {
        ConvertRange(pixels);
        return;
    }
    const std::size_t half = pixels.size() / 2;
    std::jthread other(ConvertRange, pixels.subspan(half));
    ConvertRange(pixels.first(half));
}

int HexPairValue(std::string_view text) {
    const auto digit = [](char c) {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'A' && c <= 'F') {
            return c - 'A' + 10;
        }
        return 0;
    };
    const int high = text.empty() ? 0 : digit(text[0]);
    const int low = text.size() < 2 ? 0 : digit(text[1]);
    return 16 * high + low;
}

}  // namespace varno

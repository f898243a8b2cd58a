// Tone test and grey conversion, with exact integer arithmetic in place of the colour texts.
#include "Unit2/Tone.h"

#include <thread>

namespace varno {
namespace {

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
        data[i] = GreyOf(data[i]);
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

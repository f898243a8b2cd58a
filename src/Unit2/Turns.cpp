// Flip, mirror and the half and quarter turns as pixel permutations on whole rows or tiles.
#include "Unit2/Turns.h"

#include <algorithm>
#include <cstddef>

#include "Unit2/ParallelRows.h"

namespace varno {
namespace {

// A quarter turn reads one picture by columns; tiles of this many pixels a side keep the
// rows being read and written in the first-level cache.
constexpr int kTile = 32;

}  // namespace

Image Flip(const Image& picture) {
    const int height = picture.height();
    Image flipped = Image::Uninitialised(picture.width(), height);
    for (int y = 0; y < height; ++y) {
        std::ranges::copy(picture.row(y), flipped.mutableRow(height - 1 - y).begin());
    }
    return flipped;
}

Image Mirror(const Image& picture) {
    Image mirrored = Image::Uninitialised(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        std::ranges::reverse_copy(picture.row(y), mirrored.mutableRow(y).begin());
    }
    return mirrored;
}

Image Rotation180(const Image& picture) {
    Image turned = Image::Uninitialised(picture.width(), picture.height());
    std::ranges::reverse_copy(picture.pixels(), turned.mutablePixels().begin());
    return turned;
}

Image Rotation90(const Image& picture, bool clockwise) {
    const int oldWidth = picture.width();
    const int oldHeight = picture.height();
    Image turned = Image::Uninitialised(oldHeight, oldWidth);
    if (turned.empty()) {
        return turned;
    }
    const PackedColour* source = picture.pixels().data();
    PackedColour* target = turned.mutablePixels().data();
    const auto oldW = static_cast<std::ptrdiff_t>(oldWidth);
    const auto newW = static_cast<std::ptrdiff_t>(oldHeight);

    // New row j holds old column j (clockwise) or old column W - 1 - j (counter-clockwise),
    // read from the bottom up or from the top down respectively.
    auto turnRows = [&](int firstRow, int lastRow) {
        for (int j0 = firstRow; j0 < lastRow; j0 += kTile) {
            const int j1 = std::min(j0 + kTile, lastRow);
            for (int i0 = 0; i0 < oldHeight; i0 += kTile) {
                const int i1 = std::min(i0 + kTile, oldHeight);
                for (int j = j0; j < j1; ++j) {
                    PackedColour* out = target + j * newW;
                    if (clockwise) {
                        const PackedColour* in = source + (oldHeight - 1) * oldW + j;
                        for (int i = i0; i < i1; ++i) {
                            out[i] = in[-i * oldW];
                        }
                    } else {
                        const PackedColour* in = source + (oldWidth - 1 - j);
                        for (int i = i0; i < i1; ++i) {
                            out[i] = in[i * oldW];
                        }
                    }
                }
            }
        }
    };
    ForEachRowBand(oldWidth, turned.pixelCount(), turnRows);
    return turned;
}

}  // namespace varno

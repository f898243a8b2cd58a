// Pictures whose every pixel has its own colour, so that a permutation shows where each went.
#pragma once

#include "Unit2/Image.h"

namespace varno::testing {

// Pixel (x, y) holds 1 + x + y x width (below 2^24 for pictures under 16 megapixels), so no
// two pixels share a colour and none is black.
inline Image NumberedPicture(int width, int height) {
    Image picture = Image::Uninitialised(width, height);
    for (int y = 0; y < height; ++y) {
        auto row = picture.mutableRow(y);
        for (int x = 0; x < width; ++x) {
            row[static_cast<std::size_t>(x)] = (1 + x + y * width) & 0xFFFFFF;
        }
    }
    return picture;
}

}  // namespace varno::testing

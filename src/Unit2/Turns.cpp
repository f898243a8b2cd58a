// Flip, mirror and the half and quarter turns as pixel permutations on whole rows or tiles.
#include "Unit2/Turns.h"

#include <emmintrin.h>  // SSE2, part of every x86-64 processor

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

namespace {

// Four rows of four pixels turned into four columns: out[m] = (in0[m], in1[m], in2[m], in3[m]).
struct Block4 {
    __m128i r0, r1, r2, r3;
};

Block4 Transpose4(__m128i a, __m128i b, __m128i c, __m128i d) {
    const __m128i ab0 = _mm_unpacklo_epi32(a, b);  // a0 b0 a1 b1
    const __m128i ab1 = _mm_unpackhi_epi32(a, b);  // a2 b2 a3 b3
    const __m128i cd0 = _mm_unpacklo_epi32(c, d);
    const __m128i cd1 = _mm_unpackhi_epi32(c, d);
    return {_mm_unpacklo_epi64(ab0, cd0), _mm_unpackhi_epi64(ab0, cd0),
            _mm_unpacklo_epi64(ab1, cd1), _mm_unpackhi_epi64(ab1, cd1)};
}

__m128i Load4(const PackedColour* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
void Store4(PackedColour* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}

// One tile of the clockwise turn: new rows j0..j1 - 1, new columns i0..i1 - 1, where new
// (i, j) = old (j, H - 1 - i).
void TurnTileClockwise(const PackedColour* source, PackedColour* target, std::ptrdiff_t oldW,
                       std::ptrdiff_t newW, int oldHeight, int j0, int j1, int i0, int i1) {
    int j = j0;
    for (; j + 4 <= j1; j += 4) {
        int i = i0;
        for (; i + 4 <= i1; i += 4) {
            const PackedColour* in = source + (oldHeight - 1 - i) * oldW + j;
            const Block4 t =
                Transpose4(Load4(in), Load4(in - oldW), Load4(in - 2 * oldW), Load4(in - 3 * oldW));
            PackedColour* out = target + j * newW + i;
            Store4(out, t.r0);
            Store4(out + newW, t.r1);
            Store4(out + 2 * newW, t.r2);
            Store4(out + 3 * newW, t.r3);
        }
        for (; i < i1; ++i) {
            for (int k = 0; k < 4; ++k) {
                target[(j + k) * newW + i] = source[(oldHeight - 1 - i) * oldW + j + k];
            }
        }
    }
    for (; j < j1; ++j) {
        for (int i = i0; i < i1; ++i) {
            target[j * newW + i] = source[(oldHeight - 1 - i) * oldW + j];
        }
    }
}

// One tile of the counter-clockwise turn: new (i, j) = old (W - 1 - j, i).
void TurnTileCounterClockwise(const PackedColour* source, PackedColour* target, std::ptrdiff_t oldW,
                              std::ptrdiff_t newW, int oldWidth, int j0, int j1, int i0, int i1) {
    int j = j0;
    for (; j + 4 <= j1; j += 4) {
        int i = i0;
        for (; i + 4 <= i1; i += 4) {
            // Old columns W - 4 - j .. W - 1 - j of old rows i .. i + 3; old column W - 4 - j + m
            // becomes new row j + 3 - m.
            const PackedColour* in = source + i * oldW + (oldWidth - 4 - j);
            const Block4 t =
                Transpose4(Load4(in), Load4(in + oldW), Load4(in + 2 * oldW), Load4(in + 3 * oldW));
            PackedColour* out = target + j * newW + i;
            Store4(out + 3 * newW, t.r0);
            Store4(out + 2 * newW, t.r1);
            Store4(out + newW, t.r2);
            Store4(out, t.r3);
        }
        for (; i < i1; ++i) {
            for (int k = 0; k < 4; ++k) {
                target[(j + k) * newW + i] = source[i * oldW + (oldWidth - 1 - j - k)];
            }
        }
    }
    for (; j < j1; ++j) {
        for (int i = i0; i < i1; ++i) {
            target[j * newW + i] = source[i * oldW + (oldWidth - 1 - j)];
        }
    }
}

}  // namespace

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
    ForEachRowBand(oldWidth, turned.pixelCount(), [&](int firstRow, int lastRow) {
        for (int j0 = firstRow; j0 < lastRow; j0 += kTile) {
            const int j1 = std::min(j0 + kTile, lastRow);
            for (int i0 = 0; i0 < oldHeight; i0 += kTile) {
                const int i1 = std::min(i0 + kTile, oldHeight);
                if (clockwise) {
                    TurnTileClockwise(source, target, oldW, newW, oldHeight, j0, j1, i0, i1);
                } else {
                    TurnTileCounterClockwise(source, target, oldW, newW, oldWidth, j0, j1, i0, i1);
                }
            }
        }
    });
    return turned;
}

}  // namespace varno

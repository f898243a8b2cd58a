// Clipped one-pixel line segments; only the steps that fall in the picture are visited.
#include "Unit2/LineDrawing.h"

#include <algorithm>
#include <cstdlib>

namespace varno {
namespace {

bool WithinReach(PixelPoint p) {
    return std::llabs(p.x) <= kLineReach && std::llabs(p.y) <= kLineReach;
}

// The steps t in [0, steps) for which start + direction x t lies in [0, size).
struct StepRange {
    std::int64_t first = 0;
    std::int64_t last = 0;  // one past the end
};

StepRange StepsInside(std::int64_t start, std::int64_t direction, std::int64_t size,
                      std::int64_t steps) {
    std::int64_t first = 0;
    std::int64_t last = 0;
    if (direction > 0) {
        first = -start;
        last = size - start;
    } else {
        first = start - size + 1;
        last = start + 1;
    }
    return {std::max<std::int64_t>(first, 0), std::min(last, steps)};
}

}  // namespace

PixelRect DrawLineSegment(Image& picture, PixelPoint from, PixelPoint to, PackedColour colour) {
    PixelRect touched;
    if (!WithinReach(from) || !WithinReach(to) || picture.empty()) {
        return touched;
    }
    const std::int64_t dx = to.x - from.x;
    const std::int64_t dy = to.y - from.y;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    // Long axis a, short axis b: the point at step t is (a0 + da t, b0 + db round(t nb / na)).
    const std::int64_t na = alongX ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t nb = alongX ? std::llabs(dy) : std::llabs(dx);
    if (na == 0) {
        return touched;
    }
    const std::int64_t a0 = alongX ? from.x : from.y;
    const std::int64_t b0 = alongX ? from.y : from.x;
    const std::int64_t da = (alongX ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t db = (alongX ? dy : dx) >= 0 ? 1 : -1;
    const std::int64_t sizeA = alongX ? picture.width() : picture.height();
    const std::int64_t sizeB = alongX ? picture.height() : picture.width();

    const StepRange range = StepsInside(a0, da, sizeA, na);
    const auto pixels = picture.mutablePixels();
    const std::int64_t width = picture.width();
    for (std::int64_t t = range.first; t < range.last; ++t) {
        // t, nb, na < 2^30: the products stay far inside 64 bits.
        const std::int64_t b = b0 + db * ((2 * t * nb + na) / (2 * na));
        if (b < 0 || b >= sizeB) {
            continue;
        }
        const std::int64_t a = a0 + da * t;
        const auto x = static_cast<int>(alongX ? a : b);
        const auto y = static_cast<int>(alongX ? b : a);
        pixels[static_cast<std::size_t>(y * width + x)] = colour;
        touched.include(x, y);
    }
    return touched;
}

}  // namespace varno

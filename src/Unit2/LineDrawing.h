// One-pixel lines as a pen draws them: from its position to a point that it leaves undrawn.
#pragma once

#include <cstdint>

#include "Unit2/Image.h"
#include "Unit2/PixelRect.h"

namespace varno {

struct PixelPoint {
    std::int64_t x = 0;
    std::int64_t y = 0;

    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Lines reach at most this far from the picture's origin: beyond it a point can belong to
// no drawing worth seeing, and the arithmetic below stays within 64 bits.
inline constexpr std::int64_t kLineReach = std::int64_t{1} << 28;

// Draws the segment from `from` to `to`, one pixel wide, clipped to the picture, covering
// `from` but not `to`, which the next segment of a polyline covers (as a pen's line-to does).
// The segment takes max(|dx|, |dy|) steps along its longer axis; at step t the other
// coordinate moves by t |d_short| / |d_long| rounded to the nearest whole number, halves
// away from `from`. A segment with an end point beyond kLineReach draws nothing.
// Returns the rectangle of the pixels written.
PixelRect DrawLineSegment(Image& picture, PixelPoint from, PixelPoint to, PackedColour colour);

}  // namespace varno

// The marks of what the analysis found, painted into the working picture: red crosses on the
// edge points and the fitted circle in blue.
#pragma once

#include <array>
#include <optional>

#include "Unit2/DiskTypes.h"
#include "Unit2/Image.h"
#include "Unit2/LineDrawing.h"
#include "Unit2/PixelRect.h"

namespace varno {

inline constexpr PackedColour kCrossColour = kRed;
inline constexpr PackedColour kCircleColour = kBlue;
inline constexpr int kCirclePointCount = 721;

// An upright plus sign with arms of two pixels on every EdgeFound entry, clipped to the
// picture; other entries draw nothing. Returns the rectangle of the pixels written.
PixelRect DrawEdgeCrosses(Image& working, const EdgeTable& table);

// Point i (0 .. 720) of the circle: a = i x 0.5 degrees from the bottom through the right,
// (floor(X0 + R sin a + 0.5), floor(Y0 + R cos a + 0.5)). None when it is not a number or
// lies beyond the reach of a line.
std::optional<PixelPoint> CirclePoint(const DiskFit& fit, int i);

// The 721 points joined by one-pixel lines, each leaving its end point to the next; point
// 720 closes the circle on point 0. Returns the rectangle of the pixels written.
PixelRect DrawFittedCircle(Image& working, const DiskFit& fit);

// Copies the reference picture over the working picture where both have pixels; a working
// picture of another size keeps what lies beyond the reference. Returns the rectangle copied.
PixelRect RestoreWorkingImage(Image& working, const Image& reference);

}  // namespace varno

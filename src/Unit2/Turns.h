// The exact turns of a picture: flip, mirror, half turn and quarter turns.
#pragma once

#include "Unit2/Image.h"

namespace varno {

// Top to bottom: pixel (x, y) goes to (x, H - 1 - y).
Image Flip(const Image& picture);

// Left to right: pixel (x, y) goes to (W - 1 - x, y).
Image Mirror(const Image& picture);

// Pixel (x, y) goes to (W - 1 - x, H - 1 - y).
Image Rotation180(const Image& picture);

// A quarter turn, clockwise on the screen (y downwards) or counter-clockwise. The result is
// H wide and W high: clockwise, new (i, j) = old (j, H - 1 - i); counter-clockwise,
// new (i, j) = old (W - 1 - j, i).
Image Rotation90(const Image& picture, bool clockwise);

}  // namespace varno

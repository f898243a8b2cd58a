// Turning a picture by any angle about the disk centre, by nearest neighbour or bilinear.
#pragma once

#include "Unit2/Image.h"

namespace varno {

enum class Sampler {
    NearestNeighbour,  // "NN": copies source pixels, colours and all
    Bilinear,          // "BL": a grey level interpolated from the blue components
};

// The grey level 0..255 interpolated at (xs, ys) between columns x1, x2 and rows y1, y2 from
// the blue components of c11 (x1, y1), c21 (x2, y1), c12 (x1, y2) and c22 (x2, y2), each
// weight and sum held as a double and the result truncated toward zero (127.9 gives 127).
int InterpolateGrey(int x1, int x2, int y1, int y2, PackedColour c11, PackedColour c21,
                    PackedColour c12, PackedColour c22, double xs, double ys);

// The picture turned by angle degrees about (X0, Y0), clockwise on the screen for a positive
// angle, with the picture's size. Every result pixel (x, y) samples the source position
//   xs = ((x - X0) c + X0) + (y - Y0) s,  ys = ((y - Y0) c + Y0) - (x - X0) s
// (s, c: sine and cosine of angle x pi x (1/180)). Where the sampler finds no source pixel
// (nearest neighbour outside the picture; bilinear left of column 0, above row 0 or at or
// beyond the last column or row) the result is the picture's pixel (0, 0). Bilinear keeps
// the colour where its four neighbours are one colour, else gives InterpolateGrey's grey.
// Rows run on all cores; the result is the same as computing each pixel in turn.
Image ResampleRotation(const Image& picture, double angle, double X0, double Y0, Sampler sampler);

}  // namespace varno

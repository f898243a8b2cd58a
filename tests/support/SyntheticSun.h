// Synthetic photographs of the Sun with a known centre and radius, for tests and samples.
#pragma once

#include <cstdint>
#include <vector>

#include "Unit2/Image.h"

namespace varno::testing {

struct Sunspot {
    double x = 0.0;  // centre, pixels
    double y = 0.0;
    double radius = 0.0;
    double level = 0.3;  // brightness relative to the disk around it
};

struct SunOptions {
    int width = 800;
    int height = 600;
    double centreX = 399.5;  // the true disk centre, pixels counted from 0
    double centreY = 299.5;
    double radius = 200.0;
    double diskLevel = 230.0;    // grey level at the disk centre
    double skyLevel = 8.0;       // grey level of the sky; 255 gives a bright sky
    double limbDarkening = 0.6;  // 0: flat disk
    double noise = 0.0;          // amplitude of uniform noise in grey levels
    std::uint32_t seed = 1;
    // Colour of the disk as factors on red, green and blue; all 1 gives a grey picture.
    double red = 1.0;
    double green = 1.0;
    double blue = 1.0;
    std::vector<Sunspot> spots;
};

// Draws the picture with the limb anti-aliased by 4 x 4 sub-pixels, so that the disk edge
// is where the options say to well below a pixel.
Image DrawSyntheticSun(const SunOptions& options);

}  // namespace varno::testing

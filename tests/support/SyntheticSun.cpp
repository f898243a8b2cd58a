// A limb-darkened disk on a dark or bright sky, with optional spots, noise and colour.
#include "SyntheticSun.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace varno::testing {
namespace {

// Brightness of the disk at distance r from the centre, 0 outside.
double DiskBrightness(const SunOptions& o, double dx, double dy) {
    const double rr = (dx * dx + dy * dy) / (o.radius * o.radius);
    if (rr >= 1.0) {
        return -1.0;
    }
    const double mu = std::sqrt(1.0 - rr);
    double level = o.diskLevel * (1.0 - o.limbDarkening * (1.0 - mu));
    for (const Sunspot& spot : o.spots) {
        const double sx = dx + o.centreX - spot.x;
        const double sy = dy + o.centreY - spot.y;
        if (sx * sx + sy * sy < spot.radius * spot.radius) {
            level *= spot.level;
        }
    }
    return level;
}

int ToByte(double v) {
    return static_cast<int>(std::clamp(std::lround(v), 0L, 255L));
}

}  // namespace

Image DrawSyntheticSun(const SunOptions& o) {
    Image picture(o.width, o.height);
    std::mt19937 random(o.seed);
    constexpr int kSub = 4;
    const double reach = o.radius + 2.0;
    for (int y = 0; y < o.height; ++y) {
        auto row = picture.mutableRow(y);
        for (int x = 0; x < o.width; ++x) {
            const double cx = x - o.centreX;
            const double cy = y - o.centreY;
            double red = o.skyLevel;
            double green = o.skyLevel;
            double blue = o.skyLevel;
            if (std::abs(cx) < reach && std::abs(cy) < reach) {
                double r = 0.0;
                double g = 0.0;
                double b = 0.0;
                for (int sy = 0; sy < kSub; ++sy) {
                    for (int sx = 0; sx < kSub; ++sx) {
                        const double dx = cx + (sx + 0.5) / kSub - 0.5;
                        const double dy = cy + (sy + 0.5) / kSub - 0.5;
                        const double level = DiskBrightness(o, dx, dy);
                        if (level < 0.0) {
                            r += o.skyLevel;
                            g += o.skyLevel;
                            b += o.skyLevel;
                        } else {
                            r += level * o.red;
                            g += level * o.green;
                            b += level * o.blue;
                        }
                    }
                }
                red = r / (kSub * kSub);
                green = g / (kSub * kSub);
                blue = b / (kSub * kSub);
            }
            if (o.noise > 0.0) {
                // Raw generator output keeps the pictures identical on every standard library.
                const double n = (static_cast<double>(random()) / 4294967295.0 - 0.5) * o.noise;
                red += n;
                green += n;
                blue += n;
            }
            row[static_cast<std::size_t>(x)] = PackColour(ToByte(red), ToByte(green), ToByte(blue));
        }
    }
    return picture;
}

}  // namespace varno::testing

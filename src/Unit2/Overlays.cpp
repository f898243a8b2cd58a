// Edge crosses, the fitted circle and the restore of the unmarked picture.
#include "Unit2/Overlays.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace varno {

PixelRect DrawEdgeCrosses(Image& working, const EdgeTable& table) {
    // The upright first, then the two arms, as the points are set one by one.
    static constexpr std::array<std::array<int, 2>, 9> kCross{
        {{0, -2}, {0, -1}, {0, 0}, {0, 1}, {0, 2}, {-2, 0}, {-1, 0}, {1, 0}, {2, 0}}};
    PixelRect touched;
    if (working.empty()) {
        return touched;
    }
    const auto pixels = working.mutablePixels();
    const std::int64_t width = working.width();
    const std::int64_t height = working.height();
    for (const EdgeEntry& entry : table) {
        if (entry.state != EdgeState::EdgeFound) {
            continue;
        }
        for (const auto& [dx, dy] : kCross) {
            // 64 bits: an entry at the edge of the 32-bit range must not wrap into the picture.
            const std::int64_t x = std::int64_t{entry.x} + dx;
            const std::int64_t y = std::int64_t{entry.y} + dy;
            if (x < 0 || y < 0 || x >= width || y >= height) {
                continue;
            }
            pixels[static_cast<std::size_t>(y * width + x)] = kCrossColour;
            touched.include(static_cast<int>(x), static_cast<int>(y));
        }
    }
    return touched;
}

std::optional<PixelPoint> CirclePoint(const DiskFit& fit, int i) {
    const double a = i * 0.5 * std::numbers::pi * (1.0 / 180.0);
    const double px = std::floor(fit.X0 + fit.R * std::sin(a) + 0.5);
    const double py = std::floor(fit.Y0 + fit.R * std::cos(a) + 0.5);
    const auto reach = static_cast<double>(kLineReach);
    if (!(std::abs(px) <= reach && std::abs(py) <= reach)) {
        return std::nullopt;
    }
    return PixelPoint{static_cast<std::int64_t>(px), static_cast<std::int64_t>(py)};
}

PixelRect DrawFittedCircle(Image& working, const DiskFit& fit) {
    PixelRect touched;
    std::optional<PixelPoint> pen = CirclePoint(fit, 0);
    for (int i = 1; i < kCirclePointCount; ++i) {
        const std::optional<PixelPoint> point = CirclePoint(fit, i);
        if (pen && point) {
            touched = touched.united(DrawLineSegment(working, *pen, *point, kCircleColour));
        }
        pen = point;
    }
    return touched;
}

PixelRect RestoreWorkingImage(Image& working, const Image& reference) {
    if (working.width() == reference.width() && working.height() == reference.height()) {
        working = reference;  // shares the pixels until the next mark is drawn
        return {0, 0, working.width(), working.height()};
    }
    const int width = std::min(working.width(), reference.width());
    const int height = std::min(working.height(), reference.height());
    if (width <= 0 || height <= 0) {
        return {};
    }
    for (int y = 0; y < height; ++y) {
        std::ranges::copy(reference.row(y).first(static_cast<std::size_t>(width)),
                          working.mutableRow(y).begin());
    }
    return {0, 0, width, height};
}

}  // namespace varno

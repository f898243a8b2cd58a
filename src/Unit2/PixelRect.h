// The rectangle of pixels an overlay drawing touched, so a window repaints only that.
#pragma once

#include <algorithm>

namespace varno {

// Columns left .. right - 1 and rows top .. bottom - 1; empty when nothing was touched.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool empty() const noexcept { return right <= left || bottom <= top; }
    int width() const noexcept { return empty() ? 0 : right - left; }
    int height() const noexcept { return empty() ? 0 : bottom - top; }
    bool contains(int x, int y) const noexcept {
        return x >= left && x < right && y >= top && y < bottom;
    }

    // The smallest rectangle holding both; an empty one adds nothing.
    PixelRect united(const PixelRect& other) const noexcept {
        if (other.empty()) {
            return *this;
        }
        if (empty()) {
            return other;
        }
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    // Adds the single pixel (x, y).
    void include(int x, int y) noexcept { *this = united({x, y, x + 1, y + 1}); }

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace varno

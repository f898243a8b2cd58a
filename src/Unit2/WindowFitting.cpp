// The arithmetic of the main window's geometry.
#include "Unit2/WindowFitting.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace varno {
namespace {

// An image area of at least 502 pixels; the option column is 300 pixels wide.
constexpr std::int64_t kImageBand = 502;
constexpr std::int64_t kOptionColumn = 300;

int ClampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace

WindowFit FitMainWindow(int w, int h, int screenWidth, int screenHeight) {
    const std::int64_t wantedWidth = std::int64_t{w} + kOptionColumn + 12;
    const std::int64_t wantedHeight = h < kImageBand ? kImageBand + 59 : std::int64_t{h} + 59;

    WindowFit fit{};
    // Halving truncates toward zero, as C++ division does: -1 halves to 0, which is no
    // overflow of the screen, so the window keeps its wanted size and only gets a scroll bar.
    const std::int64_t top = (std::int64_t{screenHeight} - 28 - wantedHeight) / 2;
    if (top < 0) {
        fit.Top = 0;
        fit.Height = ClampToInt(std::int64_t{screenHeight} - 28);
        fit.VerticalScrollBar = true;
    } else {
        fit.Top = ClampToInt(top);
        fit.Height = ClampToInt(wantedHeight);
        fit.VerticalScrollBar = wantedHeight > std::int64_t{screenHeight} - 42;
    }

    const std::int64_t left = (std::int64_t{screenWidth} - wantedWidth) / 2;
    if (left < 0) {
        fit.Left = 0;
        fit.Width = screenWidth;
        fit.HorizontalScrollBar = true;
    } else {
        fit.Left = ClampToInt(left);
        fit.Width = ClampToInt(wantedWidth);
        fit.HorizontalScrollBar = wantedWidth > std::int64_t{screenWidth} - 14;
    }
    return fit;
}

int BorderedSize(std::int32_t size, std::int32_t borderWidth) {
    return ClampToInt(std::int64_t{size} + 2 * std::int64_t{borderWidth});
}

int Panel1Width(int s, bool horizontalScrollBarShown) {
    const std::int64_t scrollBarAllowance = horizontalScrollBarShown ? 8 : 0;
    const std::int64_t imageWidth = std::max<std::int64_t>(s, kImageBand);
    return ClampToInt(imageWidth + 312 - scrollBarAllowance);
}

int WorkingImageLeft(int groupBox2Left, int groupBox2Width) {
    return ClampToInt(std::int64_t{groupBox2Left} + groupBox2Width + 9);
}

int WorkingImageTop(int pictureHeight) {
    if (pictureHeight >= kImageBand) {
        return 8;
    }
    return ClampToInt((kImageBand - pictureHeight) / 2 + 8);
}

ImagePlace OutputImagePlace(int workingWidth, int workingHeight, int outputWidth,
                            int outputHeight) {
    const std::int64_t band = std::max<std::int64_t>(workingHeight, kImageBand);
    return ImagePlace{
        ClampToInt(kOptionColumn + (std::int64_t{workingWidth} - outputWidth) / 2),
        ClampToInt(8 + (band - outputHeight) / 2),
    };
}

}  // namespace varno

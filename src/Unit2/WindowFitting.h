// The arithmetic of the main window's geometry: its fitting to the chosen screen size and the
// places of the separator panel, the working image and the output image.
#pragma once

#include <cstdint>

namespace varno {

// Sizes come from edit boxes and the settings file, so any 32-bit value can arrive here: every
// routine computes in 64 bits and clamps its results into the int range.

// The window's geometry in pixels and the scroll bars it needs. The caller applies them in
// this order: width, height, top, left, vertical scroll bar, horizontal scroll bar. A tiny
// screen size can make Width or Height negative; the window applies its own minimum size.
struct WindowFit {
    int Width;
    int Height;
    int Top;
    int Left;
    bool VerticalScrollBar;
    bool HorizontalScrollBar;

    friend bool operator==(const WindowFit&, const WindowFit&) = default;
};

// The main window for an image of w x h pixels beside the 300-pixel option column, centred on
// a screen of screenWidth x screenHeight, with scroll bars where it cannot fit.
WindowFit FitMainWindow(int w, int h, int screenWidth, int screenHeight);

// The output image's extent with its border on both sides: size + 2 x borderWidth.
int BorderedSize(std::int32_t size, std::int32_t borderWidth);

// The width of Panel1 for s = XSize + 2 x BorderWidth (see BorderedSize).
int Panel1Width(int s, bool horizontalScrollBarShown);

// The working image sits 9 pixels right of the "Output Image" group box.
int WorkingImageLeft(int groupBox2Left, int groupBox2Width);

// The working image's top: centred in a band of 502 pixels that starts at 8.
int WorkingImageTop(int pictureHeight);

// Where the output image is shown in the client area.
struct ImagePlace {
    int Left;
    int Top;

    friend bool operator==(const ImagePlace&, const ImagePlace&) = default;
};

// Centred over the working image's place (left edge 300) and within a band from 8 that is at
// least 502 pixels high; the halvings truncate toward zero.
ImagePlace OutputImagePlace(int workingWidth, int workingHeight, int outputWidth, int outputHeight);

}  // namespace varno

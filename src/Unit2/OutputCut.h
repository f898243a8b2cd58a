// "Create Image" up to the texts: the output size, the crop origin, the size checks, the
// 1:1 cut around the disk centre and the border.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Unit2/DiskTypes.h"
#include "Unit2/Image.h"

namespace varno {

inline constexpr std::string_view kReduceXSize =
    "The requested output image size is incorrect - reduce x image size";
inline constexpr std::string_view kReduceYSize =
    "The requested output image size is incorrect - reduce y image size";
inline constexpr std::string_view kIncreaseXSize =
    "The requested output image size is incorrect - increase x image size";
inline constexpr std::string_view kIncreaseYSize =
    "The requested output image size is incorrect - increase y image size";

// The output options of the main window. The border width counts in the output size whether
// or not the border is painted.
struct OutputFrame {
    std::int32_t XSize = 500;
    std::int32_t YSize = 500;
    bool BorderOn = true;
    std::int32_t BorderWidth = 1;
    PackedColour BorderColour = kBlack;
};

// The output's width and height: XSize + 2 x BorderWidth and YSize + 2 x BorderWidth, in
// 64 bits so that no option value can overflow them.
struct OutputSize {
    std::int64_t SX = 0;
    std::int64_t SY = 0;
};
OutputSize OutputSizeOf(const OutputFrame& frame);

// The working-picture pixel that becomes output pixel (0, 0): floor((X0 - SX / 2) + 0.5) and
// its y twin, each in double precision, rounded down (-0.3 gives -1). Not a number when the
// centre is not.
struct CropOrigin {
    double OX = 0.0;
    double OY = 0.0;
};
CropOrigin CropOriginOf(const DiskFit& fit, OutputSize size);

// The first size check that fails, in the order: origin left of the picture, origin above
// it, output wider than the picture, output higher than it. An output width or height of
// zero or less counts as too narrow or too low ("increase"), and an origin that is not a
// number as lying left of or above the picture.
std::optional<std::string_view> CheckOutputSize(CropOrigin origin, OutputSize size,
                                                int workingWidth, int workingHeight);

// What "Create Image" shows: either the refusal, or the cut and framed output (without the
// texts) and where the window places it, left = 300 + (W - SX) / 2 and
// top = 8 + (max(H, 502) - SY) / 2.
struct OutputCut {
    std::optional<std::string> refusal;
    Image output;
    int left = 0;
    int top = 0;
};

// Copies the output 1:1 from the working picture around the disk centre and paints the
// border bands. Output pixels beyond the picture's right or bottom edge (the checks allow
// them when the disk lies near those edges) are black; nothing outside the picture is read.
OutputCut CutOutputImage(const Image& working, const DiskFit& fit, const OutputFrame& frame);

}  // namespace varno

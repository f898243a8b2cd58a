// The cut of the output image from the working picture and its border.
#include "Unit2/OutputCut.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace varno {
namespace {

void PaintRectangle(Image& output, std::int64_t left, std::int64_t top, std::int64_t right,
                    std::int64_t bottom, PackedColour colour) {
    left = std::clamp<std::int64_t>(left, 0, output.width());
    right = std::clamp<std::int64_t>(right, 0, output.width());
    top = std::clamp<std::int64_t>(top, 0, output.height());
    bottom = std::clamp<std::int64_t>(bottom, 0, output.height());
    if (left >= right) {
        return;
    }
    for (auto y = static_cast<int>(top); y < bottom; ++y) {
        const auto row = output.mutableRow(y);
        std::fill(row.begin() + left, row.begin() + right, colour);
    }
}

}  // namespace

OutputSize OutputSizeOf(const OutputFrame& frame) {
    const std::int64_t border = frame.BorderWidth;
    return {frame.XSize + 2 * border, frame.YSize + 2 * border};
}

CropOrigin CropOriginOf(const DiskFit& fit, OutputSize size) {
    // SX / 2 is exact in a double for every SX that 64 bits of option values can make.
    const double halfX = static_cast<double>(size.SX) / 2.0;
    const double halfY = static_cast<double>(size.SY) / 2.0;
    return {std::floor((fit.X0 - halfX) + 0.5), std::floor((fit.Y0 - halfY) + 0.5)};
}

std::optional<std::string_view> CheckOutputSize(CropOrigin origin, OutputSize size,
                                                int workingWidth, int workingHeight) {
    if (!(origin.OX >= 0.0)) {
        return kReduceXSize;
    }
    if (!(origin.OY >= 0.0)) {
        return kReduceYSize;
    }
    if (size.SX > workingWidth || size.SX <= 0) {
        return kIncreaseXSize;
    }
    if (size.SY > workingHeight || size.SY <= 0) {
        return kIncreaseYSize;
    }
    return std::nullopt;
}

OutputCut CutOutputImage(const Image& working, const DiskFit& fit, const OutputFrame& frame) {
    const OutputSize size = OutputSizeOf(frame);
    const CropOrigin origin = CropOriginOf(fit, size);
    const int W = working.width();
    const int H = working.height();
    OutputCut cut;
    if (const auto refusal = CheckOutputSize(origin, size, W, H)) {
        cut.refusal = std::string(*refusal);
        return cut;
    }
    // From here 0 < SX <= W and 0 < SY <= H. An origin at or beyond the far edge only brings
    // black, so it is clamped there before it becomes an integer.
    const auto SX = static_cast<int>(size.SX);
    const auto SY = static_cast<int>(size.SY);
    const auto OX = static_cast<int>(std::min(origin.OX, static_cast<double>(W)));
    const auto OY = static_cast<int>(std::min(origin.OY, static_cast<double>(H)));

    cut.output = Image(SX, SY, kBlack);
    const int copiedWidth = std::min(SX, W - OX);
    const int copiedHeight = std::min(SY, H - OY);
    for (int y = 0; y < copiedHeight; ++y) {
        const auto from = working.row(OY + y).subspan(static_cast<std::size_t>(OX),
                                                      static_cast<std::size_t>(copiedWidth));
        std::ranges::copy(from, cut.output.mutableRow(y).begin());
    }

    if (frame.BorderOn) {
        const std::int64_t B = frame.BorderWidth;
        const PackedColour colour = frame.BorderColour;
        PaintRectangle(cut.output, 0, 0, B, SY, colour);        // left band
        PaintRectangle(cut.output, SX - B, 0, SX, SY, colour);  // right band
        PaintRectangle(cut.output, 0, 0, SX, B, colour);        // top band
        PaintRectangle(cut.output, 0, SY - B, SX, SY, colour);  // bottom band
    }

    // Both differences are at least 0 after the checks; halving truncates.
    cut.left = 300 + (W - SX) / 2;
    cut.top = 8 + (std::max(H, 502) - SY) / 2;
    return cut;
}

}  // namespace varno

// Backward-mapped rotation: each result pixel computes its source position and samples it.
#include "Unit2/Resampling.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

#include "Unit2/ParallelRows.h"
#include "Unit2/ResamplingSpans.h"

namespace varno {
namespace {

// The source position of result pixel (x, y) splits into a part of the column and a part of
// the row: xs = columnX[x] + rowX, ys = rowY - columnY[x]. Each part is computed exactly as
// in the whole formula, so the sums are the same doubles.
struct SourceGrid {
    std::vector<double> columnX;  // (x - X0) c + X0
    std::vector<double> columnY;  // (x - X0) s
    double s = 0.0;
    double c = 0.0;
    double X0 = 0.0;
    double Y0 = 0.0;

    double rowX(int y) const { return (y - Y0) * s; }
    double rowY(int y) const { return (y - Y0) * c + Y0; }
};

SourceGrid MakeSourceGrid(int width, double angle, double X0, double Y0) {
    const double theta = angle * std::numbers::pi * (1.0 / 180.0);
    SourceGrid grid;
    grid.s = std::sin(theta);
    grid.c = std::cos(theta);
    grid.X0 = X0;
    grid.Y0 = Y0;
    grid.columnX.resize(static_cast<std::size_t>(width));
    grid.columnY.resize(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        grid.columnX[static_cast<std::size_t>(x)] = (x - X0) * grid.c + X0;
        grid.columnY[static_cast<std::size_t>(x)] = (x - X0) * grid.s;
    }
    return grid;
}

// Result pixels are visited in tiles: a turned row of the result runs across thousands of
// source rows, a tile reads only a small patch of them. The order of the visits does not
// change any pixel.
constexpr int kTileRows = 32;
constexpr int kTileColumns = 128;

using SpanSampler = void (*)(const resampling::SourcePicture&, const resampling::Span&);

void ResampleRows(const resampling::SourcePicture& source, const SourceGrid& grid,
                  PackedColour* target, int first, int last, SpanSampler sampleSpan) {
    const int width = source.width;
    for (int y0 = first; y0 < last; y0 += kTileRows) {
        const int y1 = std::min(y0 + kTileRows, last);
        for (int x0 = 0; x0 < width; x0 += kTileColumns) {
            const int x1 = std::min(x0 + kTileColumns, width);
            for (int y = y0; y < y1; ++y) {
                sampleSpan(source, {grid.columnX.data() + x0, grid.columnY.data() + x0,
                                    grid.rowX(y), grid.rowY(y),
                                    target + static_cast<std::ptrdiff_t>(y) * width + x0, x1 - x0});
            }
        }
    }
}

// The widest vector spans the processor has; all give the same pixels.
SpanSampler ChooseSpanSampler(const resampling::SourcePicture& source, Sampler sampler) {
    const bool nearest = sampler == Sampler::NearestNeighbour;
    if (resampling::CanUseAvx512(source)) {
        return nearest ? resampling::NearestSpanAvx512 : resampling::BilinearSpanAvx512;
    }
    if (resampling::CanUseAvx2(source)) {
        return nearest ? resampling::NearestSpanAvx2 : resampling::BilinearSpanAvx2;
    }
    return nearest ? resampling::NearestSpan : resampling::BilinearSpan;
}

}  // namespace

namespace resampling {

// floor(xs + 0.5) lies in [0, W) exactly when xs + 0.5 does (W is whole), and then the
// truncation is the floor. A position that is not a number fails both tests.
void NearestSpan(const SourcePicture& source, const Span& span) {
    const double widthLimit = source.width;
    const double heightLimit = source.height;
    for (int k = 0; k < span.count; ++k) {
        const double u = (span.columnX[k] + span.rowX) + 0.5;
        const double v = (span.rowY - span.columnY[k]) + 0.5;
        if (u >= 0.0 && u < widthLimit && v >= 0.0 && v < heightLimit) {
            span.out[k] =
                source.pixels[static_cast<std::ptrdiff_t>(static_cast<int>(v)) * source.width +
                              static_cast<int>(u)];
        } else {
            span.out[k] = source.fill;
        }
    }
}

// floor(xs) < W - 1 exactly when xs < W - 1, so the last column and row are never sampled.
void BilinearSpan(const SourcePicture& source, const Span& span) {
    const int width = source.width;
    const double uLimit = width - 1;
    const double vLimit = source.height - 1;
    for (int k = 0; k < span.count; ++k) {
        const double xs = span.columnX[k] + span.rowX;
        const double ys = span.rowY - span.columnY[k];
        if (!(xs >= 0.0 && xs < uLimit && ys >= 0.0 && ys < vLimit)) {
            span.out[k] = source.fill;
            continue;
        }
        const int u = static_cast<int>(xs);
        const int v = static_cast<int>(ys);
        const PackedColour* near = source.pixels + static_cast<std::ptrdiff_t>(v) * width + u;
        const PackedColour p00 = near[0];
        const PackedColour p10 = near[1];
        const PackedColour p01 = near[width];
        const PackedColour p11 = near[width + 1];
        if (p00 == p10 && p10 == p01 && p01 == p11) {
            span.out[k] = p00;
        } else {
            span.out[k] =
                GreyPixel(InterpolateGrey(u, u + 1, v, v + 1, p00, p10, p01, p11, xs, ys));
        }
    }
}

}  // namespace resampling

int InterpolateGrey(int x1, int x2, int y1, int y2, PackedColour c11, PackedColour c21,
                    PackedColour c12, PackedColour c22, double xs, double ys) {
    // The blue byte: the first two digits of the colour as six hexadecimal digits.
    const int q11 = BlueOf(c11);
    const int q21 = BlueOf(c21);
    const int q12 = BlueOf(c12);
    const int q22 = BlueOf(c22);
    const double wx = (x2 - xs) / (x2 - x1);  // weight of column x1
    const double top = wx * q11 + (1 - wx) * q21;
    const double bottom = wx * q12 + (1 - wx) * q22;
    const double wy = (y2 - ys) / (y2 - y1);  // weight of row y1
    const double g = wy * top + (1 - wy) * bottom;
    return static_cast<int>(g);
}

Image ResampleRotation(const Image& picture, double angle, double X0, double Y0, Sampler sampler) {
    Image result = Image::Uninitialised(picture.width(), picture.height());
    if (result.empty()) {
        return result;
    }
    const SourceGrid grid = MakeSourceGrid(picture.width(), angle, X0, Y0);
    const resampling::SourcePicture source{picture.pixels().data(), picture.width(),
                                           picture.height(), picture.pixel(0, 0)};
    const SpanSampler sampleSpan = ChooseSpanSampler(source, sampler);
    PackedColour* target = result.mutablePixels().data();
    ForEachRowBand(picture.height(), picture.pixelCount(), [&](int first, int last) {
        ResampleRows(source, grid, target, first, last, sampleSpan);
    });
    return result;
}

}  // namespace varno

// Turning by any angle: the two samplers at their boundaries, the grey interpolation, and the
// threaded rows against the formulas evaluated pixel by pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "NumberedPicture.h"
#include "SyntheticSun.h"
#include "Unit2/Resampling.h"
#include "Unit2/ResamplingSpans.h"

namespace varno {
namespace {

using testing::NumberedPicture;

// The resampling written the plain way, pixel by pixel in the order the formulas give (x
// outer, y inner), with the picture's own pixel reads: the yardstick for the fast rows.
Image ResampleEachPixel(const Image& ref, double angle, double X0, double Y0, Sampler sampler) {
    const int W = ref.width();
    const int H = ref.height();
    Image result(W, H);
    const double theta = angle * std::numbers::pi * (1.0 / 180.0);
    const double s = std::sin(theta);
    const double c = std::cos(theta);
    const PackedColour F = ref.pixel(0, 0);
    for (int x = 0; x < W; ++x) {
        for (int y = 0; y < H; ++y) {
            const double xs = ((x - X0) * c + X0) + (y - Y0) * s;
            const double ys = ((y - Y0) * c + Y0) - (x - X0) * s;
            PackedColour out = F;
            if (sampler == Sampler::NearestNeighbour) {
                const double u = std::floor(xs + 0.5);
                const double v = std::floor(ys + 0.5);
                if (0 <= u && u < W && 0 <= v && v < H) {
                    out = ref.pixel(static_cast<int>(u), static_cast<int>(v));
                }
            } else {
                const double u = std::floor(xs);
                const double v = std::floor(ys);
                if (!(u < 0 || u >= W - 1 || v < 0 || v >= H - 1 || std::isnan(xs) ||
                      std::isnan(ys))) {
                    const int iu = static_cast<int>(u);
                    const int iv = static_cast<int>(v);
                    const PackedColour p00 = ref.pixel(iu, iv);
                    const PackedColour p10 = ref.pixel(iu + 1, iv);
                    const PackedColour p01 = ref.pixel(iu, iv + 1);
                    const PackedColour p11 = ref.pixel(iu + 1, iv + 1);
                    if (p00 == p10 && p10 == p01 && p01 == p11) {
                        out = p00;
                    } else {
                        out = GreyPixel(
                            InterpolateGrey(iu, iu + 1, iv, iv + 1, p00, p10, p01, p11, xs, ys));
                    }
                }
            }
            result.setPixel(x, y, out);
        }
    }
    return result;
}

void ExpectSamePictures(const Image& expected, const Image& actual, const char* what) {
    ASSERT_EQ(actual.width(), expected.width()) << what;
    ASSERT_EQ(actual.height(), expected.height()) << what;
    int wrong = 0;
    for (int y = 0; y < expected.height() && wrong < 5; ++y) {
        for (int x = 0; x < expected.width() && wrong < 5; ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                ++wrong;
                ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") expected "
                              << expected.pixel(x, y) << ", actual " << actual.pixel(x, y);
            }
        }
    }
}

struct PerPixelCase {
    double angle;
    double X0;
    double Y0;
};

TEST(ResamplingTest, FastRowsMatchTheFormulasPixelByPixel) {
    // A coloured, noisy Sun of 1.2 megapixels: large enough to be shared among threads, with
    // flat sky where bilinear keeps the colour and a limb where it interpolates.
    testing::SunOptions options;
    options.width = 1200;
    options.height = 1001;
    options.centreX = 611.3;
    options.centreY = 480.8;
    options.radius = 420.0;
    options.noise = 6.0;
    options.red = 1.0;
    options.green = 0.8;
    options.blue = 0.55;
    Image sun = testing::DrawSyntheticSun(options);
    sun.setPixel(0, 0, 0x3366CC);  // a fill colour of its own
    const PerPixelCase cases[] = {
        {30.0, 611.3, 480.8},   {-0.5, 611.3, 480.8},   {89.999, 600.0, 500.0},
        {90.0, 611.25, 480.75}, {-72.4, -40.0, 1500.0}, {1e-9, 0.0, 0.0},
        {170.0, 611.3, 480.8},
    };
    for (const PerPixelCase& c : cases) {
        for (const Sampler sampler : {Sampler::NearestNeighbour, Sampler::Bilinear}) {
            const std::string what =
                "angle " + std::to_string(c.angle) + (sampler == Sampler::Bilinear ? " BL" : " NN");
            ExpectSamePictures(ResampleEachPixel(sun, c.angle, c.X0, c.Y0, sampler),
                               ResampleRotation(sun, c.angle, c.X0, c.Y0, sampler), what.c_str());
        }
    }
}

TEST(ResamplingTest, VectorSpansGiveThePlainSpansPixels) {
    // Row by row, the AVX2 and AVX-512 spans against the plain ones on the same source positions,
    // including positions beside the edges, across them and not a number.
    testing::SunOptions options;
    options.width = 301;
    options.height = 203;
    options.centreX = 150.2;
    options.centreY = 101.7;
    options.radius = 90.0;
    options.noise = 30.0;
    options.blue = 0.6;
    const Image sun = testing::DrawSyntheticSun(options);
    const resampling::SourcePicture source{sun.pixels().data(), sun.width(), sun.height(),
                                           sun.pixel(0, 0)};
    if (!resampling::CanUseAvx2(source)) {
        GTEST_SKIP() << "this processor has no AVX2; the plain spans do all the work";
    }
    std::vector<double> columnX;
    std::vector<double> columnY;
    for (int k = 0; k < 403; ++k) {
        columnX.push_back(-3.0 + k * 0.7731);
        columnY.push_back(-2.5 + (k % 37) * 0.1 - k * 0.4);
    }
    columnX[17] = std::numeric_limits<double>::quiet_NaN();
    columnY[40] = std::numeric_limits<double>::infinity();
    columnX[41] = 299.0;  // the last column but one: bilinear may still sample it
    columnX[42] = 300.0;  // the last column
    const auto spanOf = [&](std::vector<PackedColour>& out, double rowX, double rowY) {
        return resampling::Span{columnX.data(), columnY.data(), rowX,
                                rowY,           out.data(),     static_cast<int>(out.size())};
    };
    for (int step = 0; step < 67; ++step) {
        const double row = -4.0 + step * 3.37;
        std::vector<PackedColour> plain(403);
        std::vector<PackedColour> vector(403);
        resampling::NearestSpan(source, spanOf(plain, 0.25, row));
        resampling::NearestSpanAvx2(source, spanOf(vector, 0.25, row));
        EXPECT_EQ(plain, vector) << "nearest neighbour, AVX2, row " << row;
        resampling::BilinearSpan(source, spanOf(plain, 0.25, row));
        resampling::BilinearSpanAvx2(source, spanOf(vector, 0.25, row));
        EXPECT_EQ(plain, vector) << "bilinear, AVX2, row " << row;
        if (resampling::CanUseAvx512(source)) {
            resampling::NearestSpan(source, spanOf(plain, 0.25, row));
            resampling::NearestSpanAvx512(source, spanOf(vector, 0.25, row));
            EXPECT_EQ(plain, vector) << "nearest neighbour, AVX-512, row " << row;
            resampling::BilinearSpan(source, spanOf(plain, 0.25, row));
            resampling::BilinearSpanAvx512(source, spanOf(vector, 0.25, row));
            EXPECT_EQ(plain, vector) << "bilinear, AVX-512, row " << row;
        }
    }
}

// On the centre row (y = Y0) a half turn about (X0, Y0) sends column x to 2 X0 - x exactly,
// which puts source positions on the rounding boundaries of nearest neighbour.
TEST(ResamplingTest, NearestNeighbourRoundsHalvesUpAndFillsBeyondHalfAPixel) {
    const Image picture = NumberedPicture(16, 8);
    const PackedColour F = picture.pixel(0, 0);
    struct Case {
        double X0;
        int x;  // result column on row 3
        PackedColour expected;
        const char* source;
    };
    const Case cases[] = {
        {5.25, 0, picture.pixel(11, 3), "10.5 takes column 11"},
        {5.25, 11, picture.pixel(0, 3), "-0.5 takes column 0"},
        {5.245, 11, F, "-0.51 gives the fill"},
        {7.75, 0, F, "15.5 lies beyond the last column"},
        {7.7, 0, picture.pixel(15, 3), "15.4 takes the last column"},
    };
    for (const Case& c : cases) {
        const Image turned = ResampleRotation(picture, 180.0, c.X0, 3.0, Sampler::NearestNeighbour);
        EXPECT_EQ(turned.pixel(c.x, 3), c.expected) << c.source;
    }
}

TEST(ResamplingTest, BilinearAtWholePositionsKeepsUniformColourElseGreyOfBlue) {
    // Angle 0 about a whole-number centre: every source position is the pixel itself.
    Image picture(6, 5, 0x204060);
    picture.setPixel(0, 0, 0x010203);  // the fill colour; its block is not uniform
    picture.setPixel(3, 2, 0x7F1122);  // blue 0x7F: blocks around it are not uniform
    const Image turned = ResampleRotation(picture, 0.0, 2.0, 2.0, Sampler::Bilinear);
    EXPECT_EQ(turned.pixel(4, 3), 0x204060) << "uniform block keeps its colour";
    EXPECT_EQ(turned.pixel(3, 2), GreyPixel(0x7F)) << "grey of the pixel's own blue";
    EXPECT_EQ(turned.pixel(2, 2), GreyPixel(0x20)) << "right neighbour differs";
    EXPECT_EQ(turned.pixel(2, 1), GreyPixel(0x20)) << "lower-right neighbour differs";
    EXPECT_EQ(turned.pixel(0, 0), GreyPixel(0x01));
}

TEST(ResamplingTest, BilinearNeverSamplesAtOrBeyondTheLastColumnOrRow) {
    Image picture(40, 30, 0x445566);
    picture.setPixel(0, 0, kWhite);  // the fill
    const Image still = ResampleRotation(picture, 0.0, 19.5, 14.5, Sampler::Bilinear);
    for (int y = 0; y < 30; ++y) {
        EXPECT_EQ(still.pixel(39, y), kWhite) << "angle 0, last column, row " << y;
        EXPECT_EQ(still.pixel(38, y), y == 29 ? kWhite : 0x445566) << "row " << y;
    }
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(still.pixel(x, 29), kWhite) << "angle 0, last row, column " << x;
    }

    // A hundredth of a degree about (19.5, 14.5): s = 1.745e-4 and the border pixels' sources
    // lie within a few thousandths of a pixel of the edges. Column 39 reaches xs = 39 from
    // row 15 on (and its top pixel's source lies 0.0034 above row 0); row 29 reaches ys = 29
    // up to column 19; column 0 lies left of xs = 0 up to row 14; row 0 lies above ys = 0
    // from column 20 on.
    const Image turned = ResampleRotation(picture, 0.01, 19.5, 14.5, Sampler::Bilinear);
    for (int y = 0; y < 29; ++y) {
        EXPECT_EQ(turned.pixel(39, y), y >= 15 || y == 0 ? kWhite : 0x445566)
            << "column 39, row " << y;
        EXPECT_EQ(turned.pixel(0, y), y <= 14 ? kWhite : 0x445566) << "column 0, row " << y;
    }
    for (int x = 2; x < 39; ++x) {
        EXPECT_EQ(turned.pixel(x, 29), x <= 19 ? kWhite : 0x445566) << "row 29, column " << x;
        EXPECT_EQ(turned.pixel(x, 0), x >= 20 ? kWhite : 0x445566) << "row 0, column " << x;
    }
}

TEST(ResamplingTest, SourcesOutsideThePictureTakeTheTopLeftColour) {
    Image picture(101, 81, 0x808080);
    picture.setPixel(0, 0, 0x00FF00);
    for (const Sampler sampler : {Sampler::NearestNeighbour, Sampler::Bilinear}) {
        const Image turned = ResampleRotation(picture, 30.0, 50.0, 40.0, sampler);
        EXPECT_EQ(turned.pixel(0, 0), 0x00FF00);
        EXPECT_EQ(turned.pixel(100, 0), 0x00FF00);
        EXPECT_EQ(turned.pixel(0, 80), 0x00FF00);
        EXPECT_EQ(turned.pixel(100, 80), 0x00FF00);
        EXPECT_EQ(turned.pixel(50, 40), 0x808080) << "the centre stays";
    }
}

TEST(ResamplingTest, OneColourPictureStaysThatColour) {
    const Image picture(50, 40, 0x123456);
    for (const Sampler sampler : {Sampler::NearestNeighbour, Sampler::Bilinear}) {
        EXPECT_EQ(ResampleRotation(picture, 37.0, 20.3, 25.8, sampler), picture);
    }
}

TEST(ResamplingTest, CentrePixelStaysUnderNearestNeighbour) {
    const Image picture = NumberedPicture(31, 17);
    for (const double angle : {12.0, -45.0, 89.0}) {
        const Image turned = ResampleRotation(picture, angle, 11.0, 6.0, Sampler::NearestNeighbour);
        EXPECT_EQ(turned.pixel(11, 6), picture.pixel(11, 6)) << angle;
    }
}

TEST(ResamplingTest, PositiveAngleTurnsClockwiseOnTheScreen) {
    // Content right of the centre moves below it under +90 degrees (y points down).
    Image picture(21, 21, kBlack);
    picture.setPixel(15, 10, kWhite);
    const Image turned = ResampleRotation(picture, 90.0, 10.0, 10.0, Sampler::NearestNeighbour);
    EXPECT_EQ(turned.pixel(10, 15), kWhite);
    EXPECT_EQ(turned.pixel(15, 10), kBlack);
}

TEST(ResamplingTest, AnglesWithoutASineFillEverythingWithoutFailing) {
    Image picture(20, 10, 0x111111);
    picture.setPixel(0, 0, 0x222222);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const double angle : {nan, inf, -inf}) {
        for (const Sampler sampler : {Sampler::NearestNeighbour, Sampler::Bilinear}) {
            EXPECT_EQ(ResampleRotation(picture, angle, 10.0, 5.0, sampler),
                      Image(20, 10, 0x222222));
        }
    }
    EXPECT_EQ(ResampleRotation(picture, 10.0, nan, 5.0, Sampler::Bilinear),
              Image(20, 10, 0x222222));
    EXPECT_TRUE(ResampleRotation(Image(), 10.0, 0.0, 0.0, Sampler::Bilinear).empty());
}

struct GreyCase {
    double xs;
    double ys;
    PackedColour c11, c21, c12, c22;
    int expected;
    const char* what;
};

TEST(ResamplingTest, InterpolateGreyWeighsTheBlueComponentsAndTruncates) {
    const GreyCase cases[] = {
        {4.0, 7.0, 0x500000, 0xFF0000, 0xFF0000, 0xFF0000, 0x50, "whole position: c11's blue"},
        {4.0, 7.0, 0x50FFFF, 0x000000, 0x000000, 0x000000, 0x50, "red and green do not count"},
        // 0.9 x 127 + 0.1 x 136 = 127.9: truncated, not rounded.
        {4.1, 7.0, 0x7F0000, 0x880000, 0x000000, 0x000000, 127, "127.9 gives 127"},
        // top 50, bottom 227.5, middle 138.75.
        {4.5, 7.5, 0x000000, 0x640000, 0xC80000, 0xFF0000, 138, "the middle"},
        {4.75, 7.0, 0x000000, 0x040000, 0x000000, 0x000000, 3, "three quarters of 4"},
        {4.999, 7.999, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 255, "never above 255"},
    };
    for (const GreyCase& c : cases) {
        EXPECT_EQ(InterpolateGrey(4, 5, 7, 8, c.c11, c.c21, c.c12, c.c22, c.xs, c.ys), c.expected)
            << c.what;
    }
}

}  // namespace
}  // namespace varno

// The cut of the output image: crop origin, the four size checks, the copy and the border.
#include <gtest/gtest.h>

#include <limits>

#include "NumberedPicture.h"
#include "Unit2/OutputCut.h"

namespace varno {
namespace {

using testing::NumberedPicture;

struct OriginCase {
    double X0;
    std::int64_t SX;
    double expected;
};

TEST(OutputCutTest, CropOriginRoundsDown) {
    const OriginCase cases[] = {
        {99.5, 100, 50.0},   // the centre falls between output columns 49 and 50
        {100.0, 101, 50.0},  // the centre lands on output column 50
        {49.2, 100, -1.0},   // -0.3 rounds down to -1, not to 0
        {49.5, 100, 0.0},   {49.4999, 100, -1.0}, {0.0, 1, 0.0},
    };
    for (const OriginCase& c : cases) {
        EXPECT_EQ(CropOriginOf({c.X0, c.X0, 1.0}, {c.SX, c.SX}).OX, c.expected)
            << "X0 " << c.X0 << ", SX " << c.SX;
        EXPECT_EQ(CropOriginOf({c.X0, c.X0, 1.0}, {c.SX, c.SX}).OY, c.expected);
    }
}

struct CheckCase {
    double X0;
    double Y0;
    std::int32_t XSize;
    std::int32_t YSize;
    std::int32_t border;
    std::optional<std::string_view> expected;
};

TEST(OutputCutTest, SizeChecksInTheirOrder) {
    // A 200 x 100 working picture.
    const Image working(200, 100);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const CheckCase cases[] = {
        {100.0, 50.0, 200, 100, 0, std::nullopt},  // the whole picture: origin (0, 0)
        {99.4, 50.0, 200, 100, 0, kReduceXSize},   // the whole picture one step left
        {100.0, 49.4, 200, 100, 0, kReduceYSize},
        {10.0, 10.0, 60, 60, 0, kReduceXSize},  // both origins negative: x only
        {100.0, 10.0, 60, 60, 0, kReduceYSize},
        {50.0, 50.0, 201, 50, 0, kReduceXSize},      // too wide, but the origin comes first
        {150.0, 80.0, 190, 50, 10, kIncreaseXSize},  // 210 x 70 from (45, 45)
        {150.0, 80.0, 150, 90, 6, kIncreaseYSize},   // 162 x 102 from (69, 29)
        {150.0, 80.0, 150, 90, 5, std::nullopt},     // 160 x 100 from (70, 30)
        {150.0, 60.0, 10, 101, 0, kIncreaseYSize},
        {100.0, 50.0, 0, 10, 0, kIncreaseXSize},  // nothing to show
        {100.0, 50.0, 10, -3, 0, kIncreaseYSize},
        {100.0, 50.0, 10, 10, -5, kIncreaseXSize},  // a negative border eats the output
        {100.0, 50.0, 30, 30, -5, std::nullopt},    // 20 x 20
        {100.0, 50.0, kMax, 10, 0, kReduceXSize},
        {1e12, 50.0, kMax, 10, 0, kIncreaseXSize},  // no overflow past the origin check
        {1e12, 1e12, kMax, kMax, kMax, kIncreaseXSize},
        {100.0, 50.0, 10, 10, std::numeric_limits<std::int32_t>::min(), kIncreaseXSize},
        {nan, 50.0, 10, 10, 0, kReduceXSize},
        {100.0, nan, 10, 10, 0, kReduceYSize},
    };
    for (const CheckCase& c : cases) {
        const OutputFrame frame{c.XSize, c.YSize, true, c.border, kBlack};
        const OutputCut cut = CutOutputImage(working, {c.X0, c.Y0, 10.0}, frame);
        const std::optional<std::string> expected =
            c.expected ? std::optional<std::string>(*c.expected) : std::nullopt;
        EXPECT_EQ(cut.refusal, expected) << "X0 " << c.X0 << ", Y0 " << c.Y0 << ", size " << c.XSize
                                         << " x " << c.YSize << ", border " << c.border;
        if (cut.refusal) {
            EXPECT_TRUE(cut.output.empty());
        }
    }
}

TEST(OutputCutTest, CopiesOneToOneAroundTheOrigin) {
    const Image working = NumberedPicture(300, 200);
    // Centre (120.5, 80), 50 x 41 output: OX = floor(120.5 - 25 + 0.5) = 96,
    // OY = floor(80 - 20.5 + 0.5) = 60.
    const OutputCut cut = CutOutputImage(working, {120.5, 80.0, 30.0}, {50, 41, false, 0, 0});
    ASSERT_FALSE(cut.refusal);
    ASSERT_EQ(cut.output.width(), 50);
    ASSERT_EQ(cut.output.height(), 41);
    for (int y = 0; y < 41; ++y) {
        for (int x = 0; x < 50; ++x) {
            ASSERT_EQ(cut.output.pixel(x, y), working.pixel(96 + x, 60 + y)) << x << "," << y;
        }
    }
}

TEST(OutputCutTest, PixelsBeyondTheRightAndBottomEdgesAreBlack) {
    // The disk near the lower right corner: origin (35, 25), output 20 x 10 over a 50 x 30
    // picture, so columns 15 to 19 and rows 5 to 9 of the output lie beyond it.
    const Image working = NumberedPicture(50, 30);
    const OutputCut cut = CutOutputImage(working, {45.0, 30.0, 3.0}, {20, 10, false, 0, 0});
    ASSERT_FALSE(cut.refusal);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            const PackedColour expected = (x < 15 && y < 5) ? working.pixel(35 + x, 25 + y) : 0;
            ASSERT_EQ(cut.output.pixel(x, y), expected) << x << "," << y;
        }
    }
    // An origin beyond the picture altogether gives a black output.
    const OutputCut far = CutOutputImage(working, {1e9, 5.0, 3.0}, {20, 10, false, 0, 0});
    ASSERT_FALSE(far.refusal);
    EXPECT_EQ(far.output, Image(20, 10, kBlack));
}

TEST(OutputCutTest, BorderBandsOfWidthThree) {
    // XSize 14 and YSize 4 with a border of 3 make a 20 x 10 output: columns 0-2 and 17-19,
    // rows 0-2 and 7-9 take the border colour, the rest is the copied picture.
    const Image working = NumberedPicture(40, 30);
    for (const PackedColour colour : {kBlack, kWhite}) {
        const OutputCut cut = CutOutputImage(working, {20.0, 15.0, 5.0}, {14, 4, true, 3, colour});
        ASSERT_FALSE(cut.refusal);
        ASSERT_EQ(cut.output.width(), 20);
        ASSERT_EQ(cut.output.height(), 10);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 20; ++x) {
                const bool band = x <= 2 || x >= 17 || y <= 2 || y >= 7;
                const PackedColour expected = band ? colour : working.pixel(10 + x, 10 + y);
                ASSERT_EQ(cut.output.pixel(x, y), expected) << x << "," << y;
            }
        }
        // Switched off, the same width still counts in the size but nothing is painted.
        const OutputCut plain =
            CutOutputImage(working, {20.0, 15.0, 5.0}, {14, 4, false, 3, colour});
        EXPECT_EQ(plain.output.pixel(0, 0), working.pixel(10, 10));
        EXPECT_EQ(plain.output.pixel(19, 9), working.pixel(29, 19));
    }
}

TEST(OutputCutTest, BorderWiderThanTheOutputFillsIt) {
    const Image working = NumberedPicture(40, 30);
    const OutputCut cut = CutOutputImage(working, {20.0, 15.0, 5.0}, {-4, -4, true, 5, kWhite});
    ASSERT_FALSE(cut.refusal);
    EXPECT_EQ(cut.output, Image(6, 6, kWhite));
}

TEST(OutputCutTest, OutputSizeCountsTheBorderTwice) {
    const Image working(800, 600);
    const OutputCut cut = CutOutputImage(working, {400.0, 300.0, 100.0}, {500, 400, true, 10, 0});
    ASSERT_FALSE(cut.refusal);
    EXPECT_EQ(cut.output.width(), 520);
    EXPECT_EQ(cut.output.height(), 420);
    const OutputSize size = OutputSizeOf({std::numeric_limits<std::int32_t>::max(), -7, true,
                                          std::numeric_limits<std::int32_t>::max(), 0});
    EXPECT_EQ(size.SX, 3 * std::int64_t{std::numeric_limits<std::int32_t>::max()});
    EXPECT_EQ(size.SY, 2 * std::int64_t{std::numeric_limits<std::int32_t>::max()} - 7);
}

struct PlaceCase {
    int W;
    int H;
    std::int32_t XSize;
    std::int32_t YSize;
    int left;
    int top;
};

TEST(OutputCutTest, PlacedCentredOverTheWorkingPicture) {
    const PlaceCase cases[] = {
        {800, 600, 520, 420, 440, 98},
        {801, 601, 520, 420, 440, 98},   // halves truncate
        {400, 300, 301, 201, 349, 158},  // the band is at least 502 high: (502 - 201) / 2 = 150
        {300, 300, 300, 300, 300, 109},
    };
    for (const PlaceCase& c : cases) {
        const Image working(c.W, c.H);
        const OutputCut cut =
            CutOutputImage(working, {c.W / 2.0, c.H / 2.0, 10.0}, {c.XSize, c.YSize, false, 0, 0});
        ASSERT_FALSE(cut.refusal) << *cut.refusal;
        EXPECT_EQ(cut.left, c.left) << c.W << " x " << c.H;
        EXPECT_EQ(cut.top, c.top) << c.W << " x " << c.H;
    }
}

}  // namespace
}  // namespace varno

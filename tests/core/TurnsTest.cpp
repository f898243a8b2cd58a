// Flip, mirror, half and quarter turns as exact permutations of the pixels.
#include <gtest/gtest.h>

#include "NumberedPicture.h"
#include "Unit2/Turns.h"

namespace varno {
namespace {

using testing::NumberedPicture;

// Where every pixel of the original must be found after each turn, written out per pixel.
struct TurnCase {
    const char* name;
    Image (*turn)(const Image&);
    bool swapsSize;
    // The position in the result of original pixel (x, y) of a W x H picture.
    std::pair<int, int> (*target)(int x, int y, int W, int H);
};

Image TurnClockwise(const Image& p) {
    return Rotation90(p, true);
}
Image TurnCounterClockwise(const Image& p) {
    return Rotation90(p, false);
}

const TurnCase kTurns[] = {
    {"Flip", Flip, false,
     [](int x, int y, int, int H) {
         return std::pair{x, H - 1 - y};
     }},
    {"Mirror", Mirror, false,
     [](int x, int y, int W, int) {
         return std::pair{W - 1 - x, y};
     }},
    {"Half", Rotation180, false,
     [](int x, int y, int W, int H) {
         return std::pair{W - 1 - x, H - 1 - y};
     }},
    // Clockwise: the left column, top to bottom, becomes the top row, right to left.
    {"Clockwise", TurnClockwise, true,
     [](int x, int y, int, int H) {
         return std::pair{H - 1 - y, x};
     }},
    // Counter-clockwise: the top row, left to right, becomes the left column, bottom to top.
    {"CounterClockwise", TurnCounterClockwise, true,
     [](int x, int y, int W, int) {
         return std::pair{y, W - 1 - x};
     }},
};

class TurnsTest : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(TurnsTest, EveryPixelLandsWhereTheTurnSendsIt) {
    const auto [W, H] = GetParam();
    const Image original = NumberedPicture(W, H);
    for (const TurnCase& c : kTurns) {
        const Image turned = c.turn(original);
        ASSERT_EQ(turned.width(), c.swapsSize ? H : W) << c.name;
        ASSERT_EQ(turned.height(), c.swapsSize ? W : H) << c.name;
        int wrong = 0;
        for (int y = 0; y < H && wrong < 5; ++y) {
            for (int x = 0; x < W && wrong < 5; ++x) {
                const auto [tx, ty] = c.target(x, y, W, H);
                if (turned.pixel(tx, ty) != original.pixel(x, y)) {
                    ++wrong;
                    ADD_FAILURE() << c.name << " on " << W << " x " << H << ": pixel (" << x << ", "
                                  << y << ") expected at (" << tx << ", " << ty << ") holding "
                                  << original.pixel(x, y) << ", found " << turned.pixel(tx, ty);
                }
            }
        }
    }
}

// Sizes across the tile edges of the quarter turn, one-pixel strips, and a picture large
// enough to be shared among threads.
INSTANTIATE_TEST_SUITE_P(Sizes, TurnsTest,
                         ::testing::Values(std::pair{400, 300}, std::pair{1, 1}, std::pair{1, 70},
                                           std::pair{70, 1}, std::pair{33, 65}, std::pair{64, 32},
                                           std::pair{1500, 777}));

TEST(TurnsTest, TwoQuarterTurnsMakeAHalfTurnAndFourGiveBackThePicture) {
    const Image original = NumberedPicture(37, 21);
    const Image twice = Rotation90(Rotation90(original, true), true);
    EXPECT_EQ(twice, Rotation180(original));
    EXPECT_EQ(Rotation90(Rotation90(original, false), false), Rotation180(original));
    EXPECT_NE(Rotation90(twice, true), original);
    EXPECT_EQ(Rotation90(Rotation90(twice, true), true), original);
    EXPECT_EQ(Rotation90(Rotation90(original, true), false), original);
}

TEST(TurnsTest, FlipAndMirrorTwiceGiveBackThePicture) {
    const Image original = NumberedPicture(40, 25);
    EXPECT_EQ(Flip(Flip(original)), original);
    EXPECT_EQ(Mirror(Mirror(original)), original);
    EXPECT_EQ(Flip(Mirror(original)), Rotation180(original));
}

TEST(TurnsTest, TurnsLeaveTheirSourceUntouched) {
    const Image original = NumberedPicture(9, 4);
    for (const Image& turned : {Flip(original), Mirror(original), Rotation180(original),
                                Rotation90(original, true), Rotation90(original, false)}) {
        EXPECT_FALSE(turned.sharesPixelsWith(original));
    }
    EXPECT_EQ(original, NumberedPicture(9, 4));
}

TEST(TurnsTest, EmptyPicturesTurnIntoEmptyPictures) {
    const Image strip(0, 5);
    EXPECT_EQ(Rotation90(strip, true).width(), 5);
    EXPECT_EQ(Rotation90(strip, true).height(), 0);
    EXPECT_TRUE(Flip(strip).empty());
    EXPECT_TRUE(Mirror(Image()).empty());
    EXPECT_TRUE(Rotation180(Image()).empty());
}

}  // namespace
}  // namespace varno

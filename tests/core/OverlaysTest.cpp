// Edge crosses, the fitted circle, the pen's line segments and the restore of the picture.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <utility>

#include "NumberedPicture.h"
#include "Unit2/Overlays.h"

namespace varno {
namespace {

using Pixels = std::set<std::pair<int, int>>;

// The positions whose colour differs between two pictures of one size.
Pixels ChangedPixels(const Image& before, const Image& after) {
    Pixels changed;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                changed.insert({x, y});
            }
        }
    }
    return changed;
}

PixelRect BoundsOf(const Pixels& pixels) {
    PixelRect bounds;
    for (const auto& [x, y] : pixels) {
        bounds.include(x, y);
    }
    return bounds;
}

EdgeTable TableWith(std::initializer_list<EdgeEntry> entries) {
    EdgeTable table{};
    int i = 0;
    for (const EdgeEntry& entry : entries) {
        table[static_cast<std::size_t>(i++)] = entry;
    }
    return table;
}

struct CrossCase {
    int x;
    int y;
    Pixels expected;
    const char* what;
};

TEST(OverlaysTest, CrossesAreClippedPlusSigns) {
    // A 10 x 8 picture; the crosses are drawn red on grey.
    const CrossCase cases[] = {
        {5, 4, {{5, 2}, {5, 3}, {5, 4}, {5, 5}, {5, 6}, {3, 4}, {4, 4}, {6, 4}, {7, 4}}, "inside"},
        {1, 4, {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {0, 4}, {2, 4}, {3, 4}}, "x = 1"},
        {9, 4, {{9, 2}, {9, 3}, {9, 4}, {9, 5}, {9, 6}, {7, 4}, {8, 4}}, "last column"},
        {0, 0, {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {2, 0}}, "top-left corner"},
        {9, 7, {{9, 5}, {9, 6}, {9, 7}, {7, 7}, {8, 7}}, "bottom-right corner"},
        {11, 4, {{9, 4}}, "two beyond the last column: the arm's tip"},
        {12, 4, {}, "three beyond"},
        {std::numeric_limits<std::int32_t>::max(), 4, {}, "no wrap at the top of the range"},
        {std::numeric_limits<std::int32_t>::min(), 4, {}, "nor at the bottom"},
    };
    for (const CrossCase& c : cases) {
        const Image before(10, 8, 0x808080);
        Image picture = before;
        const PixelRect touched =
            DrawEdgeCrosses(picture, TableWith({{c.x, c.y, EdgeState::EdgeFound}}));
        const Pixels changed = ChangedPixels(before, picture);
        EXPECT_EQ(changed, c.expected) << c.what;
        EXPECT_EQ(touched, BoundsOf(c.expected)) << c.what;
        for (const auto& [x, y] : changed) {
            EXPECT_EQ(picture.pixel(x, y), kCrossColour) << c.what;
        }
    }
}

TEST(OverlaysTest, OnlyFoundEdgesDrawCrosses) {
    const Image before(40, 40, kBlack);
    Image picture = before;
    const PixelRect touched = DrawEdgeCrosses(picture, TableWith({{10, 10, EdgeState::EdgeNone},
                                                                  {20, 20, EdgeState::EdgePending},
                                                                  {30, 30, EdgeState::EdgeFound}}));
    const Pixels changed = ChangedPixels(before, picture);
    EXPECT_EQ(changed.size(), 9u);
    EXPECT_EQ(touched, (PixelRect{28, 28, 33, 33}));
    // A table of default entries (0, 0, EdgeNone) draws nothing at all.
    Image untouched = before;
    EXPECT_TRUE(DrawEdgeCrosses(untouched, EdgeTable{}).empty());
    EXPECT_TRUE(untouched.sharesPixelsWith(before) || untouched == before);
}

TEST(OverlaysTest, CirclePointsStartAtTheBottomAndRunThroughTheRight) {
    const DiskFit fit{100.5, 100.5, 50.0};
    struct Case {
        int i;
        PixelPoint expected;
    };
    // The cosine of three halves of pi and the sine of two pi are not exactly 0 in doubles
    // but about -1.8e-16 and -2.4e-16: times 50 they take 100.5 one unit of the last place
    // down, so at i = 540 y and at i = 720 x round down to 100. The polyline therefore ends
    // one pixel left of its start, at a point that it leaves undrawn.
    const Case cases[] = {{0, {101, 151}},  {180, {151, 101}}, {360, {101, 51}},
                          {540, {51, 100}}, {720, {100, 151}}, {90, {136, 136}}};
    for (const Case& c : cases) {
        EXPECT_EQ(CirclePoint(fit, c.i), c.expected) << "point " << c.i;
    }
    EXPECT_FALSE(CirclePoint({std::nan(""), 0.0, 5.0}, 3));
    EXPECT_FALSE(CirclePoint({0.0, 0.0, 1e12}, 0));
}

TEST(OverlaysTest, CircleIsAClosedOnePixelLineThroughEveryPoint) {
    const DiskFit fit{60.3, 45.8, 30.0};
    const Image before(120, 100, kBlack);
    Image picture = before;
    const PixelRect touched = DrawFittedCircle(picture, fit);
    const Pixels drawn = ChangedPixels(before, picture);
    EXPECT_EQ(touched, BoundsOf(drawn));
    // Every point starts a segment except the last, where the pen comes to rest.
    for (int i = 0; i + 1 < kCirclePointCount; ++i) {
        const PixelPoint p = *CirclePoint(fit, i);
        EXPECT_TRUE(drawn.contains({static_cast<int>(p.x), static_cast<int>(p.y)})) << i;
    }
    for (const auto& [x, y] : drawn) {
        EXPECT_EQ(picture.pixel(x, y), kCircleColour);
        EXPECT_NEAR(std::hypot(x - fit.X0, y - fit.Y0), fit.R, 1.0) << x << "," << y;
        // A closed line: every pixel has two drawn neighbours or more among its eight.
        int neighbours = 0;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                neighbours += (dx != 0 || dy != 0) && drawn.contains({x + dx, y + dy});
            }
        }
        EXPECT_GE(neighbours, 2) << x << "," << y;
    }
}

TEST(OverlaysTest, CircleLargerThanThePictureIsClipped) {
    // Only the arc across the picture is drawn; a circle far away or of absurd size draws
    // nothing and returns at once.
    Image picture(50, 50, kBlack);
    const PixelRect touched = DrawFittedCircle(picture, {0.0, 0.0, 40.0});
    EXPECT_FALSE(touched.empty());
    EXPECT_EQ(picture.pixel(40, 0), kCircleColour);
    EXPECT_EQ(picture.pixel(0, 40), kCircleColour);
    Image other(50, 50, kBlack);
    EXPECT_TRUE(DrawFittedCircle(other, {1e6, 1e6, 10.0}).empty());
    EXPECT_TRUE(DrawFittedCircle(other, {25.0, 25.0, 1e15}).empty());
    EXPECT_TRUE(DrawFittedCircle(other, {std::nan(""), 25.0, 10.0}).empty());
    EXPECT_EQ(other, Image(50, 50, kBlack));
}

struct LineCase {
    PixelPoint from;
    PixelPoint to;
    Pixels expected;
    const char* what;
};

TEST(OverlaysTest, SegmentsCoverTheirStartButNotTheirEnd) {
    const LineCase cases[] = {
        {{2, 5}, {7, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}}, "horizontal"},
        {{3, 6}, {3, 2}, {{3, 6}, {3, 5}, {3, 4}, {3, 3}}, "upwards"},
        {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}, "diagonal"},
        // At step 2 the short axis has moved exactly half a pixel: it rounds away from the start.
        {{0, 0}, {4, 1}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}, "shallow"},
        {{4, 1}, {0, 0}, {{4, 1}, {3, 1}, {2, 0}, {1, 0}}, "shallow, backwards"},
        {{1, 0}, {2, 5}, {{1, 0}, {1, 1}, {1, 2}, {2, 3}, {2, 4}}, "steep"},
        {{4, 4}, {4, 4}, {}, "no length"},
        {{-3, 2}, {3, 2}, {{0, 2}, {1, 2}, {2, 2}}, "from outside"},
        {{-1000, 9},
         {1000, 9},
         {{0, 9}, {1, 9}, {2, 9}, {3, 9}, {4, 9}, {5, 9}, {6, 9}, {7, 9}},
         "across"},
        {{-(std::int64_t{1} << 27), 3},
         {std::int64_t{1} << 27, 3},
         {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}, {7, 3}},
         "across, far"},
        {{-(std::int64_t{1} << 40), 3}, {10, 3}, {}, "beyond reach"},
        {{-5, -5}, {-1, 20}, {}, "beside the picture"},
    };
    for (const LineCase& c : cases) {
        const Image before(8, 10, kBlack);
        Image picture = before;
        const PixelRect touched = DrawLineSegment(picture, c.from, c.to, kWhite);
        EXPECT_EQ(ChangedPixels(before, picture), c.expected) << c.what;
        EXPECT_EQ(touched, BoundsOf(c.expected)) << c.what;
    }
}

TEST(OverlaysTest, ClippedSegmentIsTheVisiblePartOfTheWholeOne) {
    // The same segments on a large picture and, shifted by (-10, -10), on a small one that
    // shows the large one's window [10, 30) x [10, 30).
    const std::pair<PixelPoint, PixelPoint> segments[] = {{{3, 7}, {37, 22}},
                                                          {{36, 1}, {5, 33}},
                                                          {{20, 2}, {24, 38}},
                                                          {{0, 39}, {39, 0}},
                                                          {{2, 18}, {39, 19}}};
    for (const auto& [from, to] : segments) {
        Image large(40, 40, kBlack);
        Image small(20, 20, kBlack);
        DrawLineSegment(large, from, to, kWhite);
        DrawLineSegment(small, {from.x - 10, from.y - 10}, {to.x - 10, to.y - 10}, kWhite);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                ASSERT_EQ(small.pixel(x, y), large.pixel(x + 10, y + 10))
                    << "segment (" << from.x << "," << from.y << ")-(" << to.x << "," << to.y
                    << ") at " << x << "," << y;
            }
        }
    }
}

TEST(OverlaysTest, RestoreTakesAwayMarksUpToTheLastColumnAndRow) {
    const Image reference = testing::NumberedPicture(30, 20);
    Image working = reference;
    DrawEdgeCrosses(working, TableWith({{29, 19, EdgeState::EdgeFound}}));
    DrawFittedCircle(working, {15.0, 10.0, 8.0});
    ASSERT_NE(working, reference);
    EXPECT_EQ(RestoreWorkingImage(working, reference), (PixelRect{0, 0, 30, 20}));
    EXPECT_EQ(working, reference);
}

TEST(OverlaysTest, RestoreOverAPictureOfAnotherSizeCopiesTheCommonPart) {
    // After "Create Image" the working picture is the smaller output; a larger working
    // picture keeps what lies beyond the reference.
    const Image reference = testing::NumberedPicture(30, 20);
    Image smaller(10, 25, kWhite);
    EXPECT_EQ(RestoreWorkingImage(smaller, reference), (PixelRect{0, 0, 10, 20}));
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(smaller.pixel(x, y), y < 20 ? reference.pixel(x, y) : kWhite)
                << x << "," << y;
        }
    }
    Image nothing;
    EXPECT_TRUE(RestoreWorkingImage(nothing, Image(5, 0)).empty());
}

}  // namespace
}  // namespace varno

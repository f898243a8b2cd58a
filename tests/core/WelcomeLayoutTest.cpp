// The welcome window's placement on the screens its users have.
#include <gtest/gtest.h>

#include "Unit2/WelcomeLayout.h"

namespace varno {
namespace {

struct PlacementCase {
    const char* screen;
    int windowWidth;
    int label1Width;
    WelcomePlacement expected;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.screen;
}

class WelcomePlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(WelcomePlacementTest, ControlsAreCentredOnThePanel) {
    const PlacementCase& c = GetParam();
    const WelcomePlacement got = PlaceWelcomeControls(c.windowWidth, 75, c.label1Width);
    EXPECT_EQ(got.Panel1Width, c.expected.Panel1Width);
    EXPECT_EQ(got.IntroButtonLeft, c.expected.IntroButtonLeft);
    EXPECT_EQ(got.Label1Left, c.expected.Label1Left);
    EXPECT_EQ(got.Label2Width, c.expected.Label2Width);
    EXPECT_EQ(got.Label2Left, c.expected.Label2Left);
}

// 814 is the fitted width for the defaults on 1024 x 768: 790 / 2 - 650 / 2 = 70; the button at
// 407 - 37. On 640 x 480 the panel of 616 cannot hold 650, so the text takes 554 (616 x 0.9
// truncated) at 308 - 277. A title wider than the panel is pinned to its left edge.
INSTANTIATE_TEST_SUITE_P(
    Screens, WelcomePlacementTest,
    ::testing::Values(PlacementCase{"1024x768", 814, 301, {790, 370, 245, 650, 70}},
                      PlacementCase{"640x480", 640, 301, {616, 283, 158, 554, 31}},
                      PlacementCase{"panel just wide enough", 674, 10, {650, 300, 320, 650, 0}},
                      PlacementCase{"one pixel too narrow", 673, 10, {649, 299, 319, 584, 32}},
                      PlacementCase{"title wider than panel", 300, 400, {276, 113, 0, 248, 14}}));

TEST(WelcomePlacementTest, NineTenthsOfAPanelWidthThatIsAMultipleOfTenIsExact) {
    // 0.9 as a double lies above 0.9, so 610 x 0.9 is not 548.99...; the width is 549.
    for (int panel = 10; panel < 650; panel += 10) {
        const WelcomePlacement got = PlaceWelcomeControls(panel + 24, 75, 0);
        EXPECT_EQ(got.Label2Width, panel / 10 * 9) << "panel " << panel;
    }
}

}  // namespace
}  // namespace varno

// The decision of one "Rotate Image" press and its application to the reference picture.
#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <sstream>

#include "NumberedPicture.h"
#include "Unit2/RotationPlan.h"
#include "Unit2/Turns.h"

namespace varno {

void PrintTo(const RotationPlan& plan, std::ostream* out) {
    *out << "{angle " << plan.angle << (plan.angleChanged ? " (changed)" : "") << ", residual ";
    if (plan.residual) {
        *out << *plan.residual;
    } else {
        *out << "none";
    }
    *out << ", turns";
    for (const PictureTurn turn : plan.turns) {
        static const char* const kNames[] = {"Flip", "Mirror", "Clockwise", "CounterClockwise",
                                             "Half"};
        *out << " " << kNames[static_cast<int>(turn)];
    }
    *out << "}";
}

namespace {

using testing::NumberedPicture;
constexpr auto CW = PictureTurn::QuarterClockwise;
constexpr auto CCW = PictureTurn::QuarterCounterClockwise;
constexpr auto Half = PictureTurn::Half;
constexpr std::optional<double> None = std::nullopt;

struct PlanCase {
    double angle;
    RotationPlan expected;
};

TEST(RotationPlanTest, AnglesSplitIntoResidualAndWholeTurns) {
    const PlanCase cases[] = {
        // Exact presets: no resampling.
        {180.0, {180.0, false, None, {Half}}},
        {-180.0, {-180.0, false, None, {Half}}},
        {90.0, {90.0, false, None, {CW}}},
        {-90.0, {-90.0, false, None, {CCW}}},
        {0.0, {0.0, false, None, {}}},
        {-0.0, {-0.0, false, None, {}}},
        // One row of the table each, and the boundaries between rows.
        {-300.0, {-300.0, false, -30.0, {CCW, Half}}},
        {-270.0, {-270.0, false, -90.0, {Half}}},
        {-200.0, {-200.0, false, -20.0, {Half}}},
        {-100.0, {-100.0, false, -10.0, {CCW}}},
        {-90.5, {-90.5, false, -0.5, {CCW}}},
        {-89.5, {-89.5, false, -89.5, {}}},
        {45.0, {45.0, false, 45.0, {}}},
        {90.25, {90.25, false, 0.25, {CW}}},
        {100.0, {100.0, false, 10.0, {CW}}},
        {200.0, {200.0, false, 20.0, {Half}}},
        {270.0, {270.0, false, 90.0, {Half}}},
        {300.0, {300.0, false, 30.0, {CW, Half}}},
        {360.0, {360.0, false, 90.0, {CW, Half}}},
        {-360.0, {-360.0, false, -90.0, {CCW, Half}}},
        // Beyond a full turn the angle is brought back once, and kept so.
        {450.0, {90.0, true, 90.0, {}}},
        {800.0, {440.0, true, 170.0, {CW, Half}}},
        {-800.0, {-440.0, true, -170.0, {CCW, Half}}},
        {360.5, {0.5, true, 0.5, {}}},
        {-540.0, {-180.0, true, -90.0, {CCW}}},
    };
    for (const PlanCase& c : cases) {
        EXPECT_EQ(PlanRotation(RotationMode::None, c.angle), c.expected) << "angle " << c.angle;
    }
}

TEST(RotationPlanTest, FlipAndMirrorIgnoreTheAngle) {
    for (const double angle : {0.0, 90.0, 800.0, -37.5}) {
        EXPECT_EQ(PlanRotation(RotationMode::Flip, angle),
                  (RotationPlan{angle, false, None, {PictureTurn::Flip}}));
        EXPECT_EQ(PlanRotation(RotationMode::Mirror, angle),
                  (RotationPlan{angle, false, None, {PictureTurn::Mirror}}));
    }
}

TEST(RotationPlanTest, HostileAnglesTurnNothingOrResampleOnce) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const double angle : {inf, -inf, 1e308, -1e308}) {
        EXPECT_EQ(PlanRotation(RotationMode::None, angle), (RotationPlan{angle, false, None, {}}));
    }
    const RotationPlan notANumber = PlanRotation(RotationMode::None, nan);
    EXPECT_TRUE(notANumber.turnsNothing());
    EXPECT_FALSE(notANumber.angleChanged);
    // 1e300 - 360 is 1e300 again: a finite, if meaningless, residual with its turns.
    EXPECT_EQ(PlanRotation(RotationMode::None, 1e300),
              (RotationPlan{1e300, false, 1e300, {CW, Half}}));
    EXPECT_EQ(PlanRotation(RotationMode::None, -1e300),
              (RotationPlan{-1e300, false, -1e300, {CCW, Half}}));
}

TEST(RotationPlanTest, ResidualTurnsAboutTheDiskCentreBeforeTheWholeTurns) {
    // With nearest neighbour the pixel at a whole-number centre stays put under the residual;
    // the clockwise quarter turn then sends (X0, Y0) to (H - 1 - Y0, X0) and the half turn of
    // the H x W picture to (Y0, W - 1 - X0).
    const int W = 40;
    const int H = 30;
    Image picture(W, H, 0x101010);
    picture.setPixel(10, 7, kWhite);
    const DiskFit fit{10.0, 7.0, 5.0};
    const Image turned = ApplyRotationPlan(picture, PlanRotation(RotationMode::None, 800.0), fit,
                                           Sampler::NearestNeighbour);
    ASSERT_EQ(turned.width(), H);
    ASSERT_EQ(turned.height(), W);
    EXPECT_EQ(turned.pixel(7, W - 1 - 10), kWhite);
}

TEST(RotationPlanTest, ExactPlansArePermutations) {
    const Image picture = NumberedPicture(12, 7);
    const DiskFit fit{3.3, 4.4, 2.0};
    const auto apply = [&](RotationMode mode, double angle) {
        return ApplyRotationPlan(picture, PlanRotation(mode, angle), fit, Sampler::Bilinear);
    };
    EXPECT_EQ(apply(RotationMode::None, 180.0), Rotation180(picture));
    EXPECT_EQ(apply(RotationMode::None, 90.0), Rotation90(picture, true));
    EXPECT_EQ(apply(RotationMode::None, -90.0), Rotation90(picture, false));
    EXPECT_EQ(apply(RotationMode::Flip, 45.0), Flip(picture));
    EXPECT_EQ(apply(RotationMode::Mirror, 45.0), Mirror(picture));
    EXPECT_EQ(apply(RotationMode::None, 0.0), picture);
}

}  // namespace
}  // namespace varno

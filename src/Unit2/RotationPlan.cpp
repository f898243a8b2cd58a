// The rotation decision of "Rotate Image" and its application to the reference picture.
#include "Unit2/RotationPlan.h"

#include <cmath>
#include <numbers>

#include "Unit2/Turns.h"

namespace varno {

RotationPlan PlanRotation(RotationMode mode, double rotationAngle) {
    RotationPlan plan;
    plan.angle = rotationAngle;
    if (mode == RotationMode::Flip) {
        plan.turns = {PictureTurn::Flip};
        return plan;
    }
    if (mode == RotationMode::Mirror) {
        plan.turns = {PictureTurn::Mirror};
        return plan;
    }
    // Exact comparisons: 90.0000001 is resampled, not turned.
    double a = rotationAngle;
    if (a == 180.0 || a == -180.0) {
        plan.turns = {PictureTurn::Half};
        return plan;
    }
    if (a == 90.0) {
        plan.turns = {PictureTurn::QuarterClockwise};
        return plan;
    }
    if (a == -90.0) {
        plan.turns = {PictureTurn::QuarterCounterClockwise};
        return plan;
    }
    // Infinity minus 360 is still infinity and its sine is not a number: such an angle, like
    // one that is not a number, has no turn to give.
    if (a == 0.0 || !std::isfinite(a)) {
        return plan;
    }
    if (a > 360.0) {
        a -= 360.0;
    }
    if (a < -360.0) {
        a += 360.0;
    }
    plan.angle = a;
    plan.angleChanged = a != rotationAngle;
    if (a < -270.0) {
        plan.residual = a + 270.0;
        plan.turns = {PictureTurn::QuarterCounterClockwise, PictureTurn::Half};
    } else if (a < -180.0) {
        plan.residual = a + 180.0;
        plan.turns = {PictureTurn::Half};
    } else if (a < -90.0) {
        plan.residual = a + 90.0;
        plan.turns = {PictureTurn::QuarterCounterClockwise};
    } else if (a <= 90.0) {
        plan.residual = a;
    } else if (a <= 180.0) {
        plan.residual = a - 90.0;
        plan.turns = {PictureTurn::QuarterClockwise};
    } else if (a <= 270.0) {
        plan.residual = a - 180.0;
        plan.turns = {PictureTurn::Half};
    } else {
        plan.residual = a - 270.0;
        plan.turns = {PictureTurn::QuarterClockwise, PictureTurn::Half};
    }
    // Beyond about 5.7e307 degrees the radians overflow and the turn would fill the whole
    // picture with one colour: keep the picture instead.
    if (!std::isfinite(*plan.residual * std::numbers::pi)) {
        plan.residual.reset();
        plan.turns.clear();
    }
    return plan;
}

Image ApplyTurn(const Image& picture, PictureTurn turn) {
    switch (turn) {
        case PictureTurn::Flip:
            return Flip(picture);
        case PictureTurn::Mirror:
            return Mirror(picture);
        case PictureTurn::QuarterClockwise:
            return Rotation90(picture, true);
        case PictureTurn::QuarterCounterClockwise:
            return Rotation90(picture, false);
        case PictureTurn::Half:
            return Rotation180(picture);
    }
    return picture;
}

Image ApplyRotationPlan(const Image& reference, const RotationPlan& plan, const DiskFit& fit,
                        Sampler sampler) {
    Image picture = reference;
    if (plan.residual) {
        picture = ResampleRotation(picture, *plan.residual, fit.X0, fit.Y0, sampler);
    }
    for (const PictureTurn turn : plan.turns) {
        picture = ApplyTurn(picture, turn);
    }
    return picture;
}

}  // namespace varno

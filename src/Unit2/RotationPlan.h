// What one press of "Rotate Image" does: the angle to keep, the residual to resample and the
// exact turns after it.
#pragma once

#include <optional>
#include <vector>

#include "Unit2/DiskTypes.h"
#include "Unit2/Image.h"
#include "Unit2/Resampling.h"

namespace varno {

// The mode buttons that are not angle presets; the presets only set the angle.
enum class RotationMode { None, Flip, Mirror };

enum class PictureTurn { Flip, Mirror, QuarterClockwise, QuarterCounterClockwise, Half };

struct RotationPlan {
    double angle = 0.0;              // RotationAngle after the press, to store and show
    bool angleChanged = false;       // whether that differs from the angle before the press
    std::optional<double> residual;  // degrees resampled about the disk centre, first
    std::vector<PictureTurn> turns;  // the exact turns after it, in this order

    // True for an angle of 0: the working picture stays as it is, marks and all.
    bool turnsNothing() const noexcept { return !residual && turns.empty(); }

    friend bool operator==(const RotationPlan&, const RotationPlan&) = default;
};

// Flip and mirror ignore the angle. Otherwise the exact angles 180 and -180 (a half turn),
// 90 and -90 (quarter turns) and 0 (nothing) are matched first; any other angle is brought
// once toward the range by 360 (800 becomes 440, not 80) and split into a residual and whole
// turns: 440 resamples 170 and then turns a clockwise quarter and a half. An angle that is
// not a number or infinite, or so large that its radians overflow (above about 5.7e307),
// turns nothing and is kept as it is.
RotationPlan PlanRotation(RotationMode mode, double rotationAngle);

// The reference picture after the plan: the residual resampled about (fit.X0, fit.Y0) with
// the sampler, then the turns. A plan that turns nothing gives the reference picture back.
Image ApplyRotationPlan(const Image& reference, const RotationPlan& plan, const DiskFit& fit,
                        Sampler sampler);

// One exact turn of the picture.
Image ApplyTurn(const Image& picture, PictureTurn turn);

}  // namespace varno

// Ray geometry of the limb search and the combination of its two passes.
#include "Unit2/LimbSearch.h"

#include <cmath>

namespace varno {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

// The angle is held as a double, its tangent is taken with a 64-bit mantissa. The double
// nearest 45 degrees lies below pi / 4, so its tangent is slightly below 1: on an 800 x 600
// picture ray 45 starts at (697, 598), one pixel short of (698, 598).
long double TangentOfDegrees(int degrees) {
    const auto radians = static_cast<double>(degrees * kPi * (1.0L / 180.0L));
    return std::tan(static_cast<long double>(radians));
}

int TruncateTowardZero(long double value) {
    return static_cast<int>(value);
}

bool IsBottomRay(int degrees) {
    return (degrees >= 1 && degrees <= 45) || (degrees >= 316 && degrees <= 359);
}

}  // namespace

RayLine::RayLine(int degrees, int width, int height) : centreX_(width / 2), centreY_(height / 2) {
    const int cx = centreX_;
    const int cy = centreY_;
    if (IsBottomRay(degrees)) {
        alongRows_ = true;
        startY_ = height - 2;
        startX_ = TruncateTowardZero(TangentOfDegrees(degrees) * (startY_ - cy) + cx);
        step_ = -1;
    } else if (degrees <= 135) {  // right: 46 to 135
        alongRows_ = false;
        startX_ = width - 2;
        startY_ = TruncateTowardZero(TangentOfDegrees(90 - degrees) * (startX_ - cx) + cy);
        step_ = -1;
    } else if (degrees <= 225) {  // top: 136 to 225
        alongRows_ = true;
        startY_ = 2;
        startX_ = TruncateTowardZero(cx - TangentOfDegrees(180 - degrees) * (startY_ - cy));
        step_ = 1;
    } else {  // left: 226 to 315
        alongRows_ = false;
        startX_ = 2;
        startY_ = TruncateTowardZero(TangentOfDegrees(270 - degrees) * (startX_ - cx) + cy);
        step_ = 1;
    }
    first_ = alongRows_ ? startY_ : startX_;
    const int last = alongRows_ ? cy : cx;
    const int span = (last - first_) * step_;
    count_ = span >= 0 ? span + 1 : 0;  // a start beyond the centre walks nothing
    // A row walk from the centre column (small pictures) or from the centre row, and a column
    // walk from the centre column, have no usable slope: they walk through the centre.
    straight_ = startX_ == cx || (alongRows_ && startY_ == cy);
    if (!straight_) {
        k_ = static_cast<double>(static_cast<long double>(cy - startY_) / (cx - startX_));
        b_ = static_cast<double>(cy - static_cast<long double>(k_) * cx);
        inverseK_ = 1.0 / k_;
    }
}

// floor(estimate + 0.5) when a double estimate of the value lies clearly between two whole
// numbers, else floor of the value evaluated exactly with a 64-bit mantissa. The estimate is
// off by less than 1e-6 for every coordinate an int can hold, so the result is always the
// exact one; the estimate only spares most positions a long double division.
template <class Exact>
int RoundHalfUpAsExtended(double estimate, Exact exact) {
    constexpr double kMargin = 1e-5;
    const double shifted = estimate + 0.5;
    if (shifted > -2e9 && shifted < 2e9) {
        auto whole = static_cast<long long>(shifted);  // toward zero, then down
        whole -= shifted < static_cast<double>(whole) ? 1 : 0;
        const double fraction = shifted - static_cast<double>(whole);
        if (fraction > kMargin && fraction < 1.0 - kMargin) {
            return static_cast<int>(whole);
        }
    }
    return static_cast<int>(std::floor(exact() + 0.5L));
}

PixelPosition RayLine::InwardPosition(int i) const {
    const int along = first_ + i * step_;
    if (straight_) {
        return alongRows_ ? PixelPosition{centreX_, along} : PixelPosition{along, centreY_};
    }
    if (alongRows_) {
        const int x = RoundHalfUpAsExtended(
            (along - b_) * inverseK_, [&] { return (along - static_cast<long double>(b_)) / k_; });
        return {x, along};
    }
    const int y = RoundHalfUpAsExtended(k_ * along + b_,
                                        [&] { return static_cast<long double>(k_) * along + b_; });
    return {along, y};
}

void CombinePasses(LimbSearchTables& tables) {
    int agreeing = 0;
    for (std::size_t i = 0; i < tables.Edges.size(); ++i) {
        tables.Edges[i] = {};
        if (PassesAgree(tables.Inward[i], tables.Outward[i])) {
            tables.Edges[i] = {tables.Inward[i].x, tables.Inward[i].y, EdgeState::EdgeFound};
            ++agreeing;
        }
    }
    if (agreeing < kMinimumAgreeingRays) {
        // Coordinates and states as they stand, EdgePending entries included.
        tables.Edges = tables.Inward;
        tables.Outward = tables.Inward;
    }
}

}  // namespace varno

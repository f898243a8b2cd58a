// Angles of the rotation presets and the preset that the stored rotation selects.
#include "Unit2/RotationPresets.h"

namespace varno {

double PresetAngle(RotationPreset preset) {
    switch (preset) {
        case RotationPreset::HalfTurn:
            return 180.0;
        case RotationPreset::QuarterTurnBack:
            return -90.0;
        case RotationPreset::QuarterTurn:
            return 90.0;
        case RotationPreset::Flip:
        case RotationPreset::Mirror:
        case RotationPreset::NoTurn:
            break;
    }
    return 0.0;
}

std::optional<RotationPreset> StartupRotationPreset(bool flip, bool mirror, double angle) {
    if (mirror) {
        return RotationPreset::Mirror;
    }
    if (flip) {
        return RotationPreset::Flip;
    }
    // Exact comparisons: 90.0000001 is a free angle, not a quarter turn.
    if (angle == 0.0) {
        return RotationPreset::NoTurn;
    }
    if (angle == 90.0) {
        return RotationPreset::QuarterTurn;
    }
    if (angle == -90.0) {
        return RotationPreset::QuarterTurnBack;
    }
    if (angle == 180.0 || angle == -180.0) {
        return RotationPreset::HalfTurn;
    }
    return std::nullopt;
}

}  // namespace varno

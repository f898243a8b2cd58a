// The six rotation mode buttons of the main window: two modes and four angle presets.
#pragma once

#include <optional>

namespace varno {

// Flip and Mirror turn the picture their own way and ignore the angle; the other four stand for
// the angles 180, -90, 90 and 0 degrees.
enum class RotationPreset { Flip, Mirror, HalfTurn, QuarterTurnBack, QuarterTurn, NoTurn };

// The angle a preset puts into the angle field, in degrees: 0 for Flip and Mirror.
double PresetAngle(RotationPreset preset);

// The button that the stored flip, mirror and angle select at start-up: flip, then mirror (which
// clears flip, so mirror wins), then the angle compared exactly with 0, 90, -90, 180 and -180.
// Nothing for any other angle, which is kept as it is.
std::optional<RotationPreset> StartupRotationPreset(bool flip, bool mirror, double angle);

}  // namespace varno

// What the disk analysis finds: the per-degree limb points and the fitted circle.
#pragma once

#include <array>
#include <cstdint>

namespace varno {

inline constexpr int kRayCount = 360;

enum class EdgeState : std::int32_t {
    EdgeNone = 0,     // no edge point on this ray
    EdgePending = 1,  // bright sky only: values fell clearly but had not stopped falling
    EdgeFound = 2,    // x and y hold the edge point
};

struct EdgeEntry {
    std::int32_t x = 0;
    std::int32_t y = 0;
    EdgeState state = EdgeState::EdgeNone;

    friend bool operator==(const EdgeEntry&, const EdgeEntry&) = default;
};

// Entry i belongs to the ray leaving the centre in the direction (sin i, cos i) degrees:
// 0 points down, 90 right, 180 up, 270 left (y grows downwards).
using EdgeTable = std::array<EdgeEntry, kRayCount>;

// Disk centre and radius in pixels of the analysed picture, counted from 0.
struct DiskFit {
    double X0 = 0.0;
    double Y0 = 0.0;
    double R = 0.0;

    friend bool operator==(const DiskFit&, const DiskFit&) = default;
};

}  // namespace varno

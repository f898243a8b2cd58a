// The first stage of the disk analysis: limb points along 356 rays, walked from both ends.
#pragma once

#include <algorithm>
#include <array>
#include <concepts>
#include <cstdint>
#include <cstdlib>
#include <thread>

#include "Unit2/DiskTypes.h"
#include "Unit2/PackedColour.h"

namespace varno {

// Tables of one limb search: the combined table that the fit starts from, and the tables of
// the two passes, which the fit's rejection cycles go on using.
struct LimbSearchTables {
    EdgeTable Edges;
    EdgeTable Inward;
    EdgeTable Outward;
};

enum class Background { Dark, Bright };

// 255 x 255 x 255: a grey of level 253 or more at (2, 2) means a bright sky.
inline constexpr PackedColour kBrightSkyValue = 16581375;
// The dark-sky threshold when the centre window is all black or holds no pixel: 16581375 / 5.
inline constexpr PackedColour kBlackWindowThreshold = 3316275;
// Fewer agreeing rays than this hand the inward points alone to the fit.
inline constexpr int kMinimumAgreeingRays = 10;

struct PixelPosition {
    int x = 0;
    int y = 0;
};

// One ray's line from its start point, two pixels inside the image edge of its sector,
// to the centre. Both walks visit the same positions, the outward walk in reverse order.
class RayLine {
  public:
    // Ray of `degrees` (not a multiple of 90) in a width x height picture.
    RayLine(int degrees, int width, int height);

    PixelPosition Start() const { return {startX_, startY_}; }
    int PositionCount() const { return count_; }
    // Position i of the inward walk: 0 is the start point, PositionCount() - 1 the centre.
    PixelPosition InwardPosition(int i) const;
    PixelPosition OutwardPosition(int i) const { return InwardPosition(count_ - 1 - i); }

    // The line through the centre and the start point, y = K x + B, as doubles.
    double K() const { return k_; }
    double B() const { return b_; }

  private:
    int centreX_;
    int centreY_;
    int startX_;
    int startY_;
    bool alongRows_;  // bottom and top rays advance one row per step, the others one column
    int first_;       // walk coordinate of the start point
    int step_;
    int count_;
    // Start point in the centre column: the line has no finite slope, walk along x = centreX_.
    bool straight_;
    double k_ = 0.0;
    double b_ = 0.0;
    double inverseK_ = 0.0;  // for the double estimate of a row walk's column
};

// A picture seen through a mapping of its pixels, as the analysis reads it.
template <class Picture>
concept PixelSource = requires(const Picture& p, int x, int y) {
    { p.width() } -> std::convertible_to<int>;
    { p.height() } -> std::convertible_to<int>;
    { p.pixel(x, y) } -> std::convertible_to<PackedColour>;
};

// How the analysis sees the value of a pixel inside the picture: as it is, or as the grey
// conversion would leave it. Reads outside the picture stay -1 either way.
struct AsStored {
    constexpr PackedColour operator()(PackedColour value) const { return value; }
};

template <class Tone, class Picture>
PackedColour ReadTone(const Picture& picture, Tone tone, int x, int y) {
    const PackedColour value = picture.pixel(x, y);
    return value == kOutside ? kOutside : tone(value);
}

template <PixelSource Picture, class Tone = AsStored>
Background DecideBackground(const Picture& picture, Tone tone = {}) {
    return ReadTone(picture, tone, 2, 2) >= kBrightSkyValue ? Background::Bright : Background::Dark;
}

// A fifth of the mean value of the central tenth of the picture in each direction.
template <PixelSource Picture, class Tone = AsStored>
PackedColour DarkThreshold(const Picture& picture, Tone tone = {}) {
    const int w = picture.width();
    const int h = picture.height();
    const auto fraction = [](long double f, int size) { return static_cast<int>(f * size); };
    const int left = fraction(0.45L, w);
    const int right = fraction(0.55L, w);
    const int top = fraction(0.45L, h);
    const int bottom = fraction(0.55L, h);
    std::int64_t sum = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            sum += tone(picture.pixel(x, y));  // the window lies inside the picture
        }
    }
    const std::int64_t count =
        static_cast<std::int64_t>(std::max(0, right - left)) * std::max(0, bottom - top);
    if (count == 0 || sum == 0) {
        return kBlackWindowThreshold;
    }
    // The exact sum over the count, truncated, equals trunc of the real mean: values are >= 0.
    return static_cast<PackedColour>((sum / count) / 5);
}

// Positions are read in chunks whose pixels are all requested before the first is used: a
// walk across rows touches a new cache line and page at every step, and requesting ahead
// lets those misses overlap instead of waiting for each in turn.
inline constexpr int kWalkChunk = 32;

// Calls visit(position, value) for the positions of one walk in order until it returns false.
// The raw values of a chunk are loaded before any is looked at, so that no tone arithmetic
// stands between the loads.
template <PixelSource Picture, class Tone, class Visit>
void WalkRay(const Picture& picture, Tone tone, const RayLine& ray, bool inward, Visit&& visit) {
    const int count = ray.PositionCount();
    std::array<PixelPosition, kWalkChunk> chunk;
    for (int begin = 0; begin < count; begin += kWalkChunk) {
        const int size = std::min(kWalkChunk, count - begin);
        for (int j = 0; j < size; ++j) {
            const int i = begin + j;
            chunk[static_cast<std::size_t>(j)] =
                inward ? ray.InwardPosition(i) : ray.OutwardPosition(i);
            if constexpr (requires { picture.prefetch(0, 0); }) {
                picture.prefetch(chunk[static_cast<std::size_t>(j)].x,
                                 chunk[static_cast<std::size_t>(j)].y);
            }
        }
        std::array<PackedColour, kWalkChunk> values;
        for (int j = 0; j < size; ++j) {
            const PixelPosition at = chunk[static_cast<std::size_t>(j)];
            values[static_cast<std::size_t>(j)] = picture.pixel(at.x, at.y);
        }
        for (int j = 0; j < size; ++j) {
            const PackedColour value = values[static_cast<std::size_t>(j)];
            if (!visit(chunk[static_cast<std::size_t>(j)],
                       value == kOutside ? kOutside : tone(value))) {
                return;
            }
        }
    }
}

// Bright sky: the last strict fall of the values, once the minimum lies clearly (5 %) below
// the start point's value and the next position does not fall further.
template <PixelSource Picture, class Tone = AsStored>
EdgeEntry WalkBrightSky(const Picture& picture, const RayLine& ray, bool inward, Tone tone = {}) {
    EdgeEntry entry;
    const PixelPosition start = ray.Start();
    // The start point is the reference of both passes, also of the outward one.
    const PackedColour reference = ReadTone(picture, tone, start.x, start.y);
    const long double clearFall = reference / 1.05L;
    PackedColour minimum = reference;
    WalkRay(picture, tone, ray, inward, [&](PixelPosition at, PackedColour value) {
        if (value < minimum) {
            entry.x = at.x;
            entry.y = at.y;
            minimum = value;
            if (minimum < clearFall) {
                entry.state = EdgeState::EdgePending;
            }
        } else if (entry.state == EdgeState::EdgePending) {
            entry.state = EdgeState::EdgeFound;
            return false;  // nothing later changes a found entry
        }
        return true;
    });
    return entry;
}

// Dark sky: inward, the first position brighter than the threshold; outward, the first
// position darker than it. Outside the picture reads -1, darker than any threshold.
template <PixelSource Picture, class Tone = AsStored>
EdgeEntry WalkDarkSky(const Picture& picture, const RayLine& ray, bool inward,
                      PackedColour threshold, Tone tone = {}) {
    EdgeEntry entry;
    WalkRay(picture, tone, ray, inward, [&](PixelPosition at, PackedColour value) {
        if (inward ? value > threshold : value < threshold) {
            entry = {at.x, at.y, EdgeState::EdgeFound};
            return false;
        }
        return true;
    });
    return entry;
}

// Rays whose inward and outward points are both found and at most one pixel apart in each
// coordinate agree; the inward point is taken.
inline bool PassesAgree(const EdgeEntry& in, const EdgeEntry& out) {
    return in.state == EdgeState::EdgeFound && out.state == EdgeState::EdgeFound &&
           std::abs(in.x - out.x) < 2 && std::abs(in.y - out.y) < 2;
}

// Builds the combined table from the two pass tables; with fewer than ten agreeing rays the
// inward table stands for both passes.
void CombinePasses(LimbSearchTables& tables);

// Walks both passes of the rays in [firstRay, endRay).
template <PixelSource Picture, class Tone>
void WalkRays(const Picture& picture, Tone tone, Background background, PackedColour threshold,
              int firstRay, int endRay, LimbSearchTables& tables) {
    for (int degrees = firstRay; degrees < endRay; ++degrees) {
        if (degrees % 90 == 0) {
            continue;  // the four axis rays are never walked
        }
        const RayLine ray(degrees, picture.width(), picture.height());
        const auto index = static_cast<std::size_t>(degrees);
        if (background == Background::Bright) {
            tables.Inward[index] = WalkBrightSky(picture, ray, true, tone);
            tables.Outward[index] = WalkBrightSky(picture, ray, false, tone);
        } else {
            tables.Inward[index] = WalkDarkSky(picture, ray, true, threshold, tone);
            tables.Outward[index] = WalkDarkSky(picture, ray, false, threshold, tone);
        }
    }
}

// Pictures from this size on share their rays between two threads; each ray is walked on
// its own, so the tables come out the same.
inline constexpr long long kSplitRaysFromPixels = 1LL << 20;

template <PixelSource Picture, class Tone = AsStored>
LimbSearchTables SearchLimb(const Picture& picture, Tone tone = {}) {
    LimbSearchTables tables{};
    const Background background = DecideBackground(picture, tone);
    const PackedColour threshold =
        background == Background::Dark ? DarkThreshold(picture, tone) : kBlackWindowThreshold;
    const long long pixels = static_cast<long long>(picture.width()) * picture.height();
    if (pixels >= kSplitRaysFromPixels) {
        // The two halves write disjoint entries of the tables.
        std::jthread upper(
            [&] { WalkRays(picture, tone, background, threshold, 180, kRayCount, tables); });
        WalkRays(picture, tone, background, threshold, 0, 180, tables);
    } else {
        WalkRays(picture, tone, background, threshold, 0, kRayCount, tables);
    }
    CombinePasses(tables);
    return tables;
}

}  // namespace varno

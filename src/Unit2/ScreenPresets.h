// The screen sizes of the Display > Screen Resolution submenu, in the menu's order.
#pragma once

#include <array>
#include <optional>

namespace varno {

struct ScreenSize {
    int Width;
    int Height;

    friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};

inline constexpr std::array<ScreenSize, 7> kScreenPresets{
    {{640, 480}, {800, 600}, {1024, 768}, {1152, 864}, {1280, 1024}, {1600, 1024}, {1600, 1200}}};

// The menu position of the preset with exactly this size; nothing for any other size, which is
// still used for fitting the window but checks no item.
std::optional<std::size_t> ScreenPresetIndex(int width, int height);

}  // namespace varno

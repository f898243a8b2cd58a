// Finding the Screen Resolution item of a screen size.
#include "Unit2/ScreenPresets.h"

#include <algorithm>

namespace varno {

std::optional<std::size_t> ScreenPresetIndex(int width, int height) {
    const auto* found =
        std::find(kScreenPresets.begin(), kScreenPresets.end(), ScreenSize{width, height});
    if (found == kScreenPresets.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - kScreenPresets.begin());
}

}  // namespace varno

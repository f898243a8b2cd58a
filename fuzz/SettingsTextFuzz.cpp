// Any bytes as the settings file: reading never fails, and what it reads writes a file that
// reads back to the same items.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Unit2/SettingsText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const varno::Settings read = varno::ReadSettingsText(bytes);
    // The first write normalises (six-digit angle, "Black"/"White"); from then on it is stable.
    const std::string written = varno::SettingsText(read);
    const varno::Settings reread = varno::ReadSettingsText(written);
    if (varno::SettingsText(reread) != written) {
        std::abort();
    }
    return 0;
}

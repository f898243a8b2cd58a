// Any bytes as the directory file: reading never fails, and a written file reads back whole.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Unit2/SettingsText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const varno::Directories read = varno::ReadDirectoryText(bytes);
    const auto written = varno::DirectoryText(read);
    if (written && varno::DirectoryText(varno::ReadDirectoryText(*written)) != written) {
        std::abort();
    }
    return 0;
}

// Any text typed into a number edit: the check and both conversions either give a value or
// throw the conversion's failure, and a converted angle shows in a form that is a number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Unit2/Failure.h"
#include "Unit2/NumericText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!varno::IsNumericText(text)) {
        return 0;
    }
    try {
        (void)varno::ToWholeNumber(text);
    } catch (const varno::Failure&) {
    }
    for (const char separator : {'.', ','}) {
        try {
            const double angle = varno::ToFloatingPoint(text, separator);
            if (!std::isfinite(angle) || varno::FormatGeneral(angle, separator).empty()) {
                std::abort();
            }
        } catch (const varno::Failure&) {
        }
    }
    return 0;
}

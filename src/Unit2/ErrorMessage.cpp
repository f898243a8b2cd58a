// The error box's full-stop rule.
#include "Unit2/ErrorMessage.h"

namespace varno {

std::string WithFullStop(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') {
        text.push_back('.');
    }
    return text;
}

}  // namespace varno

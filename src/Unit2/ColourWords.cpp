// Colour words of the settings file.
#include "Unit2/ColourWords.h"

namespace varno {

std::optional<PackedColour> ColourOfWord(std::string_view word) {
    if (word == "Black") {
        return kBlack;
    }
    if (word == "White") {
        return kWhite;
    }
    return std::nullopt;
}

std::string ColourWord(PackedColour colour) {
    return colour != kBlack ? "White" : "Black";
}

}  // namespace varno

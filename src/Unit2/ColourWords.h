// The words "Black" and "White" in which the settings file carries the two colours.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Unit2/PackedColour.h"

namespace varno {

// "Black" is black, "White" is white; any other word ("white", "Red", "") is no colour, so the
// window selects neither button and keeps the colour it has.
std::optional<PackedColour> ColourOfWord(std::string_view word);

// "White" for every colour that is not black, "Black" for black.
std::string ColourWord(PackedColour colour);

}  // namespace varno

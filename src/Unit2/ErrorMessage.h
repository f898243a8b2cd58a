// The text of the error box: a failure's message as the user reads it.
#pragma once

#include <string>
#include <string_view>

namespace varno {

// The message with a full stop appended, unless it is empty or already ends in "." or in a byte
// that sorts before it (a blank, "!", a quote, a closing parenthesis, "-", ","...). Bytes are
// compared unsigned, so a message ending in a UTF-8 sequence gets its full stop.
std::string WithFullStop(std::string_view message);

}  // namespace varno

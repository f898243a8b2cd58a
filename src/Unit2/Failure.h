// The one exception type of the program: a failure whose what() is the user's message.
#pragma once

#include <stdexcept>

namespace varno {

// Thrown below a handler for a failure the user is told about (a file that cannot be read
// or written, an edit text that is no number). The message has no final full stop: the
// error box appends it.
class Failure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace varno

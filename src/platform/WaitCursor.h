// The application-wide wait cursor for the length of one command.
#pragma once

namespace varno {

// Shows the wait cursor while it lives; the destructor restores the cursor however the command
// ends, a failure included. Guards may nest.
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace varno

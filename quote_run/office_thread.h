#pragma once

#include <functional>

namespace zuvo::quote {

// Runs the office's part of a run on a thread of its own and waits for it, so that the window
// keeps painting while the office works. On the application's thread the wait is an event
// loop that takes no user input: what the user types meanwhile waits for the run, as it
// always has. Whatever `work` throws is thrown here. Every call on the office is bounded, so
// the wait is too.
void runOnOfficeThread(const std::function<void()>& work);

} // namespace zuvo::quote

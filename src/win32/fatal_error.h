// The end of the program when it cannot go on: at start-up when something it
// cannot work without is missing, and for a run-time error in a handler.
#pragma once

#include <string>

namespace win32 {

[[noreturn]] void ExitWithError(const std::string& message);

}  // namespace win32

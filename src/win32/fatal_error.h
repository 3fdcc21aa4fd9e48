// The end of the program when it cannot go on: at start-up when something it
// cannot work without is missing, and for a run-time error in a handler.
#pragma once

#include <functional>
#include <string>

namespace win32 {

// Halts the program (no handler of it runs again: its windows get only the
// default window procedure, so they repaint and nothing spins), runs the
// clean-up set below, shows `message` and ends the process.
[[noreturn]] void ExitWithError(const std::string& message);

// True once ExitWithError is under way.
bool Halted();

// What must not outlive the program when it ends in error (its tray icon, a
// looping sound), for as long as this object lives.
class FatalErrorCleanup {
 public:
  explicit FatalErrorCleanup(std::function<void()> cleanup);
  ~FatalErrorCleanup();
  FatalErrorCleanup(const FatalErrorCleanup&) = delete;
  FatalErrorCleanup& operator=(const FatalErrorCleanup&) = delete;

 private:
  std::function<void()> work_;
};

}  // namespace win32

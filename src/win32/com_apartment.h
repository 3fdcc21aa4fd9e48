// COM on the user-interface thread, entered on first need: the shell may
// hand ShellExecute over to extensions that need it, and the picture decoder
// may build on COM. The tray icon needs neither, so COM and its DLLs stay
// out of the program's start.
#pragma once

// windows.h must precede the system headers built on it.
// clang-format off
#include <windows.h>
#include <objbase.h>
// clang-format on

namespace win32 {

class ComApartment {
 public:
  ComApartment() = default;
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  // Enters a single-threaded apartment, unless that was tried before. Should
  // it fail, what needs COM fails as it would without it.
  void Enter();

 private:
  bool tried_ = false;
  decltype(&::CoUninitialize) leave_ = nullptr;  // set once entered
};

}  // namespace win32

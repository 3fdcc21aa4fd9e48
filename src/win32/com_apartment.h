// COM on the user-interface thread: the shell may hand ShellExecute over to
// extensions that need it.
#pragma once

// windows.h must precede the system headers built on it.
// clang-format off
#include <windows.h>
#include <objbase.h>
// clang-format on

namespace win32 {

class ComApartment {
 public:
  ComApartment()
      : initialized_(SUCCEEDED(
            ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComApartment() {
    if (initialized_) ::CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialized_;
};

}  // namespace win32

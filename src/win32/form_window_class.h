// The window class of every window of the program, and its procedure, which
// hands each message to the Win32Window stored with the window.
#pragma once

#include <windows.h>

namespace win32 {

class Win32Window;

class FormWindowClass {
 public:
  // Throws std::runtime_error when the class cannot be registered.
  explicit FormWindowClass(HINSTANCE instance);
  ~FormWindowClass();
  FormWindowClass(const FormWindowClass&) = delete;
  FormWindowClass& operator=(const FormWindowClass&) = delete;

  const wchar_t* Name() const;
  // The program's window object behind `hwnd`; nullptr for other windows.
  Win32Window* WindowOf(HWND hwnd) const;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  ATOM atom_;
};

}  // namespace win32

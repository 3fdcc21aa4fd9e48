// The keys the program's windows route themselves (Tab, Shift+Tab, Enter,
// Escape, arrows, access keys), in every message loop of the UI thread. The
// system's modal loops (a message box, a popup menu, a window being moved)
// hand each message they take to the thread's message-filter hook before
// they dispatch it; the program's own loop hands its keys to the same hook,
// so one procedure serves them all and ui::WindowsTakeKeys decides per loop.
#pragma once

#include <windows.h>

#include "win32/form_window_class.h"

namespace win32 {

class KeyboardHook {
 public:
  // Installs the hook for the calling thread, which must be the UI thread.
  // Throws std::runtime_error when the system refuses it.
  explicit KeyboardHook(const FormWindowClass& forms);
  ~KeyboardHook();
  KeyboardHook(const KeyboardHook&) = delete;
  KeyboardHook& operator=(const KeyboardHook&) = delete;

  // For the program's own loop: true when `msg` was a key of one of the
  // program's windows and has been acted on; it must then not be dispatched.
  bool RouteInMainLoop(MSG& msg) const;

 private:
  static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);

  HHOOK hook_;
};

}  // namespace win32

#include "win32/topmost_owner.h"

namespace win32 {

// A static control's class needs no registration, and a tool window never
// shows on the taskbar or in Alt+Tab.
HWND CreateTopmostOwner(HINSTANCE instance) {
  return ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0,
                           nullptr, nullptr, instance, nullptr);
}

}  // namespace win32

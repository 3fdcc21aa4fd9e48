#include "win32/topmost_owner.h"

namespace win32 {

// A class of its own rather than a system control's: with the manifest, the
// system's control classes live in comctl32, which the program loads only
// once something needs it. A tool window never shows on the taskbar or in
// Alt+Tab.
HWND CreateTopmostOwner(HINSTANCE instance) {
  constexpr const wchar_t* kClassName = L"PaperwispBoxOwner";
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = ::DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  ::RegisterClassExW(&windowClass);  // fails harmlessly when already registered
  return ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0,
                           nullptr, nullptr, instance, nullptr);
}

}  // namespace win32

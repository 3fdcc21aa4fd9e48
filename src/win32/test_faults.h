// Faults that the end-to-end tests provoke in a build of their own
// (PAPERWISP_TEST_FAULTS). The shipped program has none: there the answers
// below are constants and the compiler drops every use.
#pragma once

#include <windows.h>

namespace win32::test_faults {

#ifdef PAPERWISP_TEST_FAULTS
// True while a file named "fail-window-creation" lies beside the exe: the
// desktop behaves as if it were out of window handles.
bool WindowCreationRefused();
// True while a file named "fail-menu-command" lies beside the exe: a menu
// command's handler fails with a run-time error.
bool MenuCommandFails();
// True for the registered message "PaperwispTestDpiChange" (WPARAM: a DPI),
// which has the window's monitor take that DPI: Wine never changes a
// window's DPI, so the tests ask for it this way.
bool IsDpiChangeRequest(UINT message);
// Tells `window`, now of `oldDpi`, of a change to `newDpi` as Windows does:
// WM_GETDPISCALEDSIZE with the size scaled linearly, then WM_DPICHANGED
// with a rectangle of the answered size at the window's place.
void ChangeDpiAsTheSystemDoes(HWND window, int oldDpi, int newDpi);
#else
constexpr bool WindowCreationRefused() { return false; }
constexpr bool MenuCommandFails() { return false; }
constexpr bool IsDpiChangeRequest(UINT) { return false; }
inline void ChangeDpiAsTheSystemDoes(HWND, int, int) {}
#endif

}  // namespace win32::test_faults

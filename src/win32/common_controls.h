// comctl32, loaded when the program first needs one of its functions rather
// than bound when the program loads: the tray icon needs none of them, and
// binding the side-by-side version 6 costs a young process several
// milliseconds. The library is looked up through the activation context that
// the manifest gives the process, so it is version 6, the same one that the
// system loads for the first button or text box.
#pragma once

// windows.h must precede the system headers built on it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

namespace win32::common_controls {

// Registers the classes of the common controls, once; call it before the
// first control is created (with the manifest, buttons and text boxes are
// comctl32's too).
void Initialise();

// comctl32's functions of the same names. Without the library, subclassing
// fails (SetWindowSubclass returns FALSE) and icons load without its
// reduction (LoadIconWithScaleDown returns E_NOTIMPL).
BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
HRESULT LoadIconWithScaleDown(HINSTANCE instance, const wchar_t* name, int width, int height,
                              HICON* icon);

}  // namespace win32::common_controls

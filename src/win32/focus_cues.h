// The keyboard focus cues (the dotted focus rectangle) as the system's UI
// state has them: hidden in a window the user reaches with the mouse, shown
// once the keyboard is used in it, and always shown where the user asked for
// keyboard cues at all times. The state lives in the windows themselves
// (WM_CHANGEUISTATE, WM_UPDATEUISTATE, WM_QUERYUISTATE), so the system's own
// controls and the program's owner-drawn ones agree.
#pragma once

#include <windows.h>

namespace win32 {

// A window about to be shown takes its cues from how the user last worked:
// shown after a key, hidden after the mouse.
void InitializeFocusCues(HWND topLevel);

// The keyboard moved the focus in the window: its cues show from now on.
void ShowFocusCues(HWND topLevel);

// Whether an owner-drawn control draws its focus rectangle now.
bool ShowsFocusCue(const DRAWITEMSTRUCT& item);

}  // namespace win32

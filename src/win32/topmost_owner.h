// A window that is never shown and lies in the topmost band. A message box
// it owns opens above the program's topmost notes, also while the program is
// in the background: MB_TOPMOST alone is not honoured everywhere for a box
// without an owner.
#pragma once

#include <windows.h>

namespace win32 {

// nullptr when the desktop cannot make one.
HWND CreateTopmostOwner(HINSTANCE instance);

}  // namespace win32

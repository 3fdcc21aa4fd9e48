// The program's message loop, with dialog-style keyboard use of its windows.
#pragma once

#include "win32/keyboard_hook.h"

namespace win32 {

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop(const KeyboardHook& keys);

}  // namespace win32

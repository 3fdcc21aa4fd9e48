// The program's message loop, with dialog-style keyboard use of its windows.
#pragma once

#include "win32/form_window_class.h"

namespace win32 {

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop(const FormWindowClass& forms);

}  // namespace win32

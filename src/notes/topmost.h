// Making a window topmost where it stands, without resizing it.
#pragma once

#include "ui/form.h"
#include "ui/platform.h"

namespace notes {

// Topmost at the window's normal position; a maximised window is not moved.
// Expects a loaded window.
void KeepFormOnTop(ui::Platform& platform, ui::Form& form);

// Topmost at the window's normal position; a zero handle does nothing.
void MakeWindowTopmost(ui::Platform& platform, ui::Handle hwnd);

}  // namespace notes

// Making a window topmost where it stands, without resizing it. Neither
// procedure moves or activates the window: a repaint of one note must not
// take the keyboard from the note the user is typing in.
#pragma once

#include "ui/form.h"
#include "ui/platform.h"

namespace notes {

// Expects a loaded window.
void KeepFormOnTop(ui::Platform& platform, ui::Form& form);

// A zero handle does nothing.
void MakeWindowTopmost(ui::Platform& platform, ui::Handle hwnd);

}  // namespace notes

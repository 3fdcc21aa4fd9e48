// The messages of native controls that their form needs to hear: mouse moves
// over a link (the form's pointer rules for it), and the first question of
// assistive technology (so that names are set only when someone asks for
// them). Owner-drawn controls also stop erasing their background, which
// their drawing covers: on a colour-keyed note a brief erase would flash.
#pragma once

#include <windows.h>

namespace win32 {

class ControlListener {
 public:
  virtual void OnControlMouseMove(HWND control, WPARAM wParam, LPARAM lParam) = 0;
  virtual void OnAccessibilityQuery() = 0;

 protected:
  ~ControlListener() = default;
};

// Routes those messages of `control` to `listener` for the control's life.
// False when the system could not subclass it; the control then works on
// without them.
bool ListenToControl(HWND control, ControlListener& listener);

}  // namespace win32

// The native frame of a window from its layout: styles, and the outer
// rectangle that gives the layout's client size at the layout's position.
#pragma once

#include <windows.h>

#include "ui/layout.h"
#include "win32/screen_metrics.h"

namespace win32 {

struct WindowFrame {
  DWORD style;
  DWORD exStyle;
  int x, y;  // CW_USEDEFAULT lets the system place the window
  int width, height;
};

WindowFrame FrameOf(const ui::WindowLayout& layout, const ScreenMetrics& metrics, bool hasMenuBar);

}  // namespace win32

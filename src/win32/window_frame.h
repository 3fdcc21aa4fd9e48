// The native frame of a window from its layout: styles, and the outer
// rectangle that gives the layout's client size at the layout's position, at
// the window's DPI.
#pragma once

#include <windows.h>

#include "ui/dpi.h"
#include "ui/layout.h"
#include "ui/window_geometry.h"
#include "win32/dpi_service.h"

namespace win32 {

struct WindowFrame {
  DWORD style;
  DWORD exStyle;
  int x, y;  // CW_USEDEFAULT lets the system place the window
  int width, height;
  ui::FrameInsets insets;  // what the frame adds around the client area
};

WindowFrame FrameOf(const ui::WindowLayout& layout, ui::Dpi dpi, bool hasMenuBar,
                    const DpiService& dpiService);

}  // namespace win32

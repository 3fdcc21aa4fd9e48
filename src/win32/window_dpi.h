// The DPI of the system, of each window and of each monitor, and the window
// system's frames and metrics at a DPI. Windows 10 answers per window and per
// DPI (user32's functions of version 1607 on); Windows 8.1 per monitor only
// (shcore's GetDpiForMonitor), and draws every frame at the system DPI. Each
// function is looked up in the system folder on first use, and the older way
// stands in where it is missing.
#pragma once

#include <windows.h>

#include "ui/dpi.h"

namespace win32 {

// The DPI the program started with: that of the primary monitor then.
ui::Dpi SystemDpi();

// The DPI of the monitor `window` is on (the system DPI should the system
// know of no other).
ui::Dpi WindowDpi(HWND window);

// The DPI the user chose for `monitor` (the system DPI should the system
// know of no other).
ui::Dpi MonitorDpi(HMONITOR monitor);

// What a frame of these styles adds around a client area at `dpi`.
RECT FrameAround(DWORD style, bool hasMenuBar, DWORD exStyle, ui::Dpi dpi);

// GetSystemMetrics at `dpi`.
int SystemMetric(int index, ui::Dpi dpi);

}  // namespace win32

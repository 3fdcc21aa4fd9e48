// The one place that asks the system about DPI: the program's awareness, the
// DPI of the system, of a window, of a monitor and of the taskbar, and the
// metrics of frames at a DPI. Windows 10 answers per window and per DPI in
// user32 (from 1607 on); Windows 8.1 knows a monitor's DPI only through
// shcore, which loads only for it. Each function is looked up once, in the
// system folder, and the older way stands in where it is missing.
#pragma once

#include <windows.h>

#include "ui/dpi.h"
#include "ui/dpi_awareness.h"

namespace win32 {

class DpiService {
 public:
  DpiService();
  DpiService(const DpiService&) = delete;
  DpiService& operator=(const DpiService&) = delete;

  // The awareness of the thread that made the service, the program's UI
  // thread: what the manifest obtained from this Windows.
  ui::DpiAwareness Awareness() const { return awareness_; }
  // The DPI the program started with: that of the primary monitor then.
  ui::Dpi SystemDpi() const { return systemDpi_; }
  // The DPI of the monitor `window` is on, as far as the awareness lets the
  // program see it.
  ui::Dpi WindowDpi(HWND window) const;
  // The DPI the user chose for `monitor` (the system DPI unless per-monitor
  // aware).
  ui::Dpi MonitorDpi(HMONITOR monitor) const;
  // The DPI of the taskbar, at which the notification area shows icons.
  ui::Dpi TaskbarDpi() const;

  // What a frame of these styles adds around a client area of a window at
  // `dpi`: drawn at that DPI under per-monitor v2, at the system's
  // elsewhere.
  RECT FrameAround(DWORD style, bool hasMenuBar, DWORD exStyle, ui::Dpi dpi) const;
  // A system metric of the window system's drawing (frames, edges, caption
  // icons) for a window at `dpi`, chosen as for its frame.
  int FrameMetric(int index, ui::Dpi dpi) const;
  // A system metric at `dpi` wherever the system can tell it (the shell's
  // icon sizes), else at the system DPI.
  int MetricAt(int index, ui::Dpi dpi) const;

 private:
  // The functions as the system exports them: WINAPI, which is not the
  // compiler's default in the 32-bit build. A DPI awareness context is a
  // handle.
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
  using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

  ui::DpiAwareness ReadAwareness() const;
  ui::Dpi ReadSystemDpi() const;
  GetDpiForMonitorFunction GetDpiForMonitor() const;

  GetDpiForWindowFunction getDpiForWindow_;
  AdjustWindowRectExForDpiFunction adjustWindowRectExForDpi_;
  GetSystemMetricsForDpiFunction getSystemMetricsForDpi_;
  ui::DpiAwareness awareness_;
  ui::Dpi systemDpi_;
};

}  // namespace win32

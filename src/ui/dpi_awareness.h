// How the window system treats the program's DPI, and what follows for the
// metrics of its frames. A per-monitor v2 window has its frame (caption,
// borders, menu bar) drawn at its own DPI; a per-monitor v1 window (Windows
// 8.1, Windows 10 before 1703) has its client area at its monitor's DPI but
// its frame at the system DPI; a system-aware window has the system DPI for
// both.
#pragma once

namespace ui {

enum class DpiAwareness { Unaware, System, PerMonitor, PerMonitorV2 };

// Where a window's frame metrics (the frame around a client area, the
// system metrics) come from.
enum class FrameMetrics {
  AtWindowDpi,  // the system's functions for a DPI (AdjustWindowRectExForDpi)
  AtSystemDpi,  // the plain ones (AdjustWindowRectEx, GetSystemMetrics)
};

constexpr FrameMetrics FrameMetricsUnder(DpiAwareness awareness) {
  return awareness == DpiAwareness::PerMonitorV2 ? FrameMetrics::AtWindowDpi
                                                 : FrameMetrics::AtSystemDpi;
}

// True where a window's DPI is that of its monitor, which may differ from
// the system's and change while it runs.
constexpr bool DpiPerMonitor(DpiAwareness awareness) {
  return awareness == DpiAwareness::PerMonitor || awareness == DpiAwareness::PerMonitorV2;
}

}  // namespace ui

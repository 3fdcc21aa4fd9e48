#include "win32/win32_monitors.h"

namespace win32 {

namespace {

ui::PixelRect ToPixelRect(const RECT& rect) {
  return ui::PixelRect{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

ui::Monitor Win32Monitors::Describe(HMONITOR monitor) const {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (monitor && ::GetMonitorInfoW(monitor, &info))
    return ui::Monitor{ToPixelRect(info.rcMonitor), ToPixelRect(info.rcWork),
                       dpi_.MonitorDpi(monitor).Value()};
  const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  RECT work = screen;
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return ui::Monitor{ToPixelRect(screen), ToPixelRect(work), dpi_.SystemDpi().Value()};
}

BOOL CALLBACK Win32Monitors::Collect(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
  reinterpret_cast<std::vector<HMONITOR>*>(found)->push_back(monitor);
  return TRUE;
}

std::vector<ui::Monitor> Win32Monitors::All() const {
  std::vector<HMONITOR> handles;
  ::EnumDisplayMonitors(nullptr, nullptr, &Win32Monitors::Collect,
                        reinterpret_cast<LPARAM>(&handles));
  std::vector<ui::Monitor> monitors;
  for (HMONITOR handle : handles) monitors.push_back(Describe(handle));
  if (monitors.empty()) monitors.push_back(Primary());
  return monitors;
}

ui::Monitor Win32Monitors::Primary() const {
  return Describe(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

ui::Monitor Win32Monitors::NearestTo(const ui::PixelRect& rect) const {
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  return Describe(::MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST));
}

}  // namespace win32

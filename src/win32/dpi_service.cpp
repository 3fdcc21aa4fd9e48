#include "win32/dpi_service.h"

#include <type_traits>

#include "win32/handles.h"
#include "win32/system_library.h"

namespace win32 {

namespace {

using GetDpiForSystemFunction = UINT(WINAPI*)();
using GetThreadDpiAwarenessContextFunction = HANDLE(WINAPI*)();
using AreDpiAwarenessContextsEqualFunction = BOOL(WINAPI*)(HANDLE, HANDLE);
using GetAwarenessFromDpiAwarenessContextFunction = int(WINAPI*)(HANDLE);
using GetProcessDpiAwarenessFunction = HRESULT(WINAPI*)(HANDLE, int*);

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, which Windows 10 before 1703
// does not know (it compares unequal to every context there).
const HANDLE kPerMonitorV2Context = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: the DPI the user chose for the monitor

template <typename Pointer>
Pointer Find(HMODULE module, const char* name) {
  return module ? FindFunction<std::remove_pointer_t<Pointer>>(module, name) : nullptr;
}

HMODULE User32() {
  static const HMODULE user32 = LoadSystemLibrary(L"user32.dll");
  return user32;
}

// Loaded only where user32 cannot answer: for a monitor's DPI, and for the
// awareness on Windows 8.1.
HMODULE Shcore() {
  static const HMODULE shcore = LoadSystemLibrary(L"shcore.dll");
  return shcore;
}

// DPI_AWARENESS and PROCESS_DPI_AWARENESS number the same three levels.
ui::DpiAwareness AwarenessOfLevel(int level) {
  switch (level) {
    case 1:
      return ui::DpiAwareness::System;
    case 2:
      return ui::DpiAwareness::PerMonitor;
    default:
      return ui::DpiAwareness::Unaware;
  }
}

}  // namespace

DpiService::DpiService()
    : getDpiForWindow_(Find<GetDpiForWindowFunction>(User32(), "GetDpiForWindow")),
      adjustWindowRectExForDpi_(
          Find<AdjustWindowRectExForDpiFunction>(User32(), "AdjustWindowRectExForDpi")),
      getSystemMetricsForDpi_(
          Find<GetSystemMetricsForDpiFunction>(User32(), "GetSystemMetricsForDpi")),
      awareness_(ReadAwareness()),
      systemDpi_(ReadSystemDpi()) {}

// Windows 10 from 1607 on tells the thread's context; Windows 8.1 only the
// process's awareness.
ui::DpiAwareness DpiService::ReadAwareness() const {
  const auto context =
      Find<GetThreadDpiAwarenessContextFunction>(User32(), "GetThreadDpiAwarenessContext");
  const auto equal =
      Find<AreDpiAwarenessContextsEqualFunction>(User32(), "AreDpiAwarenessContextsEqual");
  const auto level = Find<GetAwarenessFromDpiAwarenessContextFunction>(
      User32(), "GetAwarenessFromDpiAwarenessContext");
  if (context && equal && level) {
    const HANDLE own = context();
    if (equal(own, kPerMonitorV2Context)) return ui::DpiAwareness::PerMonitorV2;
    return AwarenessOfLevel(level(own));
  }
  int processLevel = 0;
  if (const auto process = Find<GetProcessDpiAwarenessFunction>(Shcore(), "GetProcessDpiAwareness"))
    if (SUCCEEDED(process(nullptr, &processLevel))) return AwarenessOfLevel(processLevel);
  return ::IsProcessDPIAware() ? ui::DpiAwareness::System : ui::DpiAwareness::Unaware;
}

ui::Dpi DpiService::ReadSystemDpi() const {
  if (const auto getDpiForSystem = Find<GetDpiForSystemFunction>(User32(), "GetDpiForSystem"))
    return ui::Dpi(static_cast<int>(getDpiForSystem()));
  ScreenDc screen;
  return ui::Dpi(screen.Get() ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0);
}

DpiService::GetDpiForMonitorFunction DpiService::GetDpiForMonitor() const {
  static const auto function = Find<GetDpiForMonitorFunction>(Shcore(), "GetDpiForMonitor");
  return function;
}

ui::Dpi DpiService::WindowDpi(HWND window) const {
  if (getDpiForWindow_)
    if (const UINT dpi = getDpiForWindow_(window)) return ui::Dpi(static_cast<int>(dpi));
  return MonitorDpi(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

ui::Dpi DpiService::MonitorDpi(HMONITOR monitor) const {
  if (!ui::DpiPerMonitor(awareness_)) return systemDpi_;
  UINT dpiX = 0, dpiY = 0;
  if (const auto getDpiForMonitor = GetDpiForMonitor())
    if (SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &dpiX, &dpiY)) && dpiY)
      return ui::Dpi(static_cast<int>(dpiY));
  return systemDpi_;
}

// The taskbar's own window tells its DPI where user32 can; else that of its
// monitor, or of the primary one while there is no taskbar.
ui::Dpi DpiService::TaskbarDpi() const {
  HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
  if (taskbar && getDpiForWindow_)
    if (const UINT dpi = getDpiForWindow_(taskbar)) return ui::Dpi(static_cast<int>(dpi));
  return MonitorDpi(taskbar ? ::MonitorFromWindow(taskbar, MONITOR_DEFAULTTOPRIMARY)
                            : ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

RECT DpiService::FrameAround(DWORD style, bool hasMenuBar, DWORD exStyle, ui::Dpi dpi) const {
  RECT around{0, 0, 0, 0};
  if (ui::FrameMetricsUnder(awareness_) == ui::FrameMetrics::AtWindowDpi &&
      adjustWindowRectExForDpi_ &&
      adjustWindowRectExForDpi_(&around, style, hasMenuBar, exStyle,
                                static_cast<UINT>(dpi.Value())))
    return around;
  around = RECT{0, 0, 0, 0};
  ::AdjustWindowRectEx(&around, style, hasMenuBar, exStyle);
  return around;
}

int DpiService::FrameMetric(int index, ui::Dpi dpi) const {
  if (ui::FrameMetricsUnder(awareness_) == ui::FrameMetrics::AtWindowDpi)
    return MetricAt(index, dpi);
  return ::GetSystemMetrics(index);
}

int DpiService::MetricAt(int index, ui::Dpi dpi) const {
  if (getSystemMetricsForDpi_)
    return getSystemMetricsForDpi_(index, static_cast<UINT>(dpi.Value()));
  return ::GetSystemMetrics(index);
}

}  // namespace win32

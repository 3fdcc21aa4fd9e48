#include "win32/window_dpi.h"

#include <type_traits>

#include "win32/handles.h"
#include "win32/system_library.h"

namespace win32 {

namespace {

// The functions as the system exports them: WINAPI, which is not the
// compiler's default in the 32-bit build.
using GetDpiForSystemFunction = UINT(WINAPI*)();
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: the DPI the user chose for the monitor

template <typename Pointer>
Pointer Find(HMODULE module, const char* name) {
  return module ? FindFunction<std::remove_pointer_t<Pointer>>(module, name) : nullptr;
}

struct User32Functions {
  GetDpiForSystemFunction getDpiForSystem;
  GetDpiForWindowFunction getDpiForWindow;
  AdjustWindowRectExForDpiFunction adjustWindowRectExForDpi;
  GetSystemMetricsForDpiFunction getSystemMetricsForDpi;
};

const User32Functions& User32() {
  static const User32Functions functions = [] {
    HMODULE user32 = LoadSystemLibrary(L"user32.dll");
    return User32Functions{
        Find<GetDpiForSystemFunction>(user32, "GetDpiForSystem"),
        Find<GetDpiForWindowFunction>(user32, "GetDpiForWindow"),
        Find<AdjustWindowRectExForDpiFunction>(user32, "AdjustWindowRectExForDpi"),
        Find<GetSystemMetricsForDpiFunction>(user32, "GetSystemMetricsForDpi"),
    };
  }();
  return functions;
}

// Loaded only once a monitor's DPI is asked for, or a window's where user32
// cannot tell it.
GetDpiForMonitorFunction GetDpiForMonitor() {
  static const GetDpiForMonitorFunction function =
      Find<GetDpiForMonitorFunction>(LoadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor");
  return function;
}

ui::Dpi ScreenDcDpi() {
  ScreenDc screen;
  return ui::Dpi(screen.Get() ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0);
}

}  // namespace

ui::Dpi SystemDpi() {
  if (const auto getDpiForSystem = User32().getDpiForSystem)
    return ui::Dpi(static_cast<int>(getDpiForSystem()));
  return ScreenDcDpi();
}

ui::Dpi WindowDpi(HWND window) {
  if (const auto getDpiForWindow = User32().getDpiForWindow)
    if (const UINT dpi = getDpiForWindow(window)) return ui::Dpi(static_cast<int>(dpi));
  return MonitorDpi(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

ui::Dpi MonitorDpi(HMONITOR monitor) {
  UINT dpiX = 0, dpiY = 0;
  if (const auto getDpiForMonitor = GetDpiForMonitor())
    if (SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &dpiX, &dpiY)) && dpiY)
      return ui::Dpi(static_cast<int>(dpiY));
  return SystemDpi();
}

RECT FrameAround(DWORD style, bool hasMenuBar, DWORD exStyle, ui::Dpi dpi) {
  RECT around{0, 0, 0, 0};
  const auto adjustForDpi = User32().adjustWindowRectExForDpi;
  if (!adjustForDpi ||
      !adjustForDpi(&around, style, hasMenuBar, exStyle, static_cast<UINT>(dpi.Value()))) {
    around = RECT{0, 0, 0, 0};
    ::AdjustWindowRectEx(&around, style, hasMenuBar, exStyle);
  }
  return around;
}

int SystemMetric(int index, ui::Dpi dpi) {
  if (const auto getSystemMetricsForDpi = User32().getSystemMetricsForDpi)
    return getSystemMetricsForDpi(index, static_cast<UINT>(dpi.Value()));
  return ::GetSystemMetrics(index);
}

}  // namespace win32

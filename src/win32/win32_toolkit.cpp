#include "win32/win32_toolkit.h"

#include "win32/text.h"
#include "win32/win32_window.h"
#include "win32/window_dpi.h"

namespace win32 {

Win32Toolkit::Win32Toolkit(HINSTANCE instance, ComApartment& com)
    : instance_(instance),
      systemDpi_(win32::SystemDpi()),
      windowClass_(instance),
      icons_(instance),
      pictures_(instance, com),
      accessibility_(com),
      // Broadcast by the shell when the taskbar starts (again).
      taskbarCreated_(::RegisterWindowMessageW(L"TaskbarCreated")) {
  ReadHighContrast();
}

void Win32Toolkit::ReadHighContrast() {
  HIGHCONTRASTW setting{};
  setting.cbSize = sizeof setting;
  highContrast_ = ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
                  (setting.dwFlags & HCF_HIGHCONTRASTON);
}

std::unique_ptr<ui::Window> Win32Toolkit::CreateFormWindow(const ui::WindowLayout& layout,
                                                           ui::FormEvents& events) {
  return std::make_unique<Win32Window>(*this, layout, events);
}

int Win32Toolkit::ShowMessageBox(const std::string& text, int flags, const std::string& title) {
  return ::MessageBoxW(::GetActiveWindow(), Widen(text).c_str(), Widen(title).c_str(),
                       static_cast<UINT>(flags));
}

// Both counts wrap after 49.7 days; their difference in 32 bits does not.
// Unknown counts as long ago.
std::uint32_t Win32Toolkit::MillisecondsSinceInput() const {
  LASTINPUTINFO last{};
  last.cbSize = sizeof last;
  if (!::GetLastInputInfo(&last)) return UINT32_MAX;
  return ::GetTickCount() - last.dwTime;
}

ui::Handle Win32Toolkit::KeyboardWindow() const {
  HWND foreground = ::GetForegroundWindow();
  return reinterpret_cast<ui::Handle>(foreground ? ::GetAncestor(foreground, GA_ROOT) : nullptr);
}

double Win32Toolkit::ScreenWidthTwips() const {
  return systemDpi_.ToTwips(::GetSystemMetrics(SM_CXSCREEN));
}

double Win32Toolkit::ScreenHeightTwips() const {
  return systemDpi_.ToTwips(::GetSystemMetrics(SM_CYSCREEN));
}

void Win32Toolkit::Terminate() { ::ExitProcess(0); }

void Win32Toolkit::WindowUnloaded() {
  if (--loadedWindows_ == 0) ::PostQuitMessage(0);
}

}  // namespace win32

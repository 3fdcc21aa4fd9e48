#include "win32/win32_toolkit.h"

#include "win32/fatal_error.h"
#include "win32/text.h"
#include "win32/topmost_owner.h"
#include "win32/win32_window.h"

namespace win32 {

Win32Toolkit::Win32Toolkit(HINSTANCE instance, ComApartment& com)
    : instance_(instance),
      monitors_(dpi_),
      windowClass_(instance),
      icons_(instance, dpi_),
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

HWND Win32Toolkit::BoxOwner() {
  if (!boxOwner_) {
    boxOwner_.reset(CreateTopmostOwner(instance_));
    if (boxOwner_)
      ::SetWindowLongPtrW(boxOwner_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  return boxOwner_.get();
}

// The box is owned by the hidden topmost window, so that it opens above the
// notes and comes to the front even when the program is in the background.
// An owned window opens right above its owner: the owner goes to the top of
// the topmost windows first, above the notes made since. The window the user
// was in waits for the answer, as under a box it owned, and has the keyboard
// again afterwards unless another window of the program took it meanwhile
// (an alert that went off).
int Win32Toolkit::ShowMessageBox(const std::string& text, int flags, const std::string& title) {
  const HWND owner = BoxOwner();
  if (owner)
    ::SetWindowPos(owner, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  const HWND active = ::GetActiveWindow();
  const bool disabled = active && !::EnableWindow(active, FALSE);
  const int answer = ::MessageBoxW(owner, Widen(text).c_str(), Widen(title).c_str(),
                                   static_cast<UINT>(flags) | MB_SETFOREGROUND | MB_TOPMOST);
  if (disabled) {
    ::EnableWindow(active, TRUE);
    if (!::GetActiveWindow() && ::IsWindowVisible(active)) ::SetForegroundWindow(active);
  }
  return answer;
}

void Win32Toolkit::ScheduleDesktopPass() {
  constexpr UINT_PTR kDesktopPassTimer = 1;
  constexpr UINT kBurstMilliseconds = 200;
  const HWND owner = BoxOwner();
  if (!owner || !::SetTimer(owner, kDesktopPassTimer, kBurstMilliseconds, &DesktopPassDue))
    RunDesktopPass();
}

// Called from the message loop, outside any window's procedure: an exception
// must not unwind through the window system's frames.
void CALLBACK Win32Toolkit::DesktopPassDue(HWND owner, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(owner, timer);
  auto* toolkit = reinterpret_cast<Win32Toolkit*>(::GetWindowLongPtrW(owner, GWLP_USERDATA));
  if (!toolkit || Halted()) return;
  try {
    toolkit->RunDesktopPass();
  } catch (const std::exception& error) {
    ExitWithError(error.what());
  } catch (...) {
    ExitWithError("An unexpected error occurred.");
  }
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
  return dpi_.SystemDpi().ToTwips(::GetSystemMetrics(SM_CXSCREEN));
}

double Win32Toolkit::ScreenHeightTwips() const {
  return dpi_.SystemDpi().ToTwips(::GetSystemMetrics(SM_CYSCREEN));
}

void Win32Toolkit::Terminate() { ::ExitProcess(0); }

void Win32Toolkit::WindowUnloaded() {
  if (--loadedWindows_ == 0) ::PostQuitMessage(0);
}

}  // namespace win32

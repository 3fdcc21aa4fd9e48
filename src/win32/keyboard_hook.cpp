#include "win32/keyboard_hook.h"

#include <exception>
#include <stdexcept>

#include "ui/keyboard_route.h"
#include "win32/fatal_error.h"
#include "win32/win32_window.h"

namespace win32 {

namespace {

// Codes of the application's own range name the program's loop.
constexpr int kMainLoopFilter = MSGF_USER + 1;
// The move and size loops report the codes these had in Windows' first
// versions; the headers no longer name them.
constexpr int kMoveFilter = 3;
constexpr int kSizeFilter = 4;

// One UI thread, one hook: the procedure finds the windows here.
const FormWindowClass* gForms = nullptr;

ui::MessageLoop LoopOf(int code) {
  switch (code) {
    case kMainLoopFilter:
      return ui::MessageLoop::Main;
    case MSGF_DIALOGBOX:
    case MSGF_MESSAGEBOX:
      return ui::MessageLoop::ModalBox;
    case MSGF_MENU:
      return ui::MessageLoop::Menu;
    case kMoveFilter:
    case kSizeFilter:
      return ui::MessageLoop::Drag;
    default:
      return ui::MessageLoop::Other;
  }
}

bool IsNavigationCandidate(const MSG& msg) {
  return msg.hwnd &&
         (msg.message == WM_KEYDOWN || msg.message == WM_CHAR || msg.message == WM_SYSCHAR);
}

bool Route(int code, const MSG& msg) {
  if (!gForms || Halted() || !IsNavigationCandidate(msg) || !ui::WindowsTakeKeys(LoopOf(code)))
    return false;
  Win32Window* window = gForms->WindowOf(::GetAncestor(msg.hwnd, GA_ROOT));
  return window && window->HandleNavigationKey(msg);
}

}  // namespace

KeyboardHook::KeyboardHook(const FormWindowClass& forms)
    : hook_(::SetWindowsHookExW(WH_MSGFILTER, &KeyboardHook::Procedure, nullptr,
                                ::GetCurrentThreadId())) {
  if (!hook_)
    throw std::runtime_error("The keyboard of the program's windows could not be set up.");
  gForms = &forms;
}

KeyboardHook::~KeyboardHook() {
  gForms = nullptr;
  ::UnhookWindowsHookEx(hook_);
}

bool KeyboardHook::RouteInMainLoop(MSG& msg) const {
  return IsNavigationCandidate(msg) && ::CallMsgFilterW(&msg, kMainLoopFilter);
}

LRESULT CALLBACK KeyboardHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0) {
    // A key may run a handler (Escape closes the alert): as in the window
    // procedure, an exception must not unwind through the system's frames.
    try {
      if (Route(code, *reinterpret_cast<const MSG*>(lParam))) return TRUE;
    } catch (const std::exception& error) {
      ExitWithError(error.what());
    } catch (...) {
      ExitWithError("An unexpected error occurred.");
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace win32

#include "win32/message_loop.h"

#include "win32/win32_window.h"

namespace win32 {

namespace {

bool IsNavigationCandidate(const MSG& msg) {
  return msg.hwnd &&
         (msg.message == WM_KEYDOWN || msg.message == WM_CHAR || msg.message == WM_SYSCHAR);
}

}  // namespace

int RunMessageLoop(const FormWindowClass& forms) {
  MSG msg{};
  for (;;) {
    const BOOL result = ::GetMessageW(&msg, nullptr, 0, 0);
    if (result == 0) return static_cast<int>(msg.wParam);
    if (result == -1) return 1;
    if (IsNavigationCandidate(msg)) {
      Win32Window* window = forms.WindowOf(::GetAncestor(msg.hwnd, GA_ROOT));
      if (window && window->HandleNavigationKey(msg)) continue;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

}  // namespace win32

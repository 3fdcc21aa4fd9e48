#include "win32/message_loop.h"

namespace win32 {

int RunMessageLoop(const KeyboardHook& keys) {
  MSG msg{};
  for (;;) {
    const BOOL result = ::GetMessageW(&msg, nullptr, 0, 0);
    if (result == 0) return static_cast<int>(msg.wParam);
    if (result == -1) return 1;
    if (keys.RouteInMainLoop(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

}  // namespace win32

// Commands that act on windows the way the shell or a user's input would.
#include <cstdint>
#include <vector>

#include "driver/commands.h"
#include "driver/handle.h"
#include "driver/json.h"
#include "driver/window_text.h"

namespace pwdriver {

namespace {

WPARAM WParamArg(const Args& args, std::size_t index) {
  return static_cast<WPARAM>(IntArg(args, index, 0));
}
LPARAM LParamArg(const Args& args, std::size_t index) {
  return static_cast<LPARAM>(IntArg(args, index, 0));
}

bool Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return PostMessageW(hwnd, message, wParam, lParam) != 0;
}

struct ButtonMessages {
  UINT down, up, dblclk;
  WPARAM keyState;
};

ButtonMessages ButtonArg(const Args& args, std::size_t index) {
  const std::string button = index < args.size() ? args[index] : "left";
  if (button == "left") return {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, MK_LBUTTON};
  if (button == "right") return {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, MK_RBUTTON};
  if (button == "middle") return {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, MK_MBUTTON};
  throw CommandError(args[0] + ": bad button " + button);
}

const char* CursorShape(HCURSOR cursor) {
  struct Known {
    LPCWSTR id;
    const char* name;
  };
  static const Known kKnown[] = {{IDC_ARROW, "arrow"},
                                 {IDC_HAND, "hand"},
                                 {IDC_IBEAM, "ibeam"},
                                 {IDC_WAIT, "wait"},
                                 {IDC_SIZEALL, "sizeall"}};
  if (!cursor) return "none";
  for (const Known& k : kKnown)
    if (LoadCursorW(nullptr, k.id) == cursor) return k.name;
  return "other";
}

// The window that a click at client point `at` of `hwnd` reaches: the
// deepest visible child there, or `hwnd` itself; `at` becomes its point.
HWND WindowUnder(HWND hwnd, POINT& at) {
  for (;;) {
    const HWND child = ChildWindowFromPointEx(hwnd, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == hwnd) return hwnd;
    MapWindowPoints(hwnd, child, &at, 1);
    hwnd = child;
  }
}

}  // namespace

// post HWND MSG [WPARAM] [LPARAM]: queues a message; true if it was queued.
std::string CmdPost(const Args& args) {
  return Post(WindowArg(args, 1), static_cast<UINT>(IntArg(args, 2)), WParamArg(args, 3),
              LParamArg(args, 4))
             ? "true"
             : "false";
}

// regmessage NAME: the number of a registered window message (such as the
// shell's "TaskbarCreated"), for post and send.
std::string CmdRegisteredMessage(const Args& args) {
  const UINT message = RegisterWindowMessageW(Widen(StrArg(args, 1)).c_str());
  if (!message) throw CommandError("regmessage: RegisterWindowMessage failed");
  return std::to_string(message);
}

// send HWND MSG [WPARAM] [LPARAM] [TIMEOUT_MS]: the receiver's result. Only
// for messages without pointers; a sent message blocks while the receiver
// runs a nested loop (a popup menu), so such messages are posted instead.
std::string CmdSend(const Args& args) {
  DWORD_PTR result = 0;
  const UINT timeout = static_cast<UINT>(IntArg(args, 5, kSendTimeoutMs));
  if (!SendMessageTimeoutW(WindowArg(args, 1), static_cast<UINT>(IntArg(args, 2)),
                           WParamArg(args, 3), LParamArg(args, 4), kSendFlags, timeout, &result)) {
    throw CommandError("send: no answer within " + std::to_string(timeout) + " ms");
  }
  return std::to_string(static_cast<LRESULT>(result));
}

// click HWND X Y [left|right|middle] [single|double]: the mouse messages of a
// click at client pixel (X, Y), posted to the window there (HWND or a child
// of it, as the system routes a real click).
std::string CmdClick(const Args& args) {
  POINT point{static_cast<LONG>(IntArg(args, 2)), static_cast<LONG>(IntArg(args, 3))};
  const HWND hwnd = WindowUnder(WindowArg(args, 1), point);
  const LPARAM at = MAKELPARAM(point.x, point.y);
  const ButtonMessages b = ButtonArg(args, 4);
  const std::string count = args.size() > 5 ? args[5] : "single";
  if (count != "single" && count != "double") throw CommandError("click: bad count " + count);
  bool ok = Post(hwnd, WM_MOUSEMOVE, 0, at) && Post(hwnd, b.down, b.keyState, at) &&
            Post(hwnd, b.up, 0, at);
  if (count == "double") ok = ok && Post(hwnd, b.dblclk, b.keyState, at) && Post(hwnd, b.up, 0, at);
  return ok ? "true" : "false";
}

// key HWND VK [VK...]: a press and release of each key, posted to the
// window all at once, while the window's thread is held: it takes posted
// messages before mouse input, so no mouse move the system makes meanwhile
// (a window appearing under the pointer) comes between them. A menu, which
// selects the item under the pointer on every move, thus counts its arrow
// keys from where the first one found it; without the hold, the thread could
// wake between two posts and take a move queued by then.
std::string CmdKey(const Args& args) {
  const HWND hwnd = WindowArg(args, 1);
  std::vector<WPARAM> keys;
  for (std::size_t i = 2; i < args.size() || i == 2; ++i)
    keys.push_back(static_cast<WPARAM>(IntArg(args, i)));
  const UniqueHandle thread(
      OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(hwnd, nullptr)));
  const bool held = thread && SuspendThread(thread.get()) != static_cast<DWORD>(-1);
  bool posted = true;
  for (const WPARAM vk : keys) {
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | static_cast<LPARAM>(scan << 16);
    const LPARAM up = down | (static_cast<LPARAM>(3) << 30);
    posted = posted && Post(hwnd, WM_KEYDOWN, vk, down) && Post(hwnd, WM_KEYUP, vk, up);
  }
  if (held) ResumeThread(thread.get());
  return posted ? "true" : "false";
}

// keys COMBO...: real key presses through SendInput, as the keyboard makes
// them, for whatever window has the focus. A COMBO is virtual-key codes
// joined by "+" ("0x10+0x09" is Shift+Tab): pressed in order, released in
// reverse. The number of input events the system took.
std::string CmdKeys(const Args& args) {
  std::vector<INPUT> events;
  for (std::size_t i = 1; i < args.size(); ++i) {
    std::vector<WORD> combo;
    std::size_t start = 0;
    for (std::size_t plus = 0; plus != std::string::npos; start = plus + 1) {
      plus = args[i].find('+', start);
      combo.push_back(
          static_cast<WORD>(std::stoll(args[i].substr(start, plus - start), nullptr, 0)));
    }
    const auto key = [&](WORD vk, bool up) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = vk;
      input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
      input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      events.push_back(input);
    };
    for (WORD vk : combo) key(vk, false);
    for (auto it = combo.rbegin(); it != combo.rend(); ++it) key(*it, true);
  }
  if (events.empty()) throw CommandError("keys: no keys");
  return std::to_string(SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT)));
}

// activate HWND: brings the window to the foreground, as a user switching to
// it would; true if the system did.
std::string CmdActivate(const Args& args) {
  return SetForegroundWindow(WindowArg(args, 1)) ? "true" : "false";
}

// chars HWND TEXT: WM_CHAR for every UTF-16 unit of TEXT (typing into an edit box).
std::string CmdChars(const Args& args) {
  const HWND hwnd = WindowArg(args, 1);
  for (const wchar_t c : Widen(StrArg(args, 2)))
    if (!Post(hwnd, WM_CHAR, c, 1)) return "false";
  return "true";
}

// close HWND: asks the window to close, as its frame's close box would.
std::string CmdClose(const Args& args) {
  return Post(WindowArg(args, 1), WM_CLOSE, 0, 0) ? "true" : "false";
}

// move HWND X Y: puts the window's top-left corner at screen (X, Y), as the
// user dragging it would; size, z-order and activation stay.
std::string CmdMove(const Args& args) {
  return SetWindowPos(WindowArg(args, 1), nullptr, static_cast<int>(IntArg(args, 2)),
                      static_cast<int>(IntArg(args, 3)), 0, 0,
                      SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
             ? "true"
             : "false";
}

// repaint HWND: has the window repainted, as uncovering it would.
std::string CmdRepaint(const Args& args) {
  return RedrawWindow(WindowArg(args, 1), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE) ? "true"
                                                                                        : "false";
}

// cursor [X Y]: moves the pointer when given a position; reports where it is
// and which standard shape it shows.
std::string CmdCursor(const Args& args) {
  if (args.size() > 1) {
    SetCursorPos(static_cast<int>(IntArg(args, 1)), static_cast<int>(IntArg(args, 2)));
  }
  CURSORINFO info{};
  info.cbSize = sizeof info;
  GetCursorInfo(&info);
  return JsonObject()
      .Int("x", info.ptScreenPos.x)
      .Int("y", info.ptScreenPos.y)
      .Str("shape", CursorShape(info.hCursor))
      .Text();
}

}  // namespace pwdriver

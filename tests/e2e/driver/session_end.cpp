// The end of a user's session, played to one process as Windows plays it:
// first every top-level window is asked, then every one is told the outcome.
#include <cstdint>
#include <vector>

#include "driver/commands.h"
#include "driver/json.h"
#include "driver/window_text.h"

namespace pwdriver {

namespace {

struct ProcessWindows {
  DWORD pid;
  std::vector<HWND> found;
};

// Hidden windows count too: the system asks every top-level window.
BOOL CALLBACK CollectProcessWindows(HWND hwnd, LPARAM param) {
  auto* windows = reinterpret_cast<ProcessWindows*>(param);
  if (ProcessOf(hwnd) == windows->pid) windows->found.push_back(hwnd);
  return TRUE;
}

}  // namespace

// endsession PID ENDING [LPARAM]: WM_QUERYENDSESSION(0, LPARAM) to each
// top-level window of the process, then WM_ENDSESSION(ENDING, LPARAM) to
// each that still exists. A process may end while it is told (then the rest
// get nothing). {windows, agreed: every window answered TRUE in time}.
std::string CmdEndSession(const Args& args) {
  ProcessWindows windows{static_cast<DWORD>(IntArg(args, 1)), {}};
  const auto ending = static_cast<WPARAM>(IntArg(args, 2));
  const auto lParam = static_cast<LPARAM>(IntArg(args, 3, 0));
  EnumWindows(CollectProcessWindows, reinterpret_cast<LPARAM>(&windows));
  bool agreed = true;
  for (HWND hwnd : windows.found) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(hwnd, WM_QUERYENDSESSION, 0, lParam, kSendFlags, kSendTimeoutMs,
                             &answer) ||
        !answer) {
      agreed = false;
    }
  }
  for (HWND hwnd : windows.found) {
    if (IsWindow(hwnd)) {
      SendMessageTimeoutW(hwnd, WM_ENDSESSION, ending, lParam, kSendFlags, kSendTimeoutMs, nullptr);
    }
  }
  return JsonObject()
      .Int("windows", static_cast<std::int64_t>(windows.found.size()))
      .Bool("agreed", agreed)
      .Text();
}

}  // namespace pwdriver

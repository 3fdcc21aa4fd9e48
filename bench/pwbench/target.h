// Finding and watching the windows of the program under measurement from
// another process in the same Wine prefix.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace pwbench {

// Top-level windows of process `pid` whose title is `title`, in Z order;
// only the visible ones if `visibleOnly`.
std::vector<HWND> WindowsOf(DWORD pid, const std::wstring& title, bool visibleOnly);

// Whether the shell knows the tray icon (hwnd, id): changing nothing about an
// icon succeeds exactly when it is registered.
bool TrayIconRegistered(HWND hwnd, UINT id);
void RemoveTrayIcon(HWND hwnd, UINT id);

// Milliseconds on the performance counter.
double NowMs();
// The performance counter itself, and its ticks per second.
LONGLONG Counter();
LONGLONG CounterFrequency();

// Polls `condition` every millisecond until it holds; false after `timeoutMs`.
template <typename Condition>
bool WaitFor(Condition condition, double timeoutMs) {
  const double deadline = NowMs() + timeoutMs;
  while (!condition()) {
    if (NowMs() > deadline) return false;
    Sleep(1);
  }
  return true;
}

}  // namespace pwbench

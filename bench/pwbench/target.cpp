#include "target.h"

#include <shellapi.h>

namespace pwbench {

namespace {

struct Search {
  DWORD pid;
  const std::wstring* title;
  bool visibleOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != search.pid || (search.visibleOnly && !IsWindowVisible(hwnd))) return TRUE;
  wchar_t title[64] = L"";
  GetWindowTextW(hwnd, title, 64);
  if (*search.title == title) search.found.push_back(hwnd);
  return TRUE;
}

NOTIFYICONDATAW IconRecord(HWND hwnd, UINT id) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = hwnd;
  data.uID = id;
  return data;
}

}  // namespace

std::vector<HWND> WindowsOf(DWORD pid, const std::wstring& title, bool visibleOnly) {
  Search search{pid, &title, visibleOnly, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool TrayIconRegistered(HWND hwnd, UINT id) {
  NOTIFYICONDATAW data = IconRecord(hwnd, id);
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void RemoveTrayIcon(HWND hwnd, UINT id) {
  NOTIFYICONDATAW data = IconRecord(hwnd, id);
  Shell_NotifyIconW(NIM_DELETE, &data);
}

LONGLONG Counter() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

LONGLONG CounterFrequency() {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return frequency.QuadPart;
}

double NowMs() {
  static const double ticksPerMs = static_cast<double>(CounterFrequency()) / 1000.0;
  return static_cast<double>(Counter()) / ticksPerMs;
}

}  // namespace pwbench

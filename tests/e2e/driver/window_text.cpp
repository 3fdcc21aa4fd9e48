#include "driver/window_text.h"

#include <vector>

#include "driver/protocol.h"

namespace pwdriver {

std::string ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return Narrow(name);
}

std::string TextOf(HWND hwnd) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, kSendFlags, kSendTimeoutMs, &length)) {
    if (!IsWindow(hwnd)) return {};
    throw CommandError("WM_GETTEXTLENGTH timed out");
  }
  std::vector<wchar_t> buffer(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           kSendFlags, kSendTimeoutMs, &copied)) {
    if (!IsWindow(hwnd)) return {};
    throw CommandError("WM_GETTEXT timed out");
  }
  return Narrow(std::wstring(buffer.data(), copied < buffer.size() ? copied : length));
}

std::string CaptionOf(HWND hwnd) {
  wchar_t caption[1024] = {};
  InternalGetWindowText(hwnd, caption, 1024);
  return Narrow(caption);
}

DWORD ProcessOf(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

}  // namespace pwdriver

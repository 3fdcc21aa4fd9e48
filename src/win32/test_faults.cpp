#include "win32/test_faults.h"

#ifdef PAPERWISP_TEST_FAULTS

#include <windows.h>

#include <string>

namespace win32::test_faults {

namespace {
bool MarkerBesideExe(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return false;
  std::wstring marker(path, length);
  marker.erase(marker.find_last_of(L'\\') + 1);
  marker += name;
  return ::GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
}
}  // namespace

bool WindowCreationRefused() { return MarkerBesideExe(L"fail-window-creation"); }

bool MenuCommandFails() { return MarkerBesideExe(L"fail-menu-command"); }

bool IsDpiChangeRequest(UINT message) {
  static const UINT request = ::RegisterWindowMessageW(L"PaperwispTestDpiChange");
  return request && message == request;
}

void ChangeDpiAsTheSystemDoes(HWND window, int oldDpi, int newDpi) {
  constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE
  RECT rect{};
  ::GetWindowRect(window, &rect);
  SIZE size{::MulDiv(rect.right - rect.left, newDpi, oldDpi),
            ::MulDiv(rect.bottom - rect.top, newDpi, oldDpi)};
  ::SendMessageW(window, kGetDpiScaledSize, static_cast<WPARAM>(newDpi),
                 reinterpret_cast<LPARAM>(&size));
  RECT suggested{rect.left, rect.top, rect.left + size.cx, rect.top + size.cy};
  ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi),
                 reinterpret_cast<LPARAM>(&suggested));
}

}  // namespace win32::test_faults

#endif

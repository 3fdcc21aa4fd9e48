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

}  // namespace win32::test_faults

#endif

#include "win32/win32_platform.h"

// windows.h must precede the system headers built on it.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>
// clang-format on

#include <cstddef>

#include "win32/system_library.h"

namespace win32 {

// The program's tray record is the system's record, byte for byte.
static_assert(sizeof(ui::NotifyIconData) == NOTIFYICONDATAA_V1_SIZE);
static_assert(offsetof(ui::NotifyIconData, cbSize) == offsetof(NOTIFYICONDATAA, cbSize));
static_assert(offsetof(ui::NotifyIconData, hWnd) == offsetof(NOTIFYICONDATAA, hWnd));
static_assert(offsetof(ui::NotifyIconData, uID) == offsetof(NOTIFYICONDATAA, uID));
static_assert(offsetof(ui::NotifyIconData, uFlags) == offsetof(NOTIFYICONDATAA, uFlags));
static_assert(offsetof(ui::NotifyIconData, uCallbackMessage) ==
              offsetof(NOTIFYICONDATAA, uCallbackMessage));
static_assert(offsetof(ui::NotifyIconData, hIcon) == offsetof(NOTIFYICONDATAA, hIcon));
static_assert(offsetof(ui::NotifyIconData, szTip) == offsetof(NOTIFYICONDATAA, szTip));

namespace {
HWND ToHwnd(ui::Handle handle) { return reinterpret_cast<HWND>(handle); }
}  // namespace

int Win32Platform::Shell_NotifyIconA(std::uint32_t message, ui::NotifyIconData* data) {
  if (data && (message == NIM_ADD || message == NIM_MODIFY)) trayIcon_ = *data;
  if (message == NIM_DELETE) trayIcon_.reset();
  return ::Shell_NotifyIconA(message, reinterpret_cast<NOTIFYICONDATAA*>(data));
}

void Win32Platform::RemoveTrayIcon() {
  if (!trayIcon_) return;
  ui::NotifyIconData record = *trayIcon_;
  Shell_NotifyIconA(NIM_DELETE, &record);
}

std::intptr_t Win32Platform::ShellExecuteA(ui::Handle owner, const char* operation,
                                           const char* file, const char* parameters,
                                           const char* directory, int showCmd) {
  com_.Enter();
  return reinterpret_cast<std::intptr_t>(
      ::ShellExecuteA(ToHwnd(owner), operation, file, parameters, directory, showCmd));
}

int Win32Platform::SetForegroundWindow(ui::Handle hwnd) {
  return ::SetForegroundWindow(ToHwnd(hwnd));
}

std::int32_t Win32Platform::GetWindowLongA(ui::Handle hwnd, int index) {
  return ::GetWindowLongA(ToHwnd(hwnd), index);
}

std::int32_t Win32Platform::SetWindowLongA(ui::Handle hwnd, int index, std::int32_t value) {
  return ::SetWindowLongA(ToHwnd(hwnd), index, value);
}

int Win32Platform::SetLayeredWindowAttributes(ui::Handle hwnd, std::uint32_t colorKey,
                                              std::uint8_t alpha, std::uint32_t flags) {
  return ::SetLayeredWindowAttributes(ToHwnd(hwnd), colorKey, alpha, flags);
}

int Win32Platform::ReleaseCapture() { return ::ReleaseCapture(); }

std::intptr_t Win32Platform::SendMessageA(ui::Handle hwnd, std::uint32_t message,
                                          std::uintptr_t wParam, std::intptr_t lParam) {
  return ::SendMessageA(ToHwnd(hwnd), message, wParam, lParam);
}

std::uint32_t Win32Platform::GetMessagePos() { return ::GetMessagePos(); }

int Win32Platform::SetWindowPos(ui::Handle hwnd, ui::Handle insertAfter, int x, int y, int cx,
                                int cy, std::uint32_t flags) {
  return ::SetWindowPos(ToHwnd(hwnd), ToHwnd(insertAfter), x, y, cx, cy, flags);
}

ui::Handle Win32Platform::LoadCursorA(ui::Handle instance, std::uintptr_t cursorName) {
  return reinterpret_cast<ui::Handle>(::LoadCursorA(
      reinterpret_cast<HINSTANCE>(instance), MAKEINTRESOURCEA(static_cast<WORD>(cursorName))));
}

ui::Handle Win32Platform::SetCursor(ui::Handle cursor) {
  return reinterpret_cast<ui::Handle>(::SetCursor(reinterpret_cast<HCURSOR>(cursor)));
}

// Without the sound library the sound is not heard, as when the system
// cannot play it.
int Win32Platform::sndPlaySoundA(const void* sound, std::uint32_t flags) {
  if (!soundLoaded_) {
    soundLoaded_ = true;
    if (HMODULE winmm = LoadSystemLibrary(L"winmm.dll"))
      sndPlaySound_ = FindFunction<decltype(::sndPlaySoundA)>(winmm, "sndPlaySoundA");
  }
  return sndPlaySound_ ? sndPlaySound_(static_cast<LPCSTR>(sound), flags) : FALSE;
}

void Win32Platform::StopSound() {
  if (sndPlaySound_) sndPlaySound_(nullptr, 0);
}

std::vector<std::uint8_t> Win32Platform::LoadCustomResource(int id, const char* type) {
  HMODULE module = ::GetModuleHandleA(nullptr);
  HRSRC info = ::FindResourceA(module, MAKEINTRESOURCEA(static_cast<WORD>(id)), type);
  if (!info) return {};
  HGLOBAL loaded = ::LoadResource(module, info);
  const auto* bytes = static_cast<const std::uint8_t*>(loaded ? ::LockResource(loaded) : nullptr);
  if (!bytes) return {};
  return std::vector<std::uint8_t>(bytes, bytes + ::SizeofResource(module, info));
}

}  // namespace win32

// The named system calls, each passed straight to the system with the
// arguments the program gives.
#pragma once

// windows.h must precede the system headers built on it.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <optional>

#include "ui/platform.h"
#include "win32/com_apartment.h"

namespace win32 {

class Win32Platform final : public ui::Platform {
 public:
  // ShellExecuteA enters `com` first.
  explicit Win32Platform(ComApartment& com) : com_(com) {}
  ~Win32Platform() override { RemoveTrayIcon(); }
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  // Removes the tray icon the program registered, if it is still there: a
  // program that ends in error must not leave a dead icon behind.
  void RemoveTrayIcon();
  // Stops a sound the program started; nothing plays when none has.
  void StopSound();

  int Shell_NotifyIconA(std::uint32_t message, ui::NotifyIconData* data) override;
  std::intptr_t ShellExecuteA(ui::Handle owner, const char* operation, const char* file,
                              const char* parameters, const char* directory, int showCmd) override;
  int SetForegroundWindow(ui::Handle hwnd) override;
  std::int32_t GetWindowLongA(ui::Handle hwnd, int index) override;
  std::int32_t SetWindowLongA(ui::Handle hwnd, int index, std::int32_t value) override;
  int SetLayeredWindowAttributes(ui::Handle hwnd, std::uint32_t colorKey, std::uint8_t alpha,
                                 std::uint32_t flags) override;
  int ReleaseCapture() override;
  std::intptr_t SendMessageA(ui::Handle hwnd, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) override;
  std::uint32_t GetMessagePos() override;
  int SetWindowPos(ui::Handle hwnd, ui::Handle insertAfter, int x, int y, int cx, int cy,
                   std::uint32_t flags) override;
  ui::Handle LoadCursorA(ui::Handle instance, std::uintptr_t cursorName) override;
  ui::Handle SetCursor(ui::Handle cursor) override;
  int sndPlaySoundA(const void* sound, std::uint32_t flags) override;
  std::vector<std::uint8_t> LoadCustomResource(int id, const char* type) override;

 private:
  ComApartment& com_;
  // The sound library loads on the first sound: the program starts faster
  // without it, and most runs never play a sound.
  bool soundLoaded_ = false;
  decltype(&::sndPlaySoundA) sndPlaySound_ = nullptr;
  // The last icon the program asked to register, until it removes it. A
  // registration that timed out may have got in, so every attempt counts.
  std::optional<ui::NotifyIconData> trayIcon_;
};

}  // namespace win32

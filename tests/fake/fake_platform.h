// A recording fake of the named system calls.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fake/live_blocks.h"
#include "ui/platform.h"

namespace fake {

struct PlatformCall {
  std::string name;
  std::vector<std::int64_t> args;  // integer arguments in declaration order
  std::string text;                // the string argument, where there is one
};

class FakePlatform : public ui::Platform {
 public:
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

  // Calls named `name`, in order.
  std::vector<PlatformCall> Calls(const std::string& name) const;
  std::vector<std::string> Names() const;  // every call's name, in order

  std::vector<PlatformCall> calls;
  std::vector<ui::NotifyIconData> trayRecords;  // copy of the record of each call
  // The taskbar: whether it answers at all, whether an add gets the icon in
  // but reports failure (it timed out), and whether the icon is in.
  bool taskbarAnswers = true;
  bool addTimesOut = false;
  bool iconShown = false;
  std::map<ui::Handle, std::int32_t> exStyles;  // what GetWindowLongA returns
  std::uint32_t messagePos = 0;                 // what GetMessagePos returns
  std::vector<std::uint8_t> soundResource{'R', 'I', 'F', 'F', 1, 2, 3, 4};
  // The sound the "system" is playing: where it reads from, and its bytes as
  // they were when it started.
  const void* playing = nullptr;
  std::vector<std::uint8_t> playingBytes;

  // Times the system would have read a sound from memory the program no
  // longer held: a play from a released or too short block, a play or stop
  // while the block of the sound playing had been released, and the sound
  // playing now if its block has been released since it started. The blocks
  // are told by their ownership, never by reading them.
  int DeadBufferReads() const;

 private:
  int deadBufferReads_ = 0;
  std::optional<LiveBlock> playingBlock_;
};

}  // namespace fake

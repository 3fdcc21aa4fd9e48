#include "fake/fake_platform.h"

#include <utility>

namespace fake {

namespace {
std::int64_t I(std::uint64_t v) { return static_cast<std::int64_t>(v); }
std::string Str(const char* s) { return s ? s : "<null>"; }
}  // namespace

int FakePlatform::Shell_NotifyIconA(std::uint32_t message, ui::NotifyIconData* data) {
  calls.push_back({"Shell_NotifyIconA", {message, I(reinterpret_cast<std::uintptr_t>(data))}, {}});
  trayRecords.push_back(*data);
  if (!taskbarAnswers) return 0;
  switch (message) {
    case ui::kNimAdd:
      if (iconShown) return 0;
      iconShown = true;
      return addTimesOut ? 0 : 1;
    case ui::kNimModify:
      return iconShown ? 1 : 0;
    case ui::kNimDelete:
      return std::exchange(iconShown, false) ? 1 : 0;
    default:
      return 0;
  }
}

std::intptr_t FakePlatform::ShellExecuteA(ui::Handle owner, const char* operation, const char* file,
                                          const char* parameters, const char* directory,
                                          int showCmd) {
  calls.push_back({"ShellExecuteA",
                   {I(owner), operation ? 1 : 0, parameters ? 1 : 0, directory ? 1 : 0, showCmd},
                   Str(file)});
  return 42;
}

int FakePlatform::SetForegroundWindow(ui::Handle hwnd) {
  calls.push_back({"SetForegroundWindow", {I(hwnd)}, {}});
  return 1;
}

std::int32_t FakePlatform::GetWindowLongA(ui::Handle hwnd, int index) {
  calls.push_back({"GetWindowLongA", {I(hwnd), index}, {}});
  return exStyles[hwnd];
}

std::int32_t FakePlatform::SetWindowLongA(ui::Handle hwnd, int index, std::int32_t value) {
  calls.push_back({"SetWindowLongA", {I(hwnd), index, value}, {}});
  const std::int32_t old = exStyles[hwnd];
  exStyles[hwnd] = value;
  return old;
}

int FakePlatform::SetLayeredWindowAttributes(ui::Handle hwnd, std::uint32_t colorKey,
                                             std::uint8_t alpha, std::uint32_t flags) {
  calls.push_back({"SetLayeredWindowAttributes", {I(hwnd), colorKey, alpha, flags}, {}});
  return 1;
}

int FakePlatform::ReleaseCapture() {
  calls.push_back({"ReleaseCapture", {}, {}});
  return 1;
}

std::intptr_t FakePlatform::SendMessageA(ui::Handle hwnd, std::uint32_t message,
                                         std::uintptr_t wParam, std::intptr_t lParam) {
  calls.push_back({"SendMessageA", {I(hwnd), message, I(wParam), lParam}, {}});
  return 0;
}

std::uint32_t FakePlatform::GetMessagePos() {
  calls.push_back({"GetMessagePos", {}, {}});
  return messagePos;
}

int FakePlatform::SetWindowPos(ui::Handle hwnd, ui::Handle insertAfter, int x, int y, int cx,
                               int cy, std::uint32_t flags) {
  calls.push_back({"SetWindowPos", {I(hwnd), I(insertAfter), x, y, cx, cy, flags}, {}});
  return 1;
}

ui::Handle FakePlatform::LoadCursorA(ui::Handle instance, std::uintptr_t cursorName) {
  calls.push_back({"LoadCursorA", {I(instance), I(cursorName)}, {}});
  return 0x7700 + cursorName;
}

ui::Handle FakePlatform::SetCursor(ui::Handle cursor) {
  calls.push_back({"SetCursor", {I(cursor)}, {}});
  return 0;
}

int FakePlatform::sndPlaySoundA(const void* sound, std::uint32_t flags) {
  // The system reads the old sound until this call lets go of it.
  if (playingBlock_ && LiveBlockAt(playingBlock_->start) != playingBlock_) ++deadBufferReads_;
  calls.push_back({"sndPlaySoundA", {sound ? 1 : 0, flags}, {}});
  playing = sound;
  playingBytes.clear();
  playingBlock_.reset();
  if (!sound) return 1;
  playingBlock_ = LiveBlockAt(sound);
  if (!playingBlock_ || !playingBlock_->Holds(sound, soundResource.size())) {
    ++deadBufferReads_;
    playingBlock_.reset();
    return 1;
  }
  const auto* bytes = static_cast<const std::uint8_t*>(sound);
  playingBytes.assign(bytes, bytes + soundResource.size());
  return 1;
}

int FakePlatform::DeadBufferReads() const {
  const bool readingNow = playingBlock_ && LiveBlockAt(playingBlock_->start) != playingBlock_;
  return deadBufferReads_ + (readingNow ? 1 : 0);
}

std::vector<std::uint8_t> FakePlatform::LoadCustomResource(int id, const char* type) {
  calls.push_back({"LoadCustomResource", {id}, Str(type)});
  return soundResource;
}

std::vector<PlatformCall> FakePlatform::Calls(const std::string& name) const {
  std::vector<PlatformCall> found;
  for (const auto& c : calls)
    if (c.name == name) found.push_back(c);
  return found;
}

std::vector<std::string> FakePlatform::Names() const {
  std::vector<std::string> names;
  for (const auto& c : calls) names.push_back(c.name);
  return names;
}

}  // namespace fake

// The system calls that the program makes by name, with the arguments the
// system documents, behind one narrow interface so that tests see every call.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/window.h"

namespace ui {

// The first version of the shell's notification-area record. Handles are
// pointer-sized, so the record is 88 bytes in the 32-bit build.
struct NotifyIconData {
  std::uint32_t cbSize;
  Handle hWnd;
  std::uint32_t uID;
  std::uint32_t uFlags;
  std::uint32_t uCallbackMessage;
  Handle hIcon;
  char szTip[64];
};
static_assert(sizeof(void*) != 4 || sizeof(NotifyIconData) == 88,
              "the tray record must be 88 bytes in the 32-bit build");

// Constants of the calls below.
enum : std::uint32_t {
  kNimAdd = 0,
  kNimModify = 1,
  kNimDelete = 2,
  kNifMessage = 1,
  kNifIcon = 2,
  kNifTip = 4,
  kWmMouseMove = 0x0200,
  kWmNcLButtonDown = 0x00A1,
  kHtCaption = 2,
  kWsExLayered = 0x00080000,
  kLwaColorKey = 1,
  kSwpNoSize = 1,
  kSwpNoMove = 2,
  kSwpNoActivate = 0x10,
  kSwShowNormal = 1,
  kIdcHand = 32649,
  kSndAsync = 1,
  kSndNoDefault = 2,
  kSndMemory = 4,
  kSndLoop = 8,
};
constexpr int kGwlExStyle = -20;
constexpr Handle kHwndTopmost = static_cast<Handle>(-1);

class Platform {
 public:
  virtual ~Platform() = default;

  // shell32
  virtual int Shell_NotifyIconA(std::uint32_t message, NotifyIconData* data) = 0;
  virtual std::intptr_t ShellExecuteA(Handle owner, const char* operation, const char* file,
                                      const char* parameters, const char* directory,
                                      int showCmd) = 0;
  // user32
  virtual int SetForegroundWindow(Handle hwnd) = 0;
  virtual std::int32_t GetWindowLongA(Handle hwnd, int index) = 0;
  virtual std::int32_t SetWindowLongA(Handle hwnd, int index, std::int32_t value) = 0;
  virtual int SetLayeredWindowAttributes(Handle hwnd, std::uint32_t colorKey, std::uint8_t alpha,
                                         std::uint32_t flags) = 0;
  virtual int ReleaseCapture() = 0;
  virtual std::intptr_t SendMessageA(Handle hwnd, std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam) = 0;
  // Where the cursor was when the message being handled was posted: x in the
  // low word, y in the high word, each a signed 16-bit screen coordinate.
  virtual std::uint32_t GetMessagePos() = 0;
  virtual int SetWindowPos(Handle hwnd, Handle insertAfter, int x, int y, int cx, int cy,
                           std::uint32_t flags) = 0;
  virtual Handle LoadCursorA(Handle instance, std::uintptr_t cursorName) = 0;
  virtual Handle SetCursor(Handle cursor) = 0;
  // winmm
  virtual int sndPlaySoundA(const void* sound, std::uint32_t flags) = 0;
  // The bytes of a custom resource of the program's own file.
  virtual std::vector<std::uint8_t> LoadCustomResource(int id, const char* type) = 0;
};

}  // namespace ui

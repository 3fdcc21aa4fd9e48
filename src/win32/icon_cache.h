// The windows' icons, loaded once per icon resource and size, and shared by
// every window showing them (every note shows the same one). Each icon
// group carries its drawing at the sizes the shell asks for at 100 % to
// 400 % display scale.
#pragma once

#include <windows.h>

#include <map>
#include <utility>

#include "ui/dpi.h"
#include "win32/dpi_service.h"
#include "win32/handles.h"

namespace win32 {

class IconCache {
 public:
  IconCache(HINSTANCE instance, const DpiService& dpi) : instance_(instance), dpi_(dpi) {}

  // The window icon: the group's first image, at its own size (48 or 32
  // pixels); nullptr when it cannot be loaded.
  HICON Get(int resourceId);
  // The group's image at the size of a caption's small icon for a window at
  // `dpi`, drawn at that size when the group has it; nullptr when it cannot
  // be loaded.
  HICON CaptionIcon(int resourceId, ui::Dpi dpi);
  // The same at the size of the shell's small icons where the taskbar is:
  // the one the notification area shows.
  HICON TrayIcon(int resourceId);

 private:
  HICON Load(int resourceId, int size);

  HINSTANCE instance_;
  const DpiService& dpi_;
  std::map<std::pair<int, int>, UniqueIcon> icons_;  // by resource and size
};

}  // namespace win32

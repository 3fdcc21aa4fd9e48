// The windows' icons, loaded once per icon resource and shared by every
// window showing it (every note shows the same one).
#pragma once

#include <windows.h>

#include <map>

#include "win32/handles.h"

namespace win32 {

class IconCache {
 public:
  explicit IconCache(HINSTANCE instance) : instance_(instance) {}

  // The icon at its own size (48 or 32 pixels: the controller's is also the
  // tray icon); nullptr when it cannot be loaded.
  HICON Get(int resourceId);

 private:
  HINSTANCE instance_;
  std::map<int, UniqueIcon> icons_;
};

}  // namespace win32

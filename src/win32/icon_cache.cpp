#include "win32/icon_cache.h"

namespace win32 {

HICON IconCache::Get(int resourceId) {
  UniqueIcon& icon = icons_[resourceId];
  if (!icon) {
    icon.reset(static_cast<HICON>(
        ::LoadImageW(instance_, MAKEINTRESOURCEW(resourceId), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
  }
  return icon.get();
}

}  // namespace win32

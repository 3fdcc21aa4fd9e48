#include "win32/icon_cache.h"

#include <algorithm>
#include <vector>

#include "win32/common_controls.h"
#include "win32/system_library.h"

namespace win32 {

namespace {

// The widths of the group's images, in its order; none when the group is
// missing.
std::vector<int> ImageSizes(HINSTANCE instance, int resourceId) {
  HRSRC info = ::FindResourceW(instance, MAKEINTRESOURCEW(resourceId), RT_GROUP_ICON);
  HGLOBAL loaded = info ? ::LoadResource(instance, info) : nullptr;
  const auto* directory = static_cast<const BYTE*>(loaded ? ::LockResource(loaded) : nullptr);
  if (!directory) return {};
  // A 6-byte header that ends with the number of entries, then 14-byte
  // entries that start with the width (0 for 256).
  const DWORD bytes = ::SizeofResource(instance, info);
  const int count = bytes < 6 ? 0 : directory[4] | (directory[5] << 8);
  std::vector<int> sizes;
  for (int i = 0; i < count && 6 + 14 * (i + 1) <= static_cast<int>(bytes); ++i) {
    const BYTE width = directory[6 + 14 * i];
    sizes.push_back(width ? width : 256);
  }
  return sizes;
}

}  // namespace

HICON IconCache::Get(int resourceId) {
  const std::vector<int> sizes = ImageSizes(instance_, resourceId);
  return sizes.empty() ? nullptr : Load(resourceId, sizes.front());
}

HICON IconCache::CaptionIcon(int resourceId, ui::Dpi dpi) {
  return Load(resourceId, dpi_.FrameMetric(SM_CXSMICON, dpi));
}

HICON IconCache::TrayIcon(int resourceId) {
  return Load(resourceId, dpi_.MetricAt(SM_CXSMICON, dpi_.TaskbarDpi()));
}

// LoadImage takes an image of the exact size as it is, and the groups carry
// every size the shell asks for at the usual display scales. For a size in
// between, comctl32 reduces a larger image with care, where LoadImage would
// stretch the nearest one.
HICON IconCache::Load(int resourceId, int size) {
  if (size <= 0) return nullptr;
  UniqueIcon& icon = icons_[{resourceId, size}];
  if (icon) return icon.get();
  const wchar_t* name = MAKEINTRESOURCEW(resourceId);
  const std::vector<int> sizes = ImageSizes(instance_, resourceId);
  HICON loaded = nullptr;
  if (std::find(sizes.begin(), sizes.end(), size) == sizes.end() &&
      FAILED(common_controls::LoadIconWithScaleDown(instance_, name, size, size, &loaded)))
    loaded = nullptr;
  if (!loaded)
    loaded =
        static_cast<HICON>(::LoadImageW(instance_, name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  icon.reset(loaded);
  return loaded;
}

}  // namespace win32

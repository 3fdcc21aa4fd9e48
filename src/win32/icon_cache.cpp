#include "win32/icon_cache.h"

#include <commctrl.h>

#include "win32/system_library.h"

namespace win32 {

namespace {

// The size of the group's first image; 0 when the group is missing.
int FirstImageSize(HINSTANCE instance, int resourceId) {
  HRSRC info = ::FindResourceW(instance, MAKEINTRESOURCEW(resourceId), RT_GROUP_ICON);
  HGLOBAL loaded = info ? ::LoadResource(instance, info) : nullptr;
  const auto* directory = static_cast<const BYTE*>(loaded ? ::LockResource(loaded) : nullptr);
  // A 6-byte header, then 14-byte entries that start with the width.
  if (!directory || ::SizeofResource(instance, info) < 6 + 14) return 0;
  return directory[6] ? directory[6] : 256;
}

}  // namespace

HICON IconCache::Get(int resourceId) {
  return Load(resourceId, FirstImageSize(instance_, resourceId));
}

HICON IconCache::CaptionIcon(int resourceId, ui::Dpi dpi) {
  return Load(resourceId, dpi_.FrameMetric(SM_CXSMICON, dpi));
}

HICON IconCache::TrayIcon(int resourceId) {
  return Load(resourceId, dpi_.MetricAt(SM_CXSMICON, dpi_.TaskbarDpi()));
}

// comctl32's loaders reduce a larger image of the group with care where the
// group lacks the size; LoadImage would stretch the nearest one. They exist
// from Windows Vista on, but only in comctl32 version 6, which the manifest
// binds, so they are looked up rather than imported.
HICON IconCache::Load(int resourceId, int size) {
  if (size <= 0) return nullptr;
  UniqueIcon& icon = icons_[{resourceId, size}];
  if (icon) return icon.get();
  static const HMODULE comctl32 = ::GetModuleHandleW(L"comctl32.dll");
  static const auto loadIconMetric =
      FindFunction<decltype(::LoadIconMetric)>(comctl32, "LoadIconMetric");
  static const auto loadIconWithScaleDown =
      FindFunction<decltype(::LoadIconWithScaleDown)>(comctl32, "LoadIconWithScaleDown");
  const wchar_t* name = MAKEINTRESOURCEW(resourceId);
  HICON loaded = nullptr;
  HRESULT result = E_NOTIMPL;
  if (size == ::GetSystemMetrics(SM_CXSMICON) && loadIconMetric)
    result = loadIconMetric(instance_, name, LIM_SMALL, &loaded);
  else if (loadIconWithScaleDown)
    result = loadIconWithScaleDown(instance_, name, size, size, &loaded);
  if (FAILED(result) || !loaded)
    loaded =
        static_cast<HICON>(::LoadImageW(instance_, name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  icon.reset(loaded);
  return loaded;
}

}  // namespace win32

#include "win32/picture_cache.h"

#include <optional>
#include <utility>
#include <vector>

#include "resource_ids.h"
#include "win32/win32_picture.h"

namespace win32 {

namespace {

// The scales above 100 % at which the resource script carries the pictures.
constexpr int kLargerScales[] = {200};

std::optional<Win32Picture::Rendering> FindRendering(HINSTANCE instance, int resourceId,
                                                     int percent) {
  HRSRC info = ::FindResourceW(instance, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
  HGLOBAL loaded = info ? ::LoadResource(instance, info) : nullptr;
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  const DWORD size = info ? ::SizeofResource(instance, info) : 0;
  if (!bytes || size == 0) return std::nullopt;
  return Win32Picture::Rendering{percent, bytes, size};
}

}  // namespace

ui::PictureRef PictureCache::Get(int resourceId) {
  if (resourceId == 0) return nullptr;
  if (ui::PictureRef cached = pictures_[resourceId].lock()) return cached;

  std::vector<Win32Picture::Rendering> renderings;
  if (const auto actual = FindRendering(instance_, resourceId, 100))
    renderings.push_back(*actual);
  else
    return nullptr;
  for (int percent : kLargerScales) {
    if (const auto larger = FindRendering(instance_, IDP_AT_SCALE(resourceId, percent), percent))
      renderings.push_back(*larger);
  }
  ui::PictureRef picture =
      std::make_shared<const Win32Picture>(gdiplus_, resourceId, std::move(renderings));
  pictures_[resourceId] = picture;
  return picture;
}

}  // namespace win32

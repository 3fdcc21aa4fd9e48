#include "win32/picture_cache.h"

#include "win32/win32_picture.h"

namespace win32 {

ui::PictureRef PictureCache::Get(int resourceId) {
  if (resourceId == 0) return nullptr;
  if (ui::PictureRef cached = pictures_[resourceId].lock()) return cached;

  HRSRC info = ::FindResourceW(instance_, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
  HGLOBAL loaded = info ? ::LoadResource(instance_, info) : nullptr;
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  const DWORD size = info ? ::SizeofResource(instance_, info) : 0;
  if (!bytes || size == 0) return nullptr;
  ui::PictureRef picture = std::make_shared<const Win32Picture>(gdiplus_, resourceId, bytes, size);
  pictures_[resourceId] = picture;
  return picture;
}

}  // namespace win32

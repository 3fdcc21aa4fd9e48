#include "win32/win32_picture.h"

#include <objidl.h>
#include <shlwapi.h>

#include "win32/gdiplus_include.h"

namespace win32 {

namespace {

struct ComReleaser {
  void operator()(IUnknown* object) const noexcept {
    if (object) object->Release();
  }
};
using UniqueStream = std::unique_ptr<IStream, ComReleaser>;

// GDI+ may read a stream-backed image lazily, and draws premultiplied 32-bit
// bitmaps fastest, so the decoded picture is copied once into such a bitmap
// that owns its pixels.
std::unique_ptr<Gdiplus::Bitmap> DecodeToOwnedBitmap(const void* bytes, std::size_t size) {
  UniqueStream stream(
      ::SHCreateMemStream(static_cast<const BYTE*>(bytes), static_cast<UINT>(size)));
  if (!stream) return nullptr;
  Gdiplus::Bitmap decoded(stream.get());
  if (decoded.GetLastStatus() != Gdiplus::Ok) return nullptr;
  const UINT width = decoded.GetWidth();
  const UINT height = decoded.GetHeight();
  if (width == 0 || height == 0) return nullptr;

  auto owned = std::make_unique<Gdiplus::Bitmap>(static_cast<INT>(width), static_cast<INT>(height),
                                                 PixelFormat32bppPARGB);
  if (owned->GetLastStatus() != Gdiplus::Ok) return nullptr;
  Gdiplus::Graphics graphics(owned.get());
  graphics.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
  const Gdiplus::Rect whole(0, 0, static_cast<INT>(width), static_cast<INT>(height));
  if (graphics.DrawImage(&decoded, whole, 0, 0, whole.Width, whole.Height, Gdiplus::UnitPixel) !=
      Gdiplus::Ok)
    return nullptr;
  return owned;
}

}  // namespace

std::shared_ptr<const Win32Picture> Win32Picture::Decode(int resourceId, const void* bytes,
                                                         std::size_t size) {
  if (!bytes || size == 0) return nullptr;
  std::unique_ptr<Gdiplus::Bitmap> bitmap = DecodeToOwnedBitmap(bytes, size);
  if (!bitmap) return nullptr;
  return std::shared_ptr<const Win32Picture>(new Win32Picture(resourceId, std::move(bitmap)));
}

Win32Picture::Win32Picture(int resourceId, std::unique_ptr<Gdiplus::Bitmap> bitmap)
    : resourceId_(resourceId),
      bitmap_(std::move(bitmap)),
      width_(static_cast<int>(bitmap_->GetWidth())),
      height_(static_cast<int>(bitmap_->GetHeight())) {}

Win32Picture::~Win32Picture() = default;

void Win32Picture::Draw(HDC dc, int x, int y) const {
  Gdiplus::Graphics graphics(dc);
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
  graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  // An explicit destination in pixels: the picture's own resolution (72 dpi
  // in the JPEG files) must not scale it.
  graphics.DrawImage(bitmap_.get(), Gdiplus::Rect(x, y, width_, height_), 0, 0, width_, height_,
                     Gdiplus::UnitPixel);
}

const Win32Picture* AsWin32Picture(const ui::PictureRef& picture) {
  return dynamic_cast<const Win32Picture*>(picture.get());
}

}  // namespace win32

#include "win32/win32_picture.h"

#include <objidl.h>
#include <shlwapi.h>

#include <memory>

namespace win32 {

namespace {

struct ComReleaser {
  void operator()(IUnknown* object) const noexcept {
    if (object) object->Release();
  }
};
using UniqueStream = std::unique_ptr<IStream, ComReleaser>;

struct ImageDisposer {
  const GdiplusFunctions* gdiplus;
  void operator()(Gdiplus::GpImage* image) const noexcept { gdiplus->GdipDisposeImage(image); }
};
using UniqueImage = std::unique_ptr<Gdiplus::GpImage, ImageDisposer>;

struct GraphicsDeleter {
  const GdiplusFunctions* gdiplus;
  void operator()(Gdiplus::GpGraphics* graphics) const noexcept {
    gdiplus->GdipDeleteGraphics(graphics);
  }
};
using UniqueGraphics = std::unique_ptr<Gdiplus::GpGraphics, GraphicsDeleter>;

// GDI+ may read a stream-backed image lazily, and draws premultiplied 32-bit
// bitmaps fastest, so the decoded picture is copied once into such a bitmap
// that owns its pixels. nullptr when the bytes are no picture.
UniqueImage DecodeToOwnedBitmap(const GdiplusFunctions& g, const void* bytes, std::size_t size) {
  UniqueStream stream(
      ::SHCreateMemStream(static_cast<const BYTE*>(bytes), static_cast<UINT>(size)));
  if (!stream) return UniqueImage(nullptr, {&g});
  Gdiplus::GpBitmap* raw = nullptr;
  if (g.GdipCreateBitmapFromStream(stream.get(), &raw) != Gdiplus::Ok || !raw)
    return UniqueImage(nullptr, {&g});
  const UniqueImage decoded(raw, {&g});
  UINT width = 0;
  UINT height = 0;
  if (g.GdipGetImageWidth(raw, &width) != Gdiplus::Ok ||
      g.GdipGetImageHeight(raw, &height) != Gdiplus::Ok || width == 0 || height == 0)
    return UniqueImage(nullptr, {&g});

  const INT w = static_cast<INT>(width);
  const INT h = static_cast<INT>(height);
  Gdiplus::GpBitmap* ownedRaw = nullptr;
  if (g.GdipCreateBitmapFromScan0(w, h, 0, PixelFormat32bppPARGB, nullptr, &ownedRaw) !=
          Gdiplus::Ok ||
      !ownedRaw)
    return UniqueImage(nullptr, {&g});
  UniqueImage owned(ownedRaw, {&g});
  Gdiplus::GpGraphics* graphicsRaw = nullptr;
  if (g.GdipGetImageGraphicsContext(ownedRaw, &graphicsRaw) != Gdiplus::Ok || !graphicsRaw)
    return UniqueImage(nullptr, {&g});
  const UniqueGraphics graphics(graphicsRaw, {&g});
  g.GdipSetCompositingMode(graphicsRaw, Gdiplus::CompositingModeSourceCopy);
  if (g.GdipDrawImageRectRectI(graphicsRaw, raw, 0, 0, w, h, 0, 0, w, h, Gdiplus::UnitPixel,
                               nullptr, nullptr, nullptr) != Gdiplus::Ok)
    return UniqueImage(nullptr, {&g});
  return owned;
}

}  // namespace

Win32Picture::Win32Picture(GdiplusLibrary& gdiplus, int resourceId, const void* bytes,
                           std::size_t size)
    : gdiplus_(gdiplus), resourceId_(resourceId), bytes_(bytes), size_(size) {}

Win32Picture::~Win32Picture() {
  if (bitmap_) gdiplus_.Functions().GdipDisposeImage(bitmap_);
}

void Win32Picture::Decode() const {
  if (decoded_) return;
  const GdiplusFunctions& g = gdiplus_.Functions();
  decoded_ = true;
  UniqueImage image = DecodeToOwnedBitmap(g, bytes_, size_);
  if (!image) return;
  UINT width = 0;
  UINT height = 0;
  g.GdipGetImageWidth(image.get(), &width);
  g.GdipGetImageHeight(image.get(), &height);
  width_ = static_cast<int>(width);
  height_ = static_cast<int>(height);
  bitmap_ = static_cast<Gdiplus::GpBitmap*>(image.release());
}

void Win32Picture::Draw(HDC dc, int x, int y) const {
  Decode();
  if (!bitmap_) return;
  const GdiplusFunctions& g = gdiplus_.Functions();
  Gdiplus::GpGraphics* raw = nullptr;
  if (g.GdipCreateFromHDC(dc, &raw) != Gdiplus::Ok || !raw) return;
  const UniqueGraphics graphics(raw, {&g});
  g.GdipSetInterpolationMode(raw, Gdiplus::InterpolationModeNearestNeighbor);
  g.GdipSetPixelOffsetMode(raw, Gdiplus::PixelOffsetModeHalf);
  // An explicit destination in pixels: the picture's own resolution (72 dpi
  // in the JPEG files) must not scale it.
  g.GdipDrawImageRectRectI(raw, bitmap_, x, y, width_, height_, 0, 0, width_, height_,
                           Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
}

const Win32Picture* AsWin32Picture(const ui::PictureRef& picture) {
  // Every picture of the Windows build is one of these (see PictureCache).
  return static_cast<const Win32Picture*>(picture.get());
}

}  // namespace win32

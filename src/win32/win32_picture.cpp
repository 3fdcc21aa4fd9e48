#include "win32/win32_picture.h"

#include <objidl.h>
#include <shlwapi.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "imaging/gif_decoder.h"

namespace win32 {

namespace {

constexpr DWORD kKeepDestination = 0x00AA0029;  // the raster operation "D"

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

bool IsGif(const void* bytes, std::size_t size) {
  return size >= 3 && std::memcmp(bytes, "GIF", 3) == 0;
}

// The photographs, decoded by GDI+ and read out as 32-bit pixels.
std::optional<imaging::Pixels> DecodeWithGdiplus(const GdiplusFunctions& g, const void* bytes,
                                                 std::size_t size) {
  UniqueStream stream(
      ::SHCreateMemStream(static_cast<const BYTE*>(bytes), static_cast<UINT>(size)));
  if (!stream) return std::nullopt;
  Gdiplus::GpBitmap* raw = nullptr;
  if (g.GdipCreateBitmapFromStream(stream.get(), &raw) != Gdiplus::Ok || !raw) return std::nullopt;
  const UniqueImage image(raw, {&g});
  UINT width = 0;
  UINT height = 0;
  if (g.GdipGetImageWidth(raw, &width) != Gdiplus::Ok ||
      g.GdipGetImageHeight(raw, &height) != Gdiplus::Ok || width == 0 || height == 0)
    return std::nullopt;
  const Gdiplus::Rect whole(0, 0, static_cast<INT>(width), static_cast<INT>(height));
  Gdiplus::BitmapData locked{};
  if (g.GdipBitmapLockBits(raw, &whole, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB,
                           &locked) != Gdiplus::Ok)
    return std::nullopt;
  imaging::Pixels pixels{static_cast<int>(width), static_cast<int>(height),
                         std::vector<std::uint32_t>(std::size_t{width} * height)};
  for (UINT y = 0; y < height; ++y) {
    const auto* row = static_cast<const std::uint32_t*>(locked.Scan0) +
                      static_cast<std::ptrdiff_t>(y) * (locked.Stride / 4);
    for (UINT x = 0; x < width; ++x)
      pixels.argb[std::size_t{y} * width + x] =
          (row[x] >> 24) >= 128 ? row[x] | imaging::kOpaque : 0;
  }
  g.GdipBitmapUnlockBits(raw, &locked);
  return pixels;
}

// The colours as a 32-bit bitmap that GDI copies as it is.
UniqueBitmap ColourBitmap(const imaging::Pixels& pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return nullptr;
  std::memcpy(bits, pixels.argb.data(), pixels.argb.size() * sizeof pixels.argb[0]);
  return bitmap;
}

// A 1-bit mask set where the picture is opaque, or nullptr when it is opaque
// everywhere and needs none.
std::optional<UniqueBitmap> OpaqueMask(const imaging::Pixels& pixels) {
  const std::size_t stride = (static_cast<std::size_t>(pixels.width) + 15) / 16 * 2;  // whole WORDs
  std::vector<BYTE> bits(stride * pixels.height);
  bool transparent = false;
  for (int y = 0; y < pixels.height; ++y)
    for (int x = 0; x < pixels.width; ++x) {
      if (pixels.argb[static_cast<std::size_t>(y) * pixels.width + x] & imaging::kOpaque)
        bits[y * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
      else
        transparent = true;
    }
  if (!transparent) return UniqueBitmap();
  UniqueBitmap mask(::CreateBitmap(pixels.width, pixels.height, 1, 1, bits.data()));
  if (!mask) return std::nullopt;
  return mask;
}

}  // namespace

Win32Picture::Win32Picture(GdiplusLibrary& gdiplus, int resourceId, const void* bytes,
                           std::size_t size)
    : gdiplus_(gdiplus), resourceId_(resourceId), bytes_(bytes), size_(size) {}

void Win32Picture::Decode() const {
  if (decoded_) return;
  const std::optional<imaging::Pixels> pixels =
      IsGif(bytes_, size_) ? imaging::DecodeGif(static_cast<const std::uint8_t*>(bytes_), size_)
                           : DecodeWithGdiplus(gdiplus_.Functions(), bytes_, size_);
  decoded_ = true;
  if (!pixels) return;
  UniqueBitmap colours = ColourBitmap(*pixels);
  std::optional<UniqueBitmap> mask = OpaqueMask(*pixels);
  if (!colours || !mask) return;  // out of GDI memory: the picture stays empty
  colours_ = std::move(colours);
  mask_ = std::move(*mask);
  width_ = pixels->width;
  height_ = pixels->height;
}

void Win32Picture::Draw(HDC dc, int x, int y) const {
  Decode();
  if (!colours_) return;
  const UniqueDc source(::CreateCompatibleDC(dc));
  if (!source) return;
  const SelectionGuard selected(source.get(), colours_.get());
  if (mask_)
    ::MaskBlt(dc, x, y, width_, height_, source.get(), 0, 0, mask_.get(), 0, 0,
              MAKEROP4(SRCCOPY, kKeepDestination));
  else
    ::BitBlt(dc, x, y, width_, height_, source.get(), 0, 0, SRCCOPY);
}

int Win32Picture::Width() const {
  Decode();
  return width_;
}

int Win32Picture::Height() const {
  Decode();
  return height_;
}

// Stretched by halftoning, the shape by the nearest mask pixel.
void Win32Picture::Draw(HDC dc, int x, int y, int width, int height) const {
  Decode();
  if (width == width_ && height == height_) return Draw(dc, x, y);
  if (!colours_ || width <= 0 || height <= 0) return;
  const UniqueDc source(::CreateCompatibleDC(dc));
  const UniqueDc scaled(::CreateCompatibleDC(dc));
  const UniqueBitmap colours(::CreateCompatibleBitmap(dc, width, height));
  const UniqueBitmap mask(mask_ ? ::CreateBitmap(width, height, 1, 1, nullptr) : nullptr);
  if (!source || !scaled || !colours || (mask_ && !mask)) return;
  {
    const SelectionGuard from(source.get(), colours_.get());
    const SelectionGuard to(scaled.get(), colours.get());
    ::SetStretchBltMode(scaled.get(), HALFTONE);
    ::SetBrushOrgEx(scaled.get(), 0, 0, nullptr);
    ::StretchBlt(scaled.get(), 0, 0, width, height, source.get(), 0, 0, width_, height_, SRCCOPY);
  }
  if (mask_) {
    const SelectionGuard from(source.get(), mask_.get());
    const SelectionGuard to(scaled.get(), mask.get());
    ::SetStretchBltMode(scaled.get(), COLORONCOLOR);
    ::StretchBlt(scaled.get(), 0, 0, width, height, source.get(), 0, 0, width_, height_, SRCCOPY);
  }
  const SelectionGuard selected(scaled.get(), colours.get());
  if (mask)
    ::MaskBlt(dc, x, y, width, height, scaled.get(), 0, 0, mask.get(), 0, 0,
              MAKEROP4(SRCCOPY, kKeepDestination));
  else
    ::BitBlt(dc, x, y, width, height, scaled.get(), 0, 0, SRCCOPY);
}

const Win32Picture* AsWin32Picture(const ui::PictureRef& picture) {
  // Every picture of the Windows build is one of these (see PictureCache).
  return static_cast<const Win32Picture*>(picture.get());
}

}  // namespace win32

#include "win32/win32_picture.h"

#include <objidl.h>
#include <shlwapi.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "imaging/gif_decoder.h"
#include "imaging/renderings.h"
#include "imaging/resample.h"
#include "win32/system_library.h"

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

// A stream over a copy of `bytes`, for GDI+; shlwapi, which makes it, loads
// with the first photograph.
UniqueStream MemoryStream(const void* bytes, std::size_t size) {
  static const auto createMemStream = [] {
    const HMODULE shlwapi = LoadSystemLibrary(L"shlwapi.dll");
    return shlwapi ? FindFunction<decltype(::SHCreateMemStream)>(shlwapi, "SHCreateMemStream")
                   : nullptr;
  }();
  if (!createMemStream) return nullptr;
  return UniqueStream(createMemStream(static_cast<const BYTE*>(bytes), static_cast<UINT>(size)));
}

// The photographs, decoded by GDI+ and read out as 32-bit pixels.
std::optional<imaging::Pixels> DecodeWithGdiplus(const GdiplusFunctions& g, const void* bytes,
                                                 std::size_t size) {
  const UniqueStream stream = MemoryStream(bytes, size);
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

// Out of GDI memory the bitmaps stay empty and the picture draws nothing.
Win32Picture::Bitmaps Win32Picture::MakeBitmaps(const imaging::Pixels& pixels) {
  UniqueBitmap colours = ColourBitmap(pixels);
  std::optional<UniqueBitmap> mask = OpaqueMask(pixels);
  if (!colours || !mask) return {};
  return {std::move(colours), std::move(*mask), pixels.width, pixels.height};
}

Win32Picture::Win32Picture(GdiplusLibrary& gdiplus, int resourceId,
                           std::vector<Rendering> renderings)
    : gdiplus_(gdiplus), resourceId_(resourceId), renderings_(std::move(renderings)) {}

std::optional<imaging::Pixels> Win32Picture::DecodeRendering(const Rendering& rendering) const {
  return IsGif(rendering.bytes, rendering.size)
             ? imaging::DecodeGif(static_cast<const std::uint8_t*>(rendering.bytes), rendering.size)
             : DecodeWithGdiplus(gdiplus_.Functions(), rendering.bytes, rendering.size);
}

void Win32Picture::Decode() const {
  if (decoded_) return;
  decoded_ = true;
  if (renderings_.empty()) return;
  if (const std::optional<imaging::Pixels> pixels = DecodeRendering(renderings_.front()))
    actual_ = MakeBitmaps(*pixels);
}

int Win32Picture::Width() const {
  Decode();
  return actual_.width;
}

int Win32Picture::Height() const {
  Decode();
  return actual_.height;
}

// Each size is drawn once and kept: the note sheets are painted again and
// again at the few sizes of the displays in use.
const Win32Picture::Bitmaps& Win32Picture::ScaledBitmaps(int width, int height) const {
  const auto key = std::make_pair(width, height);
  if (const auto found = scaled_.find(key); found != scaled_.end()) return found->second;
  std::vector<imaging::Size> sizes;
  for (const Rendering& rendering : renderings_)
    sizes.push_back({imaging::ScaledLength(actual_.width, rendering.percent),
                     imaging::ScaledLength(actual_.height, rendering.percent)});
  std::optional<imaging::Pixels> source =
      DecodeRendering(renderings_[imaging::RenderingFor(sizes, width, height)]);
  if (!source) source = DecodeRendering(renderings_.front());
  Bitmaps& bitmaps = scaled_[key];
  if (source) bitmaps = MakeBitmaps(imaging::Resample(*source, width, height));
  return bitmaps;
}

void Win32Picture::Draw(HDC dc, int x, int y) const {
  Decode();
  Draw(dc, x, y, actual_.width, actual_.height);
}

void Win32Picture::Draw(HDC dc, int x, int y, int width, int height) const {
  Decode();
  if (!actual_.colours || width <= 0 || height <= 0) return;
  const Bitmaps& bitmaps =
      width == actual_.width && height == actual_.height ? actual_ : ScaledBitmaps(width, height);
  if (!bitmaps.colours) return;
  const UniqueDc source(::CreateCompatibleDC(dc));
  if (!source) return;
  const SelectionGuard selected(source.get(), bitmaps.colours.get());
  if (bitmaps.mask)
    ::MaskBlt(dc, x, y, width, height, source.get(), 0, 0, bitmaps.mask.get(), 0, 0,
              MAKEROP4(SRCCOPY, kKeepDestination));
  else
    ::BitBlt(dc, x, y, width, height, source.get(), 0, 0, SRCCOPY);
}

const Win32Picture* AsWin32Picture(const ui::PictureRef& picture) {
  // Every picture of the Windows build is one of these (see PictureCache).
  return static_cast<const Win32Picture*>(picture.get());
}

}  // namespace win32

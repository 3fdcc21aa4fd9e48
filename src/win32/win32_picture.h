// A picture carried as a complete GIF or JPEG file and drawn at its own pixel
// size. It is decoded on first use, not when a window takes it: a window
// holds pictures that it draws later or never (the controller's note
// pictures). GIFs (the note sheets and glyphs) are decoded by the program
// itself; the JPEG photographs by GDI+, which is loaded only for them.
// Drawing is plain GDI. Shared freely between windows; used on the
// user-interface thread only.
#pragma once

#include <windows.h>

#include <cstddef>

#include "ui/window.h"
#include "win32/gdiplus_library.h"
#include "win32/handles.h"

namespace win32 {

class Win32Picture final : public ui::Picture {
 public:
  // `bytes` must outlive the picture (a resource of the program).
  Win32Picture(GdiplusLibrary& gdiplus, int resourceId, const void* bytes, std::size_t size);

  int ResourceId() const override { return resourceId_; }

  // Decodes the picture unless that was done before. Bytes that no decoder
  // understands make an empty picture, which draws nothing. Throws
  // std::runtime_error when a JPEG needs GDI+ and it cannot be loaded.
  void Decode() const;
  // Its size in pixels at 100 %; 0 x 0 when it is empty.
  int Width() const;
  int Height() const;
  // Unscaled, top-left corner at (x, y); transparent pixels leave the DC as
  // it was.
  void Draw(HDC dc, int x, int y) const;
  // Drawn `width` x `height` pixels large, for a window whose DPI is not
  // 100 %.
  void Draw(HDC dc, int x, int y, int width, int height) const;

 private:
  GdiplusLibrary& gdiplus_;
  int resourceId_;
  const void* bytes_;
  std::size_t size_;
  mutable bool decoded_ = false;
  mutable UniqueBitmap colours_;  // 32-bit; nullptr when the picture is empty
  mutable UniqueBitmap mask_;     // 1 bit, set where opaque; nullptr when all is
  mutable int width_ = 0;
  mutable int height_ = 0;
};

// The drawable picture behind a shared reference, or nullptr.
const Win32Picture* AsWin32Picture(const ui::PictureRef& picture);

}  // namespace win32

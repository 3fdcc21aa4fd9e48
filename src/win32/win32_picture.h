// A picture carried as complete GIF or JPEG files: the picture drawn at
// 100 % and, for dense displays, at larger scales. It is decoded on first
// use, not when a window takes it: a window holds pictures that it draws
// later or never (the controller's note pictures). GIFs (the note sheets
// and glyphs) are decoded by the program itself; the JPEG photographs by
// GDI+, which is loaded only for them. Drawing is plain GDI. Shared freely
// between windows; used on the user-interface thread only.
#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "imaging/pixels.h"
#include "ui/window.h"
#include "win32/gdiplus_library.h"
#include "win32/handles.h"

namespace win32 {

class Win32Picture final : public ui::Picture {
 public:
  // One drawing of the picture, at `percent` of its own pixel size. The
  // bytes must outlive the picture (a resource of the program).
  struct Rendering {
    int percent;
    const void* bytes;
    std::size_t size;
  };

  // `renderings` run from the 100 % one up.
  Win32Picture(GdiplusLibrary& gdiplus, int resourceId, std::vector<Rendering> renderings);

  int ResourceId() const override { return resourceId_; }

  // Decodes the 100 % picture unless that was done before. Bytes that no
  // decoder understands make an empty picture, which draws nothing. Throws
  // std::runtime_error when a JPEG needs GDI+ and it cannot be loaded.
  void Decode() const;
  // The pixel size at 100 %; 0 x 0 for an empty picture.
  int Width() const;
  int Height() const;
  // At 100 %, top-left corner at (x, y); transparent pixels leave the DC as
  // it was.
  void Draw(HDC dc, int x, int y) const;
  // The same, `width` x `height` device pixels large: reduced from the
  // smallest rendering at least that large, its transparent shape reduced
  // with it (never a fringe of the colour behind it). At the 100 % size
  // this is the draw above.
  void Draw(HDC dc, int x, int y, int width, int height) const;

 private:
  // The picture as GDI draws it.
  struct Bitmaps {
    UniqueBitmap colours;  // 32-bit; nullptr when the picture is empty
    UniqueBitmap mask;     // 1 bit, set where opaque; nullptr when all is
    int width = 0;
    int height = 0;
  };

  static Bitmaps MakeBitmaps(const imaging::Pixels& pixels);
  std::optional<imaging::Pixels> DecodeRendering(const Rendering& rendering) const;
  const Bitmaps& ScaledBitmaps(int width, int height) const;

  GdiplusLibrary& gdiplus_;
  int resourceId_;
  std::vector<Rendering> renderings_;
  mutable bool decoded_ = false;
  mutable Bitmaps actual_;
  // Drawings at the other sizes asked for, one per display scale in use.
  mutable std::map<std::pair<int, int>, Bitmaps> scaled_;
};

// The drawable picture behind a shared reference, or nullptr.
const Win32Picture* AsWin32Picture(const ui::PictureRef& picture);

}  // namespace win32

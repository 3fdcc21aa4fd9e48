// A picture decoded from a complete GIF or JPEG file, drawn at its own pixel
// size. Immutable once decoded, so windows share it freely.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>

#include "ui/window.h"

namespace Gdiplus {
class Bitmap;
}

namespace win32 {

class Win32Picture final : public ui::Picture {
 public:
  // nullptr when the bytes are not a picture the decoder understands.
  static std::shared_ptr<const Win32Picture> Decode(int resourceId, const void* bytes,
                                                    std::size_t size);
  ~Win32Picture() override;
  Win32Picture(const Win32Picture&) = delete;
  Win32Picture& operator=(const Win32Picture&) = delete;

  int ResourceId() const override { return resourceId_; }

  // Unscaled, top-left corner at (x, y); transparent pixels leave the DC as
  // it was.
  void Draw(HDC dc, int x, int y) const;

 private:
  Win32Picture(int resourceId, std::unique_ptr<Gdiplus::Bitmap> bitmap);

  int resourceId_;
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
  int width_;
  int height_;
};

// The drawable picture behind a shared reference, or nullptr.
const Win32Picture* AsWin32Picture(const ui::PictureRef& picture);

}  // namespace win32

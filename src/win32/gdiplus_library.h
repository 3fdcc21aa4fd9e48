// GDI+, which decodes the JPEG photographs (of the About window and the
// alert). It is loaded from the system folder and started when the first of
// them is decoded, since the tray icon and the notes need none, and it is
// shut down when the program ends.
#pragma once

#include "win32/com_apartment.h"
#include "win32/gdiplus_include.h"

namespace win32 {

// The flat GDI+ functions that decode the photographs.
struct GdiplusFunctions {
  decltype(&Gdiplus::DllExports::GdipCreateBitmapFromStream) GdipCreateBitmapFromStream;
  decltype(&Gdiplus::DllExports::GdipGetImageWidth) GdipGetImageWidth;
  decltype(&Gdiplus::DllExports::GdipGetImageHeight) GdipGetImageHeight;
  decltype(&Gdiplus::DllExports::GdipBitmapLockBits) GdipBitmapLockBits;
  decltype(&Gdiplus::DllExports::GdipBitmapUnlockBits) GdipBitmapUnlockBits;
  decltype(&Gdiplus::DllExports::GdipDisposeImage) GdipDisposeImage;
};

class GdiplusLibrary {
 public:
  explicit GdiplusLibrary(ComApartment& com) : com_(com) {}
  ~GdiplusLibrary();
  GdiplusLibrary(const GdiplusLibrary&) = delete;
  GdiplusLibrary& operator=(const GdiplusLibrary&) = delete;

  // Loads and starts GDI+ on the first call. Throws std::runtime_error when
  // it cannot: the program cannot show the About window or the alert without
  // it.
  const GdiplusFunctions& Functions();

 private:
  void Start();

  ComApartment& com_;
  bool started_ = false;
  GdiplusFunctions functions_{};
  decltype(&Gdiplus::GdiplusShutdown) shutdown_ = nullptr;
  ULONG_PTR token_ = 0;
};

}  // namespace win32

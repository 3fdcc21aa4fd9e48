// GDI+, which decodes and draws the pictures. It is loaded from the system
// folder and started when the first picture is decoded, since the tray icon
// needs neither, and it is shut down after the last picture is gone.
#pragma once

#include "win32/com_apartment.h"
#include "win32/gdiplus_include.h"

namespace win32 {

// The flat GDI+ functions that the pictures use.
struct GdiplusFunctions {
  decltype(&Gdiplus::DllExports::GdipCreateBitmapFromStream) GdipCreateBitmapFromStream;
  decltype(&Gdiplus::DllExports::GdipCreateBitmapFromScan0) GdipCreateBitmapFromScan0;
  decltype(&Gdiplus::DllExports::GdipGetImageWidth) GdipGetImageWidth;
  decltype(&Gdiplus::DllExports::GdipGetImageHeight) GdipGetImageHeight;
  decltype(&Gdiplus::DllExports::GdipDisposeImage) GdipDisposeImage;
  decltype(&Gdiplus::DllExports::GdipGetImageGraphicsContext) GdipGetImageGraphicsContext;
  decltype(&Gdiplus::DllExports::GdipCreateFromHDC) GdipCreateFromHDC;
  decltype(&Gdiplus::DllExports::GdipDeleteGraphics) GdipDeleteGraphics;
  decltype(&Gdiplus::DllExports::GdipSetCompositingMode) GdipSetCompositingMode;
  decltype(&Gdiplus::DllExports::GdipSetInterpolationMode) GdipSetInterpolationMode;
  decltype(&Gdiplus::DllExports::GdipSetPixelOffsetMode) GdipSetPixelOffsetMode;
  decltype(&Gdiplus::DllExports::GdipDrawImageRectRectI) GdipDrawImageRectRectI;
};

class GdiplusLibrary {
 public:
  explicit GdiplusLibrary(ComApartment& com) : com_(com) {}
  ~GdiplusLibrary();
  GdiplusLibrary(const GdiplusLibrary&) = delete;
  GdiplusLibrary& operator=(const GdiplusLibrary&) = delete;

  // Loads and starts GDI+ on the first call. Throws std::runtime_error when
  // it cannot: the program cannot show its windows without it.
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

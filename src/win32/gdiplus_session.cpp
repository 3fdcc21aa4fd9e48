#include "win32/gdiplus_session.h"

#include <stdexcept>

#include "win32/gdiplus_include.h"

namespace win32 {

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok)
    throw std::runtime_error("The picture decoder (GDI+) could not be started.");
}

GdiplusSession::~GdiplusSession() { Gdiplus::GdiplusShutdown(token_); }

}  // namespace win32

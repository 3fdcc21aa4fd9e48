// GDI+ for the lifetime of the program: pictures are decoded with it, and
// every picture must be gone before the session ends.
#pragma once

#include <windows.h>

namespace win32 {

class GdiplusSession {
 public:
  // Throws std::runtime_error when GDI+ cannot start.
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace win32

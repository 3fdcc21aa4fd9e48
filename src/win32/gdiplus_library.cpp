#include "win32/gdiplus_library.h"

#include <stdexcept>
#include <type_traits>

#include "win32/system_library.h"

namespace win32 {

namespace {

template <typename Pointer>
bool Resolve(HMODULE module, const char* name, Pointer& function) {
  function = FindFunction<std::remove_pointer_t<Pointer>>(module, name);
  return function != nullptr;
}

}  // namespace

GdiplusLibrary::~GdiplusLibrary() {
  if (started_) shutdown_(token_);
}

const GdiplusFunctions& GdiplusLibrary::Functions() {
  if (!started_) Start();
  return functions_;
}

void GdiplusLibrary::Start() {
  // GDI+ may decode through COM components (Wine's does, through Windows
  // Imaging Components).
  com_.Enter();
  HMODULE module = LoadSystemLibrary(L"gdiplus.dll");
  decltype(&Gdiplus::GdiplusStartup) startup = nullptr;
  GdiplusFunctions& f = functions_;
  const bool complete =
      module && Resolve(module, "GdiplusStartup", startup) &&
      Resolve(module, "GdiplusShutdown", shutdown_) &&
      Resolve(module, "GdipCreateBitmapFromStream", f.GdipCreateBitmapFromStream) &&
      Resolve(module, "GdipGetImageWidth", f.GdipGetImageWidth) &&
      Resolve(module, "GdipGetImageHeight", f.GdipGetImageHeight) &&
      Resolve(module, "GdipBitmapLockBits", f.GdipBitmapLockBits) &&
      Resolve(module, "GdipBitmapUnlockBits", f.GdipBitmapUnlockBits) &&
      Resolve(module, "GdipDisposeImage", f.GdipDisposeImage);
  if (!complete) throw std::runtime_error("The picture decoder (GDI+) could not be loaded.");
  Gdiplus::GdiplusStartupInput input;
  if (startup(&token_, &input, nullptr) != Gdiplus::Ok)
    throw std::runtime_error("The picture decoder (GDI+) could not be started.");
  started_ = true;
}

}  // namespace win32

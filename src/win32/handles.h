// Owners for the Win32 handles the toolkit creates, so that every handle is
// released exactly once whatever path a function leaves by.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace win32 {

template <typename H, auto Close>
struct HandleCloser {
  using pointer = H;
  void operator()(H handle) const noexcept {
    if (handle) Close(handle);
  }
};

template <typename H, auto Close>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<H>, HandleCloser<H, Close>>;

using UniqueFont = UniqueHandle<HFONT, &::DeleteObject>;
using UniqueBrush = UniqueHandle<HBRUSH, &::DeleteObject>;
using UniquePen = UniqueHandle<HPEN, &::DeleteObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, &::DeleteObject>;
using UniqueIcon = UniqueHandle<HICON, &::DestroyIcon>;
using UniqueMenu = UniqueHandle<HMENU, &::DestroyMenu>;
using UniqueDc = UniqueHandle<HDC, &::DeleteDC>;
using UniqueWindow = UniqueHandle<HWND, &::DestroyWindow>;

// Selects a GDI object into a DC for the lifetime of the guard.
class SelectionGuard {
 public:
  SelectionGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectionGuard() { ::SelectObject(dc_, previous_); }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The screen DC, borrowed for a moment.
class ScreenDc {
 public:
  ScreenDc() : dc_(::GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_) ::ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace win32

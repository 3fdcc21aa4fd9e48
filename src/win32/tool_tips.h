// The tooltips of one window: native controls register themselves, and
// windowless pictures and labels by their rectangle on the form.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

class ToolTips {
 public:
  explicit ToolTips(HWND form) : form_(form) {}

  void AddForWindow(HWND control, const std::string& text);
  void AddForArea(UINT_PTR id, const RECT& area, const std::string& text);
  // The area of tip `id` moved (its window's DPI changed).
  void MoveArea(UINT_PTR id, const RECT& area);

 private:
  // Created with the first tip; owned by the form, so it goes with it.
  HWND Window();
  void Add(UINT flags, UINT_PTR id, const RECT& area, const std::string& text);

  HWND form_;
  HWND tips_ = nullptr;
};

}  // namespace win32

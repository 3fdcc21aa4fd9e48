#include "win32/tool_tips.h"

#include <commctrl.h>

#include "win32/common_controls.h"
#include "win32/text.h"

namespace win32 {

HWND ToolTips::Window() {
  if (!tips_) {
    common_controls::Initialise();
    tips_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_,
                              nullptr, ::GetModuleHandleW(nullptr), nullptr);
  }
  return tips_;
}

void ToolTips::AddForWindow(HWND control, const std::string& text) {
  Add(TTF_IDISHWND | TTF_SUBCLASS, reinterpret_cast<UINT_PTR>(control), RECT{}, text);
}

void ToolTips::AddForArea(UINT_PTR id, const RECT& area, const std::string& text) {
  Add(TTF_SUBCLASS, id, area, text);
}

void ToolTips::MoveArea(UINT_PTR id, const RECT& area) {
  if (!tips_) return;
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = form_;
  info.uId = id;
  info.rect = area;
  ::SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::Add(UINT flags, UINT_PTR id, const RECT& area, const std::string& text) {
  HWND tips = Window();
  if (!tips) return;  // the program works on without its tips
  std::wstring wide = Widen(text);
  TTTOOLINFOW info{};
  // The size the common controls of every version accept.
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = flags;
  info.hwnd = form_;
  info.uId = id;
  info.rect = area;
  info.lpszText = wide.data();  // copied by the tooltip control
  ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace win32

#include "win32/window_frame.h"

namespace win32 {

namespace {

DWORD StyleOf(const ui::WindowLayout& layout) {
  // Children are painted by themselves; the form paints only around them.
  const DWORD common = WS_CLIPCHILDREN;
  const DWORD systemMenu = layout.controlBox ? WS_SYSMENU : 0;
  switch (layout.border) {
    case ui::BorderStyle::None:
      return common | WS_POPUP;
    case ui::BorderStyle::FixedSingle:
      return common | WS_OVERLAPPED | WS_CAPTION | systemMenu;
    case ui::BorderStyle::Sizable:
    default: {
      DWORD boxes = 0;
      if (layout.controlBox && layout.minButton) boxes |= WS_MINIMIZEBOX;
      if (layout.controlBox && layout.maxButton) boxes |= WS_MAXIMIZEBOX;
      return common | WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | systemMenu | boxes;
    }
  }
}

}  // namespace

WindowFrame FrameOf(const ui::WindowLayout& layout, const ScreenMetrics& metrics, bool hasMenuBar) {
  WindowFrame frame{};
  frame.style = StyleOf(layout);
  frame.exStyle = layout.showInTaskbar ? 0 : WS_EX_TOOLWINDOW;

  RECT outer{0, 0, metrics.ToPixelsX(layout.clientWidth), metrics.ToPixelsY(layout.clientHeight)};
  ::AdjustWindowRectEx(&outer, frame.style, hasMenuBar, frame.exStyle);
  frame.width = outer.right - outer.left;
  frame.height = outer.bottom - outer.top;

  switch (layout.startPosition) {
    case ui::StartPosition::Manual:
      frame.x = metrics.ToPixelsX(layout.left);
      frame.y = metrics.ToPixelsY(layout.top);
      break;
    case ui::StartPosition::CenterScreen:
      frame.x = (::GetSystemMetrics(SM_CXSCREEN) - frame.width) / 2;
      frame.y = (::GetSystemMetrics(SM_CYSCREEN) - frame.height) / 2;
      break;
    case ui::StartPosition::WindowsDefault:
    default:
      frame.x = frame.y = CW_USEDEFAULT;
      break;
  }
  return frame;
}

}  // namespace win32

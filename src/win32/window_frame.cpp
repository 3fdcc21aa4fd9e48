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

ui::FrameInsets InsetsOf(const WindowFrame& frame, bool hasMenuBar, ui::Dpi dpi,
                         const DpiService& dpiService) {
  // The frame of these styles around an empty client area.
  const RECT around = dpiService.FrameAround(frame.style, hasMenuBar, frame.exStyle, dpi);
  return {-around.left, -around.top, around.right, around.bottom};
}

}  // namespace

WindowFrame FrameOf(const ui::WindowLayout& layout, ui::Dpi dpi, bool hasMenuBar,
                    const DpiService& dpiService) {
  WindowFrame frame{};
  frame.style = StyleOf(layout);
  frame.exStyle = layout.showInTaskbar ? 0 : WS_EX_TOOLWINDOW;
  const ui::ScreenGeometry screen{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  frame.insets = InsetsOf(frame, hasMenuBar, dpi, dpiService);
  const ui::OuterRect outer = ui::PlaceWindow(layout, frame.insets, screen, dpi);
  frame.x = outer.systemPlaces ? CW_USEDEFAULT : outer.x;
  frame.y = outer.systemPlaces ? CW_USEDEFAULT : outer.y;
  frame.width = outer.width;
  frame.height = outer.height;
  return frame;
}

}  // namespace win32

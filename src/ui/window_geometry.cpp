#include "ui/window_geometry.h"

namespace ui {

OuterRect PlaceWindow(const WindowLayout& layout, const FrameInsets& frame,
                      const ScreenGeometry& screen, Dpi dpi) {
  OuterRect outer;
  outer.width = dpi.ToPixels(layout.clientWidth) + frame.left + frame.right;
  outer.height = dpi.ToPixels(layout.clientHeight) + frame.top + frame.bottom;
  switch (layout.startPosition) {
    case StartPosition::Manual:
      outer.x = dpi.ToPixels(layout.left);
      outer.y = dpi.ToPixels(layout.top);
      break;
    case StartPosition::CenterScreen:
      outer.x = (screen.widthPixels - outer.width) / 2;
      outer.y = (screen.heightPixels - outer.height) / 2;
      break;
    case StartPosition::WindowsDefault:
    default:
      outer.systemPlaces = true;
      break;
  }
  return outer;
}

PixelRect CaptionCloseButton(int outerWidth, const FrameInsets& frame, int buttonWidth,
                             int buttonHeight) {
  const int right = outerWidth - frame.right;
  return {right - buttonWidth, frame.left, right, frame.left + buttonHeight};
}

PixelRect PlaceAfterDpiChange(const WindowLayout& layout, const PixelRect& suggested,
                              const TwipsSize& size, Dpi dpi) {
  if (!layout.keepsSizeInTwips) return suggested;
  return {suggested.left, suggested.top, suggested.left + dpi.ToPixels(size.width),
          suggested.top + dpi.ToPixels(size.height)};
}

}  // namespace ui

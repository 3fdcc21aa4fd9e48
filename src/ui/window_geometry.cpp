#include "ui/window_geometry.h"

namespace ui {

OuterRect PlaceWindow(const WindowLayout& layout, const FrameInsets& frame,
                      const ScreenGeometry& screen, Dpi dpi) {
  OuterRect outer;
  const PixelRect size = OuterRectAt(0, 0, ClientTwipsOf(layout), frame, dpi);
  outer.width = size.Width();
  outer.height = size.Height();
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

TwipsSize ClientTwipsOf(const WindowLayout& layout) {
  return {static_cast<double>(layout.clientWidth), static_cast<double>(layout.clientHeight)};
}

PixelRect OuterRectAt(int left, int top, const TwipsSize& client, const FrameInsets& frame,
                      Dpi dpi) {
  return {left, top, left + dpi.ToPixels(client.width) + frame.left + frame.right,
          top + dpi.ToPixels(client.height) + frame.top + frame.bottom};
}

}  // namespace ui

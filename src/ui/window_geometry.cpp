#include "ui/window_geometry.h"

#include <cmath>

namespace ui {

int TwipsToPixels(double twips, double twipsPerPixel) {
  return static_cast<int>(std::lround(twips / twipsPerPixel));
}

OuterRect PlaceWindow(const WindowLayout& layout, const FrameInsets& frame,
                      const ScreenGeometry& screen) {
  OuterRect outer;
  outer.width = TwipsToPixels(layout.clientWidth, screen.twipsPerPixelX) + frame.left + frame.right;
  outer.height =
      TwipsToPixels(layout.clientHeight, screen.twipsPerPixelY) + frame.top + frame.bottom;
  switch (layout.startPosition) {
    case StartPosition::Manual:
      outer.x = TwipsToPixels(layout.left, screen.twipsPerPixelX);
      outer.y = TwipsToPixels(layout.top, screen.twipsPerPixelY);
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

}  // namespace ui

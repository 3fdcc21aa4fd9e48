// Where a new window goes and how big it is, in screen pixels. A layout
// gives the client size; the window's size is that plus the frame its border
// style (and menu bar) adds, and a centred window is centred by that outer
// size.
#pragma once

#include "ui/layout.h"

namespace ui {

// What a window's frame adds on each side of its client area, in pixels.
struct FrameInsets {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct ScreenGeometry {
  int widthPixels = 0, heightPixels = 0;
  double twipsPerPixelX = 15, twipsPerPixelY = 15;
};

// The outer rectangle of a window. `systemPlaces`: the system chooses the
// position (x and y are then 0).
struct OuterRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool systemPlaces = false;
};

// Fractional pixels round to the nearest.
int TwipsToPixels(double twips, double twipsPerPixel);

OuterRect PlaceWindow(const WindowLayout& layout, const FrameInsets& frame,
                      const ScreenGeometry& screen);

}  // namespace ui

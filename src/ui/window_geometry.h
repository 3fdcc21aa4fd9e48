// Where a new window goes and how big it is, in screen pixels at the
// window's DPI. A layout gives the client size; the window's size is that
// plus the frame its border style (and menu bar) adds at that DPI, and a
// centred window is centred by that outer size.
#pragma once

#include "ui/dpi.h"
#include "ui/layout.h"
#include "ui/monitors.h"

namespace ui {

// What a window's frame adds on each side of its client area, in pixels.
struct FrameInsets {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct ScreenGeometry {
  int widthPixels = 0, heightPixels = 0;
};

// The outer rectangle of a window. `systemPlaces`: the system chooses the
// position (x and y are then 0).
struct OuterRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool systemPlaces = false;
  bool operator==(const OuterRect&) const = default;
};

// The close button of the caption of a window `outerWidth` pixels wide with
// `frame`, relative to the window's top-left corner: `buttonWidth` x
// `buttonHeight` at the top right, just inside the border, which is as thick
// at the top as at the sides.
PixelRect CaptionCloseButton(int outerWidth, const FrameInsets& frame, int buttonWidth,
                             int buttonHeight);

OuterRect PlaceWindow(const WindowLayout& layout, const FrameInsets& frame,
                      const ScreenGeometry& screen, Dpi dpi);

// The size of a window's client area in twips: with its place, what the
// window keeps. Its pixels are derived at its DPI, so any DPI changes that
// come back to a DPI give the first pixels again.
struct TwipsSize {
  double width = 0, height = 0;
  bool operator==(const TwipsSize&) const = default;
};

// The client area a layout gives its window.
TwipsSize ClientTwipsOf(const WindowLayout& layout);

// The outer rectangle, its top-left corner at (left, top), of a window whose
// client area is `client`, in a frame of `frame` at `dpi`.
PixelRect OuterRectAt(int left, int top, const TwipsSize& client, const FrameInsets& frame,
                      Dpi dpi);

}  // namespace ui

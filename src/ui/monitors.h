// The monitors of the desktop: where each one is, the part of it that
// windows may use (its work area: the screen less the taskbar and docked
// bars) and its dots per inch. Rectangles are in screen pixels; a monitor
// left of or above the primary one has negative coordinates.
#pragma once

#include <vector>

namespace ui {

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
};

struct Monitor {
  PixelRect bounds;
  PixelRect workArea;
  int dpi = 96;
  friend bool operator==(const Monitor& a, const Monitor& b) {
    return a.bounds == b.bounds && a.workArea == b.workArea && a.dpi == b.dpi;
  }
};

class Monitors {
 public:
  virtual ~Monitors() = default;
  // Every monitor attached now; never empty.
  virtual std::vector<Monitor> All() const = 0;
  // The monitor whose top-left corner is the screen origin.
  virtual Monitor Primary() const = 0;
  // The monitor that shares the most of `rect`, or, when none does, the one
  // closest to it.
  virtual Monitor NearestTo(const PixelRect& rect) const = 0;
};

}  // namespace ui

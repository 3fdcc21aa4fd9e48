// Where windows go on the desktop, as pure functions of rectangles in screen
// pixels: the cascade of new notes, and pulling a window back into reach.
#pragma once

#include <vector>

#include "ui/monitors.h"

namespace ui {

struct PixelPoint {
  int x = 0, y = 0;
  friend bool operator==(const PixelPoint& a, const PixelPoint& b) {
    return a.x == b.x && a.y == b.y;
  }
};

struct PixelSize {
  int width = 0, height = 0;
};

// The first column of the cascade: slot n opens at (left + n * stepRight,
// top + n * stepDown), in fractional pixels, rounded to the nearest.
struct CascadeColumn {
  double left = 0, top = 0;
  double stepRight = 0, stepDown = 0;
};

// The top-left corner of the note of `slot`. Slots whose note fits above the
// work area's bottom keep the first column's places, except that a note that
// would pass the work area's right edge opens against it; the next slots
// fill further columns from the top, each one note width left of the
// previous; once the columns reach the left edge the round starts again at
// the first column, shifted left by one step per round and down by half a
// row every other round. Every note lies wholly inside the work area (one
// larger than it at its top-left corner), and none further right than the
// first column reaches.
PixelPoint CascadePosition(int slot, const CascadeColumn& column, PixelSize note,
                           const PixelRect& workArea);

// True if `rect` lies wholly inside the work area of one of `monitors`.
bool InsideSomeWorkArea(const PixelRect& rect, const std::vector<Monitor>& monitors);

// `window` moved, at its size, the least distance that puts it inside
// `workArea`; a window larger than the work area in a direction goes to
// that direction's left or top edge.
PixelRect PullInside(const PixelRect& window, const PixelRect& workArea);

}  // namespace ui

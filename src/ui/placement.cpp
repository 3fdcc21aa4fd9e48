#include "ui/placement.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

int Round(double pixels) { return static_cast<int>(std::lround(pixels)); }

// The start of a span of `length` moved the least to lie within [low, high];
// a span too long for it starts at `low`.
int PullSpan(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace

PixelPoint CascadePosition(int slot, const CascadeColumn& column, PixelSize note,
                           const PixelRect& workArea) {
  // A column that would start above or left of the work area (a taskbar at
  // the top, say) moves down or right as a whole, keeping its spacing.
  const int shiftDown = std::max(0, workArea.top - Round(column.top));
  const int shiftRight = std::max(0, workArea.left - Round(column.left));
  const auto rowX = [&](int row) {
    return Round(column.left + row * column.stepRight) + shiftRight;
  };
  const auto rowY = [&](int row) { return Round(column.top + row * column.stepDown) + shiftDown; };
  // The first column's place for a row, unless the note would pass the right
  // edge there: then it opens right against that edge.
  const auto firstColumnX = [&](int row) {
    return std::min(rowX(row), workArea.right - note.width);
  };

  // Rows of the first column whose note ends above the bottom edge; a slot
  // within them is placed as the plain cascade places it.
  int rows = 1;
  while (rows <= slot && rowY(rows) + note.height <= workArea.bottom) ++rows;
  const int columnWidth = std::max(1, note.width);
  const int columns = std::max(1, (firstColumnX(0) - workArea.left) / columnWidth + 1);

  const int perRound = rows * columns;
  const int round = slot / perRound;
  const int row = slot % perRound % rows;
  const int columnIndex = slot % perRound / rows;
  // Each round shifted, so that the notes it covers still show their tops.
  const int x = firstColumnX(row) - columnIndex * columnWidth - round * Round(column.stepRight);
  const int y = rowY(row) + round % 2 * Round(column.stepDown / 2);
  return PixelPoint{std::max(workArea.left, std::min(x, firstColumnX(rows - 1))),
                    PullSpan(y, note.height, workArea.top, workArea.bottom)};
}

bool InsideSomeWorkArea(const PixelRect& rect, const std::vector<Monitor>& monitors) {
  return std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& monitor) {
    const PixelRect& area = monitor.workArea;
    return rect.left >= area.left && rect.top >= area.top && rect.right <= area.right &&
           rect.bottom <= area.bottom;
  });
}

PixelRect PullInside(const PixelRect& window, const PixelRect& workArea) {
  const int left = PullSpan(window.left, window.Width(), workArea.left, workArea.right);
  const int top = PullSpan(window.top, window.Height(), workArea.top, workArea.bottom);
  return PixelRect{left, top, left + window.Width(), top + window.Height()};
}

}  // namespace ui

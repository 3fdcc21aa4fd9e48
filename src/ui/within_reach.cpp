#include "ui/within_reach.h"

#include "ui/placement.h"

namespace ui {

void BringWithinReach(Window& window, const Monitors& monitors) {
  if (!window.Loaded() || window.State() != WindowState::Normal) return;
  const PixelRect bounds = window.Bounds();
  if (InsideSomeWorkArea(bounds, monitors.All())) return;
  // Sized for the monitor it goes to before it is placed there.
  const Monitor nearest = monitors.NearestTo(bounds);
  const Dpi dpi(nearest.dpi);
  const PixelRect inside = PullInside(window.BoundsAt(dpi), nearest.workArea);
  window.MoveOnto(inside.left, inside.top, dpi);
}

}  // namespace ui

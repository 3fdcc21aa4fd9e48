#include "ui/within_reach.h"

#include "ui/placement.h"

namespace ui {

void BringWithinReach(Window& window, const Monitors& monitors) {
  if (!window.Loaded() || window.State() != WindowState::Normal) return;
  const PixelRect bounds = window.Bounds();
  if (InsideSomeWorkArea(bounds, monitors.All())) return;
  const PixelRect inside = PullInside(bounds, monitors.NearestTo(bounds).workArea);
  window.MoveTo(inside.left, inside.top);
}

}  // namespace ui

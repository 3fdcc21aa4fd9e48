#include "ui/within_reach.h"

#include "ui/placement.h"

namespace ui {

void BringWithinReach(Window& window, const std::vector<Monitor>& all, const Monitors& monitors) {
  if (!window.Loaded() || window.State() != WindowState::Normal) return;
  const PixelRect bounds = window.Bounds();
  const PixelRect close = window.CloseControl();
  const PixelRect closeOnScreen{bounds.left + close.left, bounds.top + close.top,
                                bounds.left + close.right, bounds.top + close.bottom};
  if (InsideSomeWorkArea(closeOnScreen, all)) return;
  const PixelRect inside = PullInside(bounds, monitors.NearestTo(bounds).workArea);
  window.MoveTo(inside.left, inside.top);
}

}  // namespace ui

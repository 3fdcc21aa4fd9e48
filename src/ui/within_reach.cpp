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
  // Sized for the monitor it goes to before it is placed there.
  const Monitor nearest = monitors.NearestTo(bounds);
  const Dpi dpi(nearest.dpi);
  const PixelRect inside = PullInside(window.BoundsAt(dpi), nearest.workArea);
  window.MoveOnto(inside.left, inside.top, dpi);
}

}  // namespace ui

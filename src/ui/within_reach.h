// Keeping a window where the user can reach it when the desktop changes.
#pragma once

#include "ui/monitors.h"
#include "ui/window.h"

namespace ui {

// A window not wholly inside the work area of some monitor moves, at its
// size, into the work area of the monitor nearest to it; one inside stays
// where the user put it. Minimised and maximised windows are left to the
// system, which restores and maximises them onto a monitor that exists.
void BringWithinReach(Window& window, const Monitors& monitors);

}  // namespace ui

// Keeping a window where the user can reach it when the desktop changes.
#pragma once

#include <vector>

#include "ui/monitors.h"
#include "ui/window.h"

namespace ui {

// A window stays where the user put it while its close control lies wholly
// inside the work area of one of `all` (the monitors as they are now): the
// user can still close it, or drag it back. Otherwise it moves, at its size,
// the least distance into the work area of the monitor nearest to it.
// Minimised and maximised windows are left to the system, which restores
// and maximises them onto a monitor that exists.
void BringWithinReach(Window& window, const std::vector<Monitor>& all, const Monitors& monitors);

}  // namespace ui

// The pointer over the About window's links.
#pragma once

#include "ui/platform.h"

namespace about {

// Makes the system's hand the current pointer. It lasts only until the window
// system next asks for the pointer, so the links call it each time it asks.
void ShowHandCursor(ui::Platform& platform);

}  // namespace about

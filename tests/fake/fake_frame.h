// The frame that Windows, with its standard metrics, draws around a window
// of a layout at a DPI: what the Win32 toolkit learns from the system for the
// styles of each border.
#pragma once

#include "ui/layout.h"
#include "ui/placement.h"
#include "ui/window_geometry.h"

namespace fake {

ui::FrameInsets FrameOf(const ui::WindowLayout& layout, ui::Dpi dpi);
// The size of the caption's buttons.
ui::PixelSize CaptionButtonOf(const ui::WindowLayout& layout, ui::Dpi dpi);

}  // namespace fake

// A layout's controls and fonts in pixels at a window's DPI: what the toolkit
// creates, and re-creates when the window moves to a monitor of another
// scale.
#pragma once

#include <string>

#include "ui/dpi.h"
#include "ui/layout.h"
#include "ui/monitors.h"

namespace ui {

// The control's rectangle in its window's client area. Controls inside a
// frame are placed relative to it (frames may nest); each edge rounds on its
// own, from the twips relative to the window. Throws std::runtime_error when
// a containing frame is missing from the layout.
PixelRect ControlRect(const WindowLayout& layout, const ControlLayout& control, Dpi dpi);

// A font as the window system is asked for it.
struct FontAtDpi {
  std::string face;
  int height = 0;  // negative: the character height in pixels
  bool bold = false;
  bool underline = false;
  bool operator==(const FontAtDpi&) const = default;
};

// The layout's font in points at `dpi`, its pixel height rounded down. A
// face of nullptr is the default dialog font, MS Sans Serif. A bitmap face
// has sizes for one DPI only: elsewhere its TrueType counterpart draws the
// text, sharp at any size, so that nothing changes at the DPI the bitmaps
// were made for.
FontAtDpi FontAt(const FontSpec& font, Dpi dpi);

}  // namespace ui

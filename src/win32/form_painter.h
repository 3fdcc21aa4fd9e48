// What a window paints on its own surface, bottom to top: its back colour,
// its picture from the top-left corner, then its windowless controls in
// creation order (the inside of opaque frames, pictures and labels).
// Pictures are drawn at the window's DPI: their own size at 100 %, that size
// scaled as the layout's twips are elsewhere.
#pragma once

#include <windows.h>

#include "ui/dpi.h"
#include "ui/window.h"
#include "win32/controls.h"

namespace win32 {

struct FormSurface {
  COLORREF backColor;
  const ui::PictureRef& picture;
  const ControlSet& controls;
  ui::Dpi dpi;
};

void PaintForm(HDC dc, const FormSurface& surface, const RECT& client);

}  // namespace win32

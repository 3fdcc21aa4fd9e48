// What a window paints on its own surface, bottom to top: its back colour,
// its picture from the top-left corner, then its windowless controls in
// creation order (the inside of opaque frames, pictures and labels).
// Pictures are drawn at the window's DPI: their own size at 100 %, that size
// scaled as the layout's twips are elsewhere. On a colour-keyed window the
// form's own colour may be the key (what is meant to be see-through); every
// other colour drawn there is kept off it.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/dpi.h"
#include "ui/window.h"
#include "win32/controls.h"

namespace win32 {

struct FormSurface {
  COLORREF backColor;
  const ui::PictureRef& picture;
  const ControlSet& controls;
  ui::Dpi dpi;
  std::optional<COLORREF> key;  // the window's colour key, if it has one
};

void PaintForm(HDC dc, const FormSurface& surface, const RECT& client);

// An owner-drawn control (a link or a picture button) into `dc`, its own
// DC: exactly what the form would paint there if the control were a
// windowless label or picture, the form's surface under it included, and a
// focus rectangle around it when `showFocus`.
void PaintOwnerDrawn(HDC dc, const FormSurface& surface, const Control& control, bool showFocus);

}  // namespace win32

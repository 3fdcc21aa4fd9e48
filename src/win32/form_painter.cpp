#include "win32/form_painter.h"

#include "ui/color_key.h"
#include "win32/colors.h"
#include "win32/handles.h"
#include "win32/text.h"
#include "win32/win32_picture.h"

namespace win32 {

namespace {

void Fill(HDC dc, const RECT& rect, COLORREF color) {
  // ExtTextOut with an opaque rectangle fills without a brush.
  ::SetBkColor(dc, color);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void DrawPicture(HDC dc, const ui::PictureRef& picture, int x, int y, ui::Dpi dpi) {
  if (const Win32Picture* drawable = AsWin32Picture(picture))
    drawable->Draw(dc, x, y, dpi.Scale(drawable->Width()), dpi.Scale(drawable->Height()));
}

void DrawLabel(HDC dc, const Control& label, const FormSurface& surface) {
  const ui::ControlLayout& c = *label.layout;
  const auto color = [&](COLORREF rgb) { return ui::OffKey(rgb, surface.key); };
  // A label of no colour of its own shows the form, key and all.
  if (!(c.flags & ui::kTransparentBack))
    Fill(dc, label.rect,
         label.backColor == ui::kDefaultColor ? surface.backColor
                                              : color(ResolveColor(label.backColor, 0)));
  if (label.caption.empty()) return;
  const std::wstring text = Widen(label.caption);
  SelectionGuard font(dc, label.font);
  ::SetBkMode(dc, TRANSPARENT);
  RECT rect = label.rect;
  const UINT format = DT_LEFT | DT_TOP | DT_WORDBREAK;
  if (label.enabled) {
    ::SetTextColor(dc, color(ResolveColor(c.foreColor, ::GetSysColor(COLOR_BTNTEXT))));
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    return;
  }
  // Disabled text is engraved: a highlight one pixel down and right, the
  // grey text above it.
  ::OffsetRect(&rect, 1, 1);
  ::SetTextColor(dc, color(::GetSysColor(COLOR_3DHILIGHT)));
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
  ::OffsetRect(&rect, -1, -1);
  ::SetTextColor(dc, color(::GetSysColor(COLOR_GRAYTEXT)));
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

// The dotted rectangle of the keyboard focus. The system's own inverts what
// lies under it, and inverted white is black, the usual key: on a keyed
// window the dots are drawn in the window text colour, off the key.
void DrawFocusCue(HDC dc, const RECT& rect, std::optional<COLORREF> key) {
  if (!key) {
    ::DrawFocusRect(dc, &rect);
    return;
  }
  const LOGBRUSH ink{BS_SOLID, ui::OffKey(::GetSysColor(COLOR_WINDOWTEXT), key), 0};
  UniquePen pen(::ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &ink, 0, nullptr));
  if (!pen) return;
  SelectionGuard penSelected(dc, pen.get());
  SelectionGuard brushSelected(dc, ::GetStockObject(NULL_BRUSH));
  ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace

void PaintForm(HDC dc, const FormSurface& surface, const RECT& client) {
  Fill(dc, client, surface.backColor);
  DrawPicture(dc, surface.picture, 0, 0, surface.dpi);
  for (const Control& control : surface.controls.All()) {
    switch (control.Kind()) {
      case ui::ControlKind::Frame:
        if (control.backColor != ui::kDefaultColor)
          Fill(dc, control.rect, ui::OffKey(ResolveColor(control.backColor, 0), surface.key));
        break;
      case ui::ControlKind::Picture:
        DrawPicture(dc, control.picture, control.rect.left, control.rect.top, surface.dpi);
        break;
      case ui::ControlKind::Label:
        DrawLabel(dc, control, surface);
        break;
      default:
        break;
    }
  }
}

void PaintOwnerDrawn(HDC dc, const FormSurface& surface, const Control& control, bool showFocus) {
  const RECT& rect = control.rect;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  // Drawn off screen first, as the form is, so that the layers do not
  // flicker; in the form's coordinates, which the DC's origin shifts.
  UniqueDc memory(::CreateCompatibleDC(dc));
  UniqueBitmap bitmap(::CreateCompatibleBitmap(dc, width, height));
  if (!memory || !bitmap) return;
  SelectionGuard selected(memory.get(), bitmap.get());
  ::SetViewportOrgEx(memory.get(), -rect.left, -rect.top, nullptr);
  PaintForm(memory.get(), surface, rect);
  if (control.Kind() == ui::ControlKind::PictureButton)
    DrawPicture(memory.get(), control.picture, rect.left, rect.top, surface.dpi);
  else
    DrawLabel(memory.get(), control, surface);
  if (showFocus) DrawFocusCue(memory.get(), rect, surface.key);
  ::BitBlt(dc, 0, 0, width, height, memory.get(), rect.left, rect.top, SRCCOPY);
}

}  // namespace win32

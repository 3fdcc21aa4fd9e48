// The message side of Win32Window: one named method per message.
#include <windows.h>
#include <windowsx.h>
// After windows.h, which it builds on.
#include <oleacc.h>

#include "ui/box_colors.h"
#include "ui/color_key.h"
#include "ui/window_geometry.h"
#include "win32/colors.h"
#include "win32/command_ids.h"
#include "win32/deferred_set_up.h"
#include "win32/focus_cues.h"
#include "win32/form_painter.h"
#include "win32/handles.h"
#include "win32/test_faults.h"
#include "win32/text.h"
#include "win32/win32_toolkit.h"
#include "win32/win32_window.h"

namespace win32 {

namespace {

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

int ShiftOf(WPARAM wParam) {
  int shift = 0;
  if (wParam & MK_SHIFT) shift |= 1;
  if (wParam & MK_CONTROL) shift |= 2;
  if (::GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

int ButtonsOf(WPARAM wParam) {
  int buttons = 0;
  if (wParam & MK_LBUTTON) buttons |= ui::kLeftButton;
  if (wParam & MK_RBUTTON) buttons |= ui::kRightButton;
  if (wParam & MK_MBUTTON) buttons |= ui::kMiddleButton;
  return buttons;
}

constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

// WM_GETDPISCALEDSIZE, sent to per-monitor v2 windows from Windows 10 1703 on;
// the headers name it only for that version.
constexpr UINT kGetDpiScaledSize = 0x02E4;

// A wake-up, handled from the program's own queue.
constexpr UINT kResumedMessage = kDeferredSetUpMessage + 1;

// Windows does not always send WM_TIMECHANGE when only the time zone or its
// daylight-saving rules change; it reports such a change as one of the
// regional settings ("intl"), or names no setting at all.
bool MayBeZoneChange(LPARAM lParam) {
  const auto* area = reinterpret_cast<const wchar_t*>(lParam);
  return !area || ::lstrcmpiW(area, L"intl") == 0;
}

}  // namespace

LRESULT Win32Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Every case that raises an event returns right after: the event may have
  // destroyed this object.
  switch (message) {
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_QUERYENDSESSION:
      // No window of this program refuses, and nothing happens until the
      // session really ends: the end may still be called off.
      return TRUE;
    case WM_ENDSESSION:
      // Restart Manager's requests (ENDSESSION_CLOSEAPP) take the same road.
      if (wParam) toolkit_.EndSession();
      return 0;
    case WM_TIMECHANGE:
      OnTimeChange();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      break;
    case WM_NCDESTROY: {
      HWND hwnd = hwnd_;
      OnNcDestroy();
      return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    // The desktop changed under the program's windows. Every window hears
    // it; the toolkit brings them all within reach once, after the burst.
    case WM_DISPLAYCHANGE:
      toolkit_.DesktopChanged();
      break;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETWORKAREA) toolkit_.DesktopChanged();
      if (wParam == SPI_SETHIGHCONTRAST) OnSystemColorsChanged();
      if (MayBeZoneChange(lParam)) OnTimeChange();
      break;
    case WM_POWERBROADCAST:
      return OnPowerBroadcast(wParam);
    case kResumedMessage:
      if (Live()) Events().Resumed();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers the whole surface
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_SHOWWINDOW:
      // Shown by someone else before its deferred set-up ran.
      if (wParam) MakeNativeControls();
      break;
    case WM_ACTIVATE:
      if (OnActivate(wParam)) return 0;
      break;
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_LBUTTONDOWN:
      OnButtonDown(ui::kLeftButton, wParam, lParam);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      OnButtonDown(ui::kRightButton, wParam, lParam);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      OnButtonDown(ui::kMiddleButton, wParam, lParam);
      return 0;
    case WM_LBUTTONDBLCLK:
      OnDoubleClick(lParam);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(ui::kLeftButton, wParam, lParam);
      return 0;
    case WM_RBUTTONUP:
      OnButtonUp(ui::kRightButton, wParam, lParam);
      break;  // the system derives WM_CONTEXTMENU from it
    case WM_MBUTTONUP:
      OnButtonUp(ui::kMiddleButton, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      mouseOwner_.reset();
      leftPress_.reset();
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(wParam, lParam);
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
      break;
    case WM_DPICHANGED:
      OnDpiChanged(ui::Dpi(HIWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
      AfterDpiChange();
      return 0;
    case kGetDpiScaledSize:
      OnGetDpiScaledSize(ui::Dpi(static_cast<int>(wParam)), *reinterpret_cast<SIZE*>(lParam));
      return TRUE;
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE:
      userSizing_ = message == WM_ENTERSIZEMOVE;
      break;
    case WM_WINDOWPOSCHANGED:
      OnPlaceChanged(*reinterpret_cast<const WINDOWPOS*>(lParam));
      break;  // the system derives WM_MOVE and WM_SIZE from it
    case kDeferredSetUpMessage:
      if (!Live()) return 0;
      MakeNativeControls();
      GiveIconToWindow();
      DecodePictures(picture_, controls_);
      return 0;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_SYSCOLORCHANGE:
      OnSystemColorsChanged();
      break;
    case WM_GETOBJECT:
      OnAccessibilityQuery();
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (HBRUSH brush =
              OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<LRESULT>(brush);
      break;
    default:
      if (message == toolkit_.TaskbarCreatedMessage()) {
        OnTaskbarCreated();
        return 0;
      }
      if (test_faults::IsDpiChangeRequest(message)) {
        test_faults::ChangeDpiAsTheSystemDoes(hwnd_, dpi_.Value(), static_cast<int>(wParam));
        return 0;
      }
      break;
  }
  return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Win32Window::OnClose() { Close(ui::kFormControlMenu); }

void Win32Window::OnNcDestroy() {
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  lastFocus_ = nullptr;
  controls_.ForgetWindows();
  menus_.Detach();
  toolTips_.reset();
  navigator_.reset();
  MarkGone();
  if (counted_) {
    counted_ = false;
    toolkit_.WindowUnloaded();
  }
}

void Win32Window::OnPaint() {
  PAINTSTRUCT paint{};
  HDC dc = ::BeginPaint(hwnd_, &paint);
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  const FormSurface surface = Surface();
  if (dc && !::IsRectEmpty(&client)) {
    // Drawn off screen first, so that overlapping pictures and labels do not
    // flicker.
    UniqueDc memory(::CreateCompatibleDC(dc));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (memory && bitmap) {
      SelectionGuard selected(memory.get(), bitmap.get());
      PaintForm(memory.get(), surface, client);
      const RECT& area = paint.rcPaint;
      ::BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
               memory.get(), area.left, area.top, SRCCOPY);
    } else {
      PaintForm(dc, surface, client);
    }
  }
  ::EndPaint(hwnd_, &paint);
  if (Live()) Events().Paint();
}

void Win32Window::OnSize() {
  if (Live()) Events().Resize();
}

bool Win32Window::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    SaveFocus();
    return false;
  }
  if (HIWORD(wParam)) return false;  // activated while minimised
  return RestoreFocus();
}

void Win32Window::SaveFocus() {
  HWND focus = ::GetFocus();
  if (focus && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
}

// Back to the control that had the focus, or else to the first in the tab
// order, as a dialog does.
bool Win32Window::RestoreFocus() {
  HWND target = lastFocus_;
  if (!target || !::IsChild(hwnd_, target) || !::IsWindowVisible(target) ||
      !::IsWindowEnabled(target))
    target = navigator_ ? navigator_->First() : nullptr;
  if (!target) return false;
  ::SetFocus(target);
  return true;
}

void Win32Window::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int commandId = LOWORD(wParam);
  if (!IsLayoutCommand(commandId) || !Live()) return;
  if (lParam == 0) {
    // A menu item (accelerators are not used).
    if (HIWORD(wParam) == 0) Events().Click(LayoutIdOf(commandId));
    return;
  }
  if (HIWORD(wParam) != BN_CLICKED) return;
  if (Control* control = controls_.Find(reinterpret_cast<HWND>(lParam))) OnControlClicked(*control);
}

void Win32Window::OnControlClicked(Control& control) {
  const int id = control.layout->id;
  switch (control.Kind()) {
    case ui::ControlKind::CommandButton:
    case ui::ControlKind::CheckBox:
    case ui::ControlKind::Link:
    case ui::ControlKind::PictureButton:
      Events().Click(id);
      return;
    case ui::ControlKind::OptionButton:
      // An option clicks when it becomes selected. (The window system also
      // reports an unselected option that merely receives the focus.)
      if (::SendMessageW(control.hwnd, BM_GETCHECK, 0, 0) != BST_CHECKED) return;
      ClearOtherOptions(control);
      Events().Click(id);
      return;
    default:
      return;
  }
}

void Win32Window::OnTimer(WPARAM timerId) {
  if (!IsLayoutCommand(static_cast<int>(timerId)) || !Live()) return;
  const int id = LayoutIdOf(static_cast<int>(timerId));
  // Only the layout's enabled timers: a timer message already queued when
  // its timer was disabled is dropped.
  const Control* timer = controls_.Find(id);
  if (timer && timer->Kind() == ui::ControlKind::Timer && timer->timerEnabled) Events().Timer(id);
}

void Win32Window::OnButtonDown(int button, WPARAM wParam, LPARAM lParam) {
  const POINT point = PointOf(lParam);
  const int id = controls_.HitTest(point);
  // The form keeps the mouse while a button is held, so that a release
  // outside still reaches it; this is why a note releases the capture
  // before it hands a drag to the window system.
  if (::GetCapture() != hwnd_) ::SetCapture(hwnd_);
  mouseOwner_ = id;
  if (button == ui::kLeftButton) leftPress_ = id;
  if (!Live()) return;
  const RECT origin = id == ui::kForm ? RECT{} : controls_.At(id).rect;
  Events().MouseDown(id, button, ShiftOf(wParam), ToScaleX(point.x - origin.left),
                     ToScaleY(point.y - origin.top));
}

void Win32Window::OnButtonUp(int button, WPARAM wParam, LPARAM lParam) {
  const int id = controls_.HitTest(PointOf(lParam));
  const bool click =
      button == ui::kLeftButton && leftPress_ && *leftPress_ == id && id != ui::kForm;
  if (button == ui::kLeftButton) leftPress_.reset();
  if (!(wParam & kAnyButton)) {
    mouseOwner_.reset();
    if (::GetCapture() == hwnd_) ::ReleaseCapture();
  }
  if (click && Live()) Events().Click(id);
}

// The second press of a double click raises DblClick instead of MouseDown.
void Win32Window::OnDoubleClick(LPARAM lParam) {
  const int id = controls_.HitTest(PointOf(lParam));
  leftPress_.reset();
  if (Live()) Events().DblClick(id);
}

// The tray icon's callback arrives here too (its callback message is
// WM_MOUSEMOVE): its mouse message number is the x coordinate, and the form
// decodes it.
void Win32Window::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  const POINT point = PointOf(lParam);
  const int id = mouseOwner_ ? *mouseOwner_ : controls_.HitTest(point);
  if (!Live()) return;
  const RECT origin = id == ui::kForm ? RECT{} : controls_.At(id).rect;
  Events().MouseMove(id, ButtonsOf(wParam), ShiftOf(wParam), ToScaleX(point.x - origin.left),
                     ToScaleY(point.y - origin.top));
}

// Asked for the pointer over its client area or over one of its controls
// (a control's window asks its parent first), the form may choose it.
bool Win32Window::OnSetCursor(HWND under, WORD hitTest) {
  if (hitTest != HTCLIENT || !Live()) return false;
  int id = ui::kForm;
  if (under == hwnd_) {
    POINT point{};
    ::GetCursorPos(&point);
    ::ScreenToClient(hwnd_, &point);
    id = mouseOwner_ ? *mouseOwner_ : controls_.HitTest(point);
  } else if (const Control* control = controls_.Find(under)) {
    id = control->layout->id;
  } else {
    return false;
  }
  return Events().SetPointer(id);
}

HBRUSH Win32Window::OnControlColor(HDC dc, HWND child) {
  Control* control = controls_.Find(child);
  if (!control) return nullptr;
  const std::optional<COLORREF> key = ColorKeyOf(hwnd_);
  COLORREF back = 0;
  COLORREF fore = 0;
  switch (control->Kind()) {
    case ui::ControlKind::TextBox:
    case ui::ControlKind::ComboBox: {
      const ui::BoxColors colors = ui::ChooseBoxColors(
          control->backColor, control->layout->foreColor, ::IsWindowEnabled(control->hwnd),
          toolkit_.HighContrast(), key.has_value());
      if (colors.system) return nullptr;
      back = ResolveColor(colors.back, ::GetSysColor(COLOR_WINDOW));
      fore = ResolveColor(colors.fore, ::GetSysColor(COLOR_WINDOWTEXT));
      break;
    }
    case ui::ControlKind::CommandButton:
      if (control->backColor == ui::kDefaultColor) return nullptr;
      back = ResolveColor(control->backColor, ::GetSysColor(COLOR_BTNFACE));
      fore = ResolveColor(control->layout->foreColor, ::GetSysColor(COLOR_BTNTEXT));
      break;
    case ui::ControlKind::CheckBox:
    case ui::ControlKind::OptionButton:
    case ui::ControlKind::Frame:
      // By default these lie on the form and take its colour.
      back = ResolveColor(control->backColor, FormBackColor());
      fore = ResolveColor(control->layout->foreColor, ::GetSysColor(COLOR_BTNTEXT));
      break;
    default:
      return nullptr;
  }
  back = ui::OffKey(back, key);
  fore = ui::OffKey(fore, key);
  ::SetTextColor(dc, fore);
  ::SetBkColor(dc, back);
  return toolkit_.Brushes().Get(back);
}

// A computer that slept may wake up with other displays attached, and its
// timers have missed their ticks. A wake-up the system does on its own (a
// timer, the network) reports only PBT_APMRESUMEAUTOMATIC; one the user
// causes reports PBT_APMRESUMESUSPEND after it. Both count: whoever listens
// must take the second as a repeat. The form hears it from the program's
// own queue: what it does then (an alarm due, a message box) must not run
// inside the system's broadcast.
LRESULT Win32Window::OnPowerBroadcast(WPARAM event) {
  if (event == PBT_APMSUSPEND) toolkit_.Suspending();
  if (event != PBT_APMRESUMEAUTOMATIC && event != PBT_APMRESUMESUSPEND) return TRUE;
  toolkit_.Resuming();
  ::PostMessageW(hwnd_, kResumedMessage, 0, 0);
  return TRUE;
}

void Win32Window::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const Control* control = controls_.Find(item.hwndItem);
  if (!control || !IsOwnerDrawn(control->Kind())) return;
  PaintOwnerDrawn(item.hDC, Surface(), *control, ShowsFocusCue(item));
}

// High contrast turned on or off, or the system colours changed: boxes
// drawn in the user's colours follow at once.
void Win32Window::OnSystemColorsChanged() {
  toolkit_.ReadHighContrast();
  ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32Window::OnControlMouseMove(HWND child, WPARAM wParam, LPARAM lParam) {
  const Control* control = controls_.Find(child);
  if (!control || !Live()) return;
  const POINT point = PointOf(lParam);
  Events().MouseMove(control->layout->id, ButtonsOf(wParam), ShiftOf(wParam), ToScaleX(point.x),
                     ToScaleY(point.y));
}

// Set once, when assistive technology first asks about the window or one of
// its controls: the program pays nothing for them while nobody asks. Never
// once the window is being destroyed: its controls still answer questions
// until they go, and what was set on them then would stay with handles that
// the system gives to other windows later.
void Win32Window::OnAccessibilityQuery() {
  if (annotated_ || destroying_ || !hwnd_) return;
  MakeNativeControls();
  annotated_ = true;
  AccessibleProperties& properties = toolkit_.Accessibility();
  for (const Control& control : controls_.All()) {
    if (!control.hwnd) continue;
    if (const char* name = control.layout->accessibleName) {
      properties.SetName(control.hwnd, Widen(name));
      // Focus rests in a combo box's edit field: it carries the name too.
      if (HWND field = ComboEditOf(control)) properties.SetName(field, Widen(name));
    }
    if (control.Kind() == ui::ControlKind::Link) properties.SetRole(control.hwnd, ROLE_SYSTEM_LINK);
  }
}

// The controls are still there: what was set on them goes with them.
void Win32Window::OnDestroy() {
  destroying_ = true;
  if (!annotated_) return;
  AccessibleProperties& properties = toolkit_.Accessibility();
  for (const Control& control : controls_.All()) {
    if (!control.hwnd) continue;
    if (control.layout->accessibleName || control.Kind() == ui::ControlKind::Link)
      properties.Clear(control.hwnd);
    if (HWND field = ComboEditOf(control)) properties.Clear(field);
  }
}

void Win32Window::OnTaskbarCreated() {
  if (Live()) Events().TaskbarCreated();
}

// What the system or the user did to the window is taken back into its
// twips: a move, and a size that the user dragged. Every other size is the
// program's own, derived from the twips, or the passing one of a minimised
// or maximised window.
void Win32Window::OnPlaceChanged(const WINDOWPOS& place) {
  if (::IsIconic(hwnd_) || ::IsZoomed(hwnd_)) return;
  const ui::PixelRect derived = Bounds();
  if (!(place.flags & SWP_NOMOVE) && (place.x != derived.left || place.y != derived.top))
    RememberCorner(place.x, place.y);
  if (!userSizing_ || (place.flags & SWP_NOSIZE)) return;
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  if (client.right != dpi_.ToPixels(client_.width)) client_.width = dpi_.ToTwips(client.right);
  if (client.bottom != dpi_.ToPixels(client_.height)) client_.height = dpi_.ToTwips(client.bottom);
}

// Moved to a monitor of another scale (or its scale changed): the window
// takes the suggested place at the size its twips give at the new DPI (the
// size it answered WM_GETDPISCALEDSIZE with), then lays its controls out,
// fonts them and draws itself at that DPI. A colour-keyed note takes its new
// shape from what it paints.
void Win32Window::OnDpiChanged(ui::Dpi dpi, const RECT& suggested) {
  if (!hwnd_) return;
  dpi_ = dpi;
  RememberCorner(suggested.left, suggested.top);
  ScaleControls(controls_, layout_, BuildContext());
  if (toolTips_)
    for (const Control& control : controls_.All())
      if (control.Windowless() && control.layout->toolTip)
        toolTips_->MoveArea(CommandIdOf(control.layout->id), control.rect);
  ApplyPlace();
  ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// Asked before WM_DPICHANGED, so that the rectangle the system suggests has
// the size the window will take.
void Win32Window::OnGetDpiScaledSize(ui::Dpi dpi, SIZE& size) const {
  const ui::PixelRect sized = BoundsAt(dpi);
  size.cx = sized.Width();
  size.cy = sized.Height();
}

// Icons in pixels are chosen afresh for the new DPI, and the form hears of
// the change.
void Win32Window::AfterDpiChange() {
  if (iconGiven_)
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(CaptionIcon()));
  if (Live()) Events().DpiChanged();
}

void Win32Window::OnTimeChange() {
  if (Live()) Events().ClockChanged();
}

}  // namespace win32

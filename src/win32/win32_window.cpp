#include "win32/win32_window.h"

#include <stdexcept>
#include <vector>

#include "ui/keyboard_route.h"
#include "ui/window_geometry.h"
#include "win32/command_ids.h"
#include "win32/deferred_set_up.h"
#include "win32/focus_cues.h"
#include "win32/test_faults.h"
#include "win32/text.h"
#include "win32/win32_toolkit.h"
#include "win32/window_frame.h"

namespace win32 {

Win32Window::Win32Window(Win32Toolkit& toolkit, const ui::WindowLayout& layout,
                         ui::FormEvents& events)
    : ui::LifeCycleWindow(events),
      toolkit_(toolkit),
      layout_(layout),
      menus_(layout.menus),
      dpi_(toolkit.Dpi().SystemDpi()),
      client_(ui::ClientTwipsOf(layout)),
      backColor_(layout.backColor) {
  const WindowFrame frame = FrameOf(layout, dpi_, !menus_.Empty(), toolkit.Dpi());
  // A class that does not exist makes the real call fail, as an exhausted
  // desktop would.
  const wchar_t* windowClass =
      test_faults::WindowCreationRefused() ? L"" : toolkit.WindowClass().Name();
  // WM_NCCREATE attaches the window to this object.
  ::CreateWindowExW(frame.exStyle, windowClass, Widen(layout.caption).c_str(), frame.style, frame.x,
                    frame.y, frame.width, frame.height, nullptr, menus_.Handle(),
                    toolkit.Instance(), this);
  if (!hwnd_)
    throw ui::WindowCreationError(std::string("The window ") + layout.name +
                                  " could not be created.");
  menus_.AttachTo(hwnd_);
  RECT made{};
  ::GetWindowRect(hwnd_, &made);
  RememberCorner(made.left, made.top);
  try {
    AdoptOwnDpi();
    Build();
  } catch (...) {
    Destroy();
    throw;
  }
  toolkit_.WindowLoaded();
  counted_ = true;
  MarkBuilt();
  PostDeferredSetUp(hwnd_);
}

Win32Window::~Win32Window() {
  MarkGone();
  Destroy();
}

// The window was made at the DPI the program started with. On a monitor of
// another one it takes its layout's size at that monitor's DPI where it
// stands; a centred window is centred again.
void Win32Window::AdoptOwnDpi() {
  const ui::Dpi own = toolkit_.Dpi().WindowDpi(hwnd_);
  if (own == dpi_) return;
  const ui::PixelRect made = Bounds();
  dpi_ = own;
  if (layout_.startPosition == ui::StartPosition::CenterScreen) {
    const WindowFrame frame = FrameOf(layout_, dpi_, !menus_.Empty(), toolkit_.Dpi());
    RememberCorner(frame.x, frame.y);
  } else {
    RememberCorner(made.left, made.top);
  }
  ApplyPlace();
}

void Win32Window::RememberCorner(int x, int y) {
  left_ = dpi_.ToTwips(x);
  top_ = dpi_.ToTwips(y);
}

void Win32Window::ApplyPlace() {
  if (!hwnd_) return;
  const ui::PixelRect place = Bounds();
  ::SetWindowPos(hwnd_, nullptr, place.left, place.top, place.Width(), place.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

ui::FrameInsets Win32Window::FrameAt(ui::Dpi dpi) const {
  return FrameOf(layout_, dpi, !menus_.Empty(), toolkit_.Dpi()).insets;
}

void Win32Window::Build() {
  picture_ = toolkit_.Pictures().Get(layout_.picture);
  controls_ = BuildControls(layout_, BuildContext());
  if (!layout_.nativeControlsAfterLoad) MakeNativeControls();
}

// Once, while the window exists.
void Win32Window::MakeNativeControls() {
  if (nativeControlsMade_ || !hwnd_) return;
  nativeControlsMade_ = true;
  win32::MakeNativeControls(controls_, layout_, BuildContext());
  AddToolTips();
  SetUpKeyboard();
  ListenToControls();
}

ControlBuildContext Win32Window::BuildContext() {
  return ControlBuildContext{hwnd_,          toolkit_.Instance(), dpi_,
                             toolkit_.Dpi(), toolkit_.Fonts(),    toolkit_.Pictures()};
}

ui::Handle Win32Window::IconHandle() const {
  if (!layout_.icon) return 0;
  return reinterpret_cast<ui::Handle>(toolkit_.Icons().TrayIcon(layout_.icon));
}

// The small icon follows the window's DPI; the big one is the window icon
// at its own size, which the system reduces where it shows it.
HICON Win32Window::CaptionIcon() const { return toolkit_.Icons().CaptionIcon(layout_.icon, dpi_); }

// Deferred until the window is shown or its load handler has run: the
// window system converts the icon for the desktop right away.
void Win32Window::GiveIconToWindow() {
  if (!layout_.icon || iconGiven_) return;
  iconGiven_ = true;
  HICON icon = toolkit_.Icons().Get(layout_.icon);
  if (!icon) return;
  ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(CaptionIcon()));
}

void Win32Window::AddToolTips() {
  for (const Control& control : controls_.All()) {
    const char* tip = control.layout->toolTip;
    if (!tip || !*tip) continue;
    if (!toolTips_) toolTips_ = std::make_unique<ToolTips>(hwnd_);
    if (control.hwnd)
      toolTips_->AddForWindow(control.hwnd, tip);
    else
      toolTips_->AddForArea(CommandIdOf(control.layout->id), control.rect, tip);
  }
}

void Win32Window::SetUpKeyboard() {
  std::vector<KeyboardNavigator::Stop> order;
  for (int id : ui::KeyboardOrder(layout_)) {
    const Control& control = controls_.At(id);
    order.push_back({id, control.hwnd, control.Kind(), control.layout->parent});
  }
  navigator_ = std::make_unique<KeyboardNavigator>(hwnd_, layout_, std::move(order));
}

// Links hand their mouse moves to the form; controls that assistive
// technology asks about first are those that it then needs names for.
void Win32Window::ListenToControls() {
  for (const Control& control : controls_.All()) {
    if (!control.hwnd || !(IsOwnerDrawn(control.Kind()) || control.layout->accessibleName))
      continue;
    ListenToControl(control.hwnd, *this);
    if (HWND field = ComboEditOf(control)) ListenToControl(field, *this);
  }
}

void Win32Window::Destroy() {
  // WM_NCDESTROY forgets the handles and the count.
  if (hwnd_) ::DestroyWindow(hwnd_);
}

void Win32Window::Show() {
  if (!hwnd_) return;
  MakeNativeControls();
  GiveIconToWindow();
  int command = SW_SHOW;
  if (pendingState_) {
    command = *pendingState_ == ui::WindowState::Minimized   ? SW_SHOWMINIMIZED
              : *pendingState_ == ui::WindowState::Maximized ? SW_SHOWMAXIMIZED
                                                             : SW_SHOWNORMAL;
    pendingState_.reset();
  }
  InitializeFocusCues(hwnd_);
  ::ShowWindow(hwnd_, command);
}

void Win32Window::ShowWithoutActivation() {
  if (!hwnd_) return;
  GiveIconToWindow();
  ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

void Win32Window::Hide() {
  if (hwnd_) ::ShowWindow(hwnd_, SW_HIDE);
}

bool Win32Window::Visible() const { return hwnd_ && ::IsWindowVisible(hwnd_); }

ui::WindowState Win32Window::State() const {
  if (pendingState_) return *pendingState_;
  if (hwnd_ && ::IsIconic(hwnd_)) return ui::WindowState::Minimized;
  if (hwnd_ && ::IsZoomed(hwnd_)) return ui::WindowState::Maximized;
  return ui::WindowState::Normal;
}

void Win32Window::SetState(ui::WindowState state) {
  if (!hwnd_ || state == State()) return;
  if (!::IsWindowVisible(hwnd_)) {
    // Changing the state of a hidden window would show it: the new state
    // waits for the next Show, and the form hears of it now, as it would
    // from a visible window.
    pendingState_ = state;
    if (Live()) Events().Resize();
    return;
  }
  pendingState_.reset();
  // WM_SIZE raises Resize.
  ::ShowWindow(hwnd_, state == ui::WindowState::Minimized   ? SW_MINIMIZE
                      : state == ui::WindowState::Maximized ? SW_MAXIMIZE
                                                            : SW_RESTORE);
}

double Win32Window::Left() const { return left_; }
double Win32Window::Top() const { return top_; }
// The kept twips of the client area, and the frame's pixels in twips.
double Win32Window::Width() const {
  const ui::FrameInsets frame = FrameAt(dpi_);
  return client_.width + dpi_.ToTwips(frame.left + frame.right);
}

double Win32Window::Height() const {
  const ui::FrameInsets frame = FrameAt(dpi_);
  return client_.height + dpi_.ToTwips(frame.top + frame.bottom);
}

void Win32Window::SetHeight(double twips) {
  const ui::FrameInsets frame = FrameAt(dpi_);
  client_.height = twips - dpi_.ToTwips(frame.top + frame.bottom);
  ApplyPlace();
}

ui::PixelRect Win32Window::Bounds() const {
  return ui::OuterRectAt(dpi_.ToPixels(left_), dpi_.ToPixels(top_), client_, FrameAt(dpi_), dpi_);
}

void Win32Window::MoveTo(int x, int y) {
  RememberCorner(x, y);
  ApplyPlace();
}

ui::PixelRect Win32Window::BoundsAt(ui::Dpi dpi) const {
  return ui::OuterRectAt(dpi_.ToPixels(left_), dpi_.ToPixels(top_), client_, FrameAt(dpi), dpi);
}

// Sized for the monitor it goes to, the window lands where its place was
// found for it; the system then tells it its new DPI (WM_DPICHANGED). Where
// the system does not, its DPI has not changed after all, and it keeps the
// size of the one it has.
void Win32Window::MoveOnto(int x, int y, ui::Dpi dpi) {
  if (!hwnd_) return;
  if (dpi == dpi_) return MoveTo(x, y);
  const ui::PixelRect sized = BoundsAt(dpi);
  ::SetWindowPos(hwnd_, nullptr, x, y, sized.Width(), sized.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  if (dpi_ != dpi) ApplyPlace();
}

// The caption's close button lies where the system draws it: at the top
// right of the frame the window has, at the caption buttons' size at the
// window's DPI.
ui::PixelRect Win32Window::CloseControl() const {
  const ui::PixelRect bounds = Bounds();
  const ui::FrameInsets frame = FrameAt(dpi_);
  if (layout_.border != ui::BorderStyle::None && layout_.controlBox) {
    const bool toolCaption = !layout_.showInTaskbar;
    return ui::CaptionCloseButton(
        bounds.Width(), frame,
        toolkit_.Dpi().FrameMetric(toolCaption ? SM_CXSMSIZE : SM_CXSIZE, dpi_),
        toolkit_.Dpi().FrameMetric(toolCaption ? SM_CYSMSIZE : SM_CYSIZE, dpi_));
  }
  if (const Control* control = controls_.Find(layout_.closeControl)) {
    const RECT& rect = control->rect;
    return {frame.left + rect.left, frame.top + rect.top, frame.left + rect.right,
            frame.top + rect.bottom};
  }
  return {0, 0, bounds.Width(), bounds.Height()};
}

double Win32Window::ToScaleX(int pixels) const {
  return layout_.scaleMode == ui::ScaleMode::Pixels ? pixels : dpi_.ToTwips(pixels);
}

double Win32Window::ToScaleY(int pixels) const {
  return layout_.scaleMode == ui::ScaleMode::Pixels ? pixels : dpi_.ToTwips(pixels);
}

}  // namespace win32

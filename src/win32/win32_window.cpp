#include "win32/win32_window.h"

#include <stdexcept>
#include <vector>

#include "ui/keyboard_route.h"
#include "win32/command_ids.h"
#include "win32/deferred_set_up.h"
#include "win32/test_faults.h"
#include "win32/text.h"
#include "win32/win32_toolkit.h"
#include "win32/window_dpi.h"
#include "win32/window_frame.h"

namespace win32 {

Win32Window::Win32Window(Win32Toolkit& toolkit, const ui::WindowLayout& layout,
                         ui::FormEvents& events)
    : ui::LifeCycleWindow(events),
      toolkit_(toolkit),
      layout_(layout),
      menus_(layout.menus),
      dpi_(toolkit.SystemDpi()),
      backColor_(layout.backColor) {
  const WindowFrame frame = FrameOf(layout, dpi_, !menus_.Empty());
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
  const ui::Dpi own = WindowDpi(hwnd_);
  if (own == dpi_) return;
  dpi_ = own;
  const WindowFrame frame = FrameOf(layout_, dpi_, !menus_.Empty());
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (layout_.startPosition != ui::StartPosition::CenterScreen) flags |= SWP_NOMOVE;
  ::SetWindowPos(hwnd_, nullptr, frame.x, frame.y, frame.width, frame.height, flags);
}

void Win32Window::Build() {
  SetUpIcon();
  picture_ = toolkit_.Pictures().Get(layout_.picture);
  controls_ = BuildControls(layout_, BuildContext());
  AddToolTips();
  SetUpKeyboard();
  ListenToControls();
}

ControlBuildContext Win32Window::BuildContext() {
  return ControlBuildContext{hwnd_, toolkit_.Instance(), dpi_, toolkit_.Fonts(),
                             toolkit_.Pictures()};
}

void Win32Window::SetUpIcon() {
  if (!layout_.icon) return;
  icon_ = toolkit_.Icons().Get(layout_.icon);
}

// The small icon follows the window's DPI; the big one is the window icon
// at its own size, which the system reduces where it shows it.
ui::Handle Win32Window::IconHandle() const {
  if (!layout_.icon) return 0;
  return reinterpret_cast<ui::Handle>(toolkit_.Icons().SmallIcon(layout_.icon, hwnd_));
}

// Deferred until the window is shown or its load handler has run: the
// window system converts the icon for the desktop right away.
void Win32Window::GiveIconToWindow() {
  if (!icon_ || iconGiven_) return;
  iconGiven_ = true;
  ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, static_cast<LPARAM>(IconHandle()));
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
  GiveIconToWindow();
  int command = SW_SHOW;
  if (pendingState_) {
    command = *pendingState_ == ui::WindowState::Minimized   ? SW_SHOWMINIMIZED
              : *pendingState_ == ui::WindowState::Maximized ? SW_SHOWMAXIMIZED
                                                             : SW_SHOWNORMAL;
    pendingState_.reset();
  }
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

RECT Win32Window::OuterRect() const {
  RECT rect{};
  if (hwnd_) ::GetWindowRect(hwnd_, &rect);
  return rect;
}

double Win32Window::Left() const { return dpi_.ToTwips(OuterRect().left); }
double Win32Window::Top() const { return dpi_.ToTwips(OuterRect().top); }

double Win32Window::Width() const {
  const RECT rect = OuterRect();
  return dpi_.ToTwips(rect.right - rect.left);
}

double Win32Window::Height() const {
  const RECT rect = OuterRect();
  return dpi_.ToTwips(rect.bottom - rect.top);
}

void Win32Window::SetHeight(double twips) {
  if (!hwnd_) return;
  const RECT rect = OuterRect();
  ::SetWindowPos(hwnd_, nullptr, 0, 0, rect.right - rect.left, dpi_.ToPixels(twips),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ui::PixelRect Win32Window::Bounds() const {
  const RECT rect = OuterRect();
  return ui::PixelRect{rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Window::MoveTo(int x, int y) {
  if (!hwnd_) return;
  ::SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

double Win32Window::ToScaleX(int pixels) const {
  return layout_.scaleMode == ui::ScaleMode::Pixels ? pixels : dpi_.ToTwips(pixels);
}

double Win32Window::ToScaleY(int pixels) const {
  return layout_.scaleMode == ui::ScaleMode::Pixels ? pixels : dpi_.ToTwips(pixels);
}

}  // namespace win32

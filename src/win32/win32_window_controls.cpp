// The control, menu and picture side of Win32Window.
#include <stdexcept>

#include "win32/colors.h"
#include "win32/command_ids.h"
#include "win32/test_faults.h"
#include "win32/text.h"
#include "win32/win32_window.h"

namespace win32 {

namespace {

Control& ComboBox(ControlSet& controls, int id) {
  Control& control = controls.At(id);
  if (control.Kind() != ui::ControlKind::ComboBox)
    throw std::invalid_argument(std::string(control.layout->name) + " is not a combo box");
  return control;
}

const Control& ComboBox(const ControlSet& controls, int id) {
  return ComboBox(const_cast<ControlSet&>(controls), id);
}

bool IsCheckable(ui::ControlKind kind) {
  return kind == ui::ControlKind::CheckBox || kind == ui::ControlKind::OptionButton;
}

}  // namespace

// A native control that is not made yet reads as its layout will make it.
std::string Win32Window::Text(int id) const {
  if (id == ui::kForm) return hwnd_ ? WindowText(hwnd_) : layout_.caption;
  const Control& control = controls_.At(id);
  if (control.Kind() == ui::ControlKind::Label || control.Kind() == ui::ControlKind::Link ||
      !nativeControlsMade_)
    return control.caption;
  return control.hwnd ? WindowText(control.hwnd) : std::string();
}

void Win32Window::SetText(int id, const std::string& text) {
  if (id == ui::kForm) {
    if (hwnd_) ::SetWindowTextW(hwnd_, Widen(text).c_str());
    return;
  }
  MakeNativeControls();
  Control& control = controls_.At(id);
  if (control.Kind() == ui::ControlKind::Label) {
    control.caption = text;
    Repaint(&control.rect);
    return;
  }
  // A link's window text is its name for assistive technology.
  if (control.Kind() == ui::ControlKind::Link) control.caption = text;
  if (control.hwnd) ::SetWindowTextW(control.hwnd, Widen(text).c_str());
  if (control.Kind() == ui::ControlKind::Link) Repaint(&control.rect);
}

int Win32Window::Value(int id) const {
  const Control& control = controls_.At(id);
  if (!IsCheckable(control.Kind())) return 0;
  if (!nativeControlsMade_) return (control.layout->flags & ui::kChecked) ? 1 : 0;
  if (!control.hwnd) return 0;
  const LRESULT state = ::SendMessageW(control.hwnd, BM_GETCHECK, 0, 0);
  if (state == BST_CHECKED) return 1;
  return state == BST_INDETERMINATE ? 2 : 0;
}

void Win32Window::SetValue(int id, int value) {
  MakeNativeControls();
  Control& control = controls_.At(id);
  if (!IsCheckable(control.Kind()) || !control.hwnd) return;
  // Setting the check mark is silent; the click that the form expects from
  // a changed check box or a newly selected option is raised here.
  const bool changed = Value(id) != value;
  if (control.Kind() == ui::ControlKind::OptionButton) {
    if (value) ClearOtherOptions(control);
    ::SendMessageW(control.hwnd, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (value && Live()) Events().Click(id);
    return;
  }
  const WPARAM state = value == 0 ? BST_UNCHECKED : value == 2 ? BST_INDETERMINATE : BST_CHECKED;
  ::SendMessageW(control.hwnd, BM_SETCHECK, state, 0);
  if (changed && Live()) Events().Click(id);
}

void Win32Window::ClearOtherOptions(const Control& option) {
  for (Control& other : controls_.All()) {
    if (&other == &option || other.Kind() != ui::ControlKind::OptionButton) continue;
    if (other.layout->parent == option.layout->parent && other.hwnd)
      ::SendMessageW(other.hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

bool Win32Window::Enabled(int id) const {
  if (id == ui::kForm) return hwnd_ && ::IsWindowEnabled(hwnd_);
  const Control& control = controls_.At(id);
  return control.hwnd ? ::IsWindowEnabled(control.hwnd) != FALSE : control.enabled;
}

void Win32Window::SetEnabled(int id, bool enabled) {
  if (id == ui::kForm) {
    if (hwnd_) ::EnableWindow(hwnd_, enabled);
    return;
  }
  MakeNativeControls();
  Control& control = controls_.At(id);
  control.enabled = enabled;
  if (control.hwnd)
    ::EnableWindow(control.hwnd, enabled);
  else if (control.Kind() == ui::ControlKind::Label)
    Repaint(&control.rect);  // greyed or not
}

void Win32Window::SetFocus(int id) {
  if (id != ui::kForm) MakeNativeControls();
  HWND target = id == ui::kForm ? hwnd_ : controls_.At(id).hwnd;
  if (!target) return;
  if (target != hwnd_) lastFocus_ = target;
  // A hidden window keeps the choice until it is activated.
  if (hwnd_ && ::IsWindowVisible(hwnd_)) ::SetFocus(target);
}

void Win32Window::SetBackColor(int id, std::uint32_t color) {
  if (id == ui::kForm) {
    backColor_ = color;
    // Controls of the default colour take the form's.
    if (hwnd_)
      ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return;
  }
  Control& control = controls_.At(id);
  control.backColor = color;
  if (control.hwnd)
    ::RedrawWindow(control.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  else
    Repaint(&control.rect);
}

std::uint32_t Win32Window::BackColor(int id) const {
  return id == ui::kForm ? backColor_ : controls_.At(id).backColor;
}

COLORREF Win32Window::FormBackColor() const {
  return ResolveColor(backColor_, ::GetSysColor(COLOR_WINDOW));
}

FormSurface Win32Window::Surface() const {
  return {FormBackColor(), picture_, controls_, dpi_, ColorKeyOf(hwnd_)};
}

ui::PictureRef Win32Window::GetPicture(int id) const {
  return id == ui::kForm ? picture_ : controls_.At(id).picture;
}

void Win32Window::SetPicture(int id, ui::PictureRef picture) {
  (id == ui::kForm ? picture_ : controls_.At(id).picture) = std::move(picture);
  // Pictures are drawn at their own size, which may exceed the control.
  Repaint(nullptr);
}

void Win32Window::Repaint(const RECT* area) {
  if (!hwnd_) return;
  ::InvalidateRect(hwnd_, area, FALSE);
  RECT overlap{};
  for (const Control& control : controls_.All())
    if (control.hwnd && IsOwnerDrawn(control.Kind()) &&
        (!area || ::IntersectRect(&overlap, area, &control.rect)))
      ::InvalidateRect(control.hwnd, nullptr, FALSE);
}

void Win32Window::AddItem(int comboId, const std::string& item) {
  MakeNativeControls();
  Control& combo = ComboBox(controls_, comboId);
  if (combo.hwnd)
    ::SendMessageW(combo.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
}

int Win32Window::ItemCount(int comboId) const {
  const Control& combo = ComboBox(controls_, comboId);
  return combo.hwnd ? static_cast<int>(::SendMessageW(combo.hwnd, CB_GETCOUNT, 0, 0)) : 0;
}

std::string Win32Window::Item(int comboId, int index) const {
  const Control& combo = ComboBox(controls_, comboId);
  if (index < 0 || index >= ItemCount(comboId))
    throw std::out_of_range("no item " + std::to_string(index) + " in " + combo.layout->name);
  const LRESULT length = ::SendMessageW(combo.hwnd, CB_GETLBTEXTLEN, index, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      ::SendMessageW(combo.hwnd, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return Narrow(text);
}

bool Win32Window::TimerEnabled(int timerId) const { return controls_.At(timerId).timerEnabled; }

void Win32Window::SetTimerEnabled(int timerId, bool enabled) {
  Control& timer = controls_.At(timerId);
  if (timer.timerEnabled == enabled) return;  // a running timer keeps its phase
  timer.timerEnabled = enabled;
  if (!hwnd_) return;
  const UINT_PTR nativeId = CommandIdOf(timerId);
  // An interval of 0 keeps the timer silent even while enabled.
  if (enabled && timer.layout->interval > 0)
    ::SetTimer(hwnd_, nativeId, static_cast<UINT>(timer.layout->interval), nullptr);
  else
    ::KillTimer(hwnd_, nativeId);
}

bool Win32Window::Checked(int menuId) const { return menus_.Checked(menuId); }
void Win32Window::SetChecked(int menuId, bool checked) { menus_.SetChecked(menuId, checked); }
std::string Win32Window::MenuCaption(int menuId) const { return menus_.Caption(menuId); }
void Win32Window::SetMenuCaption(int menuId, const std::string& caption) {
  menus_.SetCaption(menuId, caption);
}

void Win32Window::PopupMenu(int menuId) {
  HMENU popup = menus_.PopupOf(menuId);
  if (!popup || !hwnd_) return;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  const UINT command = static_cast<UINT>(::TrackPopupMenuEx(popup, TPM_RETURNCMD | TPM_LEFTBUTTON,
                                                            cursor.x, cursor.y, hwnd_, nullptr));
  // A menu opened for a tray icon closes properly only if the window gets a
  // message after it.
  ::PostMessageW(hwnd_, WM_NULL, 0, 0);
  if (!IsLayoutCommand(static_cast<int>(command)) || !Live()) return;
  if (test_faults::MenuCommandFails())
    throw std::runtime_error("The menu command could not be carried out.");
  Events().Click(LayoutIdOf(static_cast<int>(command)));
}

}  // namespace win32

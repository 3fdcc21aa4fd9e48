#include "win32/keyboard_navigation.h"

#include <string>

#include "win32/focus_cues.h"

namespace win32 {

namespace {

bool KeyDown(int key) { return ::GetKeyState(key) < 0; }

// Bit 30 of a key message: the key was already down (an auto-repeat).
bool Repeated(const MSG& msg) { return ((msg.lParam >> 30) & 1) != 0; }

bool CanFocus(HWND hwnd) { return hwnd && ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd); }

LRESULT DialogCode(HWND control) {
  // Asked without a message, an edit control stays out of dialog mode.
  return control ? ::SendMessageW(control, WM_GETDLGCODE, 0, 0) : 0;
}

// A one-line edit field entered from the keyboard has its text selected, as
// in any dialog. A multi-line one keeps its caret: one keystroke must not
// replace the whole body of a note.
void FocusFromKeyboard(HWND target) {
  ::SetFocus(target);
  const bool multiLine = ::GetWindowLongPtrW(target, GWL_STYLE) & ES_MULTILINE;
  if ((DialogCode(target) & DLGC_HASSETSEL) && !multiLine) ::SendMessageW(target, EM_SETSEL, 0, -1);
}

// The character after the single "&" of a caption; 0 when there is none.
wchar_t AccessKeyOf(HWND control) {
  const int length = ::GetWindowTextLengthW(control);
  if (length <= 0) return 0;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), length + 1)));
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') return text[i + 1];
    ++i;  // "&&" is a plain ampersand
  }
  return 0;
}

wchar_t Upper(wchar_t c) {
  return static_cast<wchar_t>(
      reinterpret_cast<UINT_PTR>(::CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(c)))));
}

bool IsButton(HWND hwnd) {
  return DialogCode(hwnd) &
         (DLGC_BUTTON | DLGC_RADIOBUTTON | DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
}

}  // namespace

KeyboardNavigator::KeyboardNavigator(HWND form, const ui::WindowLayout& layout,
                                     std::vector<Stop> order)
    : form_(form), layout_(layout), order_(std::move(order)) {}

bool KeyboardNavigator::Handle(const MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
      if (KeyDown(VK_CONTROL) || KeyDown(VK_MENU)) return false;
      switch (msg.wParam) {
        case VK_TAB:
          if (DialogCode(::GetFocus()) & DLGC_WANTTAB) return false;
          return Route(KeyDown(VK_SHIFT) ? ui::NavigationKey::ShiftTab : ui::NavigationKey::Tab,
                       false);
        case VK_RETURN:
          return Route(ui::NavigationKey::Enter, Repeated(msg));
        case VK_ESCAPE: {
          // An open drop-down list closes first, as in any dialog.
          const Stop* focused = Focused();
          if (focused && focused->kind == ui::ControlKind::ComboBox &&
              ::SendMessageW(focused->hwnd, CB_GETDROPPEDSTATE, 0, 0))
            return false;
          return Route(ui::NavigationKey::Escape, Repeated(msg));
        }
        case VK_LEFT:
        case VK_UP:
          return Arrow(true);
        case VK_RIGHT:
        case VK_DOWN:
          return Arrow(false);
        default:
          return false;
      }
    case WM_SYSCHAR:
      return AccessKey(static_cast<wchar_t>(msg.wParam));
    case WM_CHAR:
      // Plain letters are access keys only where they would not be typed.
      if (msg.wParam < L' ' || (DialogCode(::GetFocus()) & DLGC_WANTCHARS)) return false;
      return AccessKey(static_cast<wchar_t>(msg.wParam));
    default:
      return false;
  }
}

const KeyboardNavigator::Stop* KeyboardNavigator::Find(int id) const {
  for (const Stop& stop : order_)
    if (stop.id == id) return &stop;
  return nullptr;
}

// The control holding the focus, or holding the edit field that does.
const KeyboardNavigator::Stop* KeyboardNavigator::Focused() const {
  for (HWND focus = ::GetFocus(); focus && focus != form_; focus = ::GetParent(focus))
    for (const Stop& stop : order_)
      if (stop.hwnd == focus) return &stop;
  return nullptr;
}

ui::ControlsNow KeyboardNavigator::Now() const {
  return {.available =
              [this](int id) {
                const Stop* stop = Find(id);
                return stop && CanFocus(stop->hwnd);
              },
          .selected =
              [this](int id) {
                const Stop* stop = Find(id);
                return stop && ::SendMessageW(stop->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
              }};
}

HWND KeyboardNavigator::First() const {
  const ui::KeyAction first = ui::RouteKey(layout_, ui::kForm, ui::NavigationKey::Tab, Now());
  const Stop* stop = first.kind == ui::KeyAction::Kind::Focus ? Find(first.control) : nullptr;
  return stop ? stop->hwnd : nullptr;
}

// A held key acts once: its repeats are swallowed.
bool KeyboardNavigator::Route(ui::NavigationKey key, bool repeated) {
  const Stop* focused = Focused();
  const ui::KeyAction action = ui::RouteKey(layout_, focused ? focused->id : ui::kForm, key, Now());
  const Stop* target = Find(action.control);
  if (action.kind == ui::KeyAction::Kind::None || !target) return false;
  if (repeated) return true;
  if (action.kind == ui::KeyAction::Kind::Focus) {
    ShowFocusCues(form_);
    FocusFromKeyboard(target->hwnd);
    return true;
  }
  // Reported as the control's own click, without pressing it: the focus stays
  // where it is.
  ::SendMessageW(form_, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(target->hwnd), BN_CLICKED),
                 reinterpret_cast<LPARAM>(target->hwnd));
  return true;
}

// Arrow keys walk round the option buttons of the focused option's
// container, selecting each one they reach.
bool KeyboardNavigator::Arrow(bool backwards) {
  const Stop* focused = Focused();
  if (!focused || focused->kind != ui::ControlKind::OptionButton) return false;
  ShowFocusCues(form_);
  const int count = static_cast<int>(order_.size());
  const int index = static_cast<int>(focused - order_.data());
  const int step = backwards ? count - 1 : 1;
  for (int next = (index + step) % count; next != index; next = (next + step) % count) {
    const Stop& candidate = order_[next];
    if (candidate.kind != ui::ControlKind::OptionButton ||
        candidate.container != focused->container || !CanFocus(candidate.hwnd))
      continue;
    ::SetFocus(candidate.hwnd);
    ::SendMessageW(candidate.hwnd, BM_CLICK, 0, 0);
    return true;
  }
  return true;  // a lone option keeps the focus
}

bool KeyboardNavigator::AccessKey(wchar_t key) {
  const wchar_t wanted = Upper(key);
  for (const Stop& stop : order_) {
    if (!CanFocus(stop.hwnd) || !IsButton(stop.hwnd)) continue;
    const wchar_t access = AccessKeyOf(stop.hwnd);
    if (!access || Upper(access) != wanted) continue;
    ShowFocusCues(form_);
    ::SetFocus(stop.hwnd);
    ::SendMessageW(stop.hwnd, BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

}  // namespace win32

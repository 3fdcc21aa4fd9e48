#include "win32/keyboard_navigation.h"

#include <string>

namespace win32 {

namespace {

bool KeyDown(int key) { return ::GetKeyState(key) < 0; }

bool CanFocus(HWND hwnd) { return ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd); }

bool IsTabStop(HWND hwnd) {
  return (::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_TABSTOP) && CanFocus(hwnd);
}

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

bool KeyboardNavigator::Handle(const MSG& msg) const {
  switch (msg.message) {
    case WM_KEYDOWN:
      if (KeyDown(VK_CONTROL) || KeyDown(VK_MENU)) return false;
      switch (msg.wParam) {
        case VK_TAB:
          return Tab(KeyDown(VK_SHIFT));
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

HWND KeyboardNavigator::First() const {
  for (const Stop& stop : order_)
    if (IsTabStop(stop.hwnd)) return stop.hwnd;
  return nullptr;
}

// The control holding the focus (or holding the edit field that does), as an
// index into the tab order; -1 when none of them has it.
int KeyboardNavigator::IndexOfFocus() const {
  for (HWND focus = ::GetFocus(); focus && focus != form_; focus = ::GetParent(focus)) {
    for (std::size_t i = 0; i < order_.size(); ++i)
      if (order_[i].hwnd == focus) return static_cast<int>(i);
  }
  return -1;
}

bool KeyboardNavigator::Tab(bool backwards) const {
  if (DialogCode(::GetFocus()) & DLGC_WANTTAB) return false;
  const int count = static_cast<int>(order_.size());
  const int step = backwards ? count - 1 : 1;
  int index = IndexOfFocus();
  if (index < 0) index = backwards ? 0 : count - 1;
  for (int tried = 0; tried < count; ++tried) {
    index = (index + step) % count;
    if (IsTabStop(order_[index].hwnd)) {
      FocusFromKeyboard(order_[index].hwnd);
      return true;
    }
  }
  return false;
}

// Arrow keys walk round the option buttons of the focused option's
// container, selecting each one they reach.
bool KeyboardNavigator::Arrow(bool backwards) const {
  const int index = IndexOfFocus();
  if (index < 0 || !order_[index].option) return false;
  const int count = static_cast<int>(order_.size());
  const int step = backwards ? count - 1 : 1;
  for (int next = (index + step) % count; next != index; next = (next + step) % count) {
    const Stop& candidate = order_[next];
    if (!candidate.option || candidate.container != order_[index].container ||
        !CanFocus(candidate.hwnd))
      continue;
    ::SetFocus(candidate.hwnd);
    ::SendMessageW(candidate.hwnd, BM_CLICK, 0, 0);
    return true;
  }
  return true;  // a lone option keeps the focus
}

bool KeyboardNavigator::AccessKey(wchar_t key) const {
  const wchar_t wanted = Upper(key);
  for (const Stop& stop : order_) {
    if (!CanFocus(stop.hwnd) || !IsButton(stop.hwnd)) continue;
    const wchar_t access = AccessKeyOf(stop.hwnd);
    if (!access || Upper(access) != wanted) continue;
    ::SetFocus(stop.hwnd);
    ::SendMessageW(stop.hwnd, BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

}  // namespace win32

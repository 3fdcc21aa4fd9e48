// Dialog-style keyboard use of a window: Tab and Shift+Tab move through the
// tab order, arrow keys among the option buttons of one container, and access
// keys ("&Test Sound") press their control.
//
// The system's dialog manager (IsDialogMessage) does not fit these windows:
// it takes the tab order from the z-order, which here follows creation order
// as overlapping controls require; it puts edit controls into dialog mode, in
// which Escape in a multi-line edit closes the window (and closing a note
// discards it); and it reports Enter and Escape as IDOK and IDCANCEL commands.
#pragma once

#include <windows.h>

#include <vector>

namespace win32 {

class KeyboardNavigator {
 public:
  struct Stop {
    HWND hwnd;
    bool option;    // an option button
    int container;  // the frame that holds it, 0 for the window
  };

  // `order`: the window's native controls in tab order.
  KeyboardNavigator(HWND form, std::vector<Stop> order) : form_(form), order_(std::move(order)) {}

  // True when `msg` was a navigation key and has been acted on; it must
  // then not be dispatched.
  bool Handle(const MSG& msg) const;
  // The first control in the tab order that can take the focus.
  HWND First() const;

 private:
  int IndexOfFocus() const;
  bool Tab(bool backwards) const;
  bool Arrow(bool backwards) const;
  bool AccessKey(wchar_t key) const;

  HWND form_;
  std::vector<Stop> order_;
};

}  // namespace win32

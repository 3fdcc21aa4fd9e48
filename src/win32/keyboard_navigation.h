// Dialog-style keyboard use of a window: Tab, Shift+Tab, Enter and Escape as
// ui::RouteKey has them, arrow keys among the option buttons of one
// container, and access keys ("&Test Sound") that press their control.
//
// The system's dialog manager (IsDialogMessage) does not fit these windows:
// it takes the tab order from the z-order, which here follows creation order
// as overlapping controls require; it puts edit controls into dialog mode, in
// which Escape in a multi-line edit closes the window (and closing a note
// discards it); and it reports Enter and Escape as IDOK and IDCANCEL commands.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/keyboard_route.h"
#include "ui/layout.h"

namespace win32 {

class KeyboardNavigator {
 public:
  struct Stop {
    int id;
    HWND hwnd;
    ui::ControlKind kind;
    int container;  // the frame that holds it, 0 for the window
  };

  // `order`: the window's native controls in ui::KeyboardOrder.
  KeyboardNavigator(HWND form, const ui::WindowLayout& layout, std::vector<Stop> order);

  // True when `msg` was a navigation key and has been acted on; it must
  // then not be dispatched.
  bool Handle(const MSG& msg);
  // Where the focus goes when the window is activated and no control of it
  // had the focus before; nullptr for none.
  HWND First() const;

 private:
  const Stop* Find(int id) const;
  const Stop* Focused() const;
  ui::ControlsNow Now() const;
  bool Route(ui::NavigationKey key, bool repeated);
  bool Arrow(bool backwards);
  bool AccessKey(wchar_t key);

  HWND form_;
  const ui::WindowLayout& layout_;
  std::vector<Stop> order_;
};

}  // namespace win32

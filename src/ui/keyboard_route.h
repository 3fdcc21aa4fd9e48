// The keys that every window answers, as any Windows dialog answers them:
// Tab and Shift+Tab move the focus through the tab order, Enter presses the
// focused button or link, Escape clicks the window's cancel control. One set
// of rules for the Win32 toolkit and for the tests' fake.
#pragma once

#include <functional>
#include <vector>

#include "ui/layout.h"
#include "ui/window.h"

namespace ui {

enum class NavigationKey { Tab, ShiftTab, Enter, Escape };

struct KeyAction {
  enum class Kind { None, Focus, Click };
  Kind kind = Kind::None;
  int control = kForm;
  bool operator==(const KeyAction&) const = default;
};

// The kinds of control that can hold the keyboard focus.
bool TakesFocus(ControlKind kind);

// The controls that can hold the focus, in keyboard order: by tab index, then
// by creation. Those outside the tab order (tab index -1) follow, in creation
// order: the keyboard reaches them only by access keys or arrows.
std::vector<int> KeyboardOrder(const WindowLayout& layout);

// The state of the window's controls that the keys depend on.
struct ControlsNow {
  std::function<bool(int id)> available;  // shown and enabled
  std::function<bool(int id)> selected;   // an option button that is selected
};

// What `key` does in a window built from `layout` while `focused` has the
// focus (kForm: none of its controls has it).
KeyAction RouteKey(const WindowLayout& layout, int focused, NavigationKey key,
                   const ControlsNow& now);

// The message loop that a key arrives in: the program's own, or one that
// the system runs while a call of the program waits (a message box, a popup
// menu, a window being dragged, ...).
enum class MessageLoop { Main, ModalBox, Menu, Drag, Other };

// Whether the windows' keys above are routed in `loop`. A message box lets
// the program's other windows be used while it is open, and their keys work
// there as anywhere; a menu or a drag owns the keyboard while it lasts
// (Escape closes the menu or cancels the drag, arrows move it).
bool WindowsTakeKeys(MessageLoop loop);

}  // namespace ui

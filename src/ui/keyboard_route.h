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

}  // namespace ui

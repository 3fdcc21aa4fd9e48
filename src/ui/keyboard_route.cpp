#include "ui/keyboard_route.h"

#include <algorithm>
#include <climits>

namespace ui {

namespace {

const ControlLayout* Find(const WindowLayout& layout, int id) {
  for (const ControlLayout& c : layout.controls)
    if (c.id == id) return &c;
  return nullptr;
}

bool InTabOrder(const ControlLayout& c) { return TakesFocus(c.kind) && c.tabIndex >= 0; }

// The option buttons of one container are one stop, as a group of radio
// buttons is in any dialog: the selected one, or the first one in keyboard
// order while none of them is selected.
bool IsOptionStop(const WindowLayout& layout, const std::vector<int>& order,
                  const ControlLayout& option, const ControlsNow& now) {
  const auto member = [&](int id) {
    const ControlLayout* c = Find(layout, id);
    return c && c->kind == ControlKind::OptionButton && c->parent == option.parent &&
           InTabOrder(*c) && now.available(id);
  };
  if (now.selected(option.id)) return true;
  for (int id : order)
    if (member(id) && now.selected(id)) return false;
  const auto first = std::find_if(order.begin(), order.end(), member);
  return first != order.end() && *first == option.id;
}

bool IsStop(const WindowLayout& layout, const std::vector<int>& order, const ControlLayout& c,
            const ControlsNow& now) {
  if (!InTabOrder(c) || !now.available(c.id)) return false;
  return c.kind != ControlKind::OptionButton || IsOptionStop(layout, order, c, now);
}

KeyAction NextStop(const WindowLayout& layout, int focused, bool backwards,
                   const ControlsNow& now) {
  const std::vector<int> order = KeyboardOrder(layout);
  const int count = static_cast<int>(order.size());
  const auto at = std::find(order.begin(), order.end(), focused);
  int index = at != order.end() ? static_cast<int>(at - order.begin()) : backwards ? count : -1;
  for (int tried = 0; tried < count; ++tried) {
    index = backwards ? (index + count - 1) % count : (index + 1) % count;
    if (IsStop(layout, order, *Find(layout, order[index]), now))
      return {KeyAction::Kind::Focus, order[index]};
  }
  return {};
}

}  // namespace

bool TakesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::Link:
    case ControlKind::PictureButton:
      return true;
    default:
      return false;
  }
}

std::vector<int> KeyboardOrder(const WindowLayout& layout) {
  std::vector<const ControlLayout*> order;
  for (const ControlLayout& c : layout.controls)
    if (TakesFocus(c.kind)) order.push_back(&c);
  std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
    const int ta = a->tabIndex < 0 ? INT_MAX : a->tabIndex;
    const int tb = b->tabIndex < 0 ? INT_MAX : b->tabIndex;
    return ta < tb;
  });
  std::vector<int> ids;
  for (const ControlLayout* c : order) ids.push_back(c->id);
  return ids;
}

KeyAction RouteKey(const WindowLayout& layout, int focused, NavigationKey key,
                   const ControlsNow& now) {
  switch (key) {
    case NavigationKey::Tab:
    case NavigationKey::ShiftTab:
      return NextStop(layout, focused, key == NavigationKey::ShiftTab, now);
    case NavigationKey::Enter: {
      // Enter in a box or on a check box presses no default button: these
      // windows have none.
      const ControlLayout* c = Find(layout, focused);
      if (c && (c->kind == ControlKind::CommandButton || c->kind == ControlKind::Link) &&
          now.available(c->id))
        return {KeyAction::Kind::Click, c->id};
      return {};
    }
    case NavigationKey::Escape:
      for (const ControlLayout& c : layout.controls)
        if ((c.flags & kCancel) && now.available(c.id)) return {KeyAction::Kind::Click, c.id};
      return {};
  }
  return {};
}

bool WindowsTakeKeys(MessageLoop loop) {
  return loop == MessageLoop::Main || loop == MessageLoop::ModalBox;
}

}  // namespace ui

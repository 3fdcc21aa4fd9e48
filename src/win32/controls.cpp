#include "win32/controls.h"

#include <stdexcept>
#include <string>

namespace win32 {

bool IsWindowless(ui::ControlKind kind) {
  return kind == ui::ControlKind::Label || kind == ui::ControlKind::Picture ||
         kind == ui::ControlKind::Timer;
}

bool IsOwnerDrawn(ui::ControlKind kind) {
  return kind == ui::ControlKind::Link || kind == ui::ControlKind::PictureButton;
}

HWND ComboEditOf(const Control& control) {
  if (control.Kind() != ui::ControlKind::ComboBox || !control.hwnd) return nullptr;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return ::GetComboBoxInfo(control.hwnd, &info) ? info.hwndItem : nullptr;
}

bool Control::Windowless() const { return IsWindowless(Kind()); }

void ControlSet::Add(Control control) {
  index_[control.layout->id] = controls_.size();
  controls_.push_back(std::move(control));
}

Control& ControlSet::At(int id) {
  auto it = index_.find(id);
  if (it == index_.end()) throw std::out_of_range("no control " + std::to_string(id));
  return controls_[it->second];
}

const Control& ControlSet::At(int id) const { return const_cast<ControlSet*>(this)->At(id); }

const Control* ControlSet::Find(int id) const {
  auto it = index_.find(id);
  return it == index_.end() ? nullptr : &controls_[it->second];
}

Control* ControlSet::Find(HWND hwnd) {
  for (HWND candidate = hwnd; candidate; candidate = ::GetParent(candidate)) {
    for (Control& control : controls_)
      if (control.hwnd && control.hwnd == candidate) return &control;
    if (!(::GetWindowLongPtrW(candidate, GWL_STYLE) & WS_CHILD)) break;
  }
  return nullptr;
}

int ControlSet::HitTest(POINT point) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    const ui::ControlKind kind = it->Kind();
    if (kind != ui::ControlKind::Label && kind != ui::ControlKind::Picture) continue;
    if (it->enabled && ::PtInRect(&it->rect, point)) return it->layout->id;
  }
  return ui::kForm;
}

void ControlSet::ForgetWindows() {
  for (Control& control : controls_) control.hwnd = nullptr;
}

}  // namespace win32

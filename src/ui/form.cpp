#include "ui/form.h"

#include "ui/inert_window.h"

namespace ui {

Window& Form::EnsureLoaded() {
  if (!IsLoaded()) {
    retired_ = std::move(window_);
    window_ = toolkit_.CreateFormWindow(layout_, *this);
    Load();
  }
  return *window_;
}

Window& Form::Win() const { return window_ ? *window_ : InertWindow::Instance(); }

}  // namespace ui

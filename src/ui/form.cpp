#include "ui/form.h"

#include "ui/inert_window.h"

namespace ui {

Window& Form::EnsureLoaded() {
  // An ending program brings nothing back: a late handler gets a window that
  // does nothing, and no load handler runs.
  if (!IsLoaded() && toolkit_.Ending()) return InertWindow::Instance();
  if (!IsLoaded()) {
    retired_ = std::move(window_);
    window_ = toolkit_.CreateFormWindow(layout_, *this);
    Load();
  }
  return *window_;
}

Window& Form::Win() const { return window_ ? *window_ : InertWindow::Instance(); }

}  // namespace ui

#include "ui/form.h"

namespace ui {

Window& Form::Win() {
  if (!IsLoaded()) {
    retired_ = std::move(window_);
    window_ = toolkit_.CreateFormWindow(layout_, *this);
    Load();
  }
  return *window_;
}

}  // namespace ui

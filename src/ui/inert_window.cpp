#include "ui/inert_window.h"

namespace ui {

InertWindow& InertWindow::Instance() {
  static InertWindow instance;
  return instance;
}

}  // namespace ui

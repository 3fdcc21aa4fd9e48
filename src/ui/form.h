// Base of every form: owns the form's window and loads it on first access,
// the way the windows of this program come to life.
#pragma once

#include <memory>

#include "ui/layout.h"
#include "ui/toolkit.h"
#include "ui/window.h"

namespace ui {

class Form : public FormEvents {
 public:
  Form(Toolkit& toolkit, const WindowLayout& layout) : toolkit_(toolkit), layout_(layout) {}
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  bool IsLoaded() const { return window_ && window_->Loaded(); }

  // The form's window. The first access after creation or after an unload
  // creates the window afresh from the layout and runs the load handler.
  Window& Win();

  // Handle of the window; like every access, it loads the window first.
  Handle Hwnd() { return Win().Hwnd(); }

 protected:
  Toolkit& toolkit_;

 private:
  const WindowLayout& layout_;
  std::unique_ptr<Window> window_;
  // The unloaded window is kept until the next load replaces it, because the
  // unload may have been requested from inside one of its own events.
  std::unique_ptr<Window> retired_;
};

}  // namespace ui

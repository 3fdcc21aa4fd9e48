// Base of every form: owns the form's window. The window comes to life only
// through EnsureLoaded(); every other accessor leaves it as it is.
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

  // Loads the window unless it is loaded: creates it afresh from the layout
  // and runs the load handler. Returns the loaded window; while the program
  // is ending, a window that does nothing instead.
  Window& EnsureLoaded();

  // The window as it is, loaded or not; never loads it. Before the first load
  // it is a window that does nothing.
  Window& Win() const;

  // Handle of the loaded window; 0 when it is not loaded.
  Handle Hwnd() const { return IsLoaded() ? window_->Hwnd() : 0; }

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

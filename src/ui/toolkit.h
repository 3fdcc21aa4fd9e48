// The window toolkit: builds windows from layouts and offers the few
// application-wide services the forms need.
#pragma once

#include <memory>
#include <string>

#include "ui/layout.h"
#include "ui/window.h"

namespace ui {

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Creates the native window and its controls, hidden. Load is not run
  // here: the form runs it once it holds the window, so that its load handler
  // can use the window. No event reaches `events` before this returns. The
  // events object must outlive the window.
  virtual std::unique_ptr<Window> CreateFormWindow(const WindowLayout& layout,
                                                   FormEvents& events) = 0;

  // Modal message box with one OK button; returns when it is dismissed.
  virtual int MsgBox(const std::string& text, int flags, const std::string& title) = 0;

  virtual double ScreenWidthTwips() const = 0;
  virtual double ScreenHeightTwips() const = 0;
  virtual double TwipsPerPixelX() const = 0;
  virtual double TwipsPerPixelY() const = 0;

  virtual TimeOfDay Now() const = 0;

  // Ends the program at once: no window runs its close handling.
  virtual void EndProgram() = 0;
};

}  // namespace ui

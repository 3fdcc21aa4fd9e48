// The window toolkit: builds windows from layouts and offers the few
// application-wide services the forms need. It also keeps the program's end:
// once the program is ending, no window loads again and no message box
// waits for the user.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/layout.h"
#include "ui/monitors.h"
#include "ui/window.h"

namespace ui {

// Message boxes: one OK button, with the error or the information icon.
inline constexpr int kMsgBoxError = 16;
inline constexpr int kMsgBoxInformation = 64;
inline constexpr char kErrorTitle[] = "Error";

// The window system could not create a window (it ran out of window or GDI
// handles, for instance). Nothing of the window is left behind.
class WindowCreationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Creates the native window and its controls, hidden. Load is not run
  // here: the form runs it once it holds the window, so that its load handler
  // can use the window. No event reaches `events` before this returns. The
  // events object must outlive the window. Throws WindowCreationError.
  virtual std::unique_ptr<Window> CreateFormWindow(const WindowLayout& layout,
                                                   FormEvents& events) = 0;

  // Modal message box with one OK button; returns when it is dismissed, or
  // at once with 0 while the program is ending.
  int MsgBox(const std::string& text, int flags, const std::string& title);

  virtual double ScreenWidthTwips() const = 0;
  virtual double ScreenHeightTwips() const = 0;
  virtual double TwipsPerPixelX() const = 0;
  virtual double TwipsPerPixelY() const = 0;

  // The desktop's monitors as they are now.
  virtual const Monitors& Displays() const = 0;

  // Milliseconds since the user last pressed a key or moved the mouse,
  // anywhere on the desktop.
  virtual std::uint32_t MillisecondsSinceInput() const = 0;
  // The top-level window that has the keyboard (the foreground window), or
  // 0 when none has it.
  virtual Handle KeyboardWindow() const = 0;

  // The program is on its way out: from now on no window loads.
  void BeginEnding() { ending_ = true; }
  bool Ending() const { return ending_; }

  // Ends the program at once: no window runs its close handling.
  void EndProgram();

  // Run when the user's session really ends (log-off, shutdown, restart, or
  // Restart Manager closing the program); the program then ends.
  void OnSessionEnd(std::function<void()> unloadWindows) {
    unloadWindows_ = std::move(unloadWindows);
  }
  // The window system reports that the session ends. Only the first report
  // counts.
  void EndSession();

  // Run last, just before the program ends, however it ends.
  void OnProgramEnd(std::function<void()> lastWords) { lastWords_ = std::move(lastWords); }

  // Run when the monitors or their work areas may have changed: displays
  // were added, removed or resized, a taskbar moved, or the computer woke up
  // to other monitors than it slept with.
  void OnDesktopChange(std::function<void()> arrangeWindows) {
    arrangeWindows_ = std::move(arrangeWindows);
  }
  // A window heard that the displays or the work areas changed. Every window
  // of the program hears it, often several messages in a row: the windows
  // are arranged once, after the burst.
  void DesktopChanged();
  // The computer is going to sleep; it woke up (a wake-up may be told twice,
  // and by every window). Waking to the monitors it slept with changes
  // nothing: docked monitors are often not back yet when it is told.
  void Suspending();
  void Resuming();

 protected:
  virtual int ShowMessageBox(const std::string& text, int flags, const std::string& title) = 0;
  virtual void Terminate() = 0;
  // Has RunDesktopPass called once, soon, from the message loop.
  virtual void ScheduleDesktopPass() = 0;
  void RunDesktopPass();

 private:
  void SayLastWords();

  bool ending_ = false;
  std::function<void()> unloadWindows_;
  std::function<void()> lastWords_;
  std::function<void()> arrangeWindows_;
  bool passScheduled_ = false;
  std::optional<std::vector<Monitor>> monitorsBeforeSleep_;
};

}  // namespace ui

#include "ui/toolkit.h"

namespace ui {

int Toolkit::MsgBox(const std::string& text, int flags, const std::string& title) {
  if (ending_) return 0;
  return ShowMessageBox(text, flags, title);
}

void Toolkit::EndProgram() {
  ending_ = true;
  SayLastWords();
  Terminate();
}

void Toolkit::EndSession() {
  if (ending_) return;
  ending_ = true;
  if (unloadWindows_) unloadWindows_();
  SayLastWords();
  Terminate();
}

void Toolkit::SayLastWords() {
  if (lastWords_) lastWords_();
}

void Toolkit::DesktopChanged() {
  if (passScheduled_) return;
  passScheduled_ = true;
  ScheduleDesktopPass();
}

// Only the first report of the sleep counts: every window hears it.
void Toolkit::Suspending() {
  if (!monitorsBeforeSleep_) monitorsBeforeSleep_ = Displays().All();
}

// The first report of the wake-up compares; the others find nothing to
// compare with.
void Toolkit::Resuming() {
  if (!monitorsBeforeSleep_) return;
  const bool changed = Displays().All() != *monitorsBeforeSleep_;
  monitorsBeforeSleep_.reset();
  if (changed) DesktopChanged();
}

// An ending program moves nothing: its windows are going.
void Toolkit::RunDesktopPass() {
  passScheduled_ = false;
  if (!ending_ && arrangeWindows_) arrangeWindows_();
}

}  // namespace ui

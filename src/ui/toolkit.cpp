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

// An ending program moves nothing: its windows are going.
void Toolkit::DesktopChanged() {
  if (!ending_ && arrangeWindows_) arrangeWindows_();
}

}  // namespace ui

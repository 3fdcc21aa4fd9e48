// A started program on the recording fakes, with the moves the shell and the
// user make: tray callbacks, clicks, popup choices, closing notes.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "app/program.h"
#include "fake/fake_clock.h"
#include "fake/fake_platform.h"
#include "fake/fake_toolkit.h"
#include "notes/form2.h"
#include "notes/note_pool.h"
#include "shell/form1.h"

namespace testing_support {

class RunningProgram : public ::testing::Test {
 protected:
  RunningProgram() { program_.Start(); }

  fake::FakeWindow& Form1Window() {
    fake::FakeWindow* window = toolkit_.Find("Form1");
    if (!window) throw std::logic_error("Form1 has no window");
    return *window;
  }
  int Form1Id(const std::string& name) { return Form1Window().IdOf(name); }

  // The shell's callback for mouse message `message`, as the toolkit delivers
  // it: a mouse move whose x is the message number in the window's unit.
  void Tray(double message) {
    fake::FakeWindow& form1 = Form1Window();
    const double x = form1.ScaleMode() == 3 ? message : message * toolkit_.twipsPerPixel;
    form1.Events().MouseMove(ui::kForm, 0, 0, x, 0);
  }
  // Right click on the tray icon, then `item` chosen from the popup.
  void ChooseFromPopup(const std::string& item) {
    toolkit_.nextPopupChoice = Form1Id(item);
    Tray(0x0205);
  }
  void ClickOnForm1(const std::string& control) { Form1Window().Events().Click(Form1Id(control)); }
  void NewNote() { ClickOnForm1("cmdMakeANewWindow"); }

  notes::NotePool& Pool() { return program_.Notes(); }
  // The window of the note in `slot`.
  fake::FakeWindow& NoteWindow(int slot) {
    const std::shared_ptr<notes::Form2> note = Pool().Notes(slot);
    if (!note) throw std::logic_error("slot " + std::to_string(slot) + " is empty");
    for (fake::FakeWindow* window : toolkit_.All("Form2"))
      if (window->Hwnd() == note->Hwnd()) return *window;
    throw std::logic_error("note without a window");
  }
  // The window system asks the note to close.
  void CloseNote(int slot, int mode = ui::kFormControlMenu) { NoteWindow(slot).Close(mode); }

  fake::FakeToolkit toolkit_;
  fake::FakePlatform platform_;
  fake::FakeClock clock_;
  Program program_{toolkit_, platform_, clock_, "https://www.paperwisp.example"};
};

}  // namespace testing_support

// The new-note command: a note in the lowest free slot, cascaded from three
// quarters of the screen width by its slot number.
#include <cstdint>
#include <memory>

#include "notes/form2.h"
#include "notes/note_pool.h"
#include "notes/topmost.h"
#include "shell/form1.h"

namespace shell {

namespace {

// Wide integers throughout: in 16 bits, slot * 1000 would overflow from slot
// 33 on; this way the cascade simply carries on.
double NoteTop(int slot) { return static_cast<double>(std::int32_t{slot} * 1000 + 300); }

// Floating point, handed over in single precision without rounding.
float NoteLeft(double screenWidthTwips, int slot) {
  return static_cast<float>(screenWidthTwips * 3 / 4 + std::int32_t{slot} * 300);
}

}  // namespace

// A desktop out of window handles costs the user the new note only: the open
// notes stay, and once some are closed new ones work again.
void Form1::cmdMakeANewWindow_Click() {
  int slot = 0;
  try {
    slot = pool_.AllocateNoteSlot();
  } catch (const ui::WindowCreationError&) {
    toolkit_.MsgBox("No more notes can be opened. Close some notes and try again.",
                    ui::kMsgBoxError, ui::kErrorTitle);
    return;
  }
  const std::shared_ptr<notes::Form2> note = pool_.Notes(slot);
  ui::Window& window = note->Win();
  window.SetText(notes::Form2::kText1, "");
  window.Show();
  window.SetTop(NoteTop(slot));
  window.SetLeft(NoteLeft(toolkit_.ScreenWidthTwips(), slot));
  ApplyCheckedStyle(*note);
  notes::KeepFormOnTop(platform_, *note);
}

}  // namespace shell

// The new-note command: a note in the lowest free slot, cascaded from three
// quarters of the screen width by its slot number, within the work area.
#include <memory>

#include "notes/form2.h"
#include "notes/note_pool.h"
#include "notes/topmost.h"
#include "shell/form1.h"
#include "ui/placement.h"

namespace shell {

namespace {

// The cascade's first column is laid out in twips: the first note 300 twips
// from the top at three quarters of the screen width, each next one 1000
// twips down and 300 to the right. This is the one place they become pixels:
// those of the monitor the note opens on, whose scale the user may have
// changed since the program started.
ui::CascadeColumn FirstColumn(double screenWidthTwips, double twipsPerPixelX, ui::Dpi noteDpi) {
  const double perPixel = noteDpi.TwipsPerPixel();
  return ui::CascadeColumn{screenWidthTwips * 3 / 4 / twipsPerPixelX, 300 / perPixel,
                           300 / perPixel, 1000 / perPixel};
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
  PlaceNewNote(window, slot);
  ApplyCheckedStyle(*note);
  notes::KeepFormOnTop(platform_, *note);
  // What the user types next goes into the new note. The focus is set once
  // the note is shown: a hidden window cannot give it to a text box.
  platform_.SetForegroundWindow(note->Hwnd());
  window.SetFocus(notes::Form2::kText1);
}

// Notes open on the primary monitor, whose width the cascade is measured
// by, and never outside its work area. The note takes its size at that
// monitor's DPI before its place is found.
void Form1::PlaceNewNote(ui::Window& note, int slot) {
  const ui::Monitor primary = toolkit_.Displays().Primary();
  const ui::Dpi dpi(primary.dpi);
  const ui::PixelRect sized = note.BoundsAt(dpi);
  const ui::PixelPoint at = ui::CascadePosition(
      slot, FirstColumn(toolkit_.ScreenWidthTwips(), toolkit_.TwipsPerPixelX(), dpi),
      ui::PixelSize{sized.Width(), sized.Height()}, primary.workArea);
  note.MoveOnto(at.x, at.y, dpi);
}

}  // namespace shell

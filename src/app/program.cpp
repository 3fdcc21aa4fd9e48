#include "app/program.h"

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "notes/form2.h"
#include "ui/within_reach.h"

Program::Program(ui::Toolkit& toolkit, ui::Platform& platform, ui::Clock& clock,
                 std::string siteAddress)
    : toolkit_(toolkit),
      site_(platform, std::move(siteAddress)),
      sound_(platform),
      notes_(toolkit, platform),
      form1_(toolkit, platform, notes_, *this, site_),
      form3_(toolkit, platform, clock, sound_, form4_, form1_, *this),
      form4_(toolkit, sound_, form3_, form1_),
      form5_(toolkit, platform, site_) {
  toolkit_.OnSessionEnd([this] { UnloadForSessionEnd(); });
  toolkit_.OnDesktopChange([this] { BringWindowsWithinReach(); });
  // However the program ends, no sound of it plays on: the alarm's loop may
  // belong to no window by then.
  toolkit_.OnProgramEnd([this] {
    if (sound_.LoopPlaying()) sound_.StopSound();
  });
}

Program::~Program() {
  toolkit_.OnProgramEnd(nullptr);
  toolkit_.OnDesktopChange(nullptr);
  toolkit_.OnSessionEnd(nullptr);
}

// Each window closes as Windows' shutdown asks it to, so its close rules run.
// The alert goes before the dialog it reads, and the controller last: the
// alert still writes to its menu as it closes, and the controller's unload
// removes the tray icon.
void Program::UnloadForSessionEnd() {
  for (int slot = 0; slot <= notes_.NoteUpper(); ++slot) {
    const std::shared_ptr<notes::Form2> note = notes_.Notes(slot);
    if (note && note->IsLoaded()) note->Win().Close(ui::kAppWindows);
  }
  for (ui::Form* form : std::initializer_list<ui::Form*>{&form4_, &form3_, &form5_, &form1_})
    if (form->IsLoaded()) form->Win().Close(ui::kAppWindows);
}

// Nothing is saved, so a note left where no screen shows it would be lost:
// every window, hidden or not, comes back within reach. Hidden ones too,
// because the alarm dialog shows again where it was hidden. The monitors are
// asked once for the whole pass.
void Program::BringWindowsWithinReach() {
  const ui::Monitors& monitors = toolkit_.Displays();
  const std::vector<ui::Monitor> all = monitors.All();
  for (int slot = 0; slot <= notes_.NoteUpper(); ++slot) {
    const std::shared_ptr<notes::Form2> note = notes_.Notes(slot);
    if (note) ui::BringWithinReach(note->Win(), all, monitors);
  }
  for (ui::Form* form : std::initializer_list<ui::Form*>{&form1_, &form3_, &form4_, &form5_})
    ui::BringWithinReach(form->Win(), all, monitors);
}

void Program::Start() { form1_.EnsureLoaded(); }

alarms::KeyboardUse Program::CurrentKeyboardUse() {
  return {NoteHasKeyboard(), toolkit_.MillisecondsSinceInput()};
}

bool Program::NoteHasKeyboard() const {
  const ui::Handle keyboard = toolkit_.KeyboardWindow();
  if (keyboard == 0) return false;
  for (int slot = 0; slot <= notes_.NoteUpper(); ++slot) {
    const std::shared_ptr<notes::Form2> note = notes_.Notes(slot);
    if (note && note->IsLoaded() && note->Hwnd() == keyboard) return true;
  }
  return false;
}

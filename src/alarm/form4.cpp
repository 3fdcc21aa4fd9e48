#include "alarm/form4.h"

#include "alarm/form3.h"
#include "alarm/form4_layout.h"
#include "alarm/module7.h"
#include "resource_ids.h"
#include "shell/form1.h"

namespace alarms {

namespace {
constexpr int kSoundOn = 1;
}

Form4::Form4(Program& program) : ui::Form(program.Toolkit(), Form4Layout()), program_(program) {}

void Form4::Load() { Form_Load(); }

void Form4::QueryUnload(int& cancel, int unloadMode) { Form_QueryUnload(cancel, unloadMode); }

void Form4::Click(int id) {
  if (id == kImage2) Image2_Click();
}

// Runs before the window is first shown, so the sound starts with the alert.
void Form4::Form_Load() {
  startedLoop_ = program_.Form3().Check1Value() == kSoundOn;
  if (startedLoop_) program_.Sound().PlaySoundLoop(IDS_ALARM_SOUND);
}

// Every close of the alert ends up here, whoever asks for it; it never
// cancels.
void Form4::Form_QueryUnload(int&, int) {
  program_.Form1().SetAlarmMeCaption("Alarm Me (Stop)");
  if (program_.Form3().Check1Value() == kSoundOn || startedLoop_) program_.Sound().StopSound();
  startedLoop_ = false;
}

void Form4::Image2_Click() { Win().Unload(); }

}  // namespace alarms

#include "alarm/form4.h"

#include "alarm/form4_layout.h"
#include "alarm/module7.h"
#include "resource_ids.h"

namespace alarms {

Form4::Form4(ui::Toolkit& toolkit, Module7& sound, SoundSwitch& soundSwitch, AlarmDisplay& display)
    : ui::Form(toolkit, Form4Layout()),
      sound_(sound),
      soundSwitch_(soundSwitch),
      display_(display) {}

void Form4::Load() { Form_Load(); }

void Form4::QueryUnload(int& cancel, int unloadMode) { Form_QueryUnload(cancel, unloadMode); }

void Form4::Click(int id) {
  if (id == kImage2) Image2_Click();
}

// Runs before the window is first shown, so the sound starts with the alert.
// A loop that already plays is the alarm's, started when this window could
// not open: it goes on, and is this window's to stop now, whatever the
// switch says by then.
void Form4::Form_Load() {
  if (sound_.LoopPlaying()) {
    startedLoop_ = true;
    return;
  }
  startedLoop_ = soundSwitch_.SoundOn();
  if (startedLoop_) sound_.PlaySoundLoop(IDS_ALARM_SOUND);
}

// Every close of the alert ends up here, whoever asks for it; it never
// cancels.
void Form4::Form_QueryUnload(int&, int) {
  display_.AlertClosed();
  if (soundSwitch_.SoundOn() || startedLoop_) sound_.StopSound();
  startedLoop_ = false;
}

void Form4::Image2_Click() { Win().Unload(); }

}  // namespace alarms

// The alert window: a borderless, topmost picture that opens when the alarm
// fires, plays the sound in a loop while it is open if the dialog asks for
// it, and closes with its close picture.
#pragma once

#include "alarm/alarm_display.h"
#include "alarm/sound_switch.h"
#include "ui/form.h"

namespace alarms {

class Module7;

class Form4 : public ui::Form {
 public:
  // Control ids of the layout; the close picture comes last so that it is
  // drawn above the alert picture and takes the clicks on their overlap.
  enum : int {
    kImage1 = 1,
    kImage2,
  };

  Form4(ui::Toolkit& toolkit, Module7& sound, SoundSwitch& soundSwitch, AlarmDisplay& display);

  void Load() override;
  void QueryUnload(int& cancel, int unloadMode) override;
  void Click(int id) override;

 private:
  void Form_Load();
  void Form_QueryUnload(int& cancel, int unloadMode);
  void Image2_Click();

  Module7& sound_;
  SoundSwitch& soundSwitch_;
  AlarmDisplay& display_;
  // This window started the looping sound, which must not outlive it even
  // when "Play Sound when alarm" was unchecked in the meantime.
  bool startedLoop_ = false;
};

}  // namespace alarms

// The alarm dialog: sets the one alarm (after a number of minutes or at a
// time of day), deletes it, and chooses and tests its sound. Its two timers
// watch for the alarm moment; hiding the dialog keeps them running. The
// timers only say when to look: what is due comes from the clock, so that
// ticks missed during a sleep or a stall do not delay the alarm.
#pragma once

#include <cstdint>
#include <string>

#include "alarm/alarm_display.h"
#include "alarm/alarm_input.h"
#include "alarm/alert_activation.h"
#include "alarm/sound_switch.h"
#include "ui/clock.h"
#include "ui/form.h"
#include "ui/platform.h"

namespace alarms {

class Form4;
class Module7;

class Form3 : public ui::Form, public SoundSwitch {
 public:
  // Control ids of the layout, in creation order.
  enum : int {
    kFrame1 = 1,
    kOption1,
    kLabel1,
    kOption2,
    kCboHour,
    kLabel2,
    kTxtAlarmAfter,
    kCboMinute,
    kCmdSet,
    kCmdCancel,
    kCmdCancelAlarm,
    kCheck1,
    kCmdTestSound,
    kTimer1,
    kTimer2,
  };

  // `alert` is the window the alarm opens when it fires; `keyboard` tells
  // whether it may take the keyboard then.
  Form3(ui::Toolkit& toolkit, ui::Platform& platform, ui::Clock& clock, Module7& sound,
        Form4& alert, AlarmDisplay& display, KeyboardWatch& keyboard);

  // "Play Sound when alarm" is checked. Asking loads the dialog, as every
  // reading of its controls does.
  bool SoundOn() override;

  std::int32_t AlarmSeconds() const { return AlarmSeconds_; }
  // Whole seconds the countdown has run, as of its last tick.
  std::int32_t TicksElapsed() const { return TicksElapsed_; }
  const std::string& AlarmTimeText() const { return AlarmTimeText_; }

  void Load() override;
  void QueryUnload(int& cancel, int unloadMode) override;
  void Click(int id) override;
  void Timer(int id) override;
  void ClockChanged() override;
  void Resumed() override;

 private:
  void Form_Load();
  void Form_QueryUnload(int& cancel, int unloadMode);
  void Option1_Click();
  void Option2_Click();
  void Check1_Click();
  void cmdTestSound_Click();
  void cmdSet_Click();
  void cmdCancel_Click();
  void cmdCancelAlarm_Click();
  void Timer1_Timer();
  void Timer2_Timer();
  void FireAlarm();
  void AlertNotOpened();

  void ShowError(const char* text);

  ui::Platform& platform_;
  ui::Clock& clock_;
  Module7& sound_;
  Form4& alert_;
  AlarmDisplay& display_;
  KeyboardWatch& keyboard_;
  std::int32_t AlarmSeconds_ = 0;
  std::int32_t TicksElapsed_ = 0;
  std::string AlarmTimeText_;
  std::uint64_t countdownStart_ = 0;  // elapsed milliseconds at Set
  TimeOfDay alarmTime_;
  ui::Moment alarmMoment_ = 0;  // the next showing of alarmTime_
  int firings_ = 0;             // lets Set tell whether an alarm fired during its message box
  // The alarm fired but its alert could not be opened: every tick tries
  // again, with the sound already playing if the user chose it.
  bool alertPending_ = false;
};

}  // namespace alarms

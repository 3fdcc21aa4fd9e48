// The alarm dialog: sets the one alarm (after a number of minutes or at a
// time of day), deletes it, and chooses and tests its sound. Its two timers
// watch for the alarm moment; hiding the dialog keeps them running.
#pragma once

#include <cstdint>
#include <string>

#include "app/program.h"
#include "ui/form.h"

namespace alarms {

class Form3 : public ui::Form {
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

  explicit Form3(Program& program);

  // "Play Sound when alarm": 1 when the alert is to play the sound.
  int Check1Value() { return Win().Value(kCheck1); }

  std::int32_t AlarmSeconds() const { return AlarmSeconds_; }
  std::int32_t TicksElapsed() const { return TicksElapsed_; }
  const std::string& AlarmTimeText() const { return AlarmTimeText_; }

  void Load() override;
  void QueryUnload(int& cancel, int unloadMode) override;
  void Click(int id) override;
  void Timer(int id) override;

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

  void ShowError(const char* text);

  Program& program_;
  std::int32_t AlarmSeconds_ = 0;
  std::int32_t TicksElapsed_ = 0;
  std::string AlarmTimeText_;
  int firings_ = 0;  // lets Set tell whether an alarm fired during its message box
};

}  // namespace alarms

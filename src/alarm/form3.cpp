#include "alarm/form3.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "alarm/alarm_input.h"
#include "alarm/form3_layout.h"
#include "alarm/form4.h"
#include "alarm/module7.h"
#include "notes/topmost.h"
#include "resource_ids.h"

namespace alarms {

namespace {
constexpr int kHours = 24;
constexpr int kMinutes = 60;
constexpr int kChecked = 1;
}  // namespace

Form3::Form3(ui::Toolkit& toolkit, ui::Platform& platform, ui::Clock& clock, Module7& sound,
             Form4& alert, AlarmDisplay& display, KeyboardWatch& keyboard)
    : ui::Form(toolkit, Form3Layout()),
      platform_(platform),
      clock_(clock),
      sound_(sound),
      alert_(alert),
      display_(display),
      keyboard_(keyboard) {}

bool Form3::SoundOn() { return EnsureLoaded().Value(kCheck1) == kChecked; }

void Form3::Load() { Form_Load(); }

void Form3::QueryUnload(int& cancel, int unloadMode) { Form_QueryUnload(cancel, unloadMode); }

void Form3::Click(int id) {
  switch (id) {
    case kOption1:
      Option1_Click();
      break;
    case kOption2:
      Option2_Click();
      break;
    case kCheck1:
      Check1_Click();
      break;
    case kCmdTestSound:
      cmdTestSound_Click();
      break;
    case kCmdSet:
      cmdSet_Click();
      break;
    case kCmdCancel:
      cmdCancel_Click();
      break;
    case kCmdCancelAlarm:
      cmdCancelAlarm_Click();
      break;
    default:
      break;
  }
}

void Form3::Timer(int id) {
  if (id == kTimer1) Timer1_Timer();
  if (id == kTimer2) Timer2_Timer();
}

// The chosen hh:mm is a time of the wall clock, so its next showing is
// worked out again once the clock or the zone has changed. A moment that the
// clock was set forward past stays, and rings on the next tick as after a
// sleep; a clock set back over it leaves it ahead again, to ring when the
// clock shows it. A new zone moves no moment, so it makes none due.
void Form3::ClockChanged() {
  if (!Win().TimerEnabled(kTimer2) || clock_.Now() >= alarmMoment_) return;
  alarmMoment_ = clock_.NextLocalMoment(alarmTime_.hour, alarmTime_.minute);
}

// The timers tick again only a while after a wake-up, and catch up on
// nothing: an alarm that came due during the sleep rings now.
void Form3::Resumed() {
  if (Win().TimerEnabled(kTimer1)) Timer1_Timer();
  if (Win().TimerEnabled(kTimer2)) Timer2_Timer();
}

// The hour list carries no sign position ("0".."23"); the minute list keeps
// the blank where a sign would go (" 0".." 59").
void Form3::Form_Load() {
  ui::Window& win = Win();
  for (int hour = 0; hour < kHours; ++hour) win.AddItem(kCboHour, std::to_string(hour));
  for (int minute = 0; minute < kMinutes; ++minute)
    win.AddItem(kCboMinute, " " + std::to_string(minute));
}

// Closing from the title bar only hides the dialog, as Cancel does, so that a
// pending alarm does not die with its timers while the menu says it works.
void Form3::Form_QueryUnload(int& cancel, int unloadMode) {
  if (unloadMode != ui::kFormControlMenu) return;
  cancel = 1;
  cmdCancel_Click();
}

void Form3::Option1_Click() {
  ui::Window& win = Win();
  if (!win.Value(kOption1)) return;
  win.SetEnabled(kTxtAlarmAfter, true);
  win.SetEnabled(kCboHour, false);
  win.SetEnabled(kCboMinute, false);
  win.SetEnabled(kLabel1, true);
  win.SetEnabled(kLabel2, false);
  win.SetFocus(kTxtAlarmAfter);
}

void Form3::Option2_Click() {
  ui::Window& win = Win();
  if (!win.Value(kOption2)) return;
  win.SetEnabled(kTxtAlarmAfter, false);
  win.SetEnabled(kCboHour, true);
  win.SetEnabled(kCboMinute, true);
  win.SetEnabled(kLabel1, false);
  win.SetEnabled(kLabel2, true);
}

void Form3::Check1_Click() {
  ui::Window& win = Win();
  win.SetEnabled(kCmdTestSound, win.Value(kCheck1) != 0);
}

void Form3::cmdTestSound_Click() { sound_.PlaySoundOnce(IDS_ALARM_SOUND); }

// Everything is validated before anything changes, so a rejected Set leaves a
// running alarm exactly as it was.
void Form3::cmdSet_Click() {
  ui::Window& win = Win();
  const bool minutesMode = win.Value(kOption1) != 0;
  const bool timeMode = win.Value(kOption2) != 0;
  if (!minutesMode && !timeMode) return ShowError("Please choose an alarm mode");

  MinutesReading minutes;
  if (minutesMode) {
    minutes = ReadAlarmMinutes(win.Text(kTxtAlarmAfter));
    if (minutes.status == MinutesStatus::kInvalid)
      return ShowError("Please enter a valid minute unit");
    if (minutes.status == MinutesStatus::kZero) return ShowError("Can not equal 0!");
  }
  std::optional<TimeOfDay> time;
  if (timeMode) {
    time = ReadAlarmTime(win.Text(kCboHour), win.Text(kCboMinute));
    if (!time) return ShowError("Please choose time");
  }

  alertPending_ = false;
  TicksElapsed_ = 0;
  if (minutesMode) {
    AlarmSeconds_ = minutes.seconds;
    countdownStart_ = clock_.ElapsedMilliseconds();
    win.SetTimerEnabled(kTimer2, false);
    win.SetTimerEnabled(kTimer1, true);
  }
  if (timeMode) {
    alarmTime_ = *time;
    AlarmTimeText_ = FormatTimeOfDay(*time);
    alarmMoment_ = clock_.NextLocalMoment(time->hour, time->minute);
    win.SetTimerEnabled(kTimer2, true);
    win.SetTimerEnabled(kTimer1, false);
  }
  const int firingsBefore = firings_;
  toolkit_.MsgBox("Alarm set successfully!", ui::kMsgBoxInformation, "Activate Alarm");
  display_.AlarmArmed();
  win.Hide();
  // Silences a test sound, and equally the loop of an alert still open. The
  // confirmation box runs a message loop, though: an alarm that fired while
  // it was open (the current minute, a few seconds) keeps the sound its
  // alert has just started.
  if (firings_ == firingsBefore) sound_.StopSound();
}

void Form3::cmdCancel_Click() { Win().Hide(); }

// Leaves the fields, an open alert and its sound alone; an alert still
// waiting to open goes with the alarm, and so does its sound.
void Form3::cmdCancelAlarm_Click() {
  ui::Window& win = Win();
  win.SetTimerEnabled(kTimer1, false);
  win.SetTimerEnabled(kTimer2, false);
  if (alertPending_) sound_.StopSound();
  alertPending_ = false;
  toolkit_.MsgBox("Alarm deactivated successfully!", ui::kMsgBoxInformation, "Deactivate Alarm");
  display_.AlarmDeleted();
  win.Hide();
}

// Counts the time since Set, not the ticks: a sleep or a stall of the
// program swallows ticks, but not time. FireAlarm switches the timers off
// itself once the alert is open; it may have run a message box, in which
// the user may have set the alarm again, so nothing here touches them after
// it.
void Form3::Timer1_Timer() {
  const std::uint64_t seconds = (clock_.ElapsedMilliseconds() - countdownStart_) / 1000;
  TicksElapsed_ = static_cast<std::int32_t>(
      std::min<std::uint64_t>(seconds, std::numeric_limits<std::int32_t>::max()));
  if (TicksElapsed_ >= AlarmSeconds_) FireAlarm();
}

// Rings once the moment has come, however late the tick: a minute slept
// through rings on waking. An alert that could not open is retried even if
// the clock has been set back since.
void Form3::Timer2_Timer() {
  if (alertPending_ || clock_.Now() >= alarmMoment_) FireAlarm();
}

void Form3::FireAlarm() {
  ++firings_;
  // An alert that is not open loads here, and its load handler starts the
  // loop before the window shows. An alert still open from an earlier firing
  // is not loaded again, so no second sound starts.
  ui::Handle hwnd = 0;
  try {
    hwnd = alert_.EnsureLoaded().Hwnd();
  } catch (const ui::WindowCreationError&) {
    return AlertNotOpened();
  }
  alertPending_ = false;
  notes::MakeWindowTopmost(platform_, hwnd);
  // Topmost already, so it shows above the note being typed into.
  if (AlertTakesKeyboard(keyboard_.CurrentKeyboardUse()))
    alert_.Win().Show();
  else
    alert_.Win().ShowWithoutActivation();
  ui::Window& win = Win();
  win.SetTimerEnabled(kTimer1, false);
  win.SetTimerEnabled(kTimer2, false);
}

// The alarm must not pass unnoticed: its sound plays now, the user hears
// once why no window shows, and the timers keep running to try again. The
// message box runs while they tick, so a retry can open the alert meanwhile.
void Form3::AlertNotOpened() {
  if (alertPending_) return;
  alertPending_ = true;
  if (SoundOn()) sound_.PlaySoundLoop(IDS_ALARM_SOUND);
  ShowError(
      "The alarm went off, but its window could not be opened. Close some notes: the alarm "
      "window opens as soon as it can.");
}

void Form3::ShowError(const char* text) {
  toolkit_.MsgBox(text, ui::kMsgBoxError, ui::kErrorTitle);
}

}  // namespace alarms

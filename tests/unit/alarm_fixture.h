// The running program with the alarm dialog open, on the fake toolkit, with
// sound and topmost calls logged among the toolkit's visible effects so that
// tests can check their order.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alarm/form3.h"
#include "alarm/form4.h"
#include "app/program.h"
#include "fake/fake_clock.h"
#include "fake/fake_platform.h"
#include "fake/fake_toolkit.h"
#include "shell/form1.h"

namespace alarm_test {

using alarms::Form3;

constexpr std::int64_t kLoopFlags = 15;
constexpr std::int64_t kOnceFlags = 7;

// A day of the fake clock, and a wall-clock time on it.
constexpr ui::LocalSeconds kToday = 154'000 * ui::kSecondsPerDay;
constexpr ui::LocalSeconds LocalAt(int hour, int minute, int second = 0) {
  return kToday + (hour * 60 + minute) * ui::kSecondsPerMinute + second;
}

class LoggingPlatform : public fake::FakePlatform {
 public:
  explicit LoggingPlatform(std::vector<std::string>& log) : log_(log) {}

  int sndPlaySoundA(const void* sound, std::uint32_t flags) override {
    log_.push_back(sound ? "Play " + std::to_string(flags) : "StopSound");
    return FakePlatform::sndPlaySoundA(sound, flags);
  }
  int SetWindowPos(ui::Handle hwnd, ui::Handle insertAfter, int x, int y, int cx, int cy,
                   std::uint32_t flags) override {
    log_.push_back("SetWindowPos");
    return FakePlatform::SetWindowPos(hwnd, insertAfter, x, y, cx, cy, flags);
  }

 private:
  std::vector<std::string>& log_;
};

class AlarmTest : public ::testing::Test {
 protected:
  AlarmTest() {
    program_.Start();
    OpenDialog();
  }

  ~AlarmTest() override { EXPECT_EQ(platform_.DeadBufferReads(), 0); }

  // "Alarm Me" in the tray menu.
  void OpenDialog() { toolkit_.Find("Form1")->Events().Click(shell::Form1::kMnuAlarmMe); }

  fake::FakeWindow& Dialog() { return *toolkit_.Find("Form3"); }
  fake::FakeWindow* Alert() { return toolkit_.Find("Form4"); }
  bool AlertOpen() { return Alert() && Alert()->Loaded() && Alert()->Visible(); }
  Form3& Form() { return program_.Form3(); }
  std::string Caption() { return toolkit_.Find("Form1")->MenuCaption(shell::Form1::kMnuAlarmMe); }

  void Press(int id) { Dialog().Events().Click(id); }

  void ChooseMinutes(const std::string& minutes) {
    Dialog().SetValue(Form3::kOption1, 1);
    Dialog().SetText(Form3::kTxtAlarmAfter, minutes);
  }
  void ChooseTime(const std::string& hour, const std::string& minute) {
    Dialog().SetValue(Form3::kOption2, 1);
    Dialog().SetText(Form3::kCboHour, hour);
    Dialog().SetText(Form3::kCboMinute, minute);
  }
  void SetMinutes(const std::string& minutes) {
    OpenDialog();
    ChooseMinutes(minutes);
    Press(Form3::kCmdSet);
  }
  void SetTime(const std::string& hour, const std::string& minute) {
    OpenDialog();
    ChooseTime(hour, minute);
    Press(Form3::kCmdSet);
  }

  bool Timer1On() { return Dialog().TimerEnabled(Form3::kTimer1); }
  bool Timer2On() { return Dialog().TimerEnabled(Form3::kTimer2); }

  // `ms` milliseconds pass (a second unless told), then each enabled timer
  // ticks, as the system would deliver.
  void Tick(std::int64_t ms = 1000) {
    clock_.Pass(ms);
    if (Timer1On()) Dialog().Events().Timer(Form3::kTimer1);
    if (Timer2On()) Dialog().Events().Timer(Form3::kTimer2);
  }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) Tick();
  }

  // sndPlaySoundA calls as {sound is not null, flags}.
  std::vector<std::vector<std::int64_t>> SoundCalls() const {
    std::vector<std::vector<std::int64_t>> calls;
    for (const auto& c : platform_.Calls("sndPlaySoundA")) calls.push_back(c.args);
    return calls;
  }

  // The toolkit's log from entry `from` on.
  std::vector<std::string> LogSince(std::size_t from) const {
    return {toolkit_.log.begin() + static_cast<std::ptrdiff_t>(from), toolkit_.log.end()};
  }
  // The same without the timers being switched, for checks whose subject is
  // what the user sees and hears; the timers' end state is checked apart.
  std::vector<std::string> EffectsSince(std::size_t from) const {
    std::vector<std::string> effects;
    for (const std::string& entry : LogSince(from))
      if (entry.rfind("Enable Timer", 0) != 0 && entry.rfind("Disable Timer", 0) != 0)
        effects.push_back(entry);
    return effects;
  }

  fake::FakeToolkit toolkit_;
  LoggingPlatform platform_{toolkit_.log};
  fake::FakeClock clock_;
  Program program_{toolkit_, platform_, clock_, "https://www.paperwisp.example"};
};

}  // namespace alarm_test

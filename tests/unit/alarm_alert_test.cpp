// The alert on its own: built with the toolkit, the sound procedures and
// stand-ins for the two things it asks of the rest of the program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alarm/form4.h"
#include "alarm/module7.h"
#include "fake/fake_platform.h"
#include "fake/fake_toolkit.h"

namespace {

struct SwitchStub : alarms::SoundSwitch {
  bool on = false;
  int asked = 0;
  bool SoundOn() override {
    ++asked;
    return on;
  }
};

struct DisplayStub : alarms::AlarmDisplay {
  std::vector<std::string> shown;
  void AlarmArmed() override { shown.push_back("armed"); }
  void AlarmDeleted() override { shown.push_back("deleted"); }
  void AlertClosed() override { shown.push_back("alert closed"); }
};

struct AlertCase {
  bool onAtOpen;
  bool onAtClose;
  std::vector<std::vector<std::int64_t>> sounds;  // {sound is not null, flags}
};

class AlertTest : public ::testing::TestWithParam<AlertCase> {};

// The switch is read when the alert opens and again when it closes: the
// alert stops a loop it started, and stops the sound when asked to at close.
TEST_P(AlertTest, PlaysWhileOpenAsTheSwitchSays) {
  fake::FakeToolkit toolkit;
  fake::FakePlatform platform;
  alarms::Module7 sound(platform);
  SwitchStub soundSwitch;
  DisplayStub display;
  alarms::Form4 alert(toolkit, sound, soundSwitch, display);

  soundSwitch.on = GetParam().onAtOpen;
  alert.EnsureLoaded().Show();
  soundSwitch.on = GetParam().onAtClose;
  toolkit.Find("Form4")->Events().Click(alarms::Form4::kImage2);

  std::vector<std::vector<std::int64_t>> sounds;
  for (const auto& call : platform.Calls("sndPlaySoundA")) sounds.push_back(call.args);
  EXPECT_EQ(sounds, GetParam().sounds);
  EXPECT_EQ(soundSwitch.asked, 2);
  EXPECT_EQ(display.shown, std::vector<std::string>{"alert closed"});
  EXPECT_FALSE(alert.IsLoaded());
}

INSTANTIATE_TEST_SUITE_P(Switch, AlertTest,
                         ::testing::Values(AlertCase{false, false, {}},
                                           AlertCase{true, true, {{1, 15}, {0, 0}}},
                                           AlertCase{true, false, {{1, 15}, {0, 0}}},
                                           AlertCase{false, true, {{0, 0}}}));

}  // namespace

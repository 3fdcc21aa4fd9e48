#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alarm_fixture.h"
#include "resource_ids.h"

namespace alarm_test {
namespace {

using FiringTest = AlarmTest;

struct CountdownCase {
  const char* minutes;
  int firingTick;
};

void PrintTo(const CountdownCase& c, std::ostream* os) { *os << c.minutes; }

class CountdownTest : public AlarmTest, public ::testing::WithParamInterface<CountdownCase> {};

TEST_P(CountdownTest, FiresOnTickAlarmSecondsAndOnlyOnce) {
  SetMinutes(GetParam().minutes);
  Ticks(GetParam().firingTick - 1);
  EXPECT_EQ(Alert(), nullptr);
  EXPECT_EQ(Form().TicksElapsed(), GetParam().firingTick - 1);
  Tick();
  EXPECT_TRUE(AlertOpen());
  EXPECT_FALSE(Timer1On() || Timer2On());
  EXPECT_EQ(Caption(), " Alarm Me (working)");  // firing leaves the caption alone
  Ticks(5);
  EXPECT_EQ(toolkit_.All("Form4").size(), 1u);
  EXPECT_EQ(platform_.Calls("SetWindowPos").size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Minutes, CountdownTest,
                         ::testing::Values(CountdownCase{"1.5", 90}, CountdownCase{"0.05", 3},
                                           CountdownCase{"0.01", 1}, CountdownCase{"0.004", 1},
                                           CountdownCase{"-2", 1}));

// Minute by minute through a whole day from 12:06: fires at 12:05 tomorrow.
TEST_F(FiringTest, TimeOfDayFiresAtTheNextShowingOfItsMinute) {
  clock_.ShowLocal(LocalAt(12, 6));
  SetTime("12", " 5");
  for (int minute = 1; minute < 24 * 60 - 1; ++minute) {
    Tick(60'000);
    ASSERT_EQ(Alert(), nullptr) << minute;
  }
  Tick(60'000);
  EXPECT_TRUE(AlertOpen());
  EXPECT_FALSE(Timer2On());
}

TEST_F(FiringTest, CurrentMinuteFiresOnTheFirstTick) {
  clock_.ShowLocal(LocalAt(23, 59, 58));
  SetTime("23", " 59");
  Tick();
  EXPECT_TRUE(AlertOpen());
}

TEST_F(FiringTest, FireLoadsTheAlertWithItsSoundBeforeShowingIt) {
  SetMinutes("0.01");
  const std::size_t from = toolkit_.log.size();
  Tick();
  EXPECT_EQ(EffectsSince(from),
            (std::vector<std::string>{"Create Form4", "Play 15", "SetWindowPos", "Show Form4"}));
  EXPECT_FALSE(Timer1On());
  EXPECT_FALSE(Timer2On());
  const auto topmost = platform_.Calls("SetWindowPos");
  ASSERT_EQ(topmost.size(), 1u);
  EXPECT_EQ(topmost[0].args[0], static_cast<std::int64_t>(Alert()->Hwnd()));
  EXPECT_EQ(topmost[0].args[1], -1);  // HWND_TOPMOST
  // SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE: showing it is what activates it.
  EXPECT_EQ(topmost[0].args[6], 0x13);
}

TEST_F(FiringTest, AlertIsACentredPictureWithItsCloseGlyphOnTop) {
  SetMinutes("0.01");
  Tick();
  fake::FakeWindow& alert = *Alert();
  EXPECT_EQ(alert.Text(ui::kForm), "It's time!");
  EXPECT_EQ(alert.Width(), 3810);
  EXPECT_EQ(alert.Height(), 4500);
  EXPECT_EQ(alert.Left(), (toolkit_.ScreenWidthTwips() - 3810) / 2);
  EXPECT_EQ(alert.Top(), (toolkit_.ScreenHeightTwips() - 4500) / 2);
  EXPECT_EQ(alert.GetPicture(alarms::Form4::kImage1)->ResourceId(), IDP_ALERT);
  EXPECT_EQ(alert.GetPicture(alarms::Form4::kImage2)->ResourceId(), IDP_CLOSE_GLYPH);
  EXPECT_EQ(alert.Layout().controls.back().id, alarms::Form4::kImage2);  // drawn last, above
}

TEST_F(FiringTest, AlertIsCentredAgainAtEachLoad) {
  SetMinutes("0.01");
  Tick();
  Alert()->Events().Click(alarms::Form4::kImage2);
  toolkit_.screenWidthPixels = 1920;
  toolkit_.screenHeightPixels = 1080;
  SetMinutes("0.01");
  Tick();
  EXPECT_EQ(Alert()->Left(), (1920 * 15 - 3810) / 2);
  EXPECT_EQ(Alert()->Top(), (1080 * 15 - 4500) / 2);
}

TEST_F(FiringTest, CloseGlyphClosesStopsTheSoundAndSetsTheCaption) {
  SetMinutes("0.01");
  Tick();
  Alert()->Events().Click(alarms::Form4::kImage2);
  EXPECT_FALSE(Alert() && Alert()->Loaded());
  EXPECT_EQ(Caption(), "Alarm Me (Stop)");
  EXPECT_EQ(SoundCalls().back(), (std::vector<std::int64_t>{0, 0}));
}

TEST_F(FiringTest, AnyCloseOfTheAlertDoesTheSameAndIsNeverCancelled) {
  for (int mode : {ui::kFormControlMenu, ui::kFormCode, ui::kAppWindows}) {
    SetMinutes("0.01");
    Tick();
    const std::size_t sounds = SoundCalls().size();
    Alert()->Close(mode);
    EXPECT_FALSE(Alert() && Alert()->Loaded()) << mode;
    EXPECT_EQ(Caption(), "Alarm Me (Stop)");
    ASSERT_EQ(SoundCalls().size(), sounds + 1);
    EXPECT_EQ(SoundCalls().back(), (std::vector<std::int64_t>{0, 0}));
  }
}

TEST_F(FiringTest, UncheckedBoxGivesASilentAlertAndNoStop) {
  Dialog().SetValue(Form3::kCheck1, 0);
  SetMinutes("0.01");
  platform_.calls.clear();
  Tick();
  EXPECT_TRUE(AlertOpen());
  Alert()->Events().Click(alarms::Form4::kImage2);
  EXPECT_TRUE(SoundCalls().empty());
  EXPECT_TRUE(platform_.Calls("LoadCustomResource").empty());
}

// The alert stops the loop it started, whatever the box says by then;
// otherwise the sound would outlive the alert for good.
TEST_F(FiringTest, ClosingTheAlertStopsTheLoopItStartedEvenIfUncheckedSince) {
  SetMinutes("0.01");
  Tick();
  OpenDialog();
  Dialog().SetValue(Form3::kCheck1, 0);
  Press(Form3::kCmdCancel);
  Alert()->Events().Click(alarms::Form4::kImage2);
  EXPECT_EQ(SoundCalls(),
            (std::vector<std::vector<std::int64_t>>{{0, 0}, {1, kLoopFlags}, {0, 0}}));
}

TEST_F(FiringTest, SecondFiringWithTheAlertOpenStartsNoSoundAndRaisesIt) {
  SetMinutes("0.01");
  Tick();
  SetMinutes("0.02");  // silences the loop; the alert stays open
  EXPECT_TRUE(AlertOpen());
  EXPECT_EQ(SoundCalls().back(), (std::vector<std::int64_t>{0, 0}));
  Alert()->Hide();
  const std::size_t from = toolkit_.log.size();
  const std::size_t loads = platform_.Calls("LoadCustomResource").size();
  Ticks(2);
  EXPECT_EQ(EffectsSince(from), (std::vector<std::string>{"SetWindowPos", "Show Form4"}));
  EXPECT_FALSE(Timer1On());
  EXPECT_FALSE(Timer2On());
  EXPECT_EQ(platform_.Calls("LoadCustomResource").size(), loads);
  EXPECT_EQ(toolkit_.All("Form4").size(), 1u);
}

TEST_F(FiringTest, ClosingAnOldAlertLeavesTheNewAlarmRunning) {
  SetMinutes("0.01");
  Tick();
  SetTime("8", " 0");
  Alert()->Events().Click(alarms::Form4::kImage2);
  EXPECT_EQ(Caption(), "Alarm Me (Stop)");
  EXPECT_TRUE(Timer2On());
  EXPECT_FALSE(Timer1On());
}

TEST_F(FiringTest, DeleteAlarmLeavesAnOpenAlertAndItsSoundAlone) {
  SetMinutes("0.01");
  Tick();
  const std::size_t sounds = SoundCalls().size();
  OpenDialog();
  Press(Form3::kCmdCancelAlarm);
  EXPECT_TRUE(AlertOpen());
  EXPECT_EQ(SoundCalls().size(), sounds);
  EXPECT_EQ(platform_.playingBytes.empty(), false);
}

TEST_F(FiringTest, TestSoundReplacesTheAlertLoopByOnePlay) {
  SetMinutes("0.01");
  Tick();
  OpenDialog();
  Press(Form3::kCmdTestSound);
  EXPECT_EQ(SoundCalls().back(), (std::vector<std::int64_t>{1, kOnceFlags}));
}

// The confirmation box runs a message loop: an alarm set for a second ahead
// fires while it is open, and Set must not then silence that alarm's loop.
TEST_F(FiringTest, AlarmFiringDuringTheConfirmationKeepsItsSound) {
  toolkit_.onMsgBox = [this](const fake::MsgBoxCall&) { Tick(); };
  SetMinutes("0.004");
  EXPECT_TRUE(AlertOpen());
  EXPECT_EQ(SoundCalls().back(), (std::vector<std::int64_t>{1, kLoopFlags}));
}

}  // namespace
}  // namespace alarm_test

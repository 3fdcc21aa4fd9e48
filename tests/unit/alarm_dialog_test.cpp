#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alarm_fixture.h"
#include "resource_ids.h"

namespace alarm_test {
namespace {

const char* const kSetOk = "Alarm set successfully!";
const char* const kBadMinutes = "Please enter a valid minute unit";
const char* const kZero = "Can not equal 0!";
const char* const kBadTime = "Please choose time";
const char* const kNoMode = "Please choose an alarm mode";

using DialogTest = AlarmTest;

TEST_F(DialogTest, OpensWhereItsLayoutPlacesItWithItsInitialValues) {
  fake::FakeWindow& dialog = Dialog();
  EXPECT_TRUE(dialog.Visible());
  EXPECT_EQ(dialog.Text(ui::kForm), "Alarm Me...");
  EXPECT_EQ(dialog.Left(), 5775);
  EXPECT_EQ(dialog.Top(), 4875);
  // Its client area of 314 x 211 pixels inside a fixed frame and a caption.
  EXPECT_EQ(dialog.Width(), (3 + 314 + 3) * 15);
  EXPECT_EQ(dialog.Height(), (3 + 19 + 211 + 3) * 15);
  EXPECT_EQ(dialog.Value(Form3::kCheck1), 1);
  EXPECT_EQ(dialog.Value(Form3::kOption1) + dialog.Value(Form3::kOption2), 0);
  EXPECT_FALSE(Timer1On() || Timer2On());
  EXPECT_EQ(dialog.Text(Form3::kCboHour), "");
  EXPECT_EQ(dialog.Text(Form3::kCboMinute), "");
  EXPECT_EQ(dialog.Text(Form3::kTxtAlarmAfter), "");
}

TEST_F(DialogTest, LoadFillsHourAndMinuteLists) {
  std::vector<std::string> hours, minutes;
  for (int i = 0; i < Dialog().ItemCount(Form3::kCboHour); ++i)
    hours.push_back(Dialog().Item(Form3::kCboHour, i));
  for (int i = 0; i < Dialog().ItemCount(Form3::kCboMinute); ++i)
    minutes.push_back(Dialog().Item(Form3::kCboMinute, i));
  ASSERT_EQ(hours.size(), 24u);
  ASSERT_EQ(minutes.size(), 60u);
  EXPECT_EQ(hours.front(), "0");
  EXPECT_EQ(hours[7], "7");
  EXPECT_EQ(hours.back(), "23");
  EXPECT_EQ(minutes.front(), " 0");
  EXPECT_EQ(minutes[5], " 5");
  EXPECT_EQ(minutes.back(), " 59");
}

TEST_F(DialogTest, ReopeningShowsTheDialogAsLeftWithoutLoadingAgain) {
  ChooseMinutes("12");
  Dialog().SetValue(Form3::kCheck1, 0);
  Press(Form3::kCmdCancel);
  OpenDialog();
  EXPECT_EQ(toolkit_.All("Form3").size(), 1u);
  EXPECT_TRUE(Dialog().Visible());
  EXPECT_EQ(Dialog().Text(Form3::kTxtAlarmAfter), "12");
  EXPECT_EQ(Dialog().Value(Form3::kCheck1), 0);
  EXPECT_EQ(Dialog().ItemCount(Form3::kCboMinute), 60);
}

struct ModeCase {
  int option;
  bool minutesFields;  // txtAlarmAfter and Label1 enabled, the time fields not
  int focus;
};

class ModeTest : public AlarmTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeTest, SelectingAnOptionEnablesItsFields) {
  const int focusBefore = Dialog().FocusedControl();
  Dialog().SetValue(GetParam().option, 1);
  const bool m = GetParam().minutesFields;
  EXPECT_EQ(Dialog().Enabled(Form3::kTxtAlarmAfter), m);
  EXPECT_EQ(Dialog().Enabled(Form3::kLabel1), m);
  EXPECT_EQ(Dialog().Enabled(Form3::kCboHour), !m);
  EXPECT_EQ(Dialog().Enabled(Form3::kCboMinute), !m);
  EXPECT_EQ(Dialog().Enabled(Form3::kLabel2), !m);
  EXPECT_EQ(Dialog().FocusedControl(), GetParam().focus ? GetParam().focus : focusBefore);
}

TEST_P(ModeTest, ClickOnAnUnselectedOptionChangesNothing) {
  Dialog().SetValue(Form3::kOption1 + Form3::kOption2 - GetParam().option, 1);
  const bool txtBefore = Dialog().Enabled(Form3::kTxtAlarmAfter);
  const int focusBefore = Dialog().FocusedControl();
  Press(GetParam().option);
  EXPECT_EQ(Dialog().Enabled(Form3::kTxtAlarmAfter), txtBefore);
  EXPECT_EQ(Dialog().FocusedControl(), focusBefore);
}

INSTANTIATE_TEST_SUITE_P(Options, ModeTest,
                         ::testing::Values(ModeCase{Form3::kOption1, true, Form3::kTxtAlarmAfter},
                                           ModeCase{Form3::kOption2, false, 0}));

TEST_F(DialogTest, TestSoundButtonFollowsTheCheckBox) {
  Dialog().SetValue(Form3::kCheck1, 0);
  EXPECT_FALSE(Dialog().Enabled(Form3::kCmdTestSound));
  Dialog().SetValue(Form3::kCheck1, 1);
  EXPECT_TRUE(Dialog().Enabled(Form3::kCmdTestSound));
  EXPECT_TRUE(SoundCalls().empty());  // the box itself plays nothing
}

TEST_F(DialogTest, TestSoundPlaysTheResourceOnce) {
  Press(Form3::kCmdTestSound);
  Press(Form3::kCmdTestSound);
  EXPECT_EQ(SoundCalls(),
            (std::vector<std::vector<std::int64_t>>{{1, kOnceFlags}, {1, kOnceFlags}}));
  EXPECT_EQ(platform_.Calls("LoadCustomResource").size(), 2u);
  EXPECT_EQ(platform_.Calls("LoadCustomResource")[0].args[0], IDS_ALARM_SOUND);
}

enum class Mode { kMinutes, kTime };

struct SetCase {
  const char* label;
  Mode mode;
  std::string first;   // minutes, or the hour
  std::string second;  // the minute
  const char* message;
};

void PrintTo(const SetCase& c, std::ostream* os) { *os << c.label; }

// Each Set runs while a countdown of 10 minutes has ticked 3 times, so that a
// rejected Set can be seen to leave it alone.
class SetTest : public AlarmTest, public ::testing::WithParamInterface<SetCase> {
 protected:
  SetTest() {
    SetMinutes("10");
    Ticks(3);
    OpenDialog();
    toolkit_.msgBoxes.clear();
    platform_.calls.clear();
  }

  void Choose() {
    if (GetParam().mode == Mode::kMinutes) ChooseMinutes(GetParam().first);
    if (GetParam().mode == Mode::kTime) ChooseTime(GetParam().first, GetParam().second);
  }
};

TEST_P(SetTest, ShowsItsMessageAndArmsOnlyWhenValid) {
  Choose();
  Press(Form3::kCmdSet);

  ASSERT_EQ(toolkit_.msgBoxes.size(), 1u);
  EXPECT_EQ(toolkit_.msgBoxes[0].text, GetParam().message);
  if (std::string(GetParam().message) == kSetOk) {
    EXPECT_EQ(toolkit_.msgBoxes[0].title, "Activate Alarm");
    EXPECT_EQ(toolkit_.msgBoxes[0].flags, 64);
    EXPECT_FALSE(Dialog().Visible());
    EXPECT_EQ(Form().TicksElapsed(), 0);
    EXPECT_EQ(Timer1On(), GetParam().mode == Mode::kMinutes);
    EXPECT_EQ(Timer2On(), GetParam().mode == Mode::kTime);
    EXPECT_EQ(SoundCalls(), (std::vector<std::vector<std::int64_t>>{{0, 0}}));
  } else {
    EXPECT_EQ(toolkit_.msgBoxes[0].title, "Error");
    EXPECT_EQ(toolkit_.msgBoxes[0].flags, 16);
    EXPECT_TRUE(Dialog().Visible());
    EXPECT_EQ(Form().TicksElapsed(), 3);
    EXPECT_EQ(Form().AlarmSeconds(), 600);
    EXPECT_EQ(Form().AlarmTimeText(), "");
    EXPECT_TRUE(Timer1On());
    EXPECT_FALSE(Timer2On());
    EXPECT_TRUE(platform_.calls.empty());
  }
  EXPECT_EQ(Caption(), " Alarm Me (working)");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SetTest,
    ::testing::Values(SetCase{"Minutes", Mode::kMinutes, " 1.5 ", "", kSetOk},
                      SetCase{"NegativeMinutes", Mode::kMinutes, "-2", "", kSetOk},
                      SetCase{"Letters", Mode::kMinutes, "abc", "", kBadMinutes},
                      SetCase{"Empty", Mode::kMinutes, "", "", kBadMinutes},
                      SetCase{"Blanks", Mode::kMinutes, "   ", "", kBadMinutes},
                      SetCase{"Overflow", Mode::kMinutes, "1e400", "", kBadMinutes},
                      SetCase{"NaN", Mode::kMinutes, "nan", "", kBadMinutes},
                      SetCase{"Inf", Mode::kMinutes, "-inf", "", kBadMinutes},
                      SetCase{"SecondsBeyond32Bits", Mode::kMinutes, "40000000", "", kBadMinutes},
                      SetCase{"LongDigits", Mode::kMinutes, std::string(10000, '9'), "",
                              kBadMinutes},
                      SetCase{"LongText", Mode::kMinutes, std::string(10000, 'x'), "", kBadMinutes},
                      SetCase{"Controls", Mode::kMinutes, "\x01\x02\x1b", "", kBadMinutes},
                      SetCase{"Tab", Mode::kMinutes, "\t5", "", kBadMinutes},
                      SetCase{"Fullwidth", Mode::kMinutes, "\xEF\xBC\x95", "", kBadMinutes},
                      SetCase{"Zero", Mode::kMinutes, "0", "", kZero},
                      SetCase{"ZeroPointZero", Mode::kMinutes, "0.0", "", kZero},
                      SetCase{"ZeroWithBlanks", Mode::kMinutes, " 0 ", "", kZero},
                      SetCase{"Time", Mode::kTime, "23", " 59", kSetOk},
                      SetCase{"Midnight", Mode::kTime, "0", " 0", kSetOk},
                      SetCase{"EmptyHour", Mode::kTime, "", " 0", kBadTime},
                      SetCase{"EmptyMinute", Mode::kTime, "7", "", kBadTime},
                      SetCase{"Hour24", Mode::kTime, "24", " 0", kBadTime},
                      SetCase{"Minute60", Mode::kTime, "23", " 60", kBadTime},
                      SetCase{"Minute75", Mode::kTime, "1", "75", kBadTime},
                      SetCase{"Fraction", Mode::kTime, "1.5", " 0", kBadTime},
                      SetCase{"Sign", Mode::kTime, "-1", " 0", kBadTime},
                      SetCase{"Plus", Mode::kTime, "+1", " 0", kBadTime},
                      SetCase{"Exponent", Mode::kTime, "1e1", " 0", kBadTime},
                      SetCase{"LettersInHour", Mode::kTime, "abc", " 0", kBadTime},
                      SetCase{"ControlInHour", Mode::kTime, "\x01", " 0", kBadTime},
                      SetCase{"ControlInMinute", Mode::kTime, "7", "\x7f", kBadTime},
                      SetCase{"FullwidthHour", Mode::kTime, "\xEF\xBC\x97", " 0", kBadTime},
                      SetCase{"LongHour", Mode::kTime, std::string(10000, '1'), " 0", kBadTime},
                      SetCase{"LongMinute", Mode::kTime, "7", std::string(10000, ' '), kBadTime}),
    [](const ::testing::TestParamInfo<SetCase>& info) { return std::string(info.param.label); });

TEST_F(DialogTest, SetWithNoModeLeavesCaptionAndDialogAlone) {
  Press(Form3::kCmdSet);
  ASSERT_EQ(toolkit_.msgBoxes.size(), 1u);
  EXPECT_EQ(toolkit_.msgBoxes[0].text, kNoMode);
  EXPECT_EQ(Caption(), "Alarm Me");
  EXPECT_TRUE(Dialog().Visible());
  EXPECT_TRUE(SoundCalls().empty());
}

TEST_F(DialogTest, SetInMinutesModeStoresRoundedSecondsInThisOrder) {
  ChooseMinutes(" 1.5 ");
  const std::size_t from = toolkit_.log.size();
  Press(Form3::kCmdSet);
  EXPECT_EQ(Form().AlarmSeconds(), 90);
  EXPECT_EQ(LogSince(from),
            (std::vector<std::string>{"Disable Timer2 Form3", "Enable Timer1 Form3",
                                      "MsgBox " + std::string(kSetOk), "Hide Form3", "StopSound"}));
  EXPECT_EQ(Caption(), " Alarm Me (working)");
}

TEST_F(DialogTest, SetInTimeModeStoresTheTimeInThisOrder) {
  ChooseTime("7", " 5");
  const std::size_t from = toolkit_.log.size();
  Press(Form3::kCmdSet);
  EXPECT_EQ(Form().AlarmTimeText(), "07:05");
  EXPECT_EQ(LogSince(from),
            (std::vector<std::string>{"Enable Timer2 Form3", "Disable Timer1 Form3",
                                      "MsgBox " + std::string(kSetOk), "Hide Form3", "StopSound"}));
  EXPECT_EQ(Caption(), " Alarm Me (working)");
}

TEST_F(DialogTest, NewSetRestartsTheCountdownWithItsLength) {
  SetMinutes("1");
  Ticks(50);
  SetMinutes("2");
  EXPECT_EQ(Form().TicksElapsed(), 0);
  EXPECT_EQ(Form().AlarmSeconds(), 120);
  Ticks(119);
  EXPECT_FALSE(AlertOpen());
  Tick();
  EXPECT_TRUE(AlertOpen());
}

TEST_F(DialogTest, TimeSetStopsARunningCountdownAndMinutesSetTheClock) {
  SetMinutes("1");
  SetTime("8", " 0");
  EXPECT_FALSE(Timer1On());
  EXPECT_TRUE(Timer2On());
  SetMinutes("1");
  EXPECT_TRUE(Timer1On());
  EXPECT_FALSE(Timer2On());
}

// A rejected Set must not restart a running countdown from zero.
TEST_F(DialogTest, RejectedSetDoesNotDelayARunningCountdown) {
  SetMinutes("0.1");  // 6 seconds
  Ticks(3);
  SetMinutes("abc");
  Press(Form3::kCmdCancel);
  Ticks(2);
  EXPECT_FALSE(AlertOpen());
  Tick();
  EXPECT_TRUE(AlertOpen());
}

class DeleteTest : public AlarmTest, public ::testing::WithParamInterface<int> {};

TEST_P(DeleteTest, DisarmsReportsAndKeepsFields) {
  if (GetParam() == 1) SetMinutes("3");
  if (GetParam() == 2) SetTime("9", " 15");
  Ticks(2);
  const std::int32_t seconds = Form().AlarmSeconds();
  const std::int32_t ticks = Form().TicksElapsed();
  const std::string time = Form().AlarmTimeText();
  OpenDialog();
  platform_.calls.clear();
  const std::size_t from = toolkit_.log.size();

  Press(Form3::kCmdCancelAlarm);

  EXPECT_EQ(LogSince(from),
            (std::vector<std::string>{"Disable Timer1 Form3", "Disable Timer2 Form3",
                                      "MsgBox Alarm deactivated successfully!", "Hide Form3"}));
  EXPECT_EQ(toolkit_.msgBoxes.back().title, "Deactivate Alarm");
  EXPECT_EQ(toolkit_.msgBoxes.back().flags, 64);
  EXPECT_EQ(Caption(), "Alarm Me (stop)");
  EXPECT_EQ(Form().AlarmSeconds(), seconds);
  EXPECT_EQ(Form().TicksElapsed(), ticks);
  EXPECT_EQ(Form().AlarmTimeText(), time);
  EXPECT_TRUE(platform_.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(FromEachState, DeleteTest, ::testing::Values(0, 1, 2),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(info.param == 0   ? "Idle"
                                              : info.param == 1 ? "CountingDown"
                                                                : "WaitingForTime");
                         });

TEST_F(DialogTest, CancelOnlyHides) {
  SetMinutes("3");
  Ticks(2);
  OpenDialog();
  Dialog().SetText(Form3::kTxtAlarmAfter, "7");
  toolkit_.msgBoxes.clear();
  platform_.calls.clear();
  Press(Form3::kCmdCancel);
  EXPECT_FALSE(Dialog().Visible());
  EXPECT_TRUE(Timer1On());
  EXPECT_EQ(Form().TicksElapsed(), 2);
  EXPECT_EQ(Form().AlarmSeconds(), 180);
  EXPECT_EQ(Caption(), " Alarm Me (working)");
  EXPECT_TRUE(toolkit_.msgBoxes.empty());
  EXPECT_TRUE(platform_.calls.empty());
}

// Unloading the dialog would take a pending alarm with it.
TEST_F(DialogTest, CloseBoxHidesLikeCancelAndTheAlarmStillFires) {
  SetMinutes("0.05");  // 3 seconds
  OpenDialog();
  Dialog().SetValue(Form3::kCheck1, 0);
  Dialog().SetText(Form3::kTxtAlarmAfter, "typed");
  Tick();

  Dialog().Close(ui::kFormControlMenu);

  ASSERT_TRUE(Dialog().Loaded());
  EXPECT_FALSE(Dialog().Visible());
  EXPECT_TRUE(Timer1On());
  EXPECT_EQ(Form().TicksElapsed(), 1);
  EXPECT_EQ(Dialog().Value(Form3::kCheck1), 0);
  EXPECT_EQ(Dialog().Text(Form3::kTxtAlarmAfter), "typed");
  Ticks(2);
  EXPECT_TRUE(AlertOpen());
}

TEST_F(DialogTest, UnloadsFromCodeOrShutdownGoAhead) {
  for (int mode : {ui::kFormCode, ui::kAppWindows}) {
    OpenDialog();
    Dialog().Close(mode);
    EXPECT_FALSE(Dialog().Loaded()) << mode;
  }
}

}  // namespace
}  // namespace alarm_test

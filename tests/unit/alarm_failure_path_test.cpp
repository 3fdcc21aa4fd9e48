// The alarm whose alert could not open: it starts the sound loop itself, and
// that loop must end with whatever ends the alarm, whatever "Play Sound when
// alarm" says by then. And the message box it shows must not undo what the
// user does meanwhile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alarm_fixture.h"

namespace alarm_test {
namespace {

enum class End { kAlertClosed, kDeleted, kSetAgain, kExit };

struct OwnershipCase {
  const char* label;
  bool uncheckedMeanwhile;
  End end;
};

std::string Label(const ::testing::TestParamInfo<OwnershipCase>& info) { return info.param.label; }

class SoundOwnershipTest : public AlarmTest, public ::testing::WithParamInterface<OwnershipCase> {
 protected:
  bool LoopPlays() const {
    const auto calls = SoundCalls();
    return !calls.empty() && calls.back() == std::vector<std::int64_t>{1, kLoopFlags};
  }
};

TEST_P(SoundOwnershipTest, TheLoopOfAnAlertThatCouldNotOpenEndsWithTheAlarm) {
  toolkit_.failWindowCreation = true;
  SetMinutes("0.01");
  Tick();
  ASSERT_FALSE(AlertOpen());
  ASSERT_TRUE(LoopPlays());
  if (GetParam().uncheckedMeanwhile) {
    OpenDialog();
    Dialog().SetValue(Form3::kCheck1, 0);
    Press(Form3::kCmdCancel);
  }
  toolkit_.failWindowCreation = false;
  switch (GetParam().end) {
    case End::kAlertClosed:
      Tick();
      ASSERT_TRUE(AlertOpen());
      EXPECT_TRUE(LoopPlays());
      Alert()->Events().Click(alarms::Form4::kImage2);
      break;
    case End::kDeleted:
      OpenDialog();
      Press(Form3::kCmdCancelAlarm);
      break;
    case End::kSetAgain:
      SetMinutes("30");
      break;
    case End::kExit:
      toolkit_.Find("Form1")->Events().Click(shell::Form1::kMPopExit);
      ASSERT_TRUE(toolkit_.ended);
      break;
  }
  EXPECT_EQ(SoundCalls().back(), (std::vector<std::int64_t>{0, 0}));
  EXPECT_FALSE(program_.Sound().LoopPlaying());
}

INSTANTIATE_TEST_SUITE_P(
    FailurePath, SoundOwnershipTest,
    ::testing::Values(OwnershipCase{"AlertClosed", false, End::kAlertClosed},
                      OwnershipCase{"UncheckedThenAlertClosed", true, End::kAlertClosed},
                      OwnershipCase{"UncheckedThenDeleted", true, End::kDeleted},
                      OwnershipCase{"UncheckedThenSetAgain", true, End::kSetAgain},
                      OwnershipCase{"UncheckedThenExit", true, End::kExit}),
    Label);

using FailurePathTest = AlarmTest;

// The user sets a new countdown while the box that says the alert could not
// open is still open: it runs on once the box is dismissed.
TEST_F(FailurePathTest, ACountdownSetWhileItsMessageBoxIsOpenRunsOn) {
  toolkit_.failWindowCreation = true;
  SetMinutes("0.01");
  toolkit_.onMsgBox = [this](const fake::MsgBoxCall& box) {
    if (box.text.rfind("The alarm went off", 0) != 0) return;
    toolkit_.onMsgBox = nullptr;
    SetMinutes("30");
  };
  Tick();
  EXPECT_TRUE(Timer1On());
  EXPECT_EQ(Form().AlarmSeconds(), 1800);
}

}  // namespace
}  // namespace alarm_test

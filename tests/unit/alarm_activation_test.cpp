// Whether the alert takes the keyboard as it opens: not from someone who is
// typing into a note.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "alarm_fixture.h"

namespace alarm_test {
namespace {

enum class Keyboard { kNote, kDialog, kNone };

struct ActivationCase {
  const char* label;
  Keyboard keyboard;
  std::uint32_t sinceInput;  // milliseconds
  bool activated;
};

std::string Label(const ::testing::TestParamInfo<ActivationCase>& info) { return info.param.label; }

class ActivationTest : public AlarmTest, public ::testing::WithParamInterface<ActivationCase> {};

TEST_P(ActivationTest, TheAlertOpensOnTopAndTakesTheKeyboardUnlessANoteIsBeingTypedInto) {
  toolkit_.Find("Form1")->Events().Click(shell::Form1::kMNewNote);
  SetMinutes("0.01");
  switch (GetParam().keyboard) {
    case Keyboard::kNote:
      toolkit_.keyboardWindow = toolkit_.Find("Form2")->Hwnd();
      break;
    case Keyboard::kDialog:
      toolkit_.keyboardWindow = Dialog().Hwnd();
      break;
    case Keyboard::kNone:
      toolkit_.keyboardWindow = 0;
      break;
  }
  toolkit_.millisecondsSinceInput = GetParam().sinceInput;
  const std::size_t from = toolkit_.log.size();
  Tick();
  const std::string shown = GetParam().activated ? "Show Form4" : "ShowWithoutActivation Form4";
  const std::vector<std::string> effects = EffectsSince(from);
  const auto topmost = std::find(effects.begin(), effects.end(), "SetWindowPos");
  ASSERT_NE(topmost, effects.end());
  EXPECT_EQ(std::find(effects.begin(), effects.end(), shown), topmost + 1);
  EXPECT_TRUE(AlertOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, ActivationTest,
    ::testing::Values(ActivationCase{"TypingIntoANote", Keyboard::kNote, 180, false},
                      ActivationCase{"NoteTypedIntoJustUnderTwoSeconds", Keyboard::kNote, 1999,
                                     false},
                      ActivationCase{"NoteIdleForTwoSeconds", Keyboard::kNote, 2000, true},
                      ActivationCase{"NoteLongIdle", Keyboard::kNote, 60'000, true},
                      ActivationCase{"TypingIntoTheDialog", Keyboard::kDialog, 180, true},
                      ActivationCase{"TypingElsewhere", Keyboard::kNone, 180, true}),
    Label);

}  // namespace
}  // namespace alarm_test

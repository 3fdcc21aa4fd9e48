#include <string>
#include <vector>

#include "shell_running_program.h"

namespace {

using testing_support::RunningProgram;
using Calls = std::vector<std::string>;
using Flags = std::vector<std::int16_t>;

class NoteWindowTest : public RunningProgram {
 protected:
  fake::FakeWindow& MakeNote() {
    NewNote();
    return NoteWindow(Pool().NoteUpper());
  }
  std::shared_ptr<notes::Form2> Note(int slot) { return Pool().Notes(slot); }
};

TEST_F(NoteWindowTest, LoadMakesAColourKeyedLayeredTopmostWindow) {
  // Whatever extended style the toolkit gave the window is kept.
  for (ui::Handle h = 0x1000; h < 0x2000; h += 0x10) platform_.exStyles[h] = 0x00000100;
  platform_.calls.clear();

  Pool().AllocateNoteSlot();

  const auto hwnd = static_cast<std::int64_t>(NoteWindow(0).Hwnd());
  ASSERT_EQ(platform_.Names(), (Calls{"GetWindowLongA", "SetWindowLongA",
                                      "SetLayeredWindowAttributes", "SetWindowPos"}));
  EXPECT_EQ(platform_.calls[0].args, (std::vector<std::int64_t>{hwnd, -20}));
  EXPECT_EQ(platform_.calls[1].args, (std::vector<std::int64_t>{hwnd, -20, 0x00080100}));
  EXPECT_EQ(platform_.calls[2].args, (std::vector<std::int64_t>{hwnd, 0, 0, 1}));
  EXPECT_EQ(platform_.calls[3].args[0], hwnd);
  EXPECT_EQ(platform_.calls[3].args[1], -1);
  EXPECT_EQ(Note(0)->SavedHeight(), 4230);
  EXPECT_FALSE(Note(0)->RolledUp());
}

TEST_F(NoteWindowTest, DoubleClickOnTheSheetRollsUpAndBack) {
  fake::FakeWindow& note = MakeNote();
  const double width = note.Width(), top = note.Top(), left = note.Left();
  for (double height : {460.0, 4230.0, 460.0, 4230.0}) {
    note.Events().DblClick(ui::kForm);
    EXPECT_EQ(note.Height(), height);
    EXPECT_EQ(Note(0)->RolledUp(), height == 460.0);
  }
  EXPECT_EQ(note.Width(), width);
  EXPECT_EQ(note.Top(), top);
  EXPECT_EQ(note.Left(), left);
}

TEST_F(NoteWindowTest, DoubleClickInsideTheTextBoxesDoesNotRoll) {
  fake::FakeWindow& note = MakeNote();
  note.Events().DblClick(notes::Form2::kText1);
  note.Events().DblClick(notes::Form2::kText2);
  EXPECT_EQ(note.Height(), 4230);
  EXPECT_FALSE(Note(0)->RolledUp());
}

struct PressCase {
  int control;
  int button;
  bool drags;
};

void PrintTo(const PressCase& c, std::ostream* os) {
  *os << "control " << c.control << " button " << c.button;
}

class DragTest : public NoteWindowTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(DragTest, PressOnSheetOrLabelStartsTheMoveLoop) {
  fake::FakeWindow& note = MakeNote();
  platform_.calls.clear();
  // Where the press was: x 800, y -20 (on a monitor above the primary one).
  platform_.messagePos = 0xFFEC0320;

  note.Events().MouseDown(GetParam().control, GetParam().button, 0, 100, 100);

  if (!GetParam().drags) {
    EXPECT_TRUE(platform_.calls.empty());
    return;
  }
  ASSERT_EQ(platform_.Names(), (Calls{"ReleaseCapture", "GetMessagePos", "SendMessageA"}));
  // WM_NCLBUTTONDOWN, HTCAPTION, lParam the press's screen position.
  EXPECT_EQ(
      platform_.calls[2].args,
      (std::vector<std::int64_t>{static_cast<std::int64_t>(note.Hwnd()), 0xA1, 2, 0xFFEC0320}));
}

INSTANTIATE_TEST_SUITE_P(Presses, DragTest,
                         ::testing::Values(PressCase{ui::kForm, ui::kLeftButton, true},
                                           PressCase{ui::kForm, ui::kRightButton, true},
                                           PressCase{ui::kForm, ui::kMiddleButton, true},
                                           PressCase{notes::Form2::kLabel1, ui::kLeftButton, true},
                                           PressCase{notes::Form2::kLabel1, ui::kRightButton, true},
                                           PressCase{notes::Form2::kText1, ui::kLeftButton, false},
                                           PressCase{notes::Form2::kText2, ui::kLeftButton, false},
                                           PressCase{notes::Form2::kImage1, ui::kLeftButton,
                                                     false}));

// Topmost again, neither moved nor activated: SWP_NOSIZE | SWP_NOMOVE |
// SWP_NOACTIVATE.
TEST_F(NoteWindowTest, RepaintKeepsTheNoteOnTopWithoutTakingTheKeyboard) {
  fake::FakeWindow& note = MakeNote();
  platform_.calls.clear();
  note.Events().Paint();
  ASSERT_EQ(platform_.Names(), (Calls{"SetWindowPos"}));
  EXPECT_EQ(
      platform_.calls[0].args,
      (std::vector<std::int64_t>{static_cast<std::int64_t>(note.Hwnd()), -1, 0, 0, 0, 0, 0x13}));
}

TEST_F(NoteWindowTest, CloseGlyphHidesButKeepsTheNote) {
  fake::FakeWindow& note = MakeNote();
  note.SetText(notes::Form2::kText1, "milk");
  note.Events().Click(notes::Form2::kImage1);
  EXPECT_FALSE(note.Visible());
  EXPECT_TRUE(note.Loaded());
  EXPECT_EQ(note.Text(notes::Form2::kText1), "milk");
  EXPECT_EQ(Pool().NoteInUse(), Flags{1});
}

class CloseModeTest : public NoteWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(CloseModeTest, ClosingFreesTheSlotAndIsNeverRefused) {
  MakeNote();
  MakeNote();
  std::weak_ptr<notes::Form2> first = Note(0);

  CloseNote(0, GetParam());

  EXPECT_EQ(Pool().NoteInUse(), (Flags{0, 1}));
  EXPECT_EQ(Pool().Notes(0), nullptr);
  EXPECT_TRUE(first.expired());
  ASSERT_EQ(toolkit_.All("Form2").size(), 1u);
  EXPECT_EQ(toolkit_.All("Form2")[0]->Text(notes::Form2::kLabel1), "1");
}

INSTANTIATE_TEST_SUITE_P(Modes, CloseModeTest,
                         ::testing::Values(ui::kFormControlMenu, ui::kFormCode, ui::kAppWindows));

// The slot number lives only in the label. A label that does not name the
// note's own slot must neither free another note's slot nor keep its own.
class DamagedLabelTest : public NoteWindowTest,
                         public ::testing::WithParamInterface<const char*> {};

TEST_P(DamagedLabelTest, ClosingStillFreesOnlyTheNotesOwnSlot) {
  MakeNote();
  MakeNote();
  MakeNote();
  NoteWindow(1).SetText(notes::Form2::kLabel1, GetParam());

  CloseNote(1);

  EXPECT_EQ(Pool().NoteInUse(), (Flags{1, 0, 1}));
  EXPECT_NE(Pool().Notes(0), nullptr);
  EXPECT_EQ(Pool().Notes(1), nullptr);
  EXPECT_NE(Pool().Notes(2), nullptr);
  EXPECT_EQ(toolkit_.All("Form2").size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Captions, DamagedLabelTest,
                         ::testing::Values(" 1 ", "1.4", "0", "2", "", "abc", "1x", "-1", "99",
                                           "40000", "1e300", "nan"));

}  // namespace

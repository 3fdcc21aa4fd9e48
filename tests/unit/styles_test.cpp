#include <string>
#include <vector>

#include "resource_ids.h"
#include "shell_running_program.h"

namespace {

using testing_support::RunningProgram;

const std::vector<std::string> kStyleItems{"mnuOrange", "mnuGreen", "mnuBlue",
                                           "mnuYellow", "mnuRed",   "mnuPink"};

class StyleTest : public RunningProgram {
 protected:
  std::vector<std::string> CheckedItems() {
    std::vector<std::string> checked;
    for (const auto& item : kStyleItems)
      if (Form1Window().Checked(Form1Id(item))) checked.push_back(item);
    return checked;
  }
  void SetChecks(const std::vector<std::string>& items) {
    for (const auto& item : kStyleItems) Form1Window().SetChecked(Form1Id(item), false);
    for (const auto& item : items) Form1Window().SetChecked(Form1Id(item), true);
  }
  // The newest note's look: the picture object, and both text-box colours.
  void ExpectNewestNoteLooks(const ui::PictureRef& picture, std::uint32_t color) {
    fake::FakeWindow& note = NoteWindow(Pool().NoteUpper());
    EXPECT_EQ(note.GetPicture(ui::kForm), picture);
    EXPECT_EQ(note.BackColor(notes::Form2::kText1), color);
    EXPECT_EQ(note.BackColor(notes::Form2::kText2), color);
  }
  ui::PictureRef StylePicture(const std::string& control) {
    return Form1Window().GetPicture(Form1Id(control));
  }
};

TEST_F(StyleTest, GreenAtStart) {
  EXPECT_EQ(CheckedItems(), std::vector<std::string>{"mnuGreen"});
  NewNote();
  ExpectNewestNoteLooks(StylePicture("Image_Green"), 0x00C0FFE0);
  EXPECT_EQ(StylePicture("Image_Green")->ResourceId(), IDP_NOTE_GREEN);
}

struct ChoiceCase {
  const char* handler;  // menu item or picture control clicked
  const char* item;     // the item checked afterwards
  const char* picture;
  int pictureId;
  std::uint32_t color;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.handler; }

class StyleChoiceTest : public StyleTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(StyleChoiceTest, ChecksOnlyTheChosenItemAndStylesNewNotesOnly) {
  const ChoiceCase& c = GetParam();
  NewNote();
  const ui::PictureRef greenPicture = StylePicture("Image_Green");

  ClickOnForm1(c.handler);

  EXPECT_EQ(CheckedItems(), std::vector<std::string>{c.item});
  NewNote();
  ExpectNewestNoteLooks(StylePicture(c.picture), c.color);
  EXPECT_EQ(StylePicture(c.picture)->ResourceId(), c.pictureId);
  // The note made before keeps its look.
  EXPECT_EQ(NoteWindow(0).GetPicture(ui::kForm), greenPicture);
  EXPECT_EQ(NoteWindow(0).BackColor(notes::Form2::kText1), 0x00C0FFE0u);
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, StyleChoiceTest,
    ::testing::Values(
        ChoiceCase{"mnuOrange", "mnuOrange", "Image_Orange", IDP_NOTE_ORANGE, 0x0080C0FF},
        ChoiceCase{"mnuGreen", "mnuGreen", "Image_Green", IDP_NOTE_GREEN, 0x00C0FFE0},
        ChoiceCase{"mnuBlue", "mnuBlue", "Image_Blue", IDP_NOTE_BLUE, 0x00F5A02E},
        ChoiceCase{"mnuYellow", "mnuYellow", "Image_Yellow", IDP_NOTE_YELLOW, 0x0080FFFF},
        ChoiceCase{"mnuRed", "mnuRed", "Image_Red", IDP_NOTE_RED, 0x008080FF},
        ChoiceCase{"mnuPink", "mnuPink", "Image_Pink", IDP_NOTE_PINK, 0x00C000C0},
        ChoiceCase{"Image_Yellow", "mnuYellow", "Image_Yellow", IDP_NOTE_YELLOW, 0x0080FFFF}));

TEST_F(StyleTest, ChoosingClearsInItsOwnOrderThenChecks) {
  ClickOnForm1("mnuBlue");
  const std::vector<std::string> tail(toolkit_.log.end() - 7, toolkit_.log.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"Uncheck mnuOrange Form1", "Uncheck mnuGreen Form1",
                                            "Uncheck mnuBlue Form1", "Uncheck mnuRed Form1",
                                            "Uncheck mnuYellow Form1", "Uncheck mnuPink Form1",
                                            "Check mnuBlue Form1"}));
}

TEST_F(StyleTest, ChoosingTheCheckedItemAgainKeepsIt) {
  ClickOnForm1("mnuBlue");
  ClickOnForm1("mnuBlue");
  EXPECT_EQ(CheckedItems(), std::vector<std::string>{"mnuBlue"});
}

struct PrecedenceCase {
  std::vector<std::string> checked;
  const char* picture;
  std::uint32_t color;
};

void PrintTo(const PrecedenceCase& c, std::ostream* os) {
  for (const auto& item : c.checked) *os << item << " ";
}

class StylePrecedenceTest : public StyleTest,
                            public ::testing::WithParamInterface<PrecedenceCase> {};

// No handler checks two items, but the new-note command has a fixed testing
// order for whatever it finds: Orange, Green, Blue, Pink, Yellow, Red.
TEST_P(StylePrecedenceTest, FirstCheckedInTestingOrderDecides) {
  SetChecks(GetParam().checked);
  NewNote();
  ExpectNewestNoteLooks(StylePicture(GetParam().picture), GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(
    CheckStates, StylePrecedenceTest,
    ::testing::Values(
        PrecedenceCase{{"mnuRed", "mnuPink", "mnuOrange"}, "Image_Orange", 0x0080C0FF},
        PrecedenceCase{{"mnuRed", "mnuGreen", "mnuBlue"}, "Image_Green", 0x00C0FFE0},
        PrecedenceCase{{"mnuPink", "mnuBlue"}, "Image_Blue", 0x00F5A02E},
        PrecedenceCase{{"mnuYellow", "mnuPink"}, "Image_Pink", 0x00C000C0},
        PrecedenceCase{{"mnuRed", "mnuYellow"}, "Image_Yellow", 0x0080FFFF},
        PrecedenceCase{{"mnuRed"}, "Image_Red", 0x008080FF},
        PrecedenceCase{{"mnuOrange", "mnuGreen", "mnuBlue", "mnuYellow", "mnuRed", "mnuPink"},
                       "Image_Orange",
                       0x0080C0FF}));

TEST_F(StyleTest, NothingCheckedKeepsTheDesignLook) {
  SetChecks({});
  NewNote();
  fake::FakeWindow& note = NoteWindow(0);
  EXPECT_EQ(note.GetPicture(ui::kForm)->ResourceId(), IDP_NOTE_ORANGE);
  EXPECT_EQ(note.BackColor(notes::Form2::kText1), 0x008080FFu);
  EXPECT_EQ(note.BackColor(notes::Form2::kText2), 0x0080C0FFu);
}

}  // namespace

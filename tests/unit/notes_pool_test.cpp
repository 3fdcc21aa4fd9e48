#include <string>
#include <vector>

#include "shell_running_program.h"
#include "ui/placement.h"

namespace {

using testing_support::RunningProgram;
using Flags = std::vector<std::int16_t>;

class NotePoolTest : public RunningProgram {};

struct AllocationCase {
  int created;              // notes made first, slots 0 .. created - 1
  std::vector<int> closed;  // slots then closed
  Flags before;             // the pool as the allocation finds it
  int slot;                 // slot returned
  int upperAfter;
};

void PrintTo(const AllocationCase& c, std::ostream* os) {
  *os << "flags";
  for (int flag : c.before) *os << " " << flag;
}

class AllocateNoteSlotTest : public NotePoolTest,
                             public ::testing::WithParamInterface<AllocationCase> {};

TEST_P(AllocateNoteSlotTest, TakesTheLowestFreeSlotAfterDroppingTrailingFreeOnes) {
  const AllocationCase& c = GetParam();
  for (int i = 0; i < c.created; ++i) Pool().AllocateNoteSlot();
  for (int slot : c.closed) CloseNote(slot);
  ASSERT_EQ(Pool().NoteInUse(), c.before);
  ASSERT_EQ(Pool().NoteUpper(), static_cast<int>(c.before.size()) - 1);

  const int slot = Pool().AllocateNoteSlot();

  EXPECT_EQ(slot, c.slot);
  EXPECT_EQ(Pool().NoteUpper(), c.upperAfter);
  ASSERT_EQ(Pool().NoteInUse().size(), static_cast<std::size_t>(c.upperAfter) + 1);
  EXPECT_EQ(Pool().NoteInUse()[slot], 1);
  // Every slot in use holds its note, every free slot holds none.
  for (int i = 0; i <= Pool().NoteUpper(); ++i)
    EXPECT_EQ(Pool().Notes(i) != nullptr, Pool().NoteInUse()[i] == 1) << "slot " << i;
  EXPECT_EQ(NoteWindow(slot).Text(notes::Form2::kLabel1), std::to_string(slot));
}

INSTANTIATE_TEST_SUITE_P(WorkedCases, AllocateNoteSlotTest,
                         ::testing::Values(AllocationCase{0, {}, {0}, 0, 0},
                                           AllocationCase{1, {}, {1}, 1, 1},
                                           AllocationCase{3, {}, {1, 1, 1}, 3, 3},
                                           AllocationCase{3, {1}, {1, 0, 1}, 1, 2},
                                           AllocationCase{4, {1, 3}, {1, 0, 1, 0}, 1, 2},
                                           AllocationCase{4, {0, 2, 3}, {0, 1, 0, 0}, 0, 1},
                                           AllocationCase{3, {0, 1, 2}, {0, 0, 0}, 0, 0},
                                           AllocationCase{3, {2}, {1, 1, 0}, 2, 2}));

TEST_F(NotePoolTest, NewNoteIsLoadedNumberedAndNotYetVisible) {
  const int slot = Pool().AllocateNoteSlot();
  fake::FakeWindow& note = NoteWindow(slot);
  EXPECT_TRUE(note.Loaded());
  EXPECT_FALSE(note.Visible());
  EXPECT_EQ(note.Text(notes::Form2::kLabel1), "0");
  // The note's load handler ran on that first touch.
  EXPECT_EQ(platform_.Calls("SetLayeredWindowAttributes").size(), 1u);
}

TEST_F(NotePoolTest, ClosedSlotIsReusedAtItsOwnPlace) {
  for (int i = 0; i < 3; ++i) NewNote();
  CloseNote(1);
  NewNote();
  fake::FakeWindow& note = NoteWindow(1);
  EXPECT_EQ(note.Text(notes::Form2::kLabel1), "1");
  // 1300 twips down; against the right edge, where 11520 + 300 twips across
  // would not fit.
  EXPECT_EQ(note.Bounds(), (ui::PixelRect{747, 87, 747 + 277, 87 + 282}));
}

TEST_F(NotePoolTest, ClosingEveryNoteShrinksThePoolBackToOneSlot) {
  for (int i = 0; i < 3; ++i) NewNote();
  for (int slot = 0; slot < 3; ++slot) CloseNote(slot);
  NewNote();
  EXPECT_EQ(Pool().NoteUpper(), 0);
  EXPECT_EQ(Pool().NoteInUse(), Flags{1});
  EXPECT_EQ(toolkit_.All("Form2").size(), 1u);
}

TEST_F(NotePoolTest, HiddenNoteKeepsItsSlot) {
  NewNote();
  NoteWindow(0).Events().Click(notes::Form2::kImage1);
  NewNote();
  EXPECT_EQ(Pool().NoteInUse(), (Flags{1, 1}));
  EXPECT_EQ(NoteWindow(1).Text(notes::Form2::kLabel1), "1");
}

TEST_F(NotePoolTest, NewNoteCommandClearsShowsAndMakesTopmost) {
  NewNote();
  fake::FakeWindow& note = NoteWindow(0);
  EXPECT_EQ(note.Text(notes::Form2::kText1), "");
  EXPECT_TRUE(note.Visible());
  // Topmost once at load and once more where the note finally stands; then
  // it takes the foreground.
  const auto positions = platform_.Calls("SetWindowPos");
  ASSERT_EQ(positions.size(), 2u);
  const std::vector<std::string> names = platform_.Names();
  EXPECT_EQ((std::vector<std::string>{names.end() - 2, names.end()}),
            (std::vector<std::string>{"SetWindowPos", "SetForegroundWindow"}));
  EXPECT_EQ(positions[1].args[0], static_cast<std::int64_t>(note.Hwnd()));
  EXPECT_EQ(positions[1].args[1], -1);
}

struct PlacementCase {
  int slot;
  ui::PixelPoint at;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << "slot " << c.slot; }

class PlacementTest : public NotePoolTest, public ::testing::WithParamInterface<PlacementCase> {};

// At 1024 x 768 seven notes fit the first column (300 twips down, then 1000
// twips down each), all against the right edge: three quarters across (and
// 300 twips right per note) no note fits. Further notes go into further
// columns. Past slot 32, slot * 1000 no longer fits 16 bits;
// the cascade carries on instead, and every note stays open.
TEST_P(PlacementTest, CascadesBySlotNumberWithinTheWorkArea) {
  const PlacementCase& c = GetParam();
  for (int i = 0; i <= c.slot; ++i) NewNote();
  const ui::PixelRect bounds = NoteWindow(c.slot).Bounds();
  EXPECT_EQ((ui::PixelPoint{bounds.left, bounds.top}), c.at);
  EXPECT_EQ(toolkit_.All("Form2").size(), static_cast<std::size_t>(c.slot) + 1);
}

INSTANTIATE_TEST_SUITE_P(Slots, PlacementTest,
                         ::testing::Values(PlacementCase{0, {747, 20}}, PlacementCase{1, {747, 87}},
                                           PlacementCase{2, {747, 153}},
                                           PlacementCase{6, {747, 420}},
                                           PlacementCase{7, {470, 20}},
                                           PlacementCase{33, {450, 386}},
                                           PlacementCase{200, {290, 320}}));

// 1367 pixels: three quarters is 1025.25, placed at the nearest pixel as the
// window system places any position in twips (the note fits there).
TEST_F(NotePoolTest, FirstColumnStartsAtThreeQuartersOfTheScreenWidth) {
  toolkit_.screenWidthPixels = 1367;
  NewNote();
  EXPECT_EQ(NoteWindow(0).Bounds().left, 1025);
}

}  // namespace

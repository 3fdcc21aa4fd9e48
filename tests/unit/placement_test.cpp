// Where new notes open, and where windows go when the desktop changes.
#include "ui/placement.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "shell_running_program.h"

namespace {

template <typename Info>
std::string CaseName(const Info& info) {
  std::string name = info.param.name;
  for (char& ch : name)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return name;
}

// ---- The cascade's columns ------------------------------------------------

// The first column at 96 dots per inch: 300 twips down at three quarters of
// the screen width, then 1000 twips down and 300 right per slot.
ui::CascadeColumn ColumnAt(double left) { return {left, 20, 20, 1000.0 / 15}; }
constexpr ui::PixelSize kNote{277, 282};

struct CascadeCase {
  const char* name;
  ui::CascadeColumn column;
  ui::PixelRect workArea;
  int firstColumnRows;  // slots that keep the plain cascade's places
  std::vector<std::pair<int, ui::PixelPoint>> places;
};

void PrintTo(const CascadeCase& c, std::ostream* os) { *os << c.name; }

class CascadeTest : public ::testing::TestWithParam<CascadeCase> {};

TEST_P(CascadeTest, EveryNoteOpensInsideTheWorkArea) {
  const CascadeCase& c = GetParam();
  for (const auto& [slot, at] : c.places)
    EXPECT_EQ(ui::CascadePosition(slot, c.column, kNote, c.workArea), at) << "slot " << slot;

  const ui::PixelRect& area = c.workArea;
  const int shiftDown = std::max(0, area.top - static_cast<int>(std::lround(c.column.top)));
  const double reach = c.column.left + (c.firstColumnRows - 1) * c.column.stepRight;
  for (int slot = 0; slot < 500; ++slot) {
    const ui::PixelPoint at = ui::CascadePosition(slot, c.column, kNote, area);
    EXPECT_GE(at.x, area.left) << "slot " << slot;
    EXPECT_LE(at.x, reach + 0.5) << "slot " << slot;
    EXPECT_GE(at.y, area.top) << "slot " << slot;
    if (kNote.height <= area.Height()) {
      EXPECT_LE(at.y + kNote.height, area.bottom) << slot;
    }
    if (slot < c.firstColumnRows && kNote.height <= area.Height()) {
      EXPECT_EQ(at.x, std::lround(c.column.left + slot * c.column.stepRight)) << slot;
      EXPECT_EQ(at.y, std::lround(c.column.top + slot * c.column.stepDown) + shiftDown) << slot;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    WorkAreas, CascadeTest,
    ::testing::Values(
        // Seven notes a column; three columns; then again, shifted.
        CascadeCase{"1024x768",
                    ColumnAt(768),
                    {0, 0, 1024, 768},
                    7,
                    {{0, {768, 20}},
                     {6, {888, 420}},
                     {7, {491, 20}},
                     {13, {611, 420}},
                     {14, {214, 20}},
                     {21, {748, 53}},
                     {27, {868, 453}},
                     {42, {728, 20}}}},
        CascadeCase{"1920x1080, taskbar at the bottom",
                    ColumnAt(1440),
                    {0, 0, 1920, 1040},
                    12,
                    {{11, {1660, 753}}, {12, {1163, 20}}, {72, {1420, 53}}}},
        CascadeCase{"taskbar at the top",
                    ColumnAt(768),
                    {0, 40, 1024, 768},
                    7,
                    {{0, {768, 40}}, {6, {888, 440}}, {7, {491, 40}}}},
        CascadeCase{"wide taskbar on the left",
                    ColumnAt(768),
                    {300, 0, 1024, 768},
                    7,
                    {{7, {491, 20}}, {14, {748, 53}}}},
        // A note taller than the work area opens at its top.
        CascadeCase{"800x200", ColumnAt(600), {0, 0, 800, 200}, 1, {{0, {600, 0}}, {1, {323, 0}}}}),
    [](const auto& info) { return CaseName(info); });

// ---- Pulling windows back -------------------------------------------------

const ui::Monitor kPrimary{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96};
const ui::Monitor kLeftOfPrimary{{-1280, 0, 0, 1024}, {-1280, 0, 0, 984}, 96};
const ui::Monitor kSmallerRight{{1920, 0, 2944, 768}, {1920, 0, 2944, 768}, 96};
const ui::Monitor kTaskbarLeft{{0, 0, 1366, 768}, {48, 0, 1366, 768}, 96};
const ui::Monitor kTaskbarTop{{0, 0, 1366, 768}, {0, 30, 1366, 768}, 96};
const ui::Monitor kTiny{{0, 0, 200, 150}, {0, 0, 200, 150}, 96};

struct PullCase {
  const char* name;
  std::vector<ui::Monitor> monitors;
  ui::PixelPoint from;  // a note's top-left corner (277 x 282)
  ui::PixelPoint to;
};

void PrintTo(const PullCase& c, std::ostream* os) { *os << c.name; }

class PullBackTest : public testing_support::RunningProgram,
                     public ::testing::WithParamInterface<PullCase> {};

// The note is hidden: hidden windows come back as well, for they may be
// shown again.
TEST_P(PullBackTest, ANoteOutOfReachComesBackAtItsSize) {
  const PullCase& c = GetParam();
  NewNote();
  fake::FakeWindow& note = NoteWindow(0);
  note.Hide();
  note.MoveTo(c.from.x, c.from.y);
  toolkit_.monitors = c.monitors;

  toolkit_.DesktopChanged();

  EXPECT_EQ(note.Bounds(), (ui::PixelRect{c.to.x, c.to.y, c.to.x + 277, c.to.y + 282}));
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, PullBackTest,
    ::testing::Values(
        PullCase{"inside a monitor left of the primary stays",
                 {kPrimary, kLeftOfPrimary},
                 {-1000, 100},
                 {-1000, 100}},
        PullCase{"that monitor removed", {kPrimary}, {-1000, 100}, {0, 100}},
        PullCase{"across two monitors, to the one with more of it",
                 {kPrimary, kLeftOfPrimary},
                 {-100, 500},
                 {0, 500}},
        PullCase{"under the taskbar", {kPrimary}, {600, 900}, {600, 758}},
        PullCase{"under a taskbar on the left", {kTaskbarLeft}, {10, 100}, {48, 100}},
        PullCase{"under a taskbar at the top", {kTaskbarTop}, {500, 0}, {500, 30}},
        PullCase{
            "off a smaller second monitor", {kPrimary, kSmallerRight}, {2800, 600}, {2667, 486}},
        PullCase{"far away, to the nearest monitor",
                 {kPrimary, kSmallerRight},
                 {5000, 5000},
                 {2667, 486}},
        PullCase{"larger than the work area: its corner inside", {kTiny}, {50, 50}, {0, 0}}),
    [](const auto& info) { return CaseName(info); });

}  // namespace

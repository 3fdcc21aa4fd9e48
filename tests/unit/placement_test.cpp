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

// The plain cascade's place of `slot` (below a taskbar at the top, the
// column moves down as a whole).
ui::PixelPoint PlainPlace(int slot, const ui::CascadeColumn& column, const ui::PixelRect& area) {
  const int shiftDown = std::max(0, area.top - static_cast<int>(std::lround(column.top)));
  return {static_cast<int>(std::lround(column.left + slot * column.stepRight)),
          static_cast<int>(std::lround(column.top + slot * column.stepDown)) + shiftDown};
}

// Every note wholly inside the work area; a note of the first column (its
// plain place ends above the bottom) at its plain place where it fits there,
// else moved left just far enough to end at the right edge.
void ExpectEveryNoteInside(const ui::CascadeColumn& column, ui::PixelSize note,
                           const ui::PixelRect& area) {
  for (int slot = 0; slot < 200; ++slot) {
    const ui::PixelPoint at = ui::CascadePosition(slot, column, note, area);
    EXPECT_GE(at.x, area.left) << "slot " << slot;
    EXPECT_LE(at.x + note.width, area.right) << "slot " << slot;
    EXPECT_GE(at.y, area.top) << "slot " << slot;
    EXPECT_LE(at.y + note.height, area.bottom) << "slot " << slot;
    const ui::PixelPoint plain = PlainPlace(slot, column, area);
    if (plain.y + note.height > area.bottom) continue;
    EXPECT_EQ(at.y, plain.y) << "slot " << slot;
    EXPECT_EQ(at.x, std::min(plain.x, area.right - note.width)) << "slot " << slot;
  }
}

TEST_P(CascadeTest, EveryNoteOpensInsideTheWorkArea) {
  const CascadeCase& c = GetParam();
  for (const auto& [slot, at] : c.places)
    EXPECT_EQ(ui::CascadePosition(slot, c.column, kNote, c.workArea), at) << "slot " << slot;
  if (kNote.height <= c.workArea.Height() && kNote.width <= c.workArea.Width())
    ExpectEveryNoteInside(c.column, kNote, c.workArea);
  for (int slot = 0; slot < c.firstColumnRows && kNote.height <= c.workArea.Height(); ++slot)
    EXPECT_EQ(ui::CascadePosition(slot, c.column, kNote, c.workArea).y,
              PlainPlace(slot, c.column, c.workArea).y)
        << slot;
}

INSTANTIATE_TEST_SUITE_P(
    WorkAreas, CascadeTest,
    ::testing::Values(
        // Seven notes a column, all against the right edge: none fits at
        // three quarters of the width; three columns; then again, shifted.
        CascadeCase{"1024x768",
                    ColumnAt(768),
                    {0, 0, 1024, 768},
                    7,
                    {{0, {747, 20}},
                     {6, {747, 420}},
                     {7, {470, 20}},
                     {13, {470, 420}},
                     {14, {193, 20}},
                     {21, {727, 53}},
                     {27, {727, 453}},
                     {42, {707, 20}}}},
        // Slots 0 to 10 fit where the plain cascade puts them; 11 would end
        // at 1937.
        CascadeCase{"1920x1080, taskbar at the bottom",
                    ColumnAt(1440),
                    {0, 0, 1920, 1040},
                    12,
                    {{10, {1640, 687}}, {11, {1643, 753}}, {12, {1163, 20}}, {72, {1420, 53}}}},
        CascadeCase{"taskbar at the top",
                    ColumnAt(768),
                    {0, 40, 1024, 768},
                    7,
                    {{0, {747, 40}}, {6, {747, 440}}, {7, {470, 40}}}},
        CascadeCase{"wide taskbar on the left",
                    ColumnAt(768),
                    {300, 0, 1024, 768},
                    7,
                    {{7, {470, 20}}, {14, {727, 53}}}},
        // A note taller than the work area opens at its top.
        CascadeCase{"800x200", ColumnAt(600), {0, 0, 800, 200}, 1, {{0, {523, 0}}, {1, {246, 0}}}}),
    [](const auto& info) { return CaseName(info); });

// Common screens at 100, 125 and 150 %, with the taskbar (40 pixels at
// 100 %) on each side: the note and the cascade's twips at the screen's DPI.
struct Desktop {
  int width, height, dpi;
  char taskbar;  // 'b'ottom, 't'op, 'l'eft, 'r'ight
};

ui::PixelRect WorkAreaOf(const Desktop& d) {
  const int bar = ui::Dpi(d.dpi).Scale(40);
  ui::PixelRect area{0, 0, d.width, d.height};
  switch (d.taskbar) {
    case 'b':
      area.bottom -= bar;
      break;
    case 't':
      area.top += bar;
      break;
    case 'l':
      area.left += bar;
      break;
    default:
      area.right -= bar;
      break;
  }
  return area;
}

TEST(CascadeOnCommonScreens, EveryNoteInsideItsWorkAreaAndPlacesKeptWhereTheyFit) {
  for (const int width : {1024, 1366, 1920})
    for (const int dpi : {96, 120, 144})
      for (const char taskbar : {'b', 't', 'l', 'r'}) {
        const Desktop desktop{width, width == 1920 ? 1080 : 768, dpi, taskbar};
        const ui::Dpi at(dpi);
        const double perPixel = at.TwipsPerPixel();
        const ui::CascadeColumn column{width * 3 / 4.0, 300 / perPixel, 300 / perPixel,
                                       1000 / perPixel};
        SCOPED_TRACE(std::to_string(width) + " at " + std::to_string(dpi) + ", taskbar " + taskbar);
        ExpectEveryNoteInside(column, {at.ToPixels(4155), at.ToPixels(4230)}, WorkAreaOf(desktop));
      }
}

class ShellPlacement : public testing_support::RunningProgram {};

// A note opens on the main screen at that screen's scale, whatever the scale
// of a screen beside it.
TEST_F(ShellPlacement, NotesOpenInsideTheMainScreenBesideOneOfAnotherScale) {
  toolkit_.screenWidthPixels = 1366;
  toolkit_.twipsPerPixel = 1440.0 / 144;
  toolkit_.monitors = {{{0, 0, 1366, 768}, {0, 0, 1366, 728}, 144},
                       {{1366, 0, 3286, 1080}, {1366, 0, 3286, 1080}, 96}};
  for (int slot = 0; slot < 40; ++slot) {
    NewNote();
    const ui::PixelRect note = NoteWindow(slot).Bounds();
    EXPECT_TRUE(note.left >= 0 && note.top >= 0 && note.right <= 1366 && note.bottom <= 728)
        << "slot " << slot;
  }
  EXPECT_EQ(NoteWindow(0).Bounds().left, 1366 - NoteWindow(0).Bounds().Width());
}

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
  toolkit_.RunScheduledPass();

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
        // A window the user can close stays, however much of it hangs over
        // an edge.
        PullCase{"across two monitors stays", {kPrimary, kLeftOfPrimary}, {-100, 500}, {-100, 500}},
        PullCase{"40 px past the right edge, its close picture showing, stays",
                 {kPrimary},
                 {1683, 100},
                 {1683, 100}},
        PullCase{"half under the taskbar, its close picture above it, stays",
                 {kPrimary},
                 {600, 900},
                 {600, 900}},
        PullCase{"its close picture just past the right edge: the least move",
                 {kPrimary},
                 {1710, 100},
                 {1643, 100}},
        PullCase{"across two monitors, its close picture under the taskbar: to the one with "
                 "more of it",
                 {kPrimary, kLeftOfPrimary},
                 {-100, 1030},
                 {0, 758}},
        PullCase{"its close picture under a taskbar on the left",
                 {kTaskbarLeft},
                 {-180, 100},
                 {48, 100}},
        PullCase{"under a taskbar at the top", {kTaskbarTop}, {500, 0}, {500, 30}},
        PullCase{
            "off a smaller second monitor", {kPrimary, kSmallerRight}, {2800, 600}, {2667, 486}},
        PullCase{"far away, to the nearest monitor",
                 {kPrimary, kSmallerRight},
                 {5000, 5000},
                 {2667, 486}},
        PullCase{"larger than the work area: its corner inside", {kTiny}, {50, 50}, {0, 0}}),
    [](const auto& info) { return CaseName(info); });

// The alarm dialog closes with its caption's close button (18 x 18 pixels,
// 3 from the top and right edges of its 320-pixel frame in the fake).
TEST_F(ShellPlacement, TheAlarmDialogIsInReachWhileItsCaptionCloseButtonShows) {
  struct Case {
    ui::PixelPoint from, to;
  };
  for (const Case& c : {Case{{-200, 500}, {-200, 500}}, Case{{1601, 100}, {1601, 100}},
                        Case{{1604, 100}, {1600, 100}}}) {
    ChooseFromPopup("mnuAlarmMe");
    fake::FakeWindow& dialog = *toolkit_.Find("Form3");
    dialog.MoveTo(c.from.x, c.from.y);
    toolkit_.monitors = {kPrimary};
    toolkit_.DesktopChanged();
    toolkit_.RunScheduledPass();
    EXPECT_EQ((ui::PixelPoint{dialog.Bounds().left, dialog.Bounds().top}), c.to)
        << c.from.x << ", " << c.from.y;
  }
}

}  // namespace

// The program at 100, 125, 150 and 200 % display scale: every window turns
// its twips into pixels at its own DPI, and follows a change of it.
#include <gtest/gtest.h>

#include <ostream>

#include "about/form5_layout.h"
#include "alarm/form3.h"
#include "alarm/form3_layout.h"
#include "alarm/form4_layout.h"
#include "notes/form2.h"
#include "notes/form2_layout.h"
#include "shell_running_program.h"
#include "ui/dpi_awareness.h"
#include "ui/placement.h"

namespace {

using notes::Form2;

// Rectangles as left, top, width, height.
ui::PixelRect Rect(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

struct ScaleCase {
  int dpi;
  // The cascade's place for slot 1 (against the right edge of the 1024-pixel
  // screen), and the note's size.
  ui::PixelRect secondNote;
  ui::PixelRect body, closePicture;
  int bodyFont;
  const char* labelFace;  // MS Sans Serif has bitmaps for 96 dpi only
  int labelFont;
  int rolledUp;  // the strip's height
  ui::PixelPoint dialog;
  ui::PixelRect option1;  // inside the dialog's frame
  ui::PixelRect about;    // centred on the 1024 x 768 screen
  int sheetWidth, sheetHeight;
};

void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.dpi << " dpi"; }

class ScaleTest : public testing_support::RunningProgram,
                  public ::testing::WithParamInterface<ScaleCase> {
 protected:
  ScaleTest() { toolkit_.twipsPerPixel = 1440.0 / GetParam().dpi; }

  fake::FakeWindow& Open(const char* menuItem, const char* window) {
    ChooseFromPopup(menuItem);
    return *toolkit_.Find(window);
  }
};

TEST_P(ScaleTest, WindowsConvertTheirTwipsAtTheirDpi) {
  const ScaleCase& c = GetParam();
  NewNote();
  NewNote();
  fake::FakeWindow& note = NoteWindow(1);
  EXPECT_EQ(note.DotsPerInch(), ui::Dpi(c.dpi));
  EXPECT_EQ(note.Bounds(), c.secondNote);
  EXPECT_EQ(note.ControlPixels(Form2::kText1), c.body);
  EXPECT_EQ(note.ControlPixels(Form2::kImage1), c.closePicture);
  EXPECT_EQ(note.ControlFont(Form2::kText1), (ui::FontAtDpi{"Arial", -c.bodyFont, true, false}));
  EXPECT_EQ(note.ControlFont(Form2::kLabel1),
            (ui::FontAtDpi{c.labelFace, -c.labelFont, true, false}));
  note.Events().DblClick(ui::kForm);
  EXPECT_EQ(note.Bounds().Height(), c.rolledUp);

  const ui::PixelRect dialog = Open("mnuAlarmMe", "Form3").Bounds();
  EXPECT_EQ((ui::PixelPoint{dialog.left, dialog.top}), c.dialog);
  EXPECT_EQ(toolkit_.Find("Form3")->ControlPixels(alarms::Form3::kOption1), c.option1);
  EXPECT_EQ(Open("mnuAbout", "Form5").Bounds(), c.about);

  const ui::Dpi dpi(c.dpi);
  EXPECT_EQ(dpi.Scale(250), c.sheetWidth);
  EXPECT_EQ(dpi.Scale(267), c.sheetHeight);
}

// One row per scale.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Scales, ScaleTest,
    ::testing::Values(
        ScaleCase{96, Rect(747, 87, 277, 282), Rect(16, 40, 201, 177), Rect(208, 8, 16, 16), 15,
                  "MS Sans Serif", 16, 31, {385, 325}, Rect(24, 48, 105, 25),
                  Rect(286, 229, 451, 309), 250, 267},
        ScaleCase{120, Rect(678, 108, 346, 353), Rect(20, 50, 251, 221), Rect(260, 10, 20, 20),
                  18, "Microsoft Sans Serif", 20, 38, {481, 406}, Rect(30, 60, 131, 31),
                  Rect(230, 191, 564, 386), 313, 334},
        ScaleCase{144, Rect(608, 130, 416, 423), Rect(24, 60, 302, 266), Rect(312, 12, 24, 24),
                  22, "Microsoft Sans Serif", 24, 46, {578, 488}, Rect(36, 72, 158, 38),
                  Rect(173, 152, 677, 464), 375, 401},
        ScaleCase{192, Rect(470, 173, 554, 564), Rect(32, 80, 402, 354), Rect(416, 16, 32, 32),
                  30, "Microsoft Sans Serif", 32, 61, {770, 650}, Rect(48, 96, 210, 50),
                  Rect(61, 75, 902, 618), 500, 534}));
// clang-format on

class DpiChangeTest : public testing_support::RunningProgram {};

// The program started at 100 %; the monitor is at 150 % now: the note, 416
// pixels wide, opens against the right edge of the 1024-pixel screen.
TEST_F(DpiChangeTest, NotesCascadeInThePixelsOfTheirMonitor) {
  toolkit_.monitorDpi = 144;
  NewNote();
  NewNote();
  EXPECT_EQ(NoteWindow(1).Bounds(), Rect(608, 130, 416, 423));
}

// The system's suggestion scales the pixels the window had; a rolled-up note
// keeps its strip of 460 twips instead, and unrolls to its saved height.
TEST_F(DpiChangeTest, ANoteKeepsItsSizeInTwipsAtTheSuggestedPlace) {
  NewNote();
  fake::FakeWindow& note = NoteWindow(0);
  note.Events().DblClick(ui::kForm);
  ASSERT_EQ(note.Bounds().Height(), 31);

  note.ChangeDpi(ui::Dpi(144), Rect(1200, 100, 416, 47));

  EXPECT_EQ(note.Bounds(), Rect(1200, 100, 416, 46));
  EXPECT_EQ(note.ControlPixels(Form2::kImage1), Rect(312, 12, 24, 24));
  EXPECT_EQ(note.ControlFont(Form2::kText2).height, -24);
  note.Events().DblClick(ui::kForm);
  EXPECT_EQ(note.Bounds(), Rect(1200, 100, 416, 423));
}

// The system's guess scales the frame with the client area; the dialog takes
// its client area's twips at the new DPI in the frame of that DPI instead,
// the size it answers WM_GETDPISCALEDSIZE with.
TEST_F(DpiChangeTest, TheDialogTakesItsOwnSizeAtTheSuggestedPlace) {
  ChooseFromPopup("mnuAlarmMe");
  fake::FakeWindow& dialog = *toolkit_.Find("Form3");

  dialog.ChangeDpi(ui::Dpi(144), Rect(1500, 300, 483, 357));

  EXPECT_EQ(dialog.Bounds(), Rect(1500, 300, 481, 356));
  EXPECT_EQ(dialog.BoundsAt(ui::Dpi(144)), dialog.Bounds());
  EXPECT_EQ(dialog.ControlPixels(alarms::Form3::kOption1), Rect(36, 72, 158, 38));
  EXPECT_EQ(dialog.ControlFont(alarms::Form3::kLabel2),
            (ui::FontAtDpi{"Microsoft Sans Serif", -27, true, false}));
}

// Twips are what a window keeps: 96 -> 144 -> 120 -> 96 dpi gives the first
// pixels back, whatever the system suggests on the way (here its linear
// guess from the pixels the window has).
struct RoundTripCase {
  const char* window;
  const ui::WindowLayout& (*layout)();
  ui::PixelRect at96, at144, at120;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.window; }

class DpiRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {
 protected:
  fake::FakeToolkit toolkit_;
  ui::FormEvents events_;
};

ui::PixelRect SystemGuess(const ui::PixelRect& now, int oldDpi, int newDpi) {
  return Rect(now.left, now.top, now.Width() * newDpi / oldDpi, now.Height() * newDpi / oldDpi);
}

TEST_P(DpiRoundTripTest, ComesBackToTheFirstPixels) {
  const RoundTripCase& c = GetParam();
  const auto window = toolkit_.CreateFormWindow(c.layout(), events_);
  auto& fake = static_cast<fake::FakeWindow&>(*window);
  fake.MoveTo(100, 50);
  ASSERT_EQ(fake.Bounds(), c.at96);
  int dpi = 96;
  for (const auto& [next, expected] : {std::pair{144, c.at144}, {120, c.at120}, {96, c.at96}}) {
    EXPECT_EQ(fake.BoundsAt(ui::Dpi(next)).Width(), expected.Width()) << next;
    fake.ChangeDpi(ui::Dpi(next), SystemGuess(fake.Bounds(), dpi, next));
    EXPECT_EQ(fake.Bounds(), expected) << next;
    dpi = next;
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Windows, DpiRoundTripTest,
    ::testing::Values(
        RoundTripCase{"note", notes::Form2Layout, Rect(100, 50, 277, 282),
                      Rect(100, 50, 416, 423), Rect(100, 50, 346, 353)},
        RoundTripCase{"dialog", alarms::Form3Layout, Rect(100, 50, 320, 236),
                      Rect(100, 50, 481, 356), Rect(100, 50, 401, 296)},
        RoundTripCase{"alert", alarms::Form4Layout, Rect(100, 50, 254, 300),
                      Rect(100, 50, 381, 450), Rect(100, 50, 318, 375)},
        RoundTripCase{"About", about::Form5Layout, Rect(100, 50, 451, 309),
                      Rect(100, 50, 677, 464), Rect(100, 50, 564, 386)}));
// clang-format on

// A window moving to a monitor of another scale takes its size there before
// its place is found, so it lands wholly inside that monitor's work area.
class TargetMonitorTest : public testing_support::RunningProgram {
 protected:
  // The program started at 100 %; the primary monitor is at 150 % now, a
  // second one left of it at 100 %.
  TargetMonitorTest() {
    toolkit_.screenWidthPixels = 1920;
    toolkit_.screenHeightPixels = 1080;
    toolkit_.monitors = {{Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1040), 144},
                         {Rect(-1024, 0, 1024, 768), Rect(-1024, 0, 1024, 768), 96}};
  }
};

TEST_F(TargetMonitorTest, ANewNoteCascadesAtThePrimaryMonitorsScale) {
  NewNote();
  fake::FakeWindow& note = NoteWindow(0);
  EXPECT_EQ(note.DotsPerInch(), ui::Dpi(144));
  EXPECT_EQ(note.Bounds(), Rect(1440, 30, 416, 423));
}

TEST_F(TargetMonitorTest, APulledBackNoteTakesTheScaleOfItsNewMonitor) {
  NewNote();
  fake::FakeWindow& note = NoteWindow(0);
  note.ChangeDpi(ui::Dpi(96), Rect(-1000, 700, 277, 282));  // partly below the second monitor

  toolkit_.monitors.pop_back();  // the second monitor is unplugged
  toolkit_.DesktopChanged();
  toolkit_.RunScheduledPass();

  EXPECT_EQ(note.DotsPerInch(), ui::Dpi(144));
  EXPECT_EQ(note.Bounds(), Rect(0, 1040 - 423, 416, 423));
}

// Frames are drawn at the window's DPI under per-monitor v2 only: v1 (Windows
// 8.1, Windows 10 1607) draws them at the system DPI, as system awareness does.
TEST(FrameMetricsTest, FollowTheAwareness) {
  using ui::DpiAwareness, ui::FrameMetrics;
  const std::pair<DpiAwareness, FrameMetrics> table[] = {
      {DpiAwareness::Unaware, FrameMetrics::AtSystemDpi},
      {DpiAwareness::System, FrameMetrics::AtSystemDpi},
      {DpiAwareness::PerMonitor, FrameMetrics::AtSystemDpi},
      {DpiAwareness::PerMonitorV2, FrameMetrics::AtWindowDpi},
  };
  for (const auto& [awareness, metrics] : table)
    EXPECT_EQ(ui::FrameMetricsUnder(awareness), metrics) << static_cast<int>(awareness);
}

}  // namespace

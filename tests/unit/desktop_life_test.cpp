// The program where a real desktop differs from a calm one: a taskbar that
// refuses the icon, a session that ends, a desktop out of window handles.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "alarm_fixture.h"
#include "shell_running_program.h"
#include "ui/placement.h"

namespace {

using Messages = std::vector<std::int64_t>;

Messages TrayMessages(const fake::FakePlatform& platform) {
  Messages messages;
  for (const auto& call : platform.Calls("Shell_NotifyIconA")) messages.push_back(call.args[0]);
  return messages;
}

// ---- A taskbar that refuses the icon ------------------------------------

struct TrayCase {
  const char* name;
  bool answersAtStart;
  bool firstAddTimesOut;
  int ticksWhileDown;
  Messages messages;
};

void PrintTo(const TrayCase& c, std::ostream* os) { *os << c.name; }

class TrayRetryTest : public ::testing::TestWithParam<TrayCase> {
 protected:
  fake::FakeWindow& Form1Window() { return *toolkit_.Find("Form1"); }
  bool Retrying() { return Form1Window().TimerEnabled(shell::Form1::kTimerTrayIcon); }
  void Tick() { Form1Window().Events().Timer(shell::Form1::kTimerTrayIcon); }

  fake::FakeToolkit toolkit_;
  fake::FakePlatform platform_;
  fake::FakeClock clock_;
  Program program_{toolkit_, platform_, clock_, "https://www.paperwisp.example"};
};

constexpr std::int64_t kAdd = ui::kNimAdd, kModify = ui::kNimModify;

// Every retry first asks whether the icon got in after all, so that a slow
// taskbar never ends up with two icons.
TEST_P(TrayRetryTest, RetriesUntilTheTaskbarHasTheIcon) {
  const TrayCase& c = GetParam();
  platform_.taskbarAnswers = c.answersAtStart;
  platform_.addTimesOut = c.firstAddTimesOut;
  program_.Start();
  platform_.addTimesOut = false;
  for (int i = 0; i < c.ticksWhileDown; ++i) Tick();
  platform_.taskbarAnswers = true;
  if (Retrying()) Tick();

  EXPECT_EQ(TrayMessages(platform_), c.messages);
  EXPECT_TRUE(platform_.iconShown);
  EXPECT_FALSE(Retrying());
  EXPECT_FALSE(Form1Window().Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Taskbars, TrayRetryTest,
    ::testing::Values(
        TrayCase{"ready", true, false, 0, {kAdd}},
        TrayCase{"late", false, false, 2, {kAdd, kModify, kAdd, kModify, kAdd, kModify, kAdd}},
        TrayCase{"timed out but took it", true, true, 0, {kAdd, kModify}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

TEST_F(TrayRetryTest, RestartedTaskbarThatRefusesIsRetriedToo) {
  program_.Start();
  platform_.iconShown = false;
  platform_.taskbarAnswers = false;
  Form1Window().Events().TaskbarCreated();
  EXPECT_TRUE(Retrying());
  platform_.taskbarAnswers = true;
  Tick();
  EXPECT_TRUE(platform_.iconShown);
  EXPECT_FALSE(Retrying());
}

// ---- The end of the session, and an ending that stays ended -------------

class SessionEndTest : public alarm_test::AlarmTest {
 protected:
  std::vector<std::string> UnloadsSince(std::size_t from) const {
    std::vector<std::string> unloads;
    for (const std::string& entry : LogSince(from))
      if (entry.rfind("Unload ", 0) == 0 || entry == "EndProgram") unloads.push_back(entry);
    return unloads;
  }
  fake::FakeWindow& Form1Window() { return *toolkit_.Find("Form1"); }
  void ChooseExit() {
    toolkit_.nextPopupChoice = shell::Form1::kMPopExit;
    Form1Window().Events().MouseMove(ui::kForm, 0, 0, 0x0205 * toolkit_.twipsPerPixel, 0);
  }
};

TEST_F(SessionEndTest, EveryWindowUnloadsInTurnAndTheProgramEnds) {
  Form1Window().Events().Click(shell::Form1::kCmdMakeANewWindow);
  Form1Window().Events().Click(shell::Form1::kCmdMakeANewWindow);
  SetMinutes("0.01");
  Tick();  // the alert opens with its loop
  program_.Form5().EnsureLoaded().Show();
  const std::size_t from = toolkit_.log.size();

  toolkit_.EndSession();

  EXPECT_EQ(UnloadsSince(from), (std::vector<std::string>{
                                    "Unload Form2", "Unload Form2", "Unload Form4", "Unload Form3",
                                    "Unload Form5", "Unload Form1", "EndProgram"}));
  EXPECT_EQ(TrayMessages(platform_).back(), ui::kNimDelete);
  EXPECT_EQ(SoundCalls().back(), (std::vector<std::int64_t>{0, 0}));
  EXPECT_EQ(program_.Notes().NoteInUse(), (std::vector<std::int16_t>{0, 0}));
  EXPECT_EQ(Caption(), "Alarm Me (Stop)");
  toolkit_.EndSession();  // later reports change nothing
  EXPECT_EQ(UnloadsSince(from).size(), 7u);
}

enum class Ending { kSessionEnd, kExitFromTheMenu };

class EndingTest : public SessionEndTest, public ::testing::WithParamInterface<Ending> {};

// The program ends while "Alarm set successfully!" waits for the user. The
// Set handler carries on once the box returns, but its caption write must not
// bring the controller (and the tray icon) back.
TEST_P(EndingTest, ALateHandlerBringsNothingBack) {
  toolkit_.onMsgBox = [this](const fake::MsgBoxCall&) {
    if (GetParam() == Ending::kSessionEnd)
      toolkit_.EndSession();
    else
      ChooseExit();
  };
  SetMinutes("5");

  EXPECT_TRUE(toolkit_.ended);
  EXPECT_FALSE(program_.Form1().IsLoaded());
  EXPECT_EQ(TrayMessages(platform_), (Messages{ui::kNimAdd, ui::kNimDelete}));
  const std::size_t boxes = toolkit_.msgBoxes.size();
  EXPECT_EQ(toolkit_.MsgBox("late", ui::kMsgBoxError, ui::kErrorTitle), 0);
  EXPECT_EQ(toolkit_.msgBoxes.size(), boxes);
}

INSTANTIATE_TEST_SUITE_P(Endings, EndingTest,
                         ::testing::Values(Ending::kSessionEnd, Ending::kExitFromTheMenu));

// ---- A desktop out of window handles ------------------------------------

class OutOfHandlesTest : public testing_support::RunningProgram {};

TEST_F(OutOfHandlesTest, ANoteThatCannotBeMadeCostsNothingElse) {
  NewNote();
  NewNote();
  NoteWindow(1).SetText(notes::Form2::kText1, "keep me");
  const std::size_t notes = toolkit_.All("Form2").size();

  toolkit_.failWindowCreation = true;
  NewNote();
  toolkit_.failWindowCreation = false;

  ASSERT_EQ(toolkit_.msgBoxes.size(), 1u);
  EXPECT_EQ(toolkit_.msgBoxes[0].text,
            "No more notes can be opened. Close some notes and try again.");
  EXPECT_EQ(toolkit_.msgBoxes[0].flags, 16);
  EXPECT_EQ(toolkit_.msgBoxes[0].title, "Error");
  EXPECT_EQ(Pool().NoteInUse(), (std::vector<std::int16_t>{1, 1}));
  EXPECT_EQ(toolkit_.All("Form2").size(), notes);
  EXPECT_EQ(NoteWindow(1).Text(notes::Form2::kText1), "keep me");

  CloseNote(0);
  NewNote();
  EXPECT_EQ(Pool().NoteInUse(), (std::vector<std::int16_t>{1, 1}));
  EXPECT_TRUE(NoteWindow(0).Visible());
}

TEST_F(OutOfHandlesTest, AboutAndTheAlarmDialogThatCannotBeMadeCostOnlyThemselves) {
  NewNote();
  NoteWindow(0).SetText(notes::Form2::kText1, "keep me");
  toolkit_.failWindowCreation = true;
  ChooseFromPopup("mnuAlarmMe");
  ChooseFromPopup("mnuAbout");
  toolkit_.failWindowCreation = false;

  ASSERT_EQ(toolkit_.msgBoxes.size(), 2u);
  EXPECT_EQ(toolkit_.msgBoxes[0].text,
            "The alarm window could not be opened. Close some notes and try again.");
  EXPECT_EQ(toolkit_.msgBoxes[1].text,
            "The About window could not be opened. Close some notes and try again.");
  for (const fake::MsgBoxCall& box : toolkit_.msgBoxes)
    EXPECT_EQ((std::pair<int, std::string>{box.flags, box.title}),
              (std::pair<int, std::string>{16, "Error"}));
  EXPECT_EQ(NoteWindow(0).Text(notes::Form2::kText1), "keep me");

  ChooseFromPopup("mnuAbout");
  EXPECT_TRUE(program_.Form5().Win().Visible());
}

using AlarmOnTheDesktopTest = SessionEndTest;

// An alarm whose alert cannot open is heard at once, said once, and its
// alert opens on the first tick that can make it.
TEST_F(AlarmOnTheDesktopTest, AnAlertThatCannotBeMadeIsRetriedWithItsSoundPlaying) {
  SetMinutes("0.01");
  toolkit_.failWindowCreation = true;
  Ticks(3);
  EXPECT_EQ(toolkit_.msgBoxes.back().text,
            "The alarm went off, but its window could not be opened. Close some notes: the "
            "alarm window opens as soon as it can.");
  EXPECT_EQ(toolkit_.msgBoxes.back().flags, 16);
  EXPECT_EQ(toolkit_.msgBoxes.size(), 2u);  // the confirmation, then this
  EXPECT_EQ(SoundCalls().back(), (std::vector<std::int64_t>{1, alarm_test::kLoopFlags}));
  EXPECT_TRUE(Timer1On());

  toolkit_.failWindowCreation = false;
  Tick();
  EXPECT_TRUE(AlertOpen());
  EXPECT_FALSE(Timer1On());
  Alert()->Events().Click(alarms::Form4::kImage2);
  EXPECT_EQ(SoundCalls().back(), (std::vector<std::int64_t>{0, 0}));
}

// Deleting the alarm gives up its alert, and the sound goes with it.
TEST_F(AlarmOnTheDesktopTest, DeletingAnAlarmWhoseAlertWaitsStopsItsSound) {
  clock_.ShowLocal(alarm_test::LocalAt(12, 0));
  SetTime("12", " 0");
  toolkit_.failWindowCreation = true;
  Tick();
  clock_.Pass(60'000);
  OpenDialog();
  Press(alarm_test::Form3::kCmdCancelAlarm);
  toolkit_.failWindowCreation = false;
  Ticks(2);
  EXPECT_EQ(SoundCalls().back(), (std::vector<std::int64_t>{0, 0}));
  EXPECT_EQ(Alert(), nullptr);
}

// ---- A desktop that changes under the windows ----------------------------

// Every window of the program, open or hidden, rolled up or not, returns
// from wherever it was left once the screen it was on goes away.
TEST_F(AlarmOnTheDesktopTest, EveryWindowComesBackWhenItsScreenGoes) {
  SetMinutes("0.01");
  Tick();  // the alert
  OpenDialog();
  program_.Form5().EnsureLoaded().Show();
  Form1Window().Events().Click(shell::Form1::kCmdMakeANewWindow);
  Form1Window().Events().Click(shell::Form1::kCmdMakeANewWindow);
  fake::FakeWindow& rolled = *toolkit_.All("Form2")[0];
  rolled.Events().DblClick(ui::kForm);
  std::vector<fake::FakeWindow*> windows = toolkit_.All("Form2");
  for (const char* name : {"Form3", "Form4", "Form5"}) windows.push_back(toolkit_.Find(name));
  const ui::PixelRect second{1024, 0, 2944, 1080};
  toolkit_.monitors = {{{0, 0, 1024, 768}, {0, 0, 1024, 728}, 96}, {second, second, 96}};
  for (fake::FakeWindow* window : windows) window->MoveTo(1500, 700);
  std::vector<ui::PixelSize> sizes;
  for (fake::FakeWindow* window : windows)
    sizes.push_back({window->Bounds().Width(), window->Bounds().Height()});

  toolkit_.monitors.pop_back();
  toolkit_.DesktopChanged();
  toolkit_.RunScheduledPass();

  for (std::size_t i = 0; i < windows.size(); ++i) {
    const ui::PixelRect bounds = windows[i]->Bounds();
    EXPECT_TRUE(bounds.left >= 0 && bounds.top >= 0 && bounds.right <= 1024 && bounds.bottom <= 728)
        << windows[i]->Layout().name << " at " << bounds.left << ", " << bounds.top;
    EXPECT_EQ(bounds.Width(), sizes[i].width);
    EXPECT_EQ(bounds.Height(), sizes[i].height);
  }
}

// ---- When the windows are arranged ---------------------------------------

// What one window hears of the desktop; each is told to every window.
enum class News { DisplayChange, WorkAreaChange, Suspend, Resume, MonitorAdded };

struct PassCase {
  const char* name;
  std::vector<News> news;
  int passes;        // runs of the pass over the windows
  int enumerations;  // of the monitors, for everything heard and the pass
};

void PrintTo(const PassCase& c, std::ostream* os) { *os << c.name; }

class DesktopPassTest : public testing_support::RunningProgram,
                        public ::testing::WithParamInterface<PassCase> {
 protected:
  void EveryWindowHears(News news) {
    const ui::Monitor second{{1024, 0, 2048, 768}, {1024, 0, 2048, 768}, 144};
    if (news == News::MonitorAdded) {
      toolkit_.monitors = {toolkit_.Displays().Primary(), second};
      return;
    }
    for (std::size_t window = 0; window < toolkit_.All("Form2").size() + 1; ++window) {
      if (news == News::Suspend)
        toolkit_.Suspending();
      else if (news == News::Resume)
        toolkit_.Resuming();
      else
        toolkit_.DesktopChanged();
    }
  }
};

// Forty notes and the controller: every message reaches 41 windows.
TEST_P(DesktopPassTest, TheWindowsAreArrangedOnceAfterTheBurst) {
  const PassCase& c = GetParam();
  for (int note = 0; note < 40; ++note) NewNote();
  const int enumerationsBefore = toolkit_.MonitorEnumerations();
  for (const News news : c.news) EveryWindowHears(news);
  toolkit_.RunScheduledPass();
  EXPECT_EQ(toolkit_.passesScheduled, c.passes);
  EXPECT_EQ(toolkit_.MonitorEnumerations() - enumerationsBefore, c.enumerations);
}

INSTANTIATE_TEST_SUITE_P(
    Bursts, DesktopPassTest,
    ::testing::Values(PassCase{"a display change and a work area change, three messages",
                               {News::DisplayChange, News::WorkAreaChange, News::DisplayChange},
                               1,
                               1},
                      // Asked once before the sleep and once after the first wake-up.
                      PassCase{"a wake-up to the same monitors, told twice",
                               {News::Suspend, News::Resume, News::Resume},
                               0,
                               2},
                      PassCase{"a wake-up to another monitor",
                               {News::Suspend, News::MonitorAdded, News::Resume, News::Resume},
                               1,
                               3},
                      PassCase{"a wake-up whose sleep went unheard", {News::Resume}, 0, 0}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

}  // namespace

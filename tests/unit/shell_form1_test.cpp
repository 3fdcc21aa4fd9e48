#include <cstring>
#include <string>
#include <vector>

#include "about/form5.h"
#include "alarm/form3.h"
#include "shell/tray_icon.h"
#include "shell_running_program.h"

namespace {

using testing_support::RunningProgram;
using Calls = std::vector<std::string>;

class Form1Test : public RunningProgram {
 protected:
  std::int64_t Form1Hwnd() { return static_cast<std::int64_t>(Form1Window().Hwnd()); }
  int NotifyCount(std::uint32_t message) {
    int count = 0;
    for (const auto& call : platform_.Calls("Shell_NotifyIconA")) count += call.args[0] == message;
    return count;
  }
};

TEST_F(Form1Test, LoadRegistersTheTrayRecordAndHides) {
  ASSERT_EQ(platform_.Names(), Calls{"Shell_NotifyIconA"});
  EXPECT_EQ(platform_.calls[0].args[0], ui::kNimAdd);
  const ui::NotifyIconData& record = platform_.trayRecords[0];
  EXPECT_EQ(record.cbSize, sizeof(ui::NotifyIconData));
  EXPECT_EQ(record.hWnd, Form1Window().Hwnd());
  EXPECT_EQ(record.uID, 1u);
  EXPECT_EQ(record.uFlags, 7u);
  EXPECT_EQ(record.uCallbackMessage, 512u);
  EXPECT_EQ(record.hIcon, Form1Window().IconHandle());
  const std::string tip(record.szTip, sizeof record.szTip);
  EXPECT_EQ(tip, std::string("Double left click to make a note, right click for others!") + '\0' +
                     std::string(6, ' '));

  EXPECT_FALSE(Form1Window().Visible());
  EXPECT_EQ(Pool().NoteUpper(), 0);
  EXPECT_EQ(Pool().NoteInUse(), std::vector<std::int16_t>{0});
  EXPECT_EQ(Form1Window().MenuCaption(Form1Id("mnuAlarmMe")), "Alarm Me");
}

TEST_F(Form1Test, UnloadRemovesTheIconWithTheSameRecord) {
  Form1Window().Unload();
  const auto calls = platform_.Calls("Shell_NotifyIconA");
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].args[0], ui::kNimDelete);
  EXPECT_EQ(calls[1].args[1], calls[0].args[1]);  // the very record
  EXPECT_EQ(
      std::memcmp(&platform_.trayRecords[0], &platform_.trayRecords[1], sizeof(ui::NotifyIconData)),
      0);
}

TEST_F(Form1Test, TaskbarRecreationRegistersTheIconAgain) {
  platform_.iconShown = false;  // the new taskbar knows no icons
  Form1Window().Events().TaskbarCreated();
  const auto calls = platform_.Calls("Shell_NotifyIconA");
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].args[0], ui::kNimAdd);
  EXPECT_EQ(
      std::memcmp(&platform_.trayRecords[0], &platform_.trayRecords[1], sizeof(ui::NotifyIconData)),
      0);
}

// The notification area shows the icon of the size the shell wants now:
// after a change of DPI, and to a taskbar restarted meanwhile.
TEST_F(Form1Test, TheTrayIconFollowsTheIconSizeOfTheDpi) {
  const struct {
    const char* event;
    std::uint32_t message;
    ui::Handle icon;
  } cases[] = {{"DPI change", ui::kNimModify, 0x5150}, {"taskbar restart", ui::kNimAdd, 0x5151}};
  for (const auto& c : cases) {
    Form1Window().SetIconHandle(c.icon);
    platform_.iconShown = c.message == ui::kNimModify;
    const std::size_t before = platform_.trayRecords.size();
    if (c.message == ui::kNimModify)
      Form1Window().Events().DpiChanged();
    else
      Form1Window().Events().TaskbarCreated();
    const auto calls = platform_.Calls("Shell_NotifyIconA");
    ASSERT_EQ(platform_.trayRecords.size(), before + 1) << c.event;
    EXPECT_EQ(calls.back().args[0], c.message) << c.event;
    EXPECT_EQ(platform_.trayRecords.back().hIcon, c.icon) << c.event;
  }
}

struct CallbackCase {
  const char* scale;
  int scaleMode;
  double twipsPerPixel;
  double message;
  Calls calls;  // platform calls the callback makes
  int notes;    // notes created
  int popups;
};

void PrintTo(const CallbackCase& c, std::ostream* os) {
  *os << c.scale << " " << c.twipsPerPixel << " message " << c.message;
}

class TrayCallbackTest : public Form1Test, public ::testing::WithParamInterface<CallbackCase> {};

TEST_P(TrayCallbackTest, DecodesTheMouseMessage) {
  const CallbackCase& c = GetParam();
  toolkit_.twipsPerPixel = c.twipsPerPixel;
  Form1Window().SetScaleMode(c.scaleMode);
  platform_.calls.clear();

  Tray(c.message);

  EXPECT_EQ(platform_.Names(), c.calls);
  // The popup's owner takes the foreground; a new note takes it for itself.
  const std::int64_t foreground =
      c.notes ? static_cast<std::int64_t>(NoteWindow(0).Hwnd()) : Form1Hwnd();
  for (const auto& call : platform_.Calls("SetForegroundWindow"))
    EXPECT_EQ(call.args[0], foreground);
  EXPECT_EQ(toolkit_.All("Form2").size(), static_cast<std::size_t>(c.notes));
  EXPECT_EQ(toolkit_.popups.size(), static_cast<std::size_t>(c.popups));
  if (c.popups) {
    EXPECT_EQ(toolkit_.popups[0], Form1Id("mPopupSys"));
  }
}

const Calls kForeground{"SetForegroundWindow"};
// Note load (layered set-up, topmost), topmost again once placed, then the
// note takes the foreground.
const Calls kNewNoteInForeground{"GetWindowLongA", "SetWindowLongA", "SetLayeredWindowAttributes",
                                 "SetWindowPos",   "SetWindowPos",   "SetForegroundWindow"};

std::vector<CallbackCase> CallbackCases() {
  std::vector<CallbackCase> cases;
  const struct {
    const char* name;
    int mode;
    double tpp;
  } scales[] = {{"twips", 1, 15}, {"twips", 1, 12}, {"pixels", 3, 15}};
  for (const auto& s : scales) {
    cases.push_back({s.name, s.mode, s.tpp, 512, {}, 0, 0});
    cases.push_back({s.name, s.mode, s.tpp, 513, {}, 0, 0});
    cases.push_back({s.name, s.mode, s.tpp, 514, {}, 0, 0});
    cases.push_back({s.name, s.mode, s.tpp, 515, kNewNoteInForeground, 1, 0});
    cases.push_back({s.name, s.mode, s.tpp, 516, {}, 0, 0});
    cases.push_back({s.name, s.mode, s.tpp, 517, kForeground, 0, 1});
    cases.push_back({s.name, s.mode, s.tpp, 0, {}, 0, 0});
    // Rounded to the nearest message number.
    cases.push_back({s.name, s.mode, s.tpp, 514.4, {}, 0, 0});
    cases.push_back({s.name, s.mode, s.tpp, 516.6, kForeground, 0, 1});
  }
  // A plain mouse move over the shown window, far from any message number.
  cases.push_back({"pixels", 3, 15, 1e30, {}, 0, 0});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Messages, TrayCallbackTest, ::testing::ValuesIn(CallbackCases()));

TEST_F(Form1Test, CallbacksOfOtherControlsAreIgnored) {
  Form1Window().Events().MouseMove(Form1Id("Image_Green"), 0, 0, 515 * 15, 0);
  EXPECT_EQ(platform_.Names(), Calls{"Shell_NotifyIconA"});
}

// The release after the double click leaves the new note in the
// foreground, with the keyboard in its body.
TEST_F(Form1Test, DoubleClickMakesExactlyOneNoteThatTakesTheKeyboard) {
  // What the shell sends for a double click: down, up, double click, up.
  for (int message : {513, 514, 515, 514}) Tray(message);
  EXPECT_EQ(toolkit_.All("Form2").size(), 1u);
  const auto foreground = platform_.Calls("SetForegroundWindow");
  ASSERT_EQ(foreground.size(), 1u);
  EXPECT_EQ(foreground[0].args[0], static_cast<std::int64_t>(NoteWindow(0).Hwnd()));
  EXPECT_EQ(NoteWindow(0).FocusedControl(), notes::Form2::kText1);
}

TEST_F(Form1Test, PopupItemRunsAfterTheForeground) {
  ChooseFromPopup("mnuTutorials");
  EXPECT_EQ(platform_.Names(),
            (Calls{"Shell_NotifyIconA", "SetForegroundWindow", "ShellExecuteA"}));
}

TEST_F(Form1Test, TutorialsOpensTheSitePageNormally) {
  ChooseFromPopup("mnuTutorials");
  const auto calls = platform_.Calls("ShellExecuteA");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, "https://www.paperwisp.example/tutorials");
  // No owner, no verb, no parameters, no directory, SW_SHOWNORMAL.
  EXPECT_EQ(calls[0].args, (std::vector<std::int64_t>{0, 0, 0, 0, 1}));
}

TEST_F(Form1Test, NewNoteItemMakesOneNote) {
  ChooseFromPopup("mNewNote");
  EXPECT_EQ(toolkit_.All("Form2").size(), 1u);
  EXPECT_EQ(Pool().NoteInUse(), std::vector<std::int16_t>{1});
}

// Each choice, the first or a later one, shows the window and hands it the
// foreground: one already open comes to the front.
TEST_F(Form1Test, AlarmMeAndAboutShowTheirWindowsInFront) {
  ChooseFromPopup("mnuAlarmMe");
  EXPECT_TRUE(program_.Form3().IsLoaded());
  EXPECT_TRUE(program_.Form3().Win().Visible());
  EXPECT_FALSE(program_.Form5().IsLoaded());

  ChooseFromPopup("mnuAbout");
  EXPECT_TRUE(program_.Form5().IsLoaded());
  EXPECT_TRUE(program_.Form5().Win().Visible());

  ChooseFromPopup("mnuAlarmMe");
  std::vector<std::int64_t> foreground;
  for (const auto& call : platform_.Calls("SetForegroundWindow"))
    if (call.args[0] != Form1Hwnd()) foreground.push_back(call.args[0]);
  const auto dialog = static_cast<std::int64_t>(program_.Form3().Hwnd());
  const auto about = static_cast<std::int64_t>(program_.Form5().Hwnd());
  EXPECT_EQ(foreground, (std::vector<std::int64_t>{dialog, about, dialog}));
}

TEST_F(Form1Test, AlarmMeCaptionIsTheMenuItemCaption) {
  program_.Form1().AlarmArmed();
  EXPECT_EQ(Form1Window().MenuCaption(Form1Id("mnuAlarmMe")), " Alarm Me (working)");
  // Whatever the caption, the item opens the alarm dialog.
  ChooseFromPopup("mnuAlarmMe");
  EXPECT_TRUE(program_.Form3().Win().Visible());
}

struct CloseCase {
  int unloadMode;
  int closeMeansClose;
  bool staysLoaded;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
  *os << "mode " << c.unloadMode << " box " << c.closeMeansClose;
}

class CloseRuleTest : public Form1Test, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseRuleTest, OnlyAFrameCloseWithTheBoxClearIsTurnedIntoHiding) {
  fake::FakeWindow& form1 = Form1Window();
  form1.Show();
  form1.SetValue(Form1Id("ChkCloseMeansClose"), GetParam().closeMeansClose);

  form1.Close(GetParam().unloadMode);

  EXPECT_EQ(form1.Loaded(), GetParam().staysLoaded);
  EXPECT_FALSE(form1.Visible());
  EXPECT_EQ(NotifyCount(ui::kNimDelete), GetParam().staysLoaded ? 0 : 1);
  if (GetParam().staysLoaded) {
    EXPECT_EQ(form1.State(), ui::WindowState::Minimized);
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, CloseRuleTest,
                         ::testing::Values(CloseCase{ui::kFormControlMenu, 0, true},
                                           CloseCase{ui::kFormControlMenu, 1, false},
                                           CloseCase{ui::kFormCode, 0, false},
                                           CloseCase{ui::kFormCode, 1, false},
                                           CloseCase{ui::kAppWindows, 0, false},
                                           CloseCase{ui::kAppWindows, 1, false}));

TEST_F(Form1Test, MinimisingHidesButOtherStatesDoNot) {
  fake::FakeWindow& form1 = Form1Window();
  form1.Show();
  form1.SetState(ui::WindowState::Maximized);
  EXPECT_TRUE(form1.Visible());
  form1.SetState(ui::WindowState::Normal);
  EXPECT_TRUE(form1.Visible());
  form1.SetState(ui::WindowState::Minimized);
  EXPECT_FALSE(form1.Visible());
  EXPECT_TRUE(form1.Loaded());
}

TEST_F(Form1Test, MenuExitRemovesTheIconThenEndsTheProgram) {
  NewNote();
  ChooseFromPopup("mPopExit");
  EXPECT_FALSE(Form1Window().Loaded());
  EXPECT_EQ(NotifyCount(ui::kNimDelete), 1);
  ASSERT_GE(toolkit_.log.size(), 2u);
  EXPECT_EQ(toolkit_.log[toolkit_.log.size() - 2], "Unload Form1");
  EXPECT_EQ(toolkit_.log.back(), "EndProgram");
  // The note went with the program without running its own close handling.
  EXPECT_EQ(Pool().NoteInUse(), std::vector<std::int16_t>{1});
}

TEST_F(Form1Test, ButtonExitLeavesTheNotesWorking) {
  NewNote();
  Form1Window().Show();
  ClickOnForm1("mPopExit_Cmd");

  EXPECT_FALSE(Form1Window().Loaded());
  EXPECT_EQ(NotifyCount(ui::kNimDelete), 1);
  EXPECT_FALSE(toolkit_.ended);
  fake::FakeWindow& note = NoteWindow(0);
  EXPECT_TRUE(note.Loaded());
  note.Events().DblClick(ui::kForm);
  EXPECT_EQ(note.Height(), 460);
}

// Writing the alarm caption after the exit button loads the controller again
// (as any use of it does); the notes still open must survive that.
TEST_F(Form1Test, ReloadingTheControllerKeepsOpenNotes) {
  NewNote();
  NewNote();
  Form1Window().Unload();
  program_.Form1().AlertClosed();

  EXPECT_TRUE(Form1Window().Loaded());
  EXPECT_EQ(NotifyCount(ui::kNimAdd), 2);
  EXPECT_EQ(Pool().NoteInUse(), (std::vector<std::int16_t>{1, 1}));
  EXPECT_EQ(toolkit_.All("Form2").size(), 2u);
  NewNote();
  EXPECT_EQ(Pool().NoteInUse(), (std::vector<std::int16_t>{1, 1, 1}));
}

}  // namespace

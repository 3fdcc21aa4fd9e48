// The keys every window answers: Tab and Shift+Tab through the tab order,
// Enter on a button or link, Escape on the window's cancel control; in the
// program's own message loop and in a message box's alike, while a menu
// keeps them for itself.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "alarm/form3.h"
#include "shell_running_program.h"

namespace {

using ui::NavigationKey;

enum class Which { About, Note, Dialog, Alert };

enum class Effect {
  None,            // the window stays as it was, and nothing is opened
  OpensTutorials,  // the tutorials page opens, the window stays
  Unloads,         // the window is unloaded
  Hides,           // the window is hidden and stays loaded
};

struct KeyCase {
  const char* name;
  Which window;
  const char* option;  // option button selected first, or ""
  const char* focus;   // control focused before the key, or "" for none
  NavigationKey key;
  const char* focusAfter;  // or "" for the focus unchanged
  Effect effect;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

// What is open while the key is pressed, each running its own message loop.
enum class During { Nothing, MessageBox, PopupMenu };
using KeyInLoop = std::tuple<KeyCase, During>;

class KeyboardRoutes : public testing_support::RunningProgram,
                       public ::testing::WithParamInterface<KeyInLoop> {
 protected:
  fake::FakeWindow& Open(Which which) {
    switch (which) {
      case Which::About:
        ChooseFromPopup("mnuAbout");
        return *toolkit_.Find("Form5");
      case Which::Note:
        NewNote();
        return NoteWindow(0);
      case Which::Dialog:
        ChooseFromPopup("mnuAlarmMe");
        return *toolkit_.Find("Form3");
      case Which::Alert: {
        // A countdown of no seconds fires on the first tick.
        ChooseFromPopup("mnuAlarmMe");
        fake::FakeWindow& dialog = *toolkit_.Find("Form3");
        dialog.SetValue(alarms::Form3::kOption1, 1);
        dialog.SetText(alarms::Form3::kTxtAlarmAfter, "0.004");
        dialog.Events().Click(alarms::Form3::kCmdSet);
        dialog.Events().Timer(alarms::Form3::kTimer1);
        return *toolkit_.Find("Form4");
      }
    }
    throw std::logic_error("no such window");
  }

  std::string AlarmCaption() { return Form1Window().MenuCaption(Form1Id("mnuAlarmMe")); }

  void Press(fake::FakeWindow& window, NavigationKey key, During during) {
    switch (during) {
      case During::Nothing:
        window.PressKey(key);
        return;
      case During::MessageBox:
        // The confirmation of a set alarm is the box that stays open longest.
        toolkit_.onMsgBox = [&](const fake::MsgBoxCall&) { window.PressKey(key); };
        toolkit_.MsgBox("Alarm set successfully!", ui::kMsgBoxInformation, "Alarm");
        return;
      case During::PopupMenu:
        toolkit_.onPopup = [&] { window.PressKey(key); };
        Form1Window().PopupMenu(Form1Id("mPopupSys"));
        return;
    }
  }
};

TEST_P(KeyboardRoutes, KeyDoesWhatTheWindowPromises) {
  KeyCase c = std::get<0>(GetParam());
  const During during = std::get<1>(GetParam());
  if (during == During::PopupMenu) {
    // The menu takes the key: the window stays as it was.
    c.focusAfter = c.focus;
    c.effect = Effect::None;
  }
  fake::FakeWindow& window = Open(c.window);
  if (*c.option) window.SetValue(window.IdOf(c.option), 1);
  window.SetFocus(*c.focus ? window.IdOf(c.focus) : ui::kForm);
  const std::string caption = AlarmCaption();
  platform_.calls.clear();

  Press(window, c.key, during);

  if (*c.focusAfter) {
    EXPECT_EQ(window.FocusedControl(), window.IdOf(c.focusAfter));
  }
  const auto pages = platform_.Calls("ShellExecuteA");
  switch (c.effect) {
    case Effect::None:
    case Effect::OpensTutorials:
      EXPECT_TRUE(window.Loaded());
      EXPECT_TRUE(window.Visible());
      EXPECT_EQ(AlarmCaption(), caption);
      ASSERT_EQ(pages.size(), c.effect == Effect::None ? 0u : 1u);
      if (!pages.empty()) {
        EXPECT_EQ(pages[0].text, "https://www.paperwisp.example/tutorials");
      }
      break;
    case Effect::Unloads:
      EXPECT_FALSE(window.Loaded());
      EXPECT_TRUE(pages.empty());
      if (c.window == Which::Alert) {
        // As its close picture does: the caption, and the loop stopped.
        EXPECT_EQ(AlarmCaption(), "Alarm Me (Stop)");
        EXPECT_EQ(platform_.Calls("sndPlaySoundA").size(), 1u);
      }
      break;
    case Effect::Hides:
      EXPECT_TRUE(window.Loaded());
      EXPECT_FALSE(window.Visible());
      EXPECT_EQ(AlarmCaption(), caption);
      break;
  }
}

const KeyCase kKeyCases[] = {
    // About: the three links in tab order, round and back.
    KeyCase{"AboutTabFromNothing", Which::About, "", "", NavigationKey::Tab, "Label2",
            Effect::None},
    KeyCase{"AboutTabWraps", Which::About, "", "Label5", NavigationKey::Tab, "Label2",
            Effect::None},
    KeyCase{"AboutShiftTabWraps", Which::About, "", "Label2", NavigationKey::ShiftTab, "Label5",
            Effect::None},
    KeyCase{"AboutEnterOnLink", Which::About, "", "Label3", NavigationKey::Enter, "Label3",
            Effect::OpensTutorials},
    KeyCase{"AboutEscape", Which::About, "", "Label2", NavigationKey::Escape, "", Effect::Unloads},
    // The alert: Escape closes it, Enter must not.
    KeyCase{"AlertEnter", Which::Alert, "", "", NavigationKey::Enter, "", Effect::None},
    KeyCase{"AlertEscape", Which::Alert, "", "", NavigationKey::Escape, "", Effect::Unloads},
    // The alarm dialog: the option buttons are one stop, disabled boxes
    // are skipped, Enter presses the focused button, Escape is Cancel.
    KeyCase{"DialogTabLeavesOptions", Which::Dialog, "", "Option1", NavigationKey::Tab, "cboHour",
            Effect::None},
    KeyCase{"DialogTabToSelectedOption", Which::Dialog, "Option2", "cmdTestSound",
            NavigationKey::Tab, "Option2", Effect::None},
    KeyCase{"DialogTabSkipsDisabledMinutes", Which::Dialog, "Option2", "cboHour",
            NavigationKey::Tab, "cboMinute", Effect::None},
    KeyCase{"DialogEnterInBox", Which::Dialog, "Option1", "txtAlarmAfter", NavigationKey::Enter,
            "txtAlarmAfter", Effect::None},
    KeyCase{"DialogEnterOnCancel", Which::Dialog, "", "cmdCancel", NavigationKey::Enter, "",
            Effect::Hides},
    KeyCase{"DialogEscape", Which::Dialog, "Option1", "txtAlarmAfter", NavigationKey::Escape, "",
            Effect::Hides},
    // A note: Tab between body and title, never to the close picture;
    // no key hides it.
    KeyCase{"NoteTabSkipsClose", Which::Note, "", "Text2", NavigationKey::Tab, "Text1",
            Effect::None},
    KeyCase{"NoteEscape", Which::Note, "", "Text1", NavigationKey::Escape, "Text1", Effect::None}};

std::string NameOf(const ::testing::TestParamInfo<KeyInLoop>& info) {
  static const char* const kDuring[] = {"", "_InMessageBox", "_InPopupMenu"};
  return std::string(std::get<0>(info.param).name) +
         kDuring[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyboardRoutes,
                         ::testing::Combine(::testing::ValuesIn(kKeyCases),
                                            ::testing::Values(During::Nothing, During::MessageBox,
                                                              During::PopupMenu)),
                         NameOf);

}  // namespace

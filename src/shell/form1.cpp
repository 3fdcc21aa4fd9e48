#include "shell/form1.h"

#include "about/form5.h"
#include "alarm/form3.h"
#include "shell/form1_layout.h"
#include "shell/tray_icon.h"
#include "shell/web_pages.h"

namespace shell {

Form1::Form1(Program& program) : ui::Form(program.Toolkit(), Form1Layout()), program_(program) {}

void Form1::SetAlarmMeCaption(const std::string& caption) {
  Win().SetMenuCaption(kMnuAlarmMe, caption);
}

std::string Form1::AlarmMeCaption() { return Win().MenuCaption(kMnuAlarmMe); }

void Form1::Load() { Form_Load(); }

void Form1::QueryUnload(int& cancel, int unloadMode) { Form_QueryUnload(cancel, unloadMode); }

void Form1::Unload() { Form_Unload(); }

void Form1::Resize() { Form_Resize(); }

void Form1::Click(int id) {
  switch (id) {
    case kCmdMakeANewWindow:
      cmdMakeANewWindow_Click();
      break;
    case kMPopExitCmd:
      mPopExit_Cmd_Click();
      break;
    case kImageYellow:
      Image_Yellow_Click();
      break;
    case kMNewNote:
      mNewNote_Click();
      break;
    case kMnuAlarmMe:
      mnuAlarmMe_Click();
      break;
    case kMnuOrange:
      mnuOrange_Click();
      break;
    case kMnuGreen:
      mnuGreen_Click();
      break;
    case kMnuBlue:
      mnuBlue_Click();
      break;
    case kMnuYellow:
      mnuYellow_Click();
      break;
    case kMnuRed:
      mnuRed_Click();
      break;
    case kMnuPink:
      mnuPink_Click();
      break;
    case kMnuTutorials:
      mnuTutorials_Click();
      break;
    case kMnuAbout:
      mnuAbout_Click();
      break;
    case kMPopExit:
      mPopExit_Click();
      break;
    default:
      break;
  }
}

// Tray callbacks arrive as mouse moves over the window itself.
void Form1::MouseMove(int id, int, int, double x, double) {
  if (id == ui::kForm) Form_MouseMove(x);
}

// A restarted taskbar has forgotten every icon; without this the program
// would run on with no way to reach it.
void Form1::TaskbarCreated() { program_.Platform().Shell_NotifyIconA(ui::kNimAdd, &TrayIconData); }

void Form1::Form_Load() {
  FillTrayIconData(Win().Hwnd(), Win().IconHandle());
  program_.Platform().Shell_NotifyIconA(ui::kNimAdd, &TrayIconData);
  // The pool is created on its first use, which is here. Should this window
  // be loaded again later, the pool and the notes open in it carry on.
  program_.Notes();
  Win().Hide();
}

void Form1::Form_MouseMove(double x) {
  ui::Platform& platform = program_.Platform();
  switch (TrayMessageNumber(x, Win().ScaleMode(), program_.Toolkit().TwipsPerPixelX())) {
    case kWmLButtonUp:
      platform.SetForegroundWindow(Win().Hwnd());
      break;
    case kWmLButtonDblClk:
      cmdMakeANewWindow_Click();
      platform.SetForegroundWindow(Win().Hwnd());
      break;
    case kWmRButtonUp:
      // Without the foreground the popup would not close when the user
      // clicks elsewhere.
      platform.SetForegroundWindow(Win().Hwnd());
      Win().PopupMenu(kMPopupSys);
      break;
    default:
      break;
  }
}

void Form1::Form_QueryUnload(int& cancel, int unloadMode) {
  if (Win().Value(kChkCloseMeansClose) == 0) MeQueryUnload(*this, cancel, unloadMode);
}

// Only a close from the frame is turned into hiding; unloads from code, from
// a shutdown or from the task manager go ahead.
void Form1::MeQueryUnload(ui::Form& form, int& cancel, int unloadMode) {
  if (unloadMode != ui::kFormControlMenu) return;
  cancel = 1;
  form.Win().SetState(ui::WindowState::Minimized);
  form.Win().Hide();
}

void Form1::Form_Resize() {
  if (Win().State() == ui::WindowState::Minimized) Win().Hide();
}

// The window is already gone here: the record still names it.
void Form1::Form_Unload() { program_.Platform().Shell_NotifyIconA(ui::kNimDelete, &TrayIconData); }

void Form1::mNewNote_Click() { cmdMakeANewWindow_Click(); }

void Form1::mnuAlarmMe_Click() { program_.Form3().Win().Show(); }

void Form1::mnuAbout_Click() { program_.Form5().Win().Show(); }

void Form1::mnuTutorials_Click() {
  OpenWebPage(program_.Platform(), program_.SiteAddress() + kTutorialsPath);
}

// Ending the program takes every other window with it, without their close
// handling; only this window's unload runs, to remove the tray icon.
void Form1::mPopExit_Click() {
  Win().Unload();
  program_.Toolkit().EndProgram();
}

// The notes and other loaded windows stay and keep the program running.
void Form1::mPopExit_Cmd_Click() { Win().Unload(); }

}  // namespace shell

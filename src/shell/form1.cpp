#include "shell/form1.h"

#include "shell/form1_layout.h"
#include "shell/tray_icon.h"

namespace shell {

Form1::Form1(ui::Toolkit& toolkit, ui::Platform& platform, notes::NotePool& pool,
             WindowOpener& windows, const ui::WebSite& site)
    : ui::Form(toolkit, Form1Layout()),
      platform_(platform),
      pool_(pool),
      windows_(windows),
      site_(site) {}

void Form1::AlarmArmed() { SetAlarmMeCaption(" Alarm Me (working)"); }

void Form1::AlarmDeleted() { SetAlarmMeCaption("Alarm Me (stop)"); }

void Form1::AlertClosed() { SetAlarmMeCaption("Alarm Me (Stop)"); }

// After the "E&xit" button has unloaded this window, the next write brings it
// back, with its tray icon.
void Form1::SetAlarmMeCaption(const char* caption) {
  EnsureLoaded().SetMenuCaption(kMnuAlarmMe, caption);
}

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

void Form1::Timer(int id) {
  if (id == kTimerTrayIcon) TimerTrayIcon_Timer();
}

// A restarted taskbar has forgotten every icon; without this the program
// would run on with no way to reach it. It may show icons at another size
// than the old one did.
void Form1::TaskbarCreated() {
  TrayIconData_.hIcon = Win().IconHandle();
  AddTrayIcon();
}

// The notification area shows icons at the size of its new DPI: the icon of
// that size replaces the old one. A registration still being retried takes
// it with the record.
void Form1::DpiChanged() {
  TrayIconData_.hIcon = Win().IconHandle();
  platform_.Shell_NotifyIconA(ui::kNimModify, &TrayIconData_);
}

// At logon the taskbar may not be there yet, or be too busy to answer in
// time. Until it takes the icon the program has no face at all, so it keeps
// trying rather than run on unreachable.
void Form1::AddTrayIcon() {
  if (!platform_.Shell_NotifyIconA(ui::kNimAdd, &TrayIconData_))
    Win().SetTimerEnabled(kTimerTrayIcon, true);
  else if (Win().TimerEnabled(kTimerTrayIcon))
    Win().SetTimerEnabled(kTimerTrayIcon, false);
}

// A registration that timed out may have got through after all: then the
// icon is there and only needs no second copy.
void Form1::TimerTrayIcon_Timer() {
  if (platform_.Shell_NotifyIconA(ui::kNimModify, &TrayIconData_) ||
      platform_.Shell_NotifyIconA(ui::kNimAdd, &TrayIconData_))
    Win().SetTimerEnabled(kTimerTrayIcon, false);
}

void Form1::Form_Load() {
  TrayIconData_ = TrayIconRecord(Win().Hwnd(), Win().IconHandle());
  AddTrayIcon();
  // The note pool lives as long as the program, so the notes carry on
  // should this window be loaded again later.
  Win().Hide();
}

void Form1::Form_MouseMove(double x) {
  // The window converted the pixels with its own DPI, which is the screen's
  // unless its monitor's scale changed since the program started.
  switch (TrayMessageNumber(x, Win().ScaleMode(), Win().DotsPerInch().TwipsPerPixel())) {
    case kWmLButtonDblClk:
      // The new note takes the foreground and the keyboard; the release
      // that follows leaves them there.
      cmdMakeANewWindow_Click();
      break;
    case kWmRButtonUp:
      // Without the foreground the popup would not close when the user
      // clicks elsewhere.
      platform_.SetForegroundWindow(Win().Hwnd());
      Win().PopupMenu(kMPopupSys);
      break;
    default:
      break;
  }
}

void Form1::Form_QueryUnload(int& cancel, int unloadMode) {
  if (Win().Value(kChkCloseMeansClose) == 0) MeQueryUnload(*this, cancel, unloadMode);
}

// Only a close from the frame is turned into hiding; unloads from code or
// from a shutdown go ahead.
void Form1::MeQueryUnload(ui::Form& form, int& cancel, int unloadMode) {
  if (unloadMode != ui::kFormControlMenu) return;
  cancel = 1;
  form.Win().SetState(ui::WindowState::Minimized);
  form.Win().Hide();
}

void Form1::Form_Resize() {
  if (Win().State() == ui::WindowState::Minimized) Win().Hide();
}

// Runs before the window goes, so the icon never outlives the window its
// callbacks are addressed to.
void Form1::Form_Unload() { platform_.Shell_NotifyIconA(ui::kNimDelete, &TrayIconData_); }

void Form1::mNewNote_Click() { cmdMakeANewWindow_Click(); }

void Form1::mnuAlarmMe_Click() {
  BringUp(windows_.AlarmDialog(),
          "The alarm window could not be opened. Close some notes and try again.");
}

void Form1::mnuAbout_Click() {
  BringUp(windows_.About(),
          "The About window could not be opened. Close some notes and try again.");
}

// Choosing a window means seeing it: one already open, perhaps behind other
// windows (About has no taskbar button to find it by), comes to the front.
// The menu's handler runs while this window holds the foreground, which is
// what lets it hand the foreground on. A window the desktop cannot make
// costs the user only that window.
void Form1::BringUp(ui::Form& form, const char* failure) {
  try {
    ui::Window& window = form.EnsureLoaded();
    window.Show();
    if (window.Loaded()) platform_.SetForegroundWindow(window.Hwnd());
  } catch (const ui::WindowCreationError&) {
    toolkit_.MsgBox(failure, ui::kMsgBoxError, ui::kErrorTitle);
  }
}

void Form1::mnuTutorials_Click() { site_.Open(ui::kTutorialsPath); }

// Ending the program takes every other window with it, without their close
// handling; only this window's unload runs, to remove the tray icon.
void Form1::mPopExit_Click() {
  toolkit_.BeginEnding();
  Win().Unload();
  toolkit_.EndProgram();
}

// The notes and other loaded windows stay and keep the program running.
void Form1::mPopExit_Cmd_Click() { Win().Unload(); }

}  // namespace shell

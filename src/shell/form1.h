// The controller window: the tray icon and its popup menu, the close and
// minimise rules, the exits and the choice of note style. It hides itself at
// load; from then on the tray icon drives the program.
#pragma once

#include <string>

#include "alarm/alarm_display.h"
#include "shell/window_opener.h"
#include "ui/form.h"
#include "ui/platform.h"
#include "ui/web_site.h"

namespace notes {
class Form2;
class NotePool;
}  // namespace notes

namespace shell {

struct NoteStyle;

class Form1 : public ui::Form, public alarms::AlarmDisplay {
 public:
  // Control and menu ids of the layout (one id space).
  enum : int {
    kCmdMakeANewWindow = 1,
    kChkCloseMeansClose,
    kCommand1,
    kMPopExitCmd,
    kImageOrange,
    kImageRed,
    kImageYellow,
    kImagePink,
    kImageBlue,
    kImageGreen,
    kMPopupSys,
    kMNewNote,
    kMnuAlarmMe,
    kMnuChangeStyle,
    kMnuOrange,
    kMnuGreen,
    kMnuBlue,
    kMnuYellow,
    kMnuRed,
    kMnuPink,
    kMnuStrip2,
    kMnuTutorials,
    kMnuAbout,
    kMnuStrip,
    kMPopExit,
    kTimerTrayIcon,
  };

  Form1(ui::Toolkit& toolkit, ui::Platform& platform, notes::NotePool& pool, WindowOpener& windows,
        const ui::WebSite& site);

  // The caption of the "Alarm Me" menu item is the only display of the
  // alarm. Writing it loads this window if it is not loaded.
  void AlarmArmed() override;
  void AlarmDeleted() override;
  void AlertClosed() override;

  // A close from the window frame minimises and hides `form` instead.
  void MeQueryUnload(ui::Form& form, int& cancel, int unloadMode);

 private:
  void Load() override;
  void QueryUnload(int& cancel, int unloadMode) override;
  void Unload() override;
  void Resize() override;
  void Click(int id) override;
  void MouseMove(int id, int button, int shift, double x, double y) override;
  void Timer(int id) override;
  void TaskbarCreated() override;
  void DpiChanged() override;

  void Form_Load();
  void Form_MouseMove(double x);
  void Form_QueryUnload(int& cancel, int unloadMode);
  void Form_Resize();
  void Form_Unload();
  void cmdMakeANewWindow_Click();
  void mNewNote_Click();
  void mnuAlarmMe_Click();
  void mnuAbout_Click();
  void mnuTutorials_Click();
  void mPopExit_Click();
  void mPopExit_Cmd_Click();
  void TimerTrayIcon_Timer();

  // The tray icon: registered, or retried until the taskbar takes it.
  void AddTrayIcon();
  // Shows `form` in front, active; `failure` says what to do when the
  // desktop cannot make its window.
  void BringUp(ui::Form& form, const char* failure);
  void PlaceNewNote(ui::Window& note, int slot);

  // Note styles.
  void UncheckAllStyles();
  void ChooseStyle(const NoteStyle& style);
  void ApplyCheckedStyle(notes::Form2& note);
  void mnuOrange_Click();
  void mnuGreen_Click();
  void mnuBlue_Click();
  void mnuYellow_Click();
  void mnuRed_Click();
  void mnuPink_Click();
  void Image_Yellow_Click();

  void SetAlarmMeCaption(const char* caption);

  ui::Platform& platform_;
  notes::NotePool& pool_;
  WindowOpener& windows_;
  const ui::WebSite& site_;
  // The notification-area record: filled at load and handed whole to every
  // Shell_NotifyIconA call, so that removal names the icon it added.
  ui::NotifyIconData TrayIconData_{};
};

}  // namespace shell

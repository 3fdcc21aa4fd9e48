// The controller window: the tray icon and its popup menu, the close and
// minimise rules, the exits and the choice of note style. It hides itself at
// load; from then on the tray icon drives the program.
#pragma once

#include <string>

#include "app/program.h"
#include "ui/form.h"

namespace notes {
class Form2;
}

namespace shell {

struct NoteStyle;

class Form1 : public ui::Form {
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
  };

  explicit Form1(Program& program);

  // The caption of the "Alarm Me" menu item, the only display of the alarm.
  void SetAlarmMeCaption(const std::string& caption);
  std::string AlarmMeCaption();

  // A close from the window frame minimises and hides `form` instead.
  void MeQueryUnload(ui::Form& form, int& cancel, int unloadMode);

 private:
  void Load() override;
  void QueryUnload(int& cancel, int unloadMode) override;
  void Unload() override;
  void Resize() override;
  void Click(int id) override;
  void MouseMove(int id, int button, int shift, double x, double y) override;
  void TaskbarCreated() override;

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

  Program& program_;
};

}  // namespace shell

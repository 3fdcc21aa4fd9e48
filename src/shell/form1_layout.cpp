#include "shell/form1_layout.h"

#include "resource_ids.h"
#include "shell/form1.h"

namespace shell {

namespace {

using ui::ControlKind;

// The six style pictures overlap one another: they are the store new notes
// take their picture from, rather than something to look at.
ui::ControlLayout StylePicture(int id, const char* name, int left, int picture) {
  return {.id = id,
          .kind = ControlKind::Picture,
          .name = name,
          .left = left,
          .top = 120,
          .width = 3750,
          .height = 4005,
          .picture = picture};
}

ui::MenuLayout Item(int id, const char* name, const char* caption, int parent,
                    bool checked = false) {
  return {.id = id, .name = name, .caption = caption, .parent = parent, .checked = checked};
}

}  // namespace

// The popup root is a visible top-level item, so it is also the menu bar of
// the window whenever the window is shown.
// Built on its first use, not before the program's first line.
const ui::WindowLayout& Form1Layout() {
  static const ui::WindowLayout layout{
      .name = "Form1",
      .caption = "Form1",
      .border = ui::BorderStyle::Sizable,
      .clientWidth = 7890,
      .clientHeight = 5460,
      .startPosition = ui::StartPosition::WindowsDefault,
      .icon = IDI_CONTROLLER,
      // The window is never shown: its buttons and check box wait until the
      // tray icon is there.
      .nativeControlsAfterLoad = true,
      .controls =
          {
              {.id = Form1::kCmdMakeANewWindow,
               .kind = ControlKind::CommandButton,
               .name = "cmdMakeANewWindow",
               .caption = "Make a new Window",
               .left = 1560,
               .top = 4200,
               .width = 2415,
               .height = 495,
               .tabIndex = 3},
              {.id = Form1::kChkCloseMeansClose,
               .kind = ControlKind::CheckBox,
               .name = "ChkCloseMeansClose",
               .caption = "Close means close",
               .left = 4560,
               .top = 1320,
               .width = 2175,
               .height = 495,
               .tabIndex = 2},
              {.id = Form1::kCommand1,
               .kind = ControlKind::CommandButton,
               .name = "Command1",
               .caption = "&Restore",
               .left = 5760,
               .top = 4200,
               .width = 1215,
               .height = 495,
               .tabIndex = 1},
              {.id = Form1::kMPopExitCmd,
               .kind = ControlKind::CommandButton,
               .name = "mPopExit_Cmd",
               .caption = "E&xit",
               .left = 4320,
               .top = 4200,
               .width = 1215,
               .height = 495,
               .tabIndex = 0},
              StylePicture(Form1::kImageOrange, "Image_Orange", 720, IDP_NOTE_ORANGE),
              StylePicture(Form1::kImageRed, "Image_Red", 600, IDP_NOTE_RED),
              StylePicture(Form1::kImageYellow, "Image_Yellow", 480, IDP_NOTE_YELLOW),
              StylePicture(Form1::kImagePink, "Image_Pink", 360, IDP_NOTE_PINK),
              StylePicture(Form1::kImageBlue, "Image_Blue", 240, IDP_NOTE_BLUE),
              StylePicture(Form1::kImageGreen, "Image_Green", 120, IDP_NOTE_GREEN),
              // Runs only while the taskbar refuses the tray icon.
              {.id = Form1::kTimerTrayIcon,
               .kind = ControlKind::Timer,
               .name = "TimerTrayIcon",
               .interval = 3000},
          },
      .menus =
          {
              Item(Form1::kMPopupSys, "mPopupSys", "&SysTray", 0),
              Item(Form1::kMNewNote, "mNewNote", "New Note", Form1::kMPopupSys),
              Item(Form1::kMnuAlarmMe, "mnuAlarmMe", "Alarm Me", Form1::kMPopupSys),
              Item(Form1::kMnuChangeStyle, "mnuChangeStyle", "Change Style", Form1::kMPopupSys),
              Item(Form1::kMnuOrange, "mnuOrange", "Orange", Form1::kMnuChangeStyle),
              Item(Form1::kMnuGreen, "mnuGreen", "Green", Form1::kMnuChangeStyle, true),
              Item(Form1::kMnuBlue, "mnuBlue", "Blue", Form1::kMnuChangeStyle),
              Item(Form1::kMnuYellow, "mnuYellow", "Yellow", Form1::kMnuChangeStyle),
              Item(Form1::kMnuRed, "mnuRed", "Red", Form1::kMnuChangeStyle),
              Item(Form1::kMnuPink, "mnuPink", "Pink", Form1::kMnuChangeStyle),
              Item(Form1::kMnuStrip2, "mnuStrip2", "-", Form1::kMPopupSys),
              Item(Form1::kMnuTutorials, "mnuTutorials", "Tutorials", Form1::kMPopupSys),
              Item(Form1::kMnuAbout, "mnuAbout", "About", Form1::kMPopupSys),
              Item(Form1::kMnuStrip, "mnuStrip", "-", Form1::kMPopupSys),
              Item(Form1::kMPopExit, "mPopExit", "&Exit", Form1::kMPopupSys),
          },
  };
  return layout;
}

}  // namespace shell

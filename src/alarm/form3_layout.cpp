#include "alarm/form3_layout.h"

#include "alarm/form3.h"
#include "resource_ids.h"

namespace alarms {

namespace {

using ui::ControlKind;

constexpr int kTickMilliseconds = 1000;
constexpr ui::FontSpec kColonFont{.face = "MS Sans Serif", .points = 13.5, .bold = true};

// Children of the frame are placed relative to it.
ui::ControlLayout InFrame(ui::ControlLayout control) {
  control.parent = Form3::kFrame1;
  return control;
}

ui::ControlLayout Timer(int id, const char* name) {
  return {.id = id,
          .kind = ControlKind::Timer,
          .name = name,
          .flags = ui::kDisabled,
          .interval = kTickMilliseconds};
}

}  // namespace

// The combo boxes start empty: the load handler fills their lists.
// Built on its first use, not before the program's first line.
const ui::WindowLayout& Form3Layout() {
  static const ui::WindowLayout layout{
      .name = "Form3",
      .caption = "Alarm Me...",
      .border = ui::BorderStyle::FixedSingle,
      .controlBox = true,
      .minButton = false,
      .maxButton = false,
      .clientWidth = 4710,
      .clientHeight = 3165,
      .startPosition = ui::StartPosition::Manual,
      .left = 5775,
      .top = 4875,
      .icon = IDI_CONTROLLER,
      .controls =
          {
              {.id = Form3::kFrame1,
               .kind = ControlKind::Frame,
               .name = "Frame1",
               .caption = "Make an Alarm!",
               .left = 120,
               .top = 360,
               .width = 4455,
               .height = 1455,
               .tabIndex = 0},
              InFrame({.id = Form3::kOption1,
                       .kind = ControlKind::OptionButton,
                       .name = "Option1",
                       .caption = "Alarm Me after:",
                       .left = 240,
                       .top = 360,
                       .width = 1575,
                       .height = 375,
                       .tabIndex = 1}),
              InFrame({.id = Form3::kLabel1,
                       .kind = ControlKind::Label,
                       .name = "Label1",
                       .caption = "minutes",
                       .left = 2520,
                       .top = 435,
                       .width = 735,
                       .height = 255,
                       .tabIndex = 2}),
              InFrame({.id = Form3::kOption2,
                       .kind = ControlKind::OptionButton,
                       .name = "Option2",
                       .caption = "Alarm Me at:",
                       .left = 240,
                       .top = 840,
                       .width = 1335,
                       .height = 375,
                       .tabIndex = 3}),
              InFrame({.id = Form3::kCboHour,
                       .kind = ControlKind::ComboBox,
                       .name = "cboHour",
                       .left = 1680,
                       .top = 850,
                       .width = 615,
                       .height = 315,
                       .tabIndex = 4,
                       .accessibleName = "Alarm Me at: hour"}),
              InFrame({.id = Form3::kLabel2,
                       .kind = ControlKind::Label,
                       .name = "Label2",
                       .caption = ":",
                       .left = 2350,
                       .top = 795,
                       .width = 135,
                       .height = 375,
                       .tabIndex = 5,
                       .font = kColonFont}),
              InFrame({.id = Form3::kTxtAlarmAfter,
                       .kind = ControlKind::TextBox,
                       .name = "txtAlarmAfter",
                       .left = 1680,
                       .top = 360,
                       .width = 735,
                       .height = 285,
                       .tabIndex = 6,
                       .accessibleName = "Alarm Me after: minutes"}),
              InFrame({.id = Form3::kCboMinute,
                       .kind = ControlKind::ComboBox,
                       .name = "cboMinute",
                       .left = 2520,
                       .top = 850,
                       .width = 615,
                       .height = 315,
                       .tabIndex = 7,
                       .accessibleName = "Alarm Me at: minute"}),
              {.id = Form3::kCmdSet,
               .kind = ControlKind::CommandButton,
               .name = "cmdSet",
               .caption = "Set",
               .left = 2400,
               .top = 2400,
               .width = 975,
               .height = 375,
               .tabIndex = 8},
              {.id = Form3::kCmdCancel,
               .kind = ControlKind::CommandButton,
               .name = "cmdCancel",
               .caption = "Cancel",
               .left = 3600,
               .top = 2400,
               .width = 975,
               .height = 375,
               .tabIndex = 9,
               .flags = ui::kCancel},
              {.id = Form3::kCmdCancelAlarm,
               .kind = ControlKind::CommandButton,
               .name = "cmdCancelAlarm",
               .caption = "Delete Alarm",
               .left = 120,
               .top = 2400,
               .width = 1215,
               .height = 375,
               .tabIndex = 10},
              {.id = Form3::kCheck1,
               .kind = ControlKind::CheckBox,
               .name = "Check1",
               .caption = "Play Sound when alarm",
               .left = 120,
               .top = 1920,
               .width = 2175,
               .height = 375,
               .tabIndex = 11,
               .flags = ui::kChecked},
              {.id = Form3::kCmdTestSound,
               .kind = ControlKind::CommandButton,
               .name = "cmdTestSound",
               .caption = "&Test Sound",
               .left = 2400,
               .top = 1920,
               .width = 2175,
               .height = 375,
               .tabIndex = 12},
              Timer(Form3::kTimer1, "Timer1"),
              Timer(Form3::kTimer2, "Timer2"),
          },
  };
  return layout;
}

}  // namespace alarms

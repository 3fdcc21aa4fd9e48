#include "notes/form2_layout.h"

#include "notes/form2.h"
#include "resource_ids.h"

namespace notes {

namespace {

using ui::ControlKind;

constexpr std::uint32_t kBlack = 0x00000000;  // the colour key: never drawn
constexpr std::uint32_t kDarkGreen = 0x00004000;
constexpr std::uint32_t kBlue = 0x00FF0000;

}  // namespace

// The background picture (250 x 267 pixels) is smaller than the client area
// (277 x 282); the black margin it leaves becomes transparent at load.
// Built on its first use, not before the program's first line.
const ui::WindowLayout& Form2Layout() {
  static const ui::WindowLayout layout{
      .name = "Form2",
      .caption = "My Note",
      .border = ui::BorderStyle::None,
      .showInTaskbar = false,
      .clientWidth = 4155,
      .clientHeight = 4230,
      .startPosition = ui::StartPosition::Manual,
      .left = 13980,
      .top = 180,
      .backColor = kBlack,
      .picture = IDP_NOTE_ORANGE,
      .icon = IDI_APPLICATION_NOTE,
      .closeControl = Form2::kImage1,
      .controls =
          {
              {.id = Form2::kText1,
               .kind = ControlKind::TextBox,
               .name = "Text1",
               .caption = "Text1",
               .left = 240,
               .top = 600,
               .width = 3015,
               .height = 2655,
               .tabIndex = 0,
               .flags = ui::kMultiLine | ui::kNoBorder,
               .font = {.face = "Arial", .points = 11.25, .bold = true},
               .foreColor = kDarkGreen,
               .backColor = 0x008080FF,
               .accessibleName = "Note text"},
              // Text2 lies over all of the label but a 35-twip strip along its
              // bottom edge: the number stays practically hidden, and only that
              // strip takes presses.
              {.id = Form2::kLabel1,
               .kind = ControlKind::Label,
               .name = "Label1",
               .left = 480,
               .top = 75,
               .width = 2175,
               .height = 375,
               .tabIndex = 1,
               .flags = ui::kTransparentBack,
               .font = {.face = "MS Sans Serif", .points = 12, .bold = true},
               .foreColor = kBlue},
              {.id = Form2::kText2,
               .kind = ControlKind::TextBox,
               .name = "Text2",
               .left = 480,
               .top = 40,
               .width = 2415,
               .height = 375,
               .tabIndex = 2,
               .flags = ui::kNoBorder,
               .font = {.face = "Arial", .points = 12, .bold = true},
               .foreColor = kBlue,
               .backColor = 0x0080C0FF,
               .accessibleName = "Note title"},
              // Outside the tab order: a keystroke meant for the text must never
              // hide the note, which nothing shows again. Assistive technology
              // still finds the button and can press it.
              {.id = Form2::kImage1,
               .kind = ControlKind::PictureButton,
               .name = "Image1",
               .caption = "Close",
               .left = 3120,
               .top = 120,
               .width = 240,
               .height = 240,
               .picture = IDP_CLOSE_GLYPH,
               .toolTip = "Close"},
          },
  };
  return layout;
}

}  // namespace notes

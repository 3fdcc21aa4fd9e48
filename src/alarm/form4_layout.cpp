#include "alarm/form4_layout.h"

#include "alarm/form4.h"
#include "resource_ids.h"

namespace alarms {

namespace {

using ui::ControlKind;

}  // namespace

// The alert picture is two pixels wider than the client area; the surplus is
// clipped. The window has no frame: its close picture closes it, and so does
// Escape. Enter does not, nor does the close picture take the focus from the
// keyboard, so that keys typed for another window as the alert opens cannot
// dismiss it.
// Built on its first use, not before the program's first line.
const ui::WindowLayout& Form4Layout() {
  static const ui::WindowLayout layout{
      .name = "Form4",
      .caption = "It's time!",
      .border = ui::BorderStyle::None,
      .controlBox = false,
      .minButton = false,
      .maxButton = false,
      .showInTaskbar = false,
      .clientWidth = 3810,
      .clientHeight = 4500,
      .startPosition = ui::StartPosition::CenterScreen,
      .icon = IDI_SMALL_SHEET,
      .closeControl = Form4::kImage2,
      .controls =
          {
              {.id = Form4::kImage1,
               .kind = ControlKind::Picture,
               .name = "Image1",
               .left = 0,
               .top = 0,
               .width = 3840,
               .height = 4500,
               .picture = IDP_ALERT},
              {.id = Form4::kImage2,
               .kind = ControlKind::PictureButton,
               .name = "Image2",
               .caption = "Close",
               .left = 3480,
               .top = 120,
               .width = 240,
               .height = 240,
               .flags = ui::kCancel,
               .picture = IDP_CLOSE_GLYPH},
          },
  };
  return layout;
}

}  // namespace alarms

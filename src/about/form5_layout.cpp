#include "about/form5_layout.h"

#include "about/form5.h"
#include "resource_ids.h"

namespace about {

namespace {

using ui::ControlKind;

constexpr std::uint32_t kLinkBlue = 0x00FF0000;
constexpr std::uint32_t kDarkRed = 0x00000080;
constexpr ui::FontSpec kLinkFont{.face = "Arial", .points = 9.75, .underline = true};
constexpr ui::FontSpec kVersionFont{.face = "Arial", .points = 9.75, .bold = true};

// A link is a control of its own, so that the keyboard and assistive
// technology reach it; it looks as a label would.
ui::ControlLayout Link(int id, const char* name, const char* caption, int top, int tabIndex) {
  return {.id = id,
          .kind = ControlKind::Link,
          .name = name,
          .caption = caption,
          .left = 480,
          .top = top,
          .width = 3015,
          .height = 375,
          .tabIndex = tabIndex,
          .flags = ui::kTransparentBack,
          .font = kLinkFont,
          .foreColor = kLinkBlue};
}

}  // namespace

// The background picture is one pixel wider than the client area; the
// toolkit paints it from the top-left corner and the client area clips it.
// Built on its first use, not before the program's first line.
const ui::WindowLayout& Form5Layout() {
  static const ui::WindowLayout layout{
      .name = "Form5",
      .caption = "About",
      .border = ui::BorderStyle::None,
      .controlBox = false,
      .minButton = false,
      .maxButton = false,
      .showInTaskbar = false,
      .clientWidth = 6765,
      .clientHeight = 4635,
      .startPosition = ui::StartPosition::CenterScreen,
      .picture = IDP_ABOUT_BACKGROUND,
      .icon = IDI_SMALL_SHEET,
      .closeControl = Form5::kImage1,
      .controls =
          {
              Link(Form5::kLabel5, "Label5", "Give us your feedback, we love it!", 3120, 4),
              {.id = Form5::kLabel4,
               .kind = ControlKind::Label,
               .name = "Label4",
               .caption = "Paperwisp is a freeware which lets you keep notes on your computer "
                          "screen.",
               .left = 600,
               .top = 3600,
               .width = 5055,
               .height = 615,
               .tabIndex = 3,
               .flags = ui::kTransparentBack,
               .foreColor = ui::kSysWindowText},
              {.id = Form5::kImage2,
               .kind = ControlKind::Picture,
               .name = "Image2",
               .left = 960,
               .top = 1080,
               .width = 720,
               .height = 720,
               .picture = IDP_EMBLEM},
              // Escape closes the window as the close picture does.
              {.id = Form5::kImage1,
               .kind = ControlKind::PictureButton,
               .name = "Image1",
               .caption = "Close",
               .left = 6120,
               .top = 600,
               .width = 240,
               .height = 240,
               .flags = ui::kCancel,
               .picture = IDP_CLOSE_GLYPH},
              Link(Form5::kLabel3, "Label3", "Tutorials about this product", 2760, 2),
              Link(Form5::kLabel2, "Label2", "Visit the homepage of this product", 2400, 1),
              {.id = Form5::kLabel1,
               .kind = ControlKind::Label,
               .name = "Label1",
               .caption = "Version:1.0",
               .left = 4560,
               .top = 2400,
               .width = 1335,
               .height = 375,
               .tabIndex = 0,
               .flags = ui::kTransparentBack,
               .font = kVersionFont,
               .foreColor = kDarkRed},
          },
  };
  return layout;
}

}  // namespace about

#include "fake/fake_frame.h"

namespace fake {

namespace {
// Pixels at 96 dpi, scaled with the DPI: the fixed (dialog) frame, the sizing frame, a caption, the
// small caption of a window kept off the taskbar, a menu bar, and the buttons
// of both captions.
constexpr int kFixedFrame = 3;
constexpr int kSizingFrame = 4;
constexpr int kCaption = 19;
constexpr int kToolCaption = 15;
constexpr int kMenuBar = 19;
constexpr int kCaptionButton = 18;
constexpr int kToolCaptionButton = 14;
}  // namespace

ui::FrameInsets FrameOf(const ui::WindowLayout& layout, ui::Dpi dpi) {
  if (layout.border == ui::BorderStyle::None) return {};
  const int edge =
      dpi.Scale(layout.border == ui::BorderStyle::FixedSingle ? kFixedFrame : kSizingFrame);
  const int caption = dpi.Scale(layout.showInTaskbar ? kCaption : kToolCaption);
  const int menuBar = layout.menus.empty() ? 0 : dpi.Scale(kMenuBar);
  return {edge, edge + caption + menuBar, edge, edge};
}

ui::PixelSize CaptionButtonOf(const ui::WindowLayout& layout, ui::Dpi dpi) {
  const int size = dpi.Scale(layout.showInTaskbar ? kCaptionButton : kToolCaptionButton);
  return {size, size};
}

}  // namespace fake

#include "fake/fake_frame.h"

namespace fake {

namespace {
// Pixels at 96 dpi, scaled with the DPI: the fixed (dialog) frame, the sizing frame, a caption, the
// small caption of a window kept off the taskbar, and a menu bar.
constexpr int kFixedFrame = 3;
constexpr int kSizingFrame = 4;
constexpr int kCaption = 19;
constexpr int kToolCaption = 15;
constexpr int kMenuBar = 19;
}  // namespace

ui::FrameInsets FrameOf(const ui::WindowLayout& layout, ui::Dpi dpi) {
  if (layout.border == ui::BorderStyle::None) return {};
  const int edge =
      dpi.Scale(layout.border == ui::BorderStyle::FixedSingle ? kFixedFrame : kSizingFrame);
  const int caption = dpi.Scale(layout.showInTaskbar ? kCaption : kToolCaption);
  const int menuBar = layout.menus.empty() ? 0 : dpi.Scale(kMenuBar);
  return {edge, edge + caption + menuBar, edge, edge};
}

}  // namespace fake

#include "fake/fake_frame.h"

namespace fake {

namespace {
// Pixels: the fixed (dialog) frame, the sizing frame, a caption, the small
// caption of a window kept off the taskbar, and a menu bar.
constexpr int kFixedFrame = 3;
constexpr int kSizingFrame = 4;
constexpr int kCaption = 19;
constexpr int kToolCaption = 15;
constexpr int kMenuBar = 19;
}  // namespace

ui::FrameInsets FrameOf(const ui::WindowLayout& layout) {
  if (layout.border == ui::BorderStyle::None) return {};
  const int edge = layout.border == ui::BorderStyle::FixedSingle ? kFixedFrame : kSizingFrame;
  const int caption = layout.showInTaskbar ? kCaption : kToolCaption;
  const int menuBar = layout.menus.empty() ? 0 : kMenuBar;
  return {edge, edge + caption + menuBar, edge, edge};
}

}  // namespace fake

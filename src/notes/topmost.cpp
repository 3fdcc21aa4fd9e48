#include "notes/topmost.h"

namespace notes {

namespace {
ui::WindowPlacement ReadPlacement(ui::Platform& platform, ui::Handle hwnd) {
  ui::WindowPlacement placement{};
  placement.length = sizeof placement;
  platform.GetWindowPlacement(hwnd, &placement);
  return placement;
}
}  // namespace

void KeepFormOnTop(ui::Platform& platform, ui::Form& form) {
  const ui::WindowPlacement placement = ReadPlacement(platform, form.Hwnd());
  // Neither call passes SWP_NOACTIVATE: the window is activated as well.
  const std::uint32_t flags = form.Win().State() == ui::WindowState::Maximized
                                  ? ui::kSwpNoSize | ui::kSwpNoMove
                                  : ui::kSwpNoSize;
  platform.SetWindowPos(form.Hwnd(), ui::kHwndTopmost, placement.rcNormalPosition.left,
                        placement.rcNormalPosition.top, 0, 0, flags);
}

void MakeWindowTopmost(ui::Platform& platform, ui::Handle hwnd) {
  if (hwnd == 0) return;
  const ui::WindowPlacement placement = ReadPlacement(platform, hwnd);
  platform.SetWindowPos(hwnd, ui::kHwndTopmost, placement.rcNormalPosition.left,
                        placement.rcNormalPosition.top, 0, 0, ui::kSwpNoSize);
}

}  // namespace notes

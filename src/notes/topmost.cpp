#include "notes/topmost.h"

namespace notes {

namespace {
void AssertTopmost(ui::Platform& platform, ui::Handle hwnd) {
  platform.SetWindowPos(hwnd, ui::kHwndTopmost, 0, 0, 0, 0,
                        ui::kSwpNoSize | ui::kSwpNoMove | ui::kSwpNoActivate);
}
}  // namespace

void KeepFormOnTop(ui::Platform& platform, ui::Form& form) { AssertTopmost(platform, form.Hwnd()); }

void MakeWindowTopmost(ui::Platform& platform, ui::Handle hwnd) {
  if (hwnd == 0) return;
  AssertTopmost(platform, hwnd);
}

}  // namespace notes

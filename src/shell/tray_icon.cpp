#include "shell/tray_icon.h"

#include <cmath>
#include <cstring>

#include "ui/layout.h"

namespace shell {

ui::NotifyIconData TrayIconRecord(ui::Handle hwnd, ui::Handle icon) {
  ui::NotifyIconData record{};
  static_assert(sizeof kTrayTip <= sizeof record.szTip, "the tip must fit with its NUL");
  record.cbSize = sizeof record;
  record.hWnd = hwnd;
  record.uID = 1;
  record.uFlags = ui::kNifMessage | ui::kNifIcon | ui::kNifTip;
  record.uCallbackMessage = ui::kWmMouseMove;
  record.hIcon = icon;
  // The tip, its NUL, then spaces to the end of the field.
  std::memset(record.szTip, ' ', sizeof record.szTip);
  std::memcpy(record.szTip, kTrayTip, sizeof kTrayTip);
  return record;
}

int TrayMessageNumber(double x, int scaleMode, double twipsPerPixelX) {
  const double pixels =
      scaleMode == static_cast<int>(ui::ScaleMode::Pixels) ? x : x / twipsPerPixelX;
  const double number = std::nearbyint(pixels);
  // Plain mouse moves over the shown window can carry any coordinate.
  if (!(std::fabs(number) <= 0xFFFF)) return 0;
  return static_cast<int>(number);
}

}  // namespace shell

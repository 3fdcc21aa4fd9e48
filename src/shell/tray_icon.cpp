#include "shell/tray_icon.h"

#include <cmath>
#include <cstring>

#include "ui/layout.h"

namespace shell {

ui::NotifyIconData TrayIconData{};

void FillTrayIconData(ui::Handle hwnd, ui::Handle icon) {
  static_assert(sizeof kTrayTip <= sizeof TrayIconData.szTip, "the tip must fit with its NUL");
  TrayIconData.cbSize = sizeof TrayIconData;
  TrayIconData.hWnd = hwnd;
  TrayIconData.uID = 1;
  TrayIconData.uFlags = ui::kNifMessage | ui::kNifIcon | ui::kNifTip;
  TrayIconData.uCallbackMessage = ui::kWmMouseMove;
  TrayIconData.hIcon = icon;
  // The tip, its NUL, then spaces to the end of the field.
  std::memset(TrayIconData.szTip, ' ', sizeof TrayIconData.szTip);
  std::memcpy(TrayIconData.szTip, kTrayTip, sizeof kTrayTip);
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

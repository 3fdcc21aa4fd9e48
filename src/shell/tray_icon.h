// The program's icon in the notification area of the taskbar.
#pragma once

#include "ui/platform.h"

namespace shell {

inline constexpr char kTrayTip[] = "Double left click to make a note, right click for others!";

// Mouse messages that the shell reports through the tray callback and that
// the program acts on (a single left click changes nothing).
enum TrayMouseMessage : int {
  kWmLButtonDblClk = 0x0203,
  kWmRButtonUp = 0x0205,
};

// The notification-area record of the icon `icon` whose callbacks go to
// `hwnd`.
ui::NotifyIconData TrayIconRecord(ui::Handle hwnd, ui::Handle icon);

// The shell sends the callback as a mouse move whose x, in pixels, is the
// number of the mouse message; the toolkit converts it to the window's scale
// unit. Returns that number; 0 (no mouse message) for a value far outside
// any message number.
int TrayMessageNumber(double x, int scaleMode, double twipsPerPixelX);

}  // namespace shell

"""Names, sizes and message numbers the end-to-end tests share."""

import os

# This file is tests/e2e/pw/constants.py.
REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", ".."))

SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768
TRAY_TIP = "Double left click to make a note, right click for others!"
NOTE_TITLE = "My Note"
ABOUT_TITLE = "About"
FORM1_TITLE = "Form1"
TRAY_ICON_ID = 1
# The X cursors Wine shows for the system's hand and arrow pointers.
X_HAND_CURSOR, X_ARROW_CURSOR = "hand2", "left_ptr"

# Window messages and keys the tests use.
WM_NULL = 0x0000
WM_CLOSE = 0x0010
WM_COMMAND = 0x0111
WM_MOUSEMOVE = 0x0200
WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK = 0x0201, 0x0202, 0x0203
WM_RBUTTONDOWN, WM_RBUTTONUP = 0x0204, 0x0205
VK_TAB, VK_RETURN, VK_SHIFT, VK_ESCAPE, VK_SPACE = 0x09, 0x0D, 0x10, 0x1B, 0x20
VK_LEFT, VK_RIGHT, VK_DOWN = 0x25, 0x27, 0x28
WS_BORDER, WS_DLGFRAME, WS_THICKFRAME = 0x00800000, 0x00400000, 0x00040000
WS_EX_TOOLWINDOW, WS_EX_LAYERED, WS_EX_TOPMOST = 0x00000080, 0x00080000, 0x00000008
LWA_COLORKEY = 1
IDOK = 1

# The popup menu's items in keyboard order (separators are skipped).
POPUP_NEW_NOTE, POPUP_ALARM_ME, POPUP_CHANGE_STYLE = 0, 1, 2
POPUP_TUTORIALS, POPUP_ABOUT, POPUP_EXIT = 3, 4, 5

# Without an XEMBED tray on the display, Wine's shell shows the icons as
# child windows of its own "Wine System Tray" window.
TRAY_WINDOW_CLASS = "__winex11_standalone_tray"
TRAY_ICON_CLASS = "__winex11_tray_icon"

"""Paperwisp end-to-end harness: the real Paperwisp.exe, the shipped i686
build or the x86_64 one, under Wine on a virtual X display, driven from
outside as the shell and a user would.

Pieces
    WineSession  (session.py) one Xvfb display and one fresh Wine prefix for a
                 whole test run of one build. `python3 -m pw start-session
                 --dir D --app-dir X --driver-dir Y` (from tests/e2e) creates
                 it for the build in X, driven by the x86_64 pwdriver.exe in
                 Y, and records it in D/session.json; `python3 -m pw
                 stop-session --dir D` ends exactly what was started. CTest
                 runs these as fixtures, one pair per build. Where the kernel
                 runs no 32-bit program, the i686 session and its tests exit
                 with SKIP_EXIT_CODE and say why.
    Driver       (driver.py) the 64-bit pwdriver.exe running in the prefix,
                 one command per call (see driver/protocol.h): window lists and
                 properties, texts, messages, clicks, keys, the tray icon,
                 starting and stopping programs.
    App          (app.py) one Paperwisp process started through the driver:
                 tray and popup-menu gestures, window look-ups, message boxes,
                 and the check that no window appears (assert_nothing_appears).
    XServer      (xserver.py) real mouse and keyboard input, pointer shapes
                 and screenshots through the X server.
    TestCase     (testcase.py) unittest base: one driver per test file;
                 `self.start_app()` starts a fresh Paperwisp that is stopped
                 (only that process) after the test.

A test file tests/e2e/test_*.py (CTest picks it up by its name):

    import pw

    class Notes(pw.TestCase):
        def test_double_click_makes_a_note(self):
            app = self.start_app()
            app.tray_double_click()
            note = app.wait_window(title=pw.NOTE_TITLE)
            info = app.wait_settled(note)
            self.assertEqual(pw.client_size(info), (277, 282))

    if __name__ == "__main__":
        pw.main()

A test finds its session through PW_E2E_SESSION (the session directory).
Without one, `pw.main()` starts a private session for the file and ends it
afterwards, so a single file also runs on its own:
    python3 tests/e2e/test_about.py                       (build/x64)
    PW_APP_DIR=build/i686 python3 tests/e2e/test_about.py (the shipped build;
                                         PW_DRIVER_DIR, default build/x64)
A file that calls `pw.main(dpi=144)` always runs in a private session whose
Wine has that DPI, of the build of the named session (test_display_scale.py).
"""

from .app import App
from .constants import (REPO, SCREEN_WIDTH, SCREEN_HEIGHT, TRAY_TIP, NOTE_TITLE, ABOUT_TITLE,
                        FORM1_TITLE, TRAY_ICON_ID, X_HAND_CURSOR, X_ARROW_CURSOR, WM_CLOSE,
                        WM_COMMAND, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                        WM_RBUTTONDOWN, WM_RBUTTONUP, VK_TAB, VK_RETURN, VK_SHIFT, VK_ESCAPE,
                        VK_SPACE, VK_LEFT, VK_RIGHT, VK_DOWN, WS_BORDER, WS_DLGFRAME,
                        WS_THICKFRAME, WS_EX_TOOLWINDOW, WS_EX_LAYERED, WS_EX_TOPMOST,
                        LWA_COLORKEY, IDOK, POPUP_NEW_NOTE, POPUP_ALARM_ME, POPUP_CHANGE_STYLE,
                        POPUP_TUTORIALS, POPUP_ABOUT, POPUP_EXIT, TRAY_WINDOW_CLASS,
                        TRAY_ICON_CLASS)
from .driver import Driver, DriverError
from .session import SKIP_EXIT_CODE, SessionSkipped, WineSession, session_from_environment
from .testcase import TestCase, main
from .util import (HarnessError, borderless, canonical_address, client_size, pe_machine,
                   twips_to_pixels, wait_until, windows_path)
from .xserver import XServer

__all__ = ["REPO", "SCREEN_WIDTH", "SCREEN_HEIGHT", "TRAY_TIP", "NOTE_TITLE", "ABOUT_TITLE",
           "FORM1_TITLE", "TRAY_ICON_ID", "X_HAND_CURSOR", "X_ARROW_CURSOR", "WM_CLOSE",
           "WM_COMMAND", "WM_MOUSEMOVE", "WM_LBUTTONDOWN", "WM_LBUTTONUP", "WM_LBUTTONDBLCLK",
           "WM_RBUTTONDOWN", "WM_RBUTTONUP", "VK_TAB", "VK_RETURN", "VK_SHIFT", "VK_ESCAPE",
           "VK_SPACE", "VK_LEFT", "VK_RIGHT", "VK_DOWN", "WS_BORDER", "WS_DLGFRAME",
           "WS_THICKFRAME", "WS_EX_TOOLWINDOW", "WS_EX_LAYERED", "WS_EX_TOPMOST",
           "LWA_COLORKEY", "IDOK", "POPUP_NEW_NOTE", "POPUP_ALARM_ME", "POPUP_CHANGE_STYLE",
           "POPUP_TUTORIALS", "POPUP_ABOUT", "POPUP_EXIT", "TRAY_WINDOW_CLASS", "TRAY_ICON_CLASS",
           "App", "Driver", "DriverError", "SKIP_EXIT_CODE", "SessionSkipped", "WineSession",
           "session_from_environment", "TestCase", "main", "HarnessError", "borderless",
           "canonical_address", "client_size", "pe_machine", "twips_to_pixels", "wait_until",
           "windows_path", "XServer"]

"""One running Paperwisp, with the gestures of its tray icon and popup menu."""

import time

from .constants import (FORM1_TITLE, IDOK, NOTE_TITLE, TRAY_ICON_ID, VK_DOWN, VK_RETURN, VK_RIGHT,
                        WM_COMMAND, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE,
                        WM_NULL, WM_RBUTTONDOWN, WM_RBUTTONUP)
from .driver import DriverError
from .util import HarnessError, wait_until


class App:
    """A Paperwisp process started through the driver; `x` (an XServer) is
    needed only for real mouse input."""

    def __init__(self, driver, x=None, exe=None, wait_for_tray=True, trace=None):
        """Starts the program and waits for Form1 and, unless told otherwise,
        for its tray icon: the end of its start-up. `trace` names Wine debug
        channels to trace (see Driver.start_traced)."""
        self.driver = driver
        self.x = x
        self._icons_before = set(driver.tray_icons())
        self._tray_icon = None
        exe = exe or driver.session.paperwisp_exe
        self.pid = driver.start_traced(trace, exe) if trace else driver.start(exe)
        try:
            self.form1 = wait_until(lambda: self._find(FORM1_TITLE), 15,
                                    message="Form1")["hwnd"]
            if wait_for_tray:
                wait_until(self.tray_registered, 10, message="the tray icon")
        except BaseException:
            self.stop()
            raise

    def _find(self, title):
        found = self.driver.windows(title=title, pid=self.pid)
        return found[0] if found else None

    # Lifetime.
    def running(self):
        return not self.driver.wait_exit(self.pid)["exited"]

    def wait_exit(self, timeout=5.0):
        """The exit code once the process has ended; TimeoutError if it runs on."""
        result = self.driver.wait_exit(self.pid, int(timeout * 1000))
        if not result["exited"]:
            raise TimeoutError("Paperwisp is still running")
        return result["code"]

    def stop(self):
        """Ends the process if it still runs (only this one)."""
        try:
            self.driver.kill(self.pid)
        except DriverError:
            pass  # already stopped and forgotten

    # Windows.
    def windows(self, title=None, cls=None, visible=None):
        return self.driver.windows(cls=cls, title=title, pid=self.pid, visible=visible)

    def wait_windows(self, title=None, cls=None, count=1, timeout=5.0):
        """The handles (ascending) of the visible windows with `title`/`cls`
        once exactly `count` of them are shown."""
        found = wait_until(
            lambda: (lambda w: w if len(w) == count else None)(
                self.windows(title=title, cls=cls, visible=True)),
            timeout, message=f"{count} visible window(s) {title or cls}")
        return sorted(w["hwnd"] for w in found)

    def wait_window(self, title=None, cls=None, timeout=5.0):
        """The handle of the visible window with `title`/`cls` once it is the
        only one shown."""
        return self.wait_windows(title, cls, 1, timeout)[0]

    def wait_settled(self, hwnd, quiet=0.2, timeout=5.0):
        """Driver.info of the window once its rectangle has stayed the same
        for `quiet` seconds. A handler may show a window before it places
        it (a new note is shown, then moved), so a window that has just
        appeared can still be on its way."""
        last = {"rect": None, "since": 0.0}

        def settled():
            info = self.driver.info(hwnd)
            now = time.monotonic()
            if info.get("rect") != last["rect"]:
                last.update(rect=info.get("rect"), since=now)
                return None
            return info if now - last["since"] >= quiet else None

        return wait_until(settled, timeout, interval=0.03, message="the window to settle")

    def assert_nothing_appears(self, watch=1.0):
        """Raises AssertionError if, within `watch` seconds, a window of the
        program is created, destroyed, shown, hidden or retitled."""
        self.assert_unchanged(self._window_states(), self._window_states, watch)

    def assert_unchanged(self, before, state, watch=1.0):
        """Raises AssertionError unless `state()` stays `before` while the
        program handles what it was sent.

        The program handles a message sent to it before the posted messages
        and the input waiting in its queue, so one answered message proves
        only that it reached its message loop. Hence a round trip, `watch`
        seconds of looking, a second round trip, and the state the same
        throughout."""
        self.driver.send(self.form1, WM_NULL)
        deadline = time.monotonic() + watch
        while time.monotonic() < deadline:
            self._assert_same(before, state())
            time.sleep(0.05)
        self.driver.send(self.form1, WM_NULL)
        self._assert_same(before, state())

    def _window_states(self):
        # A tooltip shows and hides by itself under a resting pointer: only
        # its existence counts.
        return sorted((w["hwnd"], w["class"], w["title"],
                       None if w["class"] == "tooltips_class32" else w["visible"])
                      for w in self.windows())

    @staticmethod
    def _assert_same(expected, now):
        if now == expected:
            return
        if isinstance(now, list) and isinstance(expected, list):
            raise AssertionError(
                f"the program's windows changed; new or changed: "
                f"{sorted(set(now) - set(expected))}, gone or changed: "
                f"{sorted(set(expected) - set(now))}")
        raise AssertionError(f"the program changed: was {expected!r}, now {now!r}")

    def notes(self):
        """Visible notes (handles, ascending)."""
        notes = self.windows(title=NOTE_TITLE, visible=True)
        return sorted(n["hwnd"] for n in notes)

    # The tray icon, as the shell reports mouse activity on it.
    def tray_registered(self):
        return self.driver.tray_registered(self.form1, TRAY_ICON_ID)

    def tray_icon(self, timeout=5.0):
        """The shell's window of this program's icon: the one that appeared
        after the program started."""
        if self._tray_icon is None:
            new = wait_until(
                lambda: [i for i in self.driver.tray_icons() if i not in self._icons_before],
                timeout, message="the tray icon")
            if len(new) != 1:
                raise HarnessError(f"{len(new)} new tray icons, expected one")
            self._tray_icon = new[0]
        return self._tray_icon

    def tray_tip(self):
        """The tip the shell shows for this program's icon."""
        icon = self.tray_icon()
        tips = [t["text"] for t in self.driver.tooltips() if t["owner"] == icon]
        return tips[0] if tips else None

    def real_tray_click(self, button="left", clicks=1):
        """A real click (or double click) on the icon, through the X server."""
        left, top, right, bottom = self.driver.info(self.tray_icon())["rect"]
        self.x.click((left + right) // 2, (top + bottom) // 2, button, repeat=clicks)

    def tray_message(self, mouse_message):
        self.driver.post(self.form1, WM_MOUSEMOVE, TRAY_ICON_ID, mouse_message)

    def tray_double_click(self):
        for message in (WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP):
            self.tray_message(message)

    def tray_right_click(self):
        """Opens the popup menu; returns its "#32768" window."""
        self.tray_message(WM_RBUTTONDOWN)
        self.tray_message(WM_RBUTTONUP)
        return self.wait_popup()

    def wait_popup(self, count=1, timeout=5.0):
        found = wait_until(
            lambda: (lambda w: w if len(w) >= count else None)(self.popup_menus()),
            timeout, message="the popup menu")
        return found[count - 1]

    def popup_menus(self):
        """Open menu windows, the top-level popup first."""
        return [w["hwnd"] for w in self.windows(cls="#32768", visible=True)][::-1]

    def choose_popup_item(self, index, sub_index=None):
        """Chooses the index-th item of the open popup (separators do not
        count; see POPUP_*), or the sub_index-th item of its submenu."""
        # The keys of a menu go in one request each: the menu selects the
        # item under the pointer at every mouse move, and the pointer rests
        # where the menu opened, so a move the system makes meanwhile (the
        # menu's window or an alert appearing under the pointer) must not
        # come between the arrows that count the items.
        menu = self.wait_popup()
        downs = [VK_DOWN] * (index + 1)
        if sub_index is None:
            self.driver.key(menu, *downs, VK_RETURN)
        else:
            self.driver.key(menu, *downs, VK_RIGHT)
            menu = self.wait_popup(count=2)
            self.driver.key(menu, *[VK_DOWN] * sub_index, VK_RETURN)
        wait_until(lambda: not self.popup_menus(), message="the popup menu to close")

    def popup_command(self, index, sub_index=None):
        """Right click on the tray icon, then the item."""
        self.tray_right_click()
        self.choose_popup_item(index, sub_index)

    # Message boxes.
    def message_boxes(self):
        """Open message boxes: [{hwnd, title, text, buttons: [text, ...]}]."""
        boxes = []
        for box in self.windows(cls="#32770", visible=True):
            children = self.driver.children(box["hwnd"])
            boxes.append({
                "hwnd": box["hwnd"], "title": box["title"],
                "text": "".join(c["text"] for c in children
                                if c["class"] == "Static" and c["id"] == 0xFFFF),
                "buttons": [c["text"] for c in children if c["class"] == "Button"]})
        return boxes

    def wait_message_box(self, timeout=5.0):
        return wait_until(lambda: (self.message_boxes() or [None])[0], timeout,
                          message="a message box")

    def press_ok(self, box):
        """Presses the OK button of a message box (as Enter would)."""
        button = next(c for c in self.driver.children(box["hwnd"]) if c["id"] == IDOK)
        self.driver.post(box["hwnd"], WM_COMMAND, IDOK, button["hwnd"])
        wait_until(lambda: not self.driver.info(box["hwnd"])["exists"],
                   message="the message box to close")

"""The client of pwdriver.exe: what another process in the prefix can see and do."""

import json
import select
import subprocess
import tempfile

from .constants import TRAY_ICON_CLASS, TRAY_ICON_ID, TRAY_WINDOW_CLASS
from .util import HarnessError, windows_path


class DriverError(Exception):
    """pwdriver answered a command with an error."""


def _escape(field):
    return str(field).replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


class Driver:
    """pwdriver.exe in the session's prefix. Windows are plain integers
    (their handles); every method returns the decoded JSON result."""

    REPLY_TIMEOUT = 30

    def __init__(self, session):
        self.session = session
        self._stderr = tempfile.TemporaryFile()
        self._process = subprocess.Popen(
            ["wine", session.driver_exe], env=session.env, stdin=subprocess.PIPE,
            stdout=subprocess.PIPE, stderr=self._stderr, text=True, encoding="utf-8",
            bufsize=1)
        self.pid = self.call("ping")

    def close(self):
        if self._process.poll() is None:
            try:
                self._process.stdin.write("quit\n")
                self._process.stdin.close()
                self._process.wait(timeout=10)
            except (OSError, subprocess.TimeoutExpired):
                self._process.kill()
                self._process.wait()
        self._stderr.close()

    def call(self, command, *args):
        line = "\t".join(_escape(a) for a in (command,) + args)
        try:
            self._process.stdin.write(line + "\n")
            self._process.stdin.flush()
        except OSError as e:
            raise HarnessError(f"pwdriver is gone ({e}); {self._stderr_text()}") from e
        # One request, one line: nothing beyond it waits in the read buffer,
        # so the pipe itself tells whether the answer has come.
        ready, _, _ = select.select([self._process.stdout], [], [], self.REPLY_TIMEOUT)
        if not ready:
            raise HarnessError(f"pwdriver gave no answer to {command} within "
                               f"{self.REPLY_TIMEOUT} s")
        reply = self._process.stdout.readline()
        if not reply:
            raise HarnessError(f"pwdriver ended; {self._stderr_text()}")
        reply = json.loads(reply)
        if not reply["ok"]:
            raise DriverError(f"{command}: {reply['error']}")
        return reply["result"]

    def _stderr_text(self):
        self._stderr.seek(0)
        return "stderr: " + self._stderr.read().decode(errors="replace")[-2000:]

    # Windows.
    def windows(self, cls=None, title=None, pid=None, visible=None):
        """Top-level windows matching every given filter, as summaries
        {hwnd, class, title, pid, visible}."""
        filters = []
        if cls is not None:
            filters.append(f"class={cls}")
        if title is not None:
            filters.append(f"title={title}")
        if pid is not None:
            filters.append(f"pid={pid}")
        if visible is not None:
            filters.append(f"visible={int(bool(visible))}")
        return self.call("list", *filters)

    def info(self, hwnd):
        """{exists, class, title, pid, visible, style, exStyle, topmost,
        taskbar, layered: {colorKey, alpha, flags} or None, rect: [l, t, r, b]
        (window, screen), client: [l, t, r, b] (client area, screen), owner,
        ...}; {exists: False} once the window is gone."""
        return self.call("info", hwnd)

    def children(self, hwnd):
        return self.call("children", hwnd)

    def text(self, hwnd):
        return self.call("text", hwnd)

    def combo_items(self, hwnd):
        return self.call("comboitems", hwnd)

    def foreground(self):
        return self.call("foreground")

    def focus(self):
        """{foreground, active, focus}: the foreground window, and the active
        window and keyboard focus of the thread that owns it."""
        return self.call("focus")

    def activate(self, hwnd):
        """Brings the window to the foreground, as a user switching to it does."""
        return self.call("activate", hwnd)

    def accessible(self, hwnd):
        """{name, role} of the window's client object, as a screen reader
        reads them through Active Accessibility (name None if it has none)."""
        return self.call("accessible", hwnd)

    def window_at(self, x, y):
        return self.call("windowat", x, y)

    def screen(self):
        """{width, height, workArea: [l, t, r, b], dpi}"""
        return self.call("screen")

    # Messages and input.
    def post(self, hwnd, message, wparam=0, lparam=0):
        return self.call("post", hwnd, message, wparam, lparam)

    def send(self, hwnd, message, wparam=0, lparam=0, timeout_ms=3000):
        return self.call("send", hwnd, message, wparam, lparam, timeout_ms)

    def registered_message(self, name):
        """The number of a registered window message, such as "TaskbarCreated"."""
        return self.call("regmessage", name)

    def suspend(self, hwnd):
        """Suspends the thread of the window, as if the computer slept: its
        timers stop ticking. Returns the thread id for resume()."""
        return int(self.call("suspend", hwnd))

    def resume(self, thread):
        return self.call("resume", thread)

    def local_time(self):
        """The wall clock in the prefix: {hour, minute, second, ms}."""
        return self.call("localtime")

    def end_session(self, pid, ending, lparam=0):
        """Plays the end of a session to the process as Windows does:
        WM_QUERYENDSESSION to each of its top-level windows, then
        WM_ENDSESSION(ending). {windows, agreed: each answered yes}."""
        return self.call("endsession", pid, int(bool(ending)), lparam)

    def click(self, hwnd, x, y, button="left", count="single"):
        """Posts the mouse messages of a click at client pixel (x, y) of the
        window to the window there: the window itself or a child of it."""
        return self.call("click", hwnd, x, y, button, count)

    def key(self, hwnd, *vks):
        """Presses and releases each key, posted to the window all at once."""
        return self.call("key", hwnd, *vks)

    def keys(self, *combos):
        """Real key presses (SendInput) for the window with the focus; each
        combo is a VK code or a tuple of them pressed together, such as
        (VK_SHIFT, VK_TAB)."""
        return self.call("keys", *("+".join(str(k) for k in (c if isinstance(c, tuple) else (c,)))
                                   for c in combos))

    def chars(self, hwnd, text):
        return self.call("chars", hwnd, text)

    def close_window(self, hwnd):
        return self.call("close", hwnd)

    def move(self, hwnd, x, y):
        """Moves a window's top-left corner to screen pixel (x, y)."""
        return self.call("move", hwnd, x, y)

    def repaint(self, hwnd):
        """Has the window repaint itself, as uncovering it would."""
        return self.call("repaint", hwnd)

    def cursor(self, x=None, y=None):
        return self.call("cursor") if x is None else self.call("cursor", x, y)

    # Notification area.
    def tray_registered(self, hwnd, uid=TRAY_ICON_ID):
        return self.call("tray", hwnd, uid)

    def tray_remove(self, hwnd, uid=TRAY_ICON_ID):
        """Removes the icon, as a restarted taskbar has forgotten it."""
        return self.call("trayremove", hwnd, uid)

    def start_refusing_taskbar(self):
        """Puts a taskbar that refuses every icon request in front of the
        real one: {hwnd, first: the shell's own search finds it first}."""
        return self.call("refusingtaskbar", "start")

    def refused_requests(self):
        """The requests it has refused so far: [{message: NIM_*, ms}]."""
        return self.call("refusingtaskbar", "requests")

    def stop_refusing_taskbar(self):
        """Removes it; the requests it refused: [{message: NIM_*, ms}]."""
        return self.call("refusingtaskbar", "stop")

    def tooltips(self):
        """[{tooltip, pid, owner, id, text}]: every tool of every tooltip
        window of a 64-bit process; a tray icon's tip is the tool whose owner
        is the icon window (of the 64-bit shell)."""
        return self.call("tooltips")

    def tray_icons(self):
        """The icon windows in the notification area, in the order shown."""
        return [child["hwnd"]
                for tray in self.windows(cls=TRAY_WINDOW_CLASS)
                for child in self.children(tray["hwnd"])
                if child["class"] == TRAY_ICON_CLASS]

    # Processes started through the driver.
    def start(self, unix_path, *args):
        return self.call("start", windows_path(unix_path), *args)

    def start_traced(self, channels, unix_path, *args):
        """Starts a program with Wine's debug `channels` (as WINEDEBUG names
        them) on; their output joins the driver's (see error_output)."""
        return self.call("starttraced", channels, windows_path(unix_path), *args)

    def error_output(self):
        """What the driver and the programs it traces wrote to the standard
        error so far."""
        self._stderr.seek(0)
        return self._stderr.read().decode(errors="replace")

    def wait_exit(self, pid, timeout_ms=0):
        return self.call("wait", pid, timeout_ms)

    def kill(self, pid):
        return self.call("kill", pid)

    def modules(self, pid):
        """The Windows paths of the exe and the DLLs loaded in process `pid`."""
        return self.call("modules", pid)

#!/usr/bin/python3
"""Paperwisp end-to-end harness: the real x86_64 Paperwisp.exe under Wine on a
virtual X display, driven from outside as the shell and a user would.

Pieces
    WineSession  one Xvfb display and one fresh Wine prefix for a whole test
                 run. `pw.py start-session --dir D --app-dir X` creates it and
                 records it in D/session.json; `pw.py stop-session --dir D`
                 ends exactly what was started (CTest runs these as fixtures).
    Driver       pwdriver.exe running in the prefix; one command per call
                 (see tests/e2e/driver/protocol.h): window lists and
                 properties, texts, messages, clicks, keys, the tray icon,
                 starting and stopping programs.
    App          one Paperwisp process started through the driver, with the
                 tray and popup-menu gestures and window look-ups.
    XServer      real input and screenshots through the X server (xdotool,
                 ImageMagick).
    TestCase     unittest base: one driver per test file, `self.start_app()`
                 starts a fresh Paperwisp that is stopped after the test.

A test file:

    import pw

    class Notes(pw.TestCase):
        def test_double_click_makes_a_note(self):
            app = self.start_app()
            app.tray_double_click()
            note = app.wait_window(title=pw.NOTE_TITLE)
            self.assertEqual(self.driver.info(note)["client"][2:], ...)

    if __name__ == "__main__":
        pw.main()

It finds its session through the environment variable PW_E2E_SESSION (the
session directory). Without one, `pw.main()` starts a private session for the
file and ends it afterwards, so a single file runs on its own too:
    /usr/bin/python3 tests/e2e/test_about.py   (PW_APP_DIR=build/x64 by default)
"""

import argparse
import contextlib
import ctypes
import ctypes.util
import hashlib
import json
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))

SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768
TRAY_TIP = "Double left click to make a note, right click for others!"
NOTE_TITLE = "My Note"
ABOUT_TITLE = "About"
FORM1_TITLE = "Form1"
TRAY_ICON_ID = 1
# The X cursors Wine shows for the system's hand and arrow pointers.
X_HAND_CURSOR, X_ARROW_CURSOR = "hand2", "left_ptr"

# Window messages and keys the tests use.
WM_CLOSE = 0x0010
WM_COMMAND = 0x0111
WM_MOUSEMOVE = 0x0200
WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK = 0x0201, 0x0202, 0x0203
WM_RBUTTONDOWN, WM_RBUTTONUP = 0x0204, 0x0205
VK_RETURN, VK_ESCAPE, VK_LEFT, VK_RIGHT, VK_DOWN = 0x0D, 0x1B, 0x25, 0x27, 0x28
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

SESSION_FILE = "session.json"


def canonical_address(address):
    """A web address as Wine's browser launcher hands it on: an empty path
    becomes "/". (The exact address the program passes is a unit test's
    business.)"""
    parts = urllib.parse.urlsplit(address)
    return urllib.parse.urlunsplit(parts._replace(path=parts.path or "/"))


def borderless(info):
    """True if the window described by Driver.info has no caption and no
    frame."""
    return not info["style"] & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)


def client_size(info):
    left, top, right, bottom = info["client"]
    return right - left, bottom - top


def twips_to_pixels(twips, twips_per_pixel=15):
    return twips / twips_per_pixel


class HarnessError(Exception):
    """The harness itself could not do what was asked."""


def wait_until(condition, timeout=5.0, interval=0.05, message="condition"):
    """Polls `condition` until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise TimeoutError(f"timed out after {timeout} s waiting for {message}")
        time.sleep(interval)


def windows_path(unix_path):
    """The path of a host file as Wine's programs see it (drive Z: is /)."""
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


def _process_matches(pid, word):
    """True if process `pid` runs and its command line contains `word`."""
    try:
        with open(f"/proc/{pid}/cmdline", "rb") as f:
            return word.encode() in f.read()
    except OSError:
        return False


def _stop_pid(pid, word, timeout=5.0):
    """Ends process `pid`, but only if it is still the program we started."""
    if not pid or not _process_matches(pid, word):
        return
    os.kill(pid, signal.SIGTERM)
    try:
        wait_until(lambda: not _process_matches(pid, word), timeout, message=f"{word} to end")
    except TimeoutError:
        os.kill(pid, signal.SIGKILL)


# ---------------------------------------------------------------------------
# The session: X display and Wine prefix.

class WineSession:
    """An Xvfb display and a Wine prefix, as recorded in DIR/session.json."""

    def __init__(self, directory, record):
        self.directory = directory
        self.display = record["display"]
        self.prefix = record["prefix"]
        self.app_dir = record["app_dir"]
        self.browser_log = record["browser_log"]
        self.xvfb_pid = record["xvfb_pid"]
        self.wineserver_pid = record.get("wineserver_pid")

    @property
    def env(self):
        env = dict(os.environ)
        env.update(DISPLAY=self.display, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                   WINEDLLOVERRIDES="mscoree=;mshtml=")
        return env

    @property
    def paperwisp_exe(self):
        return os.path.join(self.app_dir, "Paperwisp.exe")

    @property
    def driver_exe(self):
        return os.path.join(self.app_dir, "pwdriver.exe")

    @classmethod
    def load(cls, directory=None):
        directory = directory or os.environ.get("PW_E2E_SESSION")
        if not directory:
            raise HarnessError("no session: set PW_E2E_SESSION or run pw.py start-session")
        with open(os.path.join(directory, SESSION_FILE)) as f:
            return cls(directory, json.load(f))

    @classmethod
    def start(cls, directory, app_dir):
        """Starts a display and a fresh prefix; replaces a stale session in
        `directory` first."""
        directory = os.path.abspath(directory)
        for exe in ("Paperwisp.exe", "pwdriver.exe"):
            if not os.path.isfile(os.path.join(app_dir, exe)):
                raise HarnessError(f"{exe} is missing in {app_dir}")
        if os.path.exists(os.path.join(directory, SESSION_FILE)):
            cls.load(directory).stop()
        os.makedirs(directory, exist_ok=True)
        prefix = os.path.join(directory, "prefix")
        shutil.rmtree(prefix, ignore_errors=True)
        browser_log = os.path.join(directory, "browser.log")
        if os.path.exists(browser_log):
            os.remove(browser_log)

        display, xvfb = _start_xvfb(directory)
        record = {"display": display, "prefix": prefix, "app_dir": os.path.abspath(app_dir),
                  "browser_log": browser_log, "xvfb_pid": xvfb.pid}
        session = cls(directory, record)
        session._save(record)  # from here on, stop-session can clean up
        try:
            # A persistent server keeps Wine warm between the test files.
            server = subprocess.Popen(["wineserver", "-f", "-p"], env=session.env,
                                      start_new_session=True, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL)
            record["wineserver_pid"] = server.pid
            session.wineserver_pid = server.pid
            session._save(record)
            subprocess.run(["wineboot", "-i"], env=session.env, check=True, timeout=120,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            session._configure(directory)
        except BaseException:
            session.stop()
            raise
        return session

    def _save(self, record):
        path = os.path.join(self.directory, SESSION_FILE)
        with open(path + ".tmp", "w") as f:
            json.dump(record, f, indent=1)
        os.replace(path + ".tmp", path)

    def _configure(self, directory):
        # No window manager runs on Xvfb: without these, each hide of a titled
        # window waits seconds for a manager's answer. Web pages go to a
        # script that records their address.
        browser = os.path.join(directory, "record-browser.sh")
        with open(browser, "w") as f:
            f.write(f"#!/bin/sh\nprintf '%s\\n' \"$1\" >> '{self.browser_log}'\n")
        os.chmod(browser, 0o755)
        reg = os.path.join(directory, "settings.reg")
        with open(reg, "w", encoding="utf-16") as f:
            f.write("Windows Registry Editor Version 5.00\r\n\r\n"
                    "[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"
                    "\"Managed\"=\"N\"\r\n\"Decorated\"=\"N\"\r\n\r\n"
                    "[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]\r\n"
                    f"\"Browsers\"=\"{browser}\"\r\n")
        subprocess.run(["wine", "regedit", "/S", windows_path(reg)], env=self.env, check=True,
                       timeout=60, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=60)

    def stop(self):
        """Ends every Wine process of this prefix, then the server and the
        display this session started; removes the prefix."""
        if os.path.isdir(self.prefix):
            subprocess.run(["wineserver", "-k"], env=self.env, timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _stop_pid(self.wineserver_pid, "wineserver")
        _stop_pid(self.xvfb_pid, "Xvfb")
        shutil.rmtree(self.prefix, ignore_errors=True)
        try:
            os.remove(os.path.join(self.directory, SESSION_FILE))
        except FileNotFoundError:
            pass

    def site_address(self):
        """The product site's address the program under test was built with
        (its build directory's cache), without a trailing slash."""
        with open(os.path.join(self.app_dir, "CMakeCache.txt")) as f:
            for line in f:
                if line.startswith("PAPERWISP_SITE_ADDRESS:"):
                    return line.split("=", 1)[1].strip().rstrip("/")
        raise HarnessError("PAPERWISP_SITE_ADDRESS not found in the build cache")

    def browsed(self):
        """The addresses handed to the web browser so far, in order, as the
        browser got them (see canonical_address)."""
        try:
            with open(self.browser_log) as f:
                return [line.rstrip("\n") for line in f if line.strip()]
        except FileNotFoundError:
            return []


def _start_xvfb(directory, first=90):
    """Starts Xvfb on the first free display from :first up."""
    log = open(os.path.join(directory, "xvfb.log"), "ab")
    for number in range(first, first + 100):
        if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
            continue
        xvfb = subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24",
             "-nolisten", "tcp"], stdout=log, stderr=log, start_new_session=True)
        socket = f"/tmp/.X11-unix/X{number}"
        # Another server may take the number at the same moment: then ours
        # exits, and the next number is tried.
        deadline = time.monotonic() + 10
        while xvfb.poll() is None and not os.path.exists(socket) and time.monotonic() < deadline:
            time.sleep(0.05)
        if xvfb.poll() is None and os.path.exists(socket):
            display = f":{number}"
            env = dict(os.environ, DISPLAY=display)
            ready = subprocess.run(["xdpyinfo"], env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL).returncode == 0
            if ready and xvfb.poll() is None:
                return display, xvfb
        if xvfb.poll() is None:
            xvfb.kill()
        xvfb.wait()
    raise HarnessError("no free X display number found")


# ---------------------------------------------------------------------------
# The driver: what another process in the prefix can see and do.

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

    def window_at(self, x, y):
        return self.call("windowat", x, y)

    def screen(self):
        return self.call("screen")

    # Messages and input.
    def post(self, hwnd, message, wparam=0, lparam=0):
        return self.call("post", hwnd, message, wparam, lparam)

    def send(self, hwnd, message, wparam=0, lparam=0, timeout_ms=3000):
        return self.call("send", hwnd, message, wparam, lparam, timeout_ms)

    def click(self, hwnd, x, y, button="left", count="single"):
        """Posts the mouse messages of a click at client pixel (x, y)."""
        return self.call("click", hwnd, x, y, button, count)

    def key(self, hwnd, vk):
        return self.call("key", hwnd, vk)

    def chars(self, hwnd, text):
        return self.call("chars", hwnd, text)

    def close_window(self, hwnd):
        return self.call("close", hwnd)

    def move(self, hwnd, x, y):
        """Moves a window's top-left corner to screen pixel (x, y)."""
        return self.call("move", hwnd, x, y)

    def cursor(self, x=None, y=None):
        return self.call("cursor") if x is None else self.call("cursor", x, y)

    # Notification area.
    def tray_registered(self, hwnd, uid=TRAY_ICON_ID):
        return self.call("tray", hwnd, uid)

    def tooltips(self):
        """[{tooltip, pid, owner, id, text}]: every tool of every tooltip
        window; a tray icon's tip is the tool whose owner is the icon window."""
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

    def wait_exit(self, pid, timeout_ms=0):
        return self.call("wait", pid, timeout_ms)

    def kill(self, pid):
        return self.call("kill", pid)


# ---------------------------------------------------------------------------
# Real input and pictures through the X server.

class _XFixesCursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


class XServer:
    def __init__(self, session):
        self.env = session.env
        self._xlib = None
        self._display = None

    def close(self):
        if self._display:
            self._xlib[0].XCloseDisplay(self._display)
            self._display = None

    def cursor(self):
        """The pointer shape the X server shows now: {width, height, xhot,
        yhot, name, digest}; equal shapes have equal digests. (Another
        process cannot read a Windows program's cursor under Wine, but the X
        server shows it.)"""
        if self._display is None:
            x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
            xfixes = ctypes.CDLL(ctypes.util.find_library("Xfixes"))
            x11.XOpenDisplay.restype = ctypes.c_void_p
            x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
            x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
            x11.XFree.argtypes = [ctypes.c_void_p]
            xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(_XFixesCursorImage)
            xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
            self._xlib = (x11, xfixes)
            self._display = x11.XOpenDisplay(self.env["DISPLAY"].encode())
            if not self._display:
                raise HarnessError(f"cannot open display {self.env['DISPLAY']}")
        x11, xfixes = self._xlib
        pointer = xfixes.XFixesGetCursorImage(self._display)
        if not pointer:
            raise HarnessError("XFixesGetCursorImage failed")
        image = pointer.contents
        pixels = [image.pixels[i] & 0xFFFFFFFF for i in range(image.width * image.height)]
        shape = {"width": image.width, "height": image.height, "xhot": image.xhot,
                 "yhot": image.yhot, "name": (image.name or b"").decode(errors="replace"),
                 "digest": hashlib.sha1(repr(pixels).encode()).hexdigest()}
        x11.XFree(pointer)
        return shape

    def _run(self, *command):
        return subprocess.run(command, env=self.env, check=True, capture_output=True,
                              text=True, timeout=30).stdout

    def pointer(self):
        """Where the pointer is: (x, y)."""
        out = self._run("xdotool", "getmouselocation", "--shell")
        fields = dict(line.split("=", 1) for line in out.split())
        return int(fields["X"]), int(fields["Y"])

    def move(self, x, y):
        # Not "mousemove --sync": it stalls for seconds when the pointer is
        # already there.
        if self.pointer() != (x, y):
            self._run("xdotool", "mousemove", str(x), str(y))
            wait_until(lambda: self.pointer() == (x, y), 2, message=f"the pointer at {x}, {y}")

    def click(self, x, y, button="left", repeat=1):
        number = {"left": 1, "middle": 2, "right": 3}[button]
        self.move(x, y)
        self._run("xdotool", "click", "--repeat", str(repeat), "--delay", "80", str(number))

    def type_text(self, text):
        """Types `text` on the real keyboard into the focused window; a
        newline presses Return."""
        for i, line in enumerate(text.split("\n")):
            if i:
                self._run("xdotool", "key", "Return")
            if line:
                self._run("xdotool", "type", "--delay", "20", line)

    def window_geometry(self, name):
        """(x, y, width, height) of the X window called `name`, or None."""
        out = subprocess.run(["xwininfo", "-root", "-tree"], env=self.env, capture_output=True,
                             text=True).stdout
        for line in out.splitlines():
            if f'"{name}"' in line:
                geometry = line.split()[-2]  # WxH+X+Y (absolute position follows)
                size, *_ = geometry.split("+")
                width, height = (int(v) for v in size.split("x"))
                x, y = (int(v) for v in line.split()[-1].lstrip("+").split("+"))
                return x, y, width, height
        return None

    def screenshot(self, path, rect=None, see_through_black=False):
        """Saves the screen, or the rectangle [left, top, right, bottom] of
        it, as a PNG; with see_through_black, exactly black pixels (a note's
        colour key) become transparent."""
        command = ["import", "-display", self.env["DISPLAY"], "-window", "root"]
        if rect:
            left, top, right, bottom = rect
            command += ["-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage"]
        if see_through_black:
            command += ["-transparent", "#000000"]
        self._run(*command, path)


# ---------------------------------------------------------------------------
# One running Paperwisp.

class App:
    """A Paperwisp process started through the driver; `x` (an XServer) is
    needed only for real mouse input."""

    def __init__(self, driver, x=None, exe=None, wait_for_tray=True):
        """Starts the program and waits for Form1 and, unless told otherwise,
        for its tray icon: the end of its start-up."""
        self.driver = driver
        self.x = x
        self._icons_before = set(driver.tray_icons())
        self._tray_icon = None
        self.pid = driver.start(exe or driver.session.paperwisp_exe)
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
        menu = self.wait_popup()
        for _ in range(index + 1):
            self.driver.key(menu, VK_DOWN)
        if sub_index is not None:
            self.driver.key(menu, VK_RIGHT)
            menu = self.wait_popup(count=2)
            for _ in range(sub_index):
                self.driver.key(menu, VK_DOWN)
        self.driver.key(menu, VK_RETURN)
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


# ---------------------------------------------------------------------------
# unittest glue.

class TestCase(unittest.TestCase):
    """One driver for every test of a file; one fresh Paperwisp per test."""

    session = None
    driver = None
    x = None

    @classmethod
    def setUpClass(cls):
        cls.session = WineSession.load()
        cls.driver = Driver(cls.session)
        cls.x = XServer(cls.session)

    @classmethod
    def tearDownClass(cls):
        if cls.x:
            cls.x.close()
        if cls.driver:
            cls.driver.close()

    def start_app(self):
        app = App(self.driver, self.x)
        self.addCleanup(app.stop)
        return app

    def wait_browsed(self, count, timeout=10.0):
        """The browser log once it holds `count` addresses."""
        return wait_until(lambda: (lambda b: b if len(b) >= count else None)(
            self.session.browsed()), timeout, message=f"{count} browser launch(es)")


@contextlib.contextmanager
def session_from_environment():
    """The session named by PW_E2E_SESSION; without one, a private session
    (on PW_APP_DIR, default build/x64) that ends with the block."""
    if os.environ.get("PW_E2E_SESSION"):
        yield WineSession.load()
        return
    directory = tempfile.mkdtemp(prefix="pw-e2e-")
    app_dir = os.environ.get("PW_APP_DIR", os.path.join(REPO, "build", "x64"))
    os.environ["PW_E2E_SESSION"] = directory
    try:
        session = WineSession.start(directory, app_dir)
        try:
            yield session
        finally:
            session.stop()
    finally:
        del os.environ["PW_E2E_SESSION"]
        shutil.rmtree(directory, ignore_errors=True)


def main():
    """Runs the calling test file in the session of the environment (or a
    private one); exits non-zero if a test failed."""
    with session_from_environment():
        program = unittest.main(exit=False, verbosity=2)
    sys.exit(0 if program.result.wasSuccessful() else 1)


def _cli():
    parser = argparse.ArgumentParser(description="Wine sessions for the end-to-end tests")
    sub = parser.add_subparsers(dest="command", required=True)
    start = sub.add_parser("start-session")
    start.add_argument("--dir", required=True)
    start.add_argument("--app-dir", required=True,
                       help="directory of Paperwisp.exe and pwdriver.exe (x86_64)")
    stop = sub.add_parser("stop-session")
    stop.add_argument("--dir", required=True)
    args = parser.parse_args()
    if args.command == "start-session":
        began = time.monotonic()
        session = WineSession.start(args.dir, args.app_dir)
        print(f"session ready on display {session.display} in {time.monotonic() - began:.1f} s;"
              f" prefix {session.prefix}")
    else:
        if os.path.exists(os.path.join(args.dir, SESSION_FILE)):
            WineSession.load(args.dir).stop()
        print("session stopped")


if __name__ == "__main__":
    _cli()

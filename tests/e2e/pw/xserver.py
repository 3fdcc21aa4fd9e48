"""Real input, pointer shapes and screenshots through the X server."""

import ctypes
import ctypes.util
import hashlib
import os
import subprocess
import tempfile

from .util import HarnessError, wait_until


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

    def shape_extents(self, name):
        """(width, height) of the shape of the X window called
        `name` (a colour-keyed window leaves its key colour out of it), or
        None while there is no such window."""
        tree = subprocess.run(["xwininfo", "-root", "-tree"], env=self.env, capture_output=True,
                              text=True).stdout
        ids = [line.split()[0] for line in tree.splitlines() if f'"{name}"' in line]
        if not ids:
            return None
        out = subprocess.run(["xwininfo", "-shape", "-id", ids[0]], env=self.env,
                             capture_output=True, text=True).stdout
        for line in out.splitlines():
            if "Window shape extents:" in line:
                size = line.split()[-1].split("+")[0]
                return tuple(int(v) for v in size.split("x"))
        raise HarnessError(f"xwininfo shows no shape of {name!r}:\n{out}")

    def grey(self, rect):
        """The screen's rectangle [left, top, right, bottom] in grey levels
        (0 black to 255 white): a list of rows of pixels."""
        with tempfile.TemporaryDirectory(prefix="pw-grey-") as scratch:
            path = os.path.join(scratch, "grey.png")
            self.screenshot(path, rect)
            pgm = subprocess.run(["convert", path, "-colorspace", "Gray", "-depth", "8", "pgm:-"],
                                 check=True, capture_output=True, timeout=30).stdout
        _, size, _, pixels = pgm.split(b"\n", 3)
        width, height = map(int, size.split())
        return [list(pixels[row * width:(row + 1) * width]) for row in range(height)]

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

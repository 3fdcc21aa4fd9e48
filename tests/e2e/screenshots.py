#!/usr/bin/env python3
"""Takes the user's guide's pictures of the real program under Wine, which
draws the window frames and the fonts in them:

    tray.png    the tray icon, as Wine's notification area shows it
    menu.png    the tray icon's popup menu, its Change Style submenu open
    note.png    a note with some text          rolled.png  the same, rolled up
    styles.png  a note in each of the six styles
    alarm.png   the alarm dialog               alert.png   the alert window
    about.png   the About window
    note150.png the note of note.png at 150 % display scale (a Wine of 144 dpi)

    python3 tests/e2e/screenshots.py [OUTPUT_DIR]     (default docs/)
    scripts/screenshots.sh                            (builds first)

The files carry no date or time, so the same program gives the same
pictures. Runs in the session of PW_E2E_SESSION, or in a private one on
PW_APP_DIR (default build/x64); the picture at 150 % in a private one of its
own. Wine's Marlett font (Debian's fonts-wine) goes into each prefix first:
Wine draws the caption buttons with it, and without it every close box shows
the letter "r".
"""

import contextlib
import os
import struct
import subprocess
import sys
import tempfile
import time

import pw
from test_alarm import CMD_SET, EM_SETSEL, OPTION1, TXT_ALARM_AFTER

ES_MULTILINE = 0x0004
WM_KILLFOCUS = 0x0008
STYLES = ["Orange", "Green", "Blue", "Yellow", "Red", "Pink"]  # the submenu's order
NOTE_PAPER = (10, 15)  # client pixel on a note's bare paper, left of its heading
NOTE_TEXT = ("Monday", "Call the printer\nBuy stamps\nWater the ferns")
SCALED_DPI = 144  # 150 %
MARLETT = "/usr/share/wine/fonts/marlett.ttf"
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
DATED_CHUNKS = (b"tIME", b"tEXt", b"zTXt", b"iTXt")


def without_dates(png):
    """The PNG file's bytes without its time and text chunks (ImageMagick
    writes the time it made the file into them)."""
    if not png.startswith(PNG_SIGNATURE):
        raise pw.HarnessError("not a PNG file")
    kept, at = [PNG_SIGNATURE], len(PNG_SIGNATURE)
    while at < len(png):
        length, kind = struct.unpack_from(">I4s", png, at)
        end = at + 12 + length
        if kind not in DATED_CHUNKS:
            kept.append(png[at:end])
        at = end
    return b"".join(kept)


class Camera:
    def __init__(self, x, output_dir, scratch):
        self.x, self.output_dir, self.scratch = x, output_dir, scratch

    def take(self, name, rect, see_through_black=False, keep=None):
        """Saves the screen's rectangle [left, top, right, bottom] as NAME
        once two pictures in a row are the same (the windows have finished
        painting). With `keep`, a list of rectangles within it, everything
        else becomes transparent."""
        path = os.path.join(self.scratch, name)
        last = None
        for _ in range(40):
            self.x.screenshot(path, rect, see_through_black)
            if keep:
                self._keep_only(path, rect, keep)
            with open(path, "rb") as f:
                picture = without_dates(f.read())
            if picture == last:
                break
            last = picture
            time.sleep(0.25)
        else:
            raise pw.HarnessError(f"{name}: the screen did not settle")
        with open(os.path.join(self.output_dir, name), "wb") as f:
            f.write(picture)
        print(f"{name}: {rect[2] - rect[0]} x {rect[3] - rect[1]}")

    @staticmethod
    def _keep_only(path, rect, keep):
        mask = ["-size", f"{rect[2] - rect[0]}x{rect[3] - rect[1]}", "xc:black", "-fill", "white"]
        for left, top, right, bottom in keep:
            mask += ["-draw", f"rectangle {left - rect[0]},{top - rect[1]} "
                              f"{right - rect[0] - 1},{bottom - rect[1] - 1}"]
        subprocess.run(["convert", path, "-alpha", "set", "(", *mask, "-alpha", "off", ")",
                        "-compose", "CopyOpacity", "-composite", path], check=True)


def bounds(rects):
    return [min(r[0] for r in rects), min(r[1] for r in rects),
            max(r[2] for r in rects), max(r[3] for r in rects)]


def type_into_note(driver, x, note, heading, body=""):
    """Clicks into the note's heading and body and types into them, then
    takes the focus away from them, so that no caret shows."""
    edits = [c for c in driver.children(note) if c["class"].lower() == "edit"]
    for edit in edits:
        text = body if edit["style"] & ES_MULTILINE else heading
        if text:
            left, top, right, bottom = edit["rect"]
            x.click((left + right) // 2, (top + bottom) // 2)
            x.type_text(text)
            typed = text.replace("\n", "\r\n")
            pw.wait_until(lambda: driver.text(edit["hwnd"]) == typed, message=f"{text!r} typed")
    for edit in edits:
        driver.post(edit["hwnd"], WM_KILLFOCUS)


def open_popup(app):
    """Right-clicks the tray icon; returns the popup menu. A busy machine
    may take a while to show it."""
    app.tray_message(pw.WM_RBUTTONDOWN)
    app.tray_message(pw.WM_RBUTTONUP)
    return app.wait_popup(timeout=20)


def popup_command(app, index, sub_index=None):
    open_popup(app)
    app.choose_popup_item(index, sub_index)


def new_note(app, count):
    """Makes a note from the popup menu; returns it once it is placed."""
    before = set(app.notes())
    popup_command(app, pw.POPUP_NEW_NOTE)
    note = next(n for n in app.wait_windows(title=pw.NOTE_TITLE, count=count) if n not in before)
    app.wait_settled(note)
    return note


def tray_and_menu(app, driver, camera):
    camera.take("tray.png", driver.info(app.tray_icon())["rect"])
    app.x.move(200, 150)  # the menu opens at the pointer
    menu = open_popup(app)
    app.wait_settled(menu)
    for _ in range(pw.POPUP_CHANGE_STYLE + 1):
        driver.key(menu, pw.VK_DOWN)
    driver.key(menu, pw.VK_RIGHT)
    submenu = app.wait_popup(count=2)
    rects = [app.wait_settled(m)["rect"] for m in (menu, submenu)]
    camera.take("menu.png", bounds(rects), keep=rects)
    while app.popup_menus():  # Escape closes the innermost menu
        open_menus = app.popup_menus()
        driver.key(open_menus[-1], pw.VK_ESCAPE)
        pw.wait_until(lambda: len(app.popup_menus()) < len(open_menus), message="a menu to close")


def typed_note(app, driver, x, camera, picture, left):
    """A first note, wholly on the screen at `left`, with the guide's text,
    photographed as `picture`; returns its window."""
    note = new_note(app, 1)
    driver.move(note, left, 100)
    app.wait_settled(note)
    type_into_note(driver, x, note, *NOTE_TEXT)
    camera.take(picture, driver.info(note)["rect"], see_through_black=True)
    return note


def notes(app, driver, x, camera):
    note = typed_note(app, driver, x, camera, "note.png", 600)
    driver.click(note, *NOTE_PAPER, "left", "double")
    pw.wait_until(lambda: pw.client_size(driver.info(note))[1] < 40, message="the roll-up")
    camera.take("rolled.png", app.wait_settled(note)["rect"], see_through_black=True)


def styles(app, driver, x, camera):
    rects = []
    for index, style in enumerate(STYLES):
        popup_command(app, pw.POPUP_CHANGE_STYLE, index)
        note = new_note(app, index + 1)
        driver.move(note, 40 + index % 3 * 300, 40 + index // 3 * 300)
        rects.append(app.wait_settled(note)["rect"])
        type_into_note(driver, x, note, style)
    camera.take("styles.png", bounds(rects), see_through_black=True)


def alarm(app, driver, x, camera):
    popup_command(app, pw.POPUP_ALARM_ME)
    dialog = app.wait_window(title="Alarm Me...")
    app.wait_settled(dialog)
    controls = {c["id"]: c for c in driver.children(dialog)}

    def click(cid, dx=None):
        left, top, right, bottom = driver.info(controls[cid]["hwnd"])["rect"]
        x.click(left + ((right - left) // 2 if dx is None else dx), (top + bottom) // 2)

    def type_minutes(text):
        click(TXT_ALARM_AFTER)
        driver.post(box, EM_SETSEL, 0, -1)
        x.type_text(text)
        pw.wait_until(lambda: driver.text(box) == text, message=f"{text} in the minutes box")
        driver.post(box, WM_KILLFOCUS)

    click(OPTION1, dx=6)  # on the round button
    box = controls[TXT_ALARM_AFTER]["hwnd"]
    pw.wait_until(lambda: driver.info(box)["enabled"], message="the minutes box")
    type_minutes("10")
    camera.take("alarm.png", driver.info(dialog)["rect"])

    type_minutes("0.05")  # three seconds
    click(CMD_SET)
    app.press_ok(app.wait_message_box())
    alert = app.wait_window(title="It's time!", timeout=10)
    camera.take("alert.png", app.wait_settled(alert)["rect"])


def scaled_note(app, driver, x, camera):
    typed_note(app, driver, x, camera, "note150.png", 300)


def about(app, driver, camera):
    popup_command(app, pw.POPUP_ABOUT)
    window = app.wait_window(title=pw.ABOUT_TITLE)
    camera.take("about.png", app.wait_settled(window)["rect"])


@contextlib.contextmanager
def fresh_app(driver, x):
    app = pw.App(driver, x)
    try:
        yield app
    finally:
        app.stop()


@contextlib.contextmanager
def photographer(session, output_dir):
    """A driver, the X server and a camera in `session`, whose Wine has its
    Marlett font."""
    if not os.path.isfile(MARLETT):
        raise pw.HarnessError(f"{MARLETT} is missing: install fonts-wine (scripts/bootstrap.sh)")
    session.install_font(MARLETT)
    driver = pw.Driver(session)
    x = pw.XServer(session)
    try:
        with tempfile.TemporaryDirectory(prefix="pw-shots-") as scratch:
            yield driver, x, Camera(x, output_dir, scratch)
    finally:
        x.close()
        driver.close()


def take(output_dir):
    os.makedirs(output_dir, exist_ok=True)
    with pw.session_from_environment() as session, \
            photographer(session, output_dir) as (driver, x, camera):
        with fresh_app(driver, x) as app:
            tray_and_menu(app, driver, camera)
        with fresh_app(driver, x) as app:
            notes(app, driver, x, camera)
        with fresh_app(driver, x) as app:
            styles(app, driver, x, camera)
        with fresh_app(driver, x) as app:
            alarm(app, driver, x, camera)
        with fresh_app(driver, x) as app:
            about(app, driver, camera)
    with pw.session_from_environment(dpi=SCALED_DPI) as session, \
            photographer(session, output_dir) as (driver, x, camera):
        with fresh_app(driver, x) as app:
            scaled_note(app, driver, x, camera)


if __name__ == "__main__":
    take(os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(pw.REPO, "docs")))

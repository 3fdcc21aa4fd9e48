#!/usr/bin/env python3
"""The alarm: its dialog opened from the real popup menu (where it opens,
what Set reports in the real message boxes, the sound check box, hiding and
reopening, bad input in each of its three boxes), and a short countdown that
fires the alert window, which its close picture closes."""

import os
import shutil
import tempfile
import time

import pw

DIALOG_TITLE = "Alarm Me..."
ALERT_TITLE = "It's time!"

# Native control ids: the layout's ids offset by the toolkit's command id
# base, so that they never meet the small ids the system reports itself.
ID_BASE = 0x1000
OPTION1, OPTION2, CBO_HOUR = ID_BASE + 2, ID_BASE + 4, ID_BASE + 5
TXT_ALARM_AFTER, CBO_MINUTE, CMD_SET = ID_BASE + 7, ID_BASE + 8, ID_BASE + 9
CMD_CANCEL, CMD_DELETE_ALARM = ID_BASE + 10, ID_BASE + 11
CHECK1, CMD_TEST_SOUND = ID_BASE + 12, ID_BASE + 13

WM_NULL = 0x0000
EM_SETSEL = 0x00B1
BM_GETCHECK = 0x00F0
WM_COPY, WM_PASTE, WM_CLEAR = 0x0301, 0x0302, 0x0303
WS_CAPTION, WS_SYSMENU = 0x00C00000, 0x00080000
WS_MINIMIZEBOX, WS_MAXIMIZEBOX = 0x00020000, 0x00010000

TWIPS_PER_INCH = 1440
DIALOG_ORIGIN = (5775, 4875)  # twips from the screen's top-left corner
DIALOG_CLIENT = (314, 211)
ALERT_CLIENT = (254, 300)
# The middle of the 16 x 16 pixel close picture at 3480, 120 twips.
ALERT_CLOSE_PICTURE = (232 + 8, 8 + 8)

ERROR = "Error"
NO_MODE = "Please choose an alarm mode"
BAD_MINUTES = "Please enter a valid minute unit"
ZERO_MINUTES = "Can not equal 0!"
BAD_TIME = "Please choose time"


class AlarmDialog:
    """The alarm dialog of one running Paperwisp, worked with real clicks
    and typing."""

    def __init__(self, test, app):
        self.test, self.app = test, app
        self.driver, self.x = test.driver, test.x
        app.popup_command(pw.POPUP_ALARM_ME)
        self.hwnd = app.wait_window(title=DIALOG_TITLE)
        self.info = app.wait_settled(self.hwnd)
        self.controls = {c["id"]: c for c in self.driver.children(self.hwnd)}

    def control(self, cid):
        return self.controls[cid]["hwnd"]

    def edit(self, cid):
        """The edit field of a box: the text box itself, or a combo box's."""
        if cid == TXT_ALARM_AFTER:
            return self.control(cid)
        return next(c["hwnd"] for c in self.driver.children(self.control(cid))
                    if c["class"] == "Edit")

    def click(self, cid, dx=None):
        """A real click on the control; `dx` pixels from its left edge, or
        in its middle."""
        left, top, right, bottom = self.driver.info(self.control(cid))["rect"]
        self.x.click(left + ((right - left) // 2 if dx is None else dx), (top + bottom) // 2)

    def choose_mode(self, option):
        self.click(option, dx=6)  # on the round button
        pw.wait_until(lambda: self.checked(option), message="the option to be selected")

    def checked(self, cid):
        return self.driver.send(self.control(cid), BM_GETCHECK) == 1

    def enabled(self, cid):
        return self.driver.info(self.control(cid))["enabled"]

    def text(self, cid):
        return self.driver.text(self.edit(cid))

    def wait_text(self, edit, accept, message, timeout=5.0):
        """The field's text once `accept` takes it."""
        def accepted():
            text = self.driver.text(edit)
            return (text,) if accept(text) else None
        return pw.wait_until(accepted, timeout, message=message)[0]

    def type_into(self, cid, text):
        """Clicks into the box, empties it and types `text`; returns what
        the box then holds. The field drops what it does not take, such as
        control characters: such a text must end in a character that
        occurs in it once."""
        edit = self.edit(cid)
        self.click(cid, dx=8)
        self.driver.post(edit, EM_SETSEL, 0, -1)
        self.driver.post(edit, WM_CLEAR)
        self.wait_text(edit, lambda t: t == "", "the box to empty")
        if not text:
            return ""
        self.driver.chars(edit, text)
        if text.isprintable():
            return self.wait_text(edit, lambda t: t == text, f"{text!r} in the box")
        return self.wait_text(edit, lambda t: t.endswith(text[-1]), "the typing to arrive")

    def paste_long(self, cid, unit, length, tail=""):
        """Fills the box with `unit` repeated up to `length` characters,
        then `tail`, by copying and pasting its own text: the field takes
        ten thousand typed characters one by one far too slowly."""
        edit = self.edit(cid)
        current = self.type_into(cid, unit)
        while len(current) < length:
            self.driver.post(edit, EM_SETSEL, 0, -1)
            self.driver.post(edit, WM_COPY)
            self.driver.post(edit, EM_SETSEL, len(current), len(current))
            self.driver.post(edit, WM_PASTE)
            size = 2 * len(current)
            current = self.wait_text(edit, lambda t: len(t) == size, f"{size} characters")
        self.driver.post(edit, EM_SETSEL, length, -1)
        self.driver.post(edit, WM_CLEAR)
        self.driver.post(edit, EM_SETSEL, length, length)
        if tail:
            self.driver.chars(edit, tail)
        return self.wait_text(edit, lambda t: len(t) == length + len(tail), "the long text")

    def set_and_read(self):
        """Presses Set; returns the message box it shows, already answered."""
        self.click(CMD_SET)
        box = self.app.wait_message_box()
        self.app.press_ok(box)
        return box

    def assert_message(self, text, title=ERROR):
        box = self.set_and_read()
        self.test.assertEqual((box["text"], box["title"], box["buttons"]), (text, title, ["OK"]))

    def assert_still_working(self):
        """The program runs on and answers, its icon is still there, and
        the dialog is still open."""
        self.test.assertTrue(self.app.running())
        self.driver.send(self.hwnd, WM_NULL)  # raises if the program does not answer
        self.test.assertTrue(self.app.tray_registered())
        self.test.assertTrue(self.driver.info(self.hwnd)["visible"])


class MenuPicture:
    """A screenshot of the open popup menu as black and not-black pixels
    (menu text is drawn without smoothing): another process cannot read a
    popup menu's items under Wine, but it can see them."""

    def __init__(self, path, width, height):
        with open(path, "rb") as f:
            data = f.read()
        step = len(data) // (width * height)  # 8 or 16 bits a pixel, as the X server gives
        self.width, self.height = width, height
        self.black = [[data[(y * width + x) * step] < 0x80 for x in range(width)]
                      for y in range(height)]

    def items(self):
        """The items' text rows (top, bottom), top to bottom: runs of rows
        with black pixels, closer than the gap between two items."""
        rows = [y for y in range(self.height) if any(self.black[y])]
        bands = []
        for y in rows:
            if bands and y - bands[-1][1] <= 2:  # an underlined access key
                bands[-1][1] = y
            else:
                bands.append([y, y])
        return [tuple(b) for b in bands]

    def columns(self, band):
        """The text of an item as columns of pixels, blank margins cut."""
        top, bottom = band
        cols = [tuple(self.black[y][x] for y in range(top, bottom + 1))
                for x in range(self.width)]
        inked = [i for i, c in enumerate(cols) if any(c)]
        return cols[inked[0]:inked[-1] + 1]

    def item_shows(self, index, glyph):
        """True if the pixel block `glyph` (rows of booleans) appears in the
        text of the index-th item."""
        top, bottom = self.items()[index]
        height, width = len(glyph), len(glyph[0])
        return any(all(self.black[y + dy][x:x + width] == glyph[dy] for dy in range(height))
                   for y in range(top, bottom - height + 2)
                   for x in range(self.width - width + 1))


def glyph_between(columns, start, end):
    """The pixel block of columns[start:end], trimmed to its inked rows."""
    rows = [[col[y] for col in columns[start:end]] for y in range(len(columns[0]))]
    inked = [y for y, row in enumerate(rows) if any(row)]
    return rows[inked[0]:inked[-1] + 1]


class AlarmDialogTests(pw.TestCase):
    def open_dialog(self):
        return AlarmDialog(self, self.start_app())

    def test_opens_from_popup_at_its_place_with_its_layout_values(self):
        dialog = self.open_dialog()
        info = dialog.info
        dpi = self.driver.screen()["dpi"]
        expected = tuple(round(t * dpi / TWIPS_PER_INCH) for t in DIALOG_ORIGIN)
        self.assertEqual(tuple(info["rect"][:2]), expected)
        self.assertEqual(info["title"], DIALOG_TITLE)
        self.assertEqual(info["pid"], dialog.app.pid)
        self.assertEqual(pw.client_size(info), DIALOG_CLIENT)
        style = info["style"]
        self.assertEqual(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU, hex(style))
        self.assertFalse(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | pw.WS_THICKFRAME), hex(style))

        self.assertEqual(self.driver.combo_items(dialog.control(CBO_HOUR)),
                         [str(h) for h in range(24)])
        self.assertEqual(self.driver.combo_items(dialog.control(CBO_MINUTE)),
                         [f" {m}" for m in range(60)])
        self.assertEqual([dialog.text(c) for c in (TXT_ALARM_AFTER, CBO_HOUR, CBO_MINUTE)],
                         ["", "", ""])
        self.assertFalse(dialog.checked(OPTION1) or dialog.checked(OPTION2))
        self.assertTrue(dialog.checked(CHECK1))
        self.assertTrue(dialog.enabled(CMD_TEST_SOUND))

    def test_set_reports_each_input_error_and_keeps_the_dialog_open(self):
        dialog = self.open_dialog()
        dialog.assert_message(NO_MODE)
        dialog.assert_still_working()
        cases = [  # mode, minutes, hour, minute, message
            (OPTION1, "", None, None, BAD_MINUTES),
            (OPTION1, "abc", None, None, BAD_MINUTES),
            (OPTION1, "0", None, None, ZERO_MINUTES),
            (OPTION1, " 0.0 ", None, None, ZERO_MINUTES),
            (OPTION2, None, "", " 5", BAD_TIME),
            (OPTION2, None, "7", "", BAD_TIME),
            (OPTION2, None, "24", " 0", BAD_TIME),
            (OPTION2, None, "23", "60", BAD_TIME),
        ]
        for mode, minutes, hour, minute, message in cases:
            with self.subTest(minutes=minutes, hour=hour, minute=minute):
                dialog.choose_mode(mode)
                for box, text in ((TXT_ALARM_AFTER, minutes), (CBO_HOUR, hour),
                                  (CBO_MINUTE, minute)):
                    if text is not None:
                        dialog.type_into(box, text)
                dialog.assert_message(message)
                dialog.assert_still_working()

    def test_test_sound_button_follows_the_check_box(self):
        dialog = self.open_dialog()
        for expected in (False, True, False):
            dialog.click(CHECK1, dx=6)
            pw.wait_until(lambda: dialog.checked(CHECK1) == expected,
                          message=f"the check box to be {'' if expected else 'un'}checked")
            pw.wait_until(lambda: dialog.enabled(CMD_TEST_SOUND) == expected,
                          message=f"Test Sound to be {'en' if expected else 'dis'}abled")

    def click_close_box(self, dialog):
        """A real click on the close box at the right end of the title bar."""
        info = self.driver.info(dialog.hwnd)
        right, top = info["rect"][2], info["rect"][1]
        caption = info["client"][1] - top  # frame and title bar
        self.x.click(right - caption // 2, top + caption // 2)

    def test_close_box_cancel_and_escape_hide_it_and_it_reopens_as_left(self):
        dialog = self.open_dialog()
        dialog.choose_mode(OPTION2)
        dialog.type_into(CBO_HOUR, "7")
        dialog.click(CHECK1, dx=6)
        pw.wait_until(lambda: not dialog.checked(CHECK1), message="the box to be unchecked")
        for close in (lambda: self.click_close_box(dialog),
                      lambda: dialog.click(CMD_CANCEL),
                      lambda: self.driver.keys(pw.VK_ESCAPE)):  # Cancel's key
            close()
            pw.wait_until(lambda: not self.driver.info(dialog.hwnd)["visible"],
                          message="the dialog to hide")
            self.assertTrue(self.driver.info(dialog.hwnd)["exists"])
            dialog.app.popup_command(pw.POPUP_ALARM_ME)
            self.assertEqual(dialog.app.wait_window(title=DIALOG_TITLE), dialog.hwnd)
            self.assertTrue(dialog.checked(OPTION2))
            self.assertEqual(dialog.text(CBO_HOUR), "7")
            self.assertFalse(dialog.checked(CHECK1))
            self.assertFalse(dialog.enabled(CMD_TEST_SOUND))
            self.assertFalse(dialog.enabled(TXT_ALARM_AFTER))

    def test_bad_input_in_each_box_is_rejected_and_the_program_runs_on(self):
        dialog = self.open_dialog()
        # Each box in turn holds the bad text; in time mode the other box
        # holds a good value, so the message is about the bad one.
        boxes = [(TXT_ALARM_AFTER, OPTION1, {}, BAD_MINUTES),
                 (CBO_HOUR, OPTION2, {CBO_MINUTE: " 5"}, BAD_TIME),
                 (CBO_MINUTE, OPTION2, {CBO_HOUR: "7"}, BAD_TIME)]
        typed = ["ñ€日本", "5€", "\U0001F600",  # an emoji, outside the 16-bit range
                 "\uFF11\uFF12",  # full-width digits 1 and 2
                 "9\x01\x02\x07\x0b\x0c\x0e\x1b\x1f\x7fz"]  # control characters
        for box, mode, others, message in boxes:
            dialog.choose_mode(mode)
            for other, text in others.items():
                dialog.type_into(other, text)
            for text in typed:
                with self.subTest(box=box, text=ascii(text)):
                    held = dialog.type_into(box, text)
                    if text.isprintable():
                        self.assertEqual(held, text)
                    dialog.assert_message(message)
                    dialog.assert_still_working()
            # Ten thousand characters, pasted: a number far too large, and
            # a text whose end decides the answer, so all of it is read.
            last = {TXT_ALARM_AFTER: (" ", 9999, "0", ZERO_MINUTES),
                    CBO_HOUR: ("0", 9998, "24", BAD_TIME),
                    CBO_MINUTE: ("0", 9998, "60", BAD_TIME)}[box]
            for unit, length, tail, expected in (("1234567890", 10000, "", message), last):
                with self.subTest(box=box, long=unit + "..." + tail):
                    held = dialog.paste_long(box, unit * 10, length, tail)
                    self.assertEqual(held, (unit * length)[:length] + tail)
                    dialog.assert_message(expected)
                    dialog.assert_still_working()


class AlarmFiringTests(pw.TestCase):
    # Items of the popup menu, counted as text rows (separators draw none).
    ALARM_ITEM, STYLE_ITEM, TUTORIALS_ITEM = 1, 2, 3

    def setUp(self):
        self.shots = tempfile.mkdtemp(prefix="pw-menu-")
        self.addCleanup(shutil.rmtree, self.shots, ignore_errors=True)

    def popup_picture(self, app):
        """Opens the popup menu, takes its picture once it has been drawn,
        and closes it again."""
        self.x.move(200, 150)  # the menu opens below and right of the pointer, off its items
        menu = app.tray_right_click()
        rect = app.wait_settled(menu)["rect"]
        width, height = rect[2] - rect[0], rect[3] - rect[1]
        shots = []

        def same_twice():
            path = os.path.join(self.shots, f"{len(shots)}.gray")
            self.x.screenshot("gray:" + path, rect)
            shots.append(MenuPicture(path, width, height))
            return len(shots) > 1 and shots[-1].black == shots[-2].black

        pw.wait_until(same_twice, message="the menu to be drawn")
        self.driver.key(menu, pw.VK_ESCAPE)
        pw.wait_until(lambda: not app.popup_menus(), message="the popup menu to close")
        self.assertEqual(len(shots[-1].items()), 6, "text rows in the popup menu")
        return shots[-1]

    def test_short_countdown_fires_the_alert_which_its_close_picture_closes(self):
        def click_close_picture(app, alert, left, top):
            self.x.click(left + ALERT_CLOSE_PICTURE[0], top + ALERT_CLOSE_PICTURE[1])
        self.fire_and_close_alert(click_close_picture)

    def test_escape_closes_the_alert_and_enter_does_not(self):
        def escape(app, alert, left, top):
            # The menu's pictures took the keyboard from the alert, which had
            # it when it opened.
            self.driver.activate(alert)
            pw.wait_until(lambda: self.driver.focus()["active"] == alert,
                          message="the alert to be active")
            close = self.driver.children(alert)
            self.assertEqual([self.driver.accessible(c["hwnd"])["name"] for c in close], ["Close"])
            # Keys meant for another window as the alert opens leave it open.
            self.driver.keys(pw.VK_RETURN, pw.VK_SPACE, pw.VK_TAB, pw.VK_RETURN)
            app.assert_nothing_appears()
            self.driver.keys(pw.VK_ESCAPE)
        self.fire_and_close_alert(escape)

    def fire_and_close_alert(self, close_alert):
        """Fires a short countdown, closes the alert with `close_alert(app,
        alert, left, top)`, and checks what closing it does."""
        app = self.start_app()
        at_start = self.popup_picture(app)
        dialog = AlarmDialog(self, app)
        dialog.choose_mode(OPTION1)
        dialog.type_into(TXT_ALARM_AFTER, "0.004")  # 0.24 s: fires on the first tick
        began = time.monotonic()
        dialog.click(CMD_SET)
        box = app.wait_message_box()
        # The countdown runs from Set on, so its first tick, a second
        # later, comes while the confirmation still waits for its OK.
        alert = app.wait_window(title=ALERT_TITLE, timeout=5)
        fired_after = time.monotonic() - began
        self.assertGreaterEqual(fired_after, 0.5)
        self.assertLessEqual(fired_after, 3.0)
        self.assertEqual((box["text"], box["title"]), ("Alarm set successfully!", "Activate Alarm"))
        app.press_ok(box)
        pw.wait_until(lambda: not self.driver.info(dialog.hwnd)["visible"],
                      message="the dialog to hide")
        self.assertEqual(self.driver.foreground(), alert)  # the keyboard goes to it

        info = app.wait_settled(alert)
        screen = self.driver.screen()
        self.assertEqual(pw.client_size(info), ALERT_CLIENT)
        self.assertEqual(info["rect"], info["client"])  # no frame at all
        self.assertTrue(pw.borderless(info), hex(info["style"]))
        left, top = info["rect"][:2]
        self.assertAlmostEqual(left, (screen["width"] - ALERT_CLIENT[0]) / 2, delta=0.5)
        self.assertAlmostEqual(top, (screen["height"] - ALERT_CLIENT[1]) / 2, delta=0.5)
        self.assertTrue(info["exStyle"] & pw.WS_EX_TOPMOST, hex(info["exStyle"]))
        self.assertFalse(info["taskbar"])
        self.assertTrue(info["visible"])
        self.assertEqual(info["pid"], app.pid)
        while_alerting = self.popup_picture(app)

        close_alert(app, alert, left, top)
        pw.wait_until(lambda: not self.driver.info(alert)["exists"],
                      message="the alert to be unloaded")
        self.assertTrue(app.running())
        after_close = self.popup_picture(app)

        app.popup_command(pw.POPUP_ALARM_ME)
        self.assertEqual(app.wait_window(title=DIALOG_TITLE), dialog.hwnd)
        dialog.click(CMD_DELETE_ALARM)
        box = app.wait_message_box()
        self.assertEqual((box["text"], box["title"]),
                         ("Alarm deactivated successfully!", "Deactivate Alarm"))
        app.press_ok(box)
        after_delete = self.popup_picture(app)
        # Seconds of ticks have passed since the alarm went off: it fired once.
        app.assert_nothing_appears()
        self.assertEqual(app.windows(title=ALERT_TITLE), [])

        self.assert_close_caption(at_start, while_alerting, after_close, after_delete)

    def assert_close_caption(self, at_start, while_alerting, after_close, after_delete):
        """The caption after the alert closed, "Alarm Me (Stop)", is the one
        that Delete Alarm writes, "Alarm Me (stop)", with its one letter s
        drawn as the capital S of "Change Style"."""
        def caption(picture):
            return picture.columns(picture.items()[self.ALARM_ITEM])

        closed, deleted = caption(after_close), caption(after_delete)
        self.assertNotEqual(closed, caption(at_start), "the caption is still Alarm Me")
        self.assertNotEqual(closed, caption(while_alerting), "the caption did not change")
        # The columns both captions share from the left and from the right
        # leave the letters that differ.
        shorter = min(len(closed), len(deleted))
        same_start = next((i for i in range(shorter) if closed[i] != deleted[i]), shorter)
        same_end = next((i for i in range(shorter - same_start)
                         if closed[-1 - i] != deleted[-1 - i]), shorter - same_start)
        capital = (same_start, len(closed) - same_end)
        small = (same_start, len(deleted) - same_end)
        self.assertTrue(0 < capital[1] - capital[0] <= 8 and 0 < small[1] - small[0] <= 8,
                        f"the two captions differ in more than one letter: columns {capital}"
                        f" and {small} of {len(closed)} and {len(deleted)}")
        # "Change Style" has a capital S and no small one, "Tutorials" the
        # other way round.
        self.assertTrue(at_start.item_shows(self.STYLE_ITEM, glyph_between(closed, *capital)),
                        "the letter that differs is not the capital S of Change Style")
        self.assertTrue(at_start.item_shows(self.TUTORIALS_ITEM, glyph_between(deleted, *small)),
                        "the letter Delete Alarm shows there is not the s of Tutorials")


if __name__ == "__main__":
    pw.main()

#!/usr/bin/env python3
"""Paperwisp at 150 % display scale, in a Wine prefix of its own whose DPI
(the user's LogPixels) is 144.

Wine 8 gives every window of a per-monitor aware program that DPI, for the
system and the monitor alike, with its frames and system metrics to match,
and scales nothing itself: what shows is the program's own layout. Wine has
one DPI for the whole screen and keeps it while a program runs, so a window
moving to a monitor of another scale cannot be shown here; the unit tests
carry that."""

import os
import subprocess
import time

import pw

DPI = 144
DIALOG_TITLE = "Alarm Me..."
# The green sheet: the style checked when the program starts.
GREEN_SHEET = os.path.join(pw.REPO, "assets", "pictures", "note_green.gif")
NOTE_PAPER = (15, 22)  # client pixel on the bare paper, left of the heading
INK = 128  # darker than this is text
BS_TYPEMASK, BS_GROUPBOX = 0x000F, 0x0007
WM_KILLFOCUS = 0x0008


def at_dpi(pixels_at_96):
    """A length at 100 % at DPI, rounded as the program rounds twips."""
    return int(pixels_at_96 * DPI / 96 + 0.5)


def opaque_box(path):
    """(width, height, left, top) of the part of a picture that is not
    transparent."""
    geometry = subprocess.run(["convert", path, "-alpha", "extract", "-format", "%@", "info:"],
                              check=True, capture_output=True, text=True, timeout=30).stdout
    size, left, top = geometry.split("+")
    width, height = size.split("x")
    return int(width), int(height), int(left), int(top)


def relative(rect, origin):
    return [rect[0] - origin[0], rect[1] - origin[1], rect[2] - origin[0], rect[3] - origin[1]]


def ink_box(grey, rect):
    """[left, top, right, bottom] of the text-dark pixels in `rect`, or None."""
    left, top, right, bottom = rect
    columns = [x for x in range(left, right) if any(grey[y][x] < INK for y in range(top, bottom))]
    rows = [y for y in range(top, bottom) if any(grey[y][x] < INK for x in range(left, right))]
    return [columns[0], rows[0], columns[-1] + 1, rows[-1] + 1] if columns else None


def settled_grey(x, rect):
    """The rectangle in grey levels once two looks in a row agree (the
    windows have finished painting)."""
    last = None
    for _ in range(20):
        grey = x.grey(rect)
        if grey == last:
            return grey
        last = grey
        time.sleep(0.2)
    raise pw.HarnessError("the screen did not settle")


def overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


class NoteAt150Percent(pw.TestCase):
    def test_a_note_is_one_and_a_half_times_its_size(self):
        app = self.start_app()
        app.tray_double_click()
        note = app.wait_window(title=pw.NOTE_TITLE)
        app.wait_settled(note)
        self.driver.move(note, 100, 100)  # wholly on the screen, to photograph it
        info = app.wait_settled(note)
        self.assertEqual(pw.client_size(info), (416, 423))  # 277 x 282 at 100 %

        # The sheet is drawn at 150 %: what it covers (the rest is the colour
        # key) is one and a half times what the 100 % picture covers.
        shot = os.path.join(self.session.directory, "note.png")
        self.x.screenshot(shot, info["rect"], see_through_black=True)
        drawn = opaque_box(shot)
        expected = [at_dpi(length) for length in opaque_box(GREEN_SHEET)]
        for name, got, want in zip(("width", "height", "left", "top"), drawn, expected):
            self.assertLessEqual(abs(got - want), 1, f"sheet {name}: {drawn} for {expected}")

        # Rolled up to its strip of 460 twips.
        self.driver.click(note, *NOTE_PAPER, "left", "double")
        pw.wait_until(lambda: pw.client_size(self.driver.info(note)) == (416, 46),
                      message="the note rolled up to 46 pixels")


class DialogAt150Percent(pw.TestCase):
    def test_controls_are_scaled_and_their_texts_fit(self):
        app = self.start_app()
        app.popup_command(pw.POPUP_ALARM_ME)
        dialog = app.wait_window(title=DIALOG_TITLE)
        app.wait_settled(dialog)
        self.driver.move(dialog, 50, 50)  # wholly on the screen, to look at it
        info = app.wait_settled(dialog)
        self.assertEqual(pw.client_size(info), (471, 317))  # 314 x 211 at 100 %
        origin = info["client"][:2]
        children = self.driver.children(dialog)
        for child in children:  # no focus rectangle around a caption
            if child["class"] == "Button":
                self.driver.post(child["hwnd"], WM_KILLFOCUS)

        set_button = next(c for c in children if c["text"] == "Set")
        self.assertEqual(relative(set_button["rect"], origin), [240, 240, 338, 278])

        # Each caption is drawn whole inside its own control, clear of its
        # edges and of every other control (the frame aside, which holds them).
        grey = settled_grey(self.x, info["client"])
        others = [relative(c["rect"], origin) for c in children
                  if not (c["class"] == "Button" and c["style"] & BS_TYPEMASK == BS_GROUPBOX)]
        captioned = [c for c in children if c["class"] == "Button" and c["text"]
                     and c["style"] & BS_TYPEMASK != BS_GROUPBOX]
        self.assertEqual(len(captioned), 7)  # four buttons, a check box, two options
        for child in captioned:
            rect = relative(child["rect"], origin)
            text = ink_box(grey, rect)
            self.assertIsNotNone(text, f"{child['text']!r} shows no text")
            self.assertGreater(text[0], rect[0] + 1, f"{child['text']!r}: {text} in {rect}")
            self.assertLess(text[2], rect[2] - 1, f"{child['text']!r}: {text} in {rect}")
            for other in others:
                if other != rect:
                    self.assertFalse(overlap(text, other),
                                     f"{child['text']!r} at {text} runs into {other}")


if __name__ == "__main__":
    pw.main(dpi=DPI)

#!/usr/bin/env python3
"""Typing lands where the user looks, and every window stays within reach:
the keyboard after a real double click on the icon and while other notes
repaint, About and the alarm dialog brought up from behind another window,
a full screen of new notes, and windows coming back after the display
changes (Xvfb cannot change its screen: the program hears the messages)."""

import time

import pw
from test_alarm import DIALOG_TITLE

NOTE_TEXT1 = 0x1000 + 1  # the body's native id
WM_SETTINGCHANGE, WM_DISPLAYCHANGE, WM_POWERBROADCAST = 0x001A, 0x007E, 0x0218
SPI_SETWORKAREA = 0x002F
PBT_APMSUSPEND, PBT_APMRESUMESUSPEND, PBT_APMRESUMEAUTOMATIC = 0x0004, 0x0007, 0x0012
WM_NULL = 0x0000
FAR_AWAY = (3000, 2500)
DESKTOP_CHANGES = ((WM_DISPLAYCHANGE, 24, (768 << 16) | 1024),
                   (WM_SETTINGCHANGE, SPI_SETWORKAREA, 0))
SLEEP_AND_WAKE_UP = ((WM_POWERBROADCAST, PBT_APMSUSPEND, 0),
                     (WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0),
                     (WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0))
PASS_DELAY = 0.5  # seconds: the program arranges its windows once the burst is over


class FocusAndReach(pw.TestCase):
    def body(self, note):
        return next(c["hwnd"] for c in self.driver.children(note) if c["id"] == NOTE_TEXT1)

    def new_note(self, app):
        before = set(app.notes())
        app.tray_double_click()
        note = pw.wait_until(lambda: (set(app.notes()) - before or {None}).pop(),
                             message="a new note")
        app.wait_settled(note)
        return note

    def wait_keyboard_in(self, window, control):
        try:
            pw.wait_until(lambda: self.driver.focus() == {
                "foreground": window, "active": window, "focus": control})
        except TimeoutError:
            self.fail(f"the keyboard is at {self.driver.focus()}, not in {control} of {window}")

    def type_into_focus(self, text, edit):
        """Types on the real keyboard; waits until `edit` holds `text`."""
        self.x.type_text(text)
        try:
            pw.wait_until(lambda: self.driver.text(edit) == text, message=f"{text!r} typed")
        except TimeoutError:
            self.fail(f"{edit} holds {self.driver.text(edit)!r}, not {text!r}")

    def test_a_real_double_click_gives_the_new_note_the_keyboard(self):
        app = self.start_app()
        app.real_tray_click("left", clicks=2)
        note = app.wait_window(title=pw.NOTE_TITLE)
        self.wait_keyboard_in(note, self.body(note))
        self.type_into_focus("Call Ann", self.body(note))

    def test_other_notes_repainting_leave_the_keyboard_where_it_is(self):
        app = self.start_app()
        first = self.new_note(app)
        second = self.new_note(app)
        self.wait_keyboard_in(second, self.body(second))
        # Back to the first note, as a click into it would; then the second
        # repaints, as when a window over it goes away.
        left, top, right, bottom = self.driver.info(self.body(first))["rect"]
        self.x.click((left + right) // 2, top + 10)
        self.wait_keyboard_in(first, self.body(first))
        for _ in range(3):
            self.driver.repaint(second)
        app.assert_unchanged(self.driver.focus(), self.driver.focus, watch=0.5)
        self.type_into_focus("milk", self.body(first))
        self.assertEqual(self.driver.text(self.body(second)), "")

    def test_about_and_the_alarm_dialog_come_out_from_behind_another_window(self):
        # Another program's copies open at the same places and cover them.
        app, other = self.start_app(), self.start_app()
        for item, title in ((pw.POPUP_ABOUT, pw.ABOUT_TITLE), (pw.POPUP_ALARM_ME, DIALOG_TITLE)):
            with self.subTest(title):
                app.popup_command(item)
                window = app.wait_window(title=title)
                left, top, right, bottom = app.wait_settled(window)["rect"]
                other.popup_command(item)
                cover = other.wait_window(title=title)
                other.wait_settled(cover)
                middle = ((left + right) // 2, (top + bottom) // 2)
                pw.wait_until(lambda: self.driver.window_at(*middle)["root"] == cover,
                              message="the other program's window in front")

                app.popup_command(item)
                pw.wait_until(lambda: self.driver.window_at(*middle)["root"] == window,
                              message=f"{title} in front")
                pw.wait_until(lambda: self.driver.foreground() == window,
                              message=f"{title} in the foreground")
                self.assertEqual([w["hwnd"] for w in app.windows(title=title)], [window])

    def test_forty_notes_open_inside_the_work_area(self):
        app = self.start_app()
        left, top, right, bottom = self.driver.screen()["workArea"]
        for _ in range(40):
            app.tray_double_click()
        notes = app.wait_windows(title=pw.NOTE_TITLE, count=40, timeout=60)
        places = set()
        for note in notes:
            rect = app.wait_settled(note)["rect"]
            self.assertTrue(left <= rect[0] and top <= rect[1] and rect[3] <= bottom,
                            f"note {note} at {rect} is not inside {left, top, right, bottom}")
            places.add(tuple(rect[:2]))
        self.assertEqual(len(places), 40, "two notes opened at the same place")

    def send_and_wait_for_the_pass(self, app, message, wparam, lparam):
        """`message` as Windows sends it, to every top-level window of the
        program (the burst the program arranges its windows after); returns
        once the pass has had time to run."""
        for window in app.windows():
            self.driver.send(window["hwnd"], message, wparam, lparam)
        time.sleep(PASS_DELAY)
        self.driver.send(app.form1, WM_NULL)

    def test_windows_far_away_come_back_after_the_display_changes(self):
        app = self.start_app()
        notes = [self.new_note(app) for _ in range(2)]
        app.popup_command(pw.POPUP_ABOUT)
        about = app.wait_window(title=pw.ABOUT_TITLE)
        app.popup_command(pw.POPUP_ALARM_ME)
        dialog = app.wait_window(title=DIALOG_TITLE)
        stays = notes.pop()  # a window inside stays where the user put it
        self.driver.move(stays, 40, 50)
        pw.wait_until(lambda: self.driver.info(stays)["rect"][:2] == [40, 50])
        left, top, right, bottom = self.driver.screen()["workArea"]
        for message, wparam, lparam in DESKTOP_CHANGES:
            with self.subTest(message=hex(message), wparam=wparam):
                sizes = {}
                for window in notes + [about, dialog]:
                    rect = self.driver.info(window)["rect"]
                    sizes[window] = (rect[2] - rect[0], rect[3] - rect[1])
                    self.driver.move(window, *FAR_AWAY)
                    pw.wait_until(lambda: self.driver.info(window)["rect"][:2] == list(FAR_AWAY))
                # As Windows does, to every top-level window; the first one
                # that hears it is enough.
                self.driver.send(app.form1, message, wparam, lparam)
                for window, size in sizes.items():
                    rect = pw.wait_until(
                        lambda: (lambda r: r if r[2:] == [right, bottom] else None)(
                            self.driver.info(window)["rect"]),
                        message=f"window {window} back in the corner")
                    self.assertEqual((rect[2] - rect[0], rect[3] - rect[1]), size)
                self.assertEqual(self.driver.info(stays)["rect"][:2], [40, 50])

    def test_a_note_whose_close_picture_shows_stays_through_desktop_changes(self):
        app = self.start_app()
        note = self.new_note(app)
        right = self.driver.screen()["workArea"][2]
        width = self.driver.info(note)["rect"][2] - self.driver.info(note)["rect"][0]
        place = [right - width + 40, 100]  # 40 px past the edge, its close picture inside
        self.driver.move(note, *place)
        pw.wait_until(lambda: self.driver.info(note)["rect"][:2] == place)
        for message, wparam, lparam in DESKTOP_CHANGES + SLEEP_AND_WAKE_UP:
            with self.subTest(message=hex(message), wparam=wparam):
                self.send_and_wait_for_the_pass(app, message, wparam, lparam)
                self.assertEqual(self.driver.info(note)["rect"][:2], place)

    def test_a_wake_up_to_the_same_monitors_moves_nothing(self):
        """Docked monitors are often not back when the computer says it woke
        up: the monitors are as they were, so even a note out of reach stays
        where it is."""
        app = self.start_app()
        note = self.new_note(app)
        self.driver.move(note, *FAR_AWAY)
        pw.wait_until(lambda: self.driver.info(note)["rect"][:2] == list(FAR_AWAY))
        for message, wparam, lparam in SLEEP_AND_WAKE_UP:
            self.send_and_wait_for_the_pass(app, message, wparam, lparam)
        self.assertEqual(self.driver.info(note)["rect"][:2], list(FAR_AWAY))
        # The pass itself works: a change of the display brings the note back.
        self.send_and_wait_for_the_pass(app, *DESKTOP_CHANGES[0])
        self.assertNotEqual(self.driver.info(note)["rect"][:2], list(FAR_AWAY))

if __name__ == "__main__":
    pw.main()

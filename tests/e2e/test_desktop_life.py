#!/usr/bin/python3
"""Desktop life: the end of the user's session, played to the program as
Windows plays it; a taskbar that refuses the icon; and, in the build with
faults the tests switch on, windows that cannot be created and a fatal
error."""

import contextlib
import os
import shutil
import tempfile
import time

import pw
from test_alarm import (ALERT_TITLE, CBO_HOUR, CBO_MINUTE, CMD_SET, DIALOG_TITLE, OPTION1,
                        OPTION2, TXT_ALARM_AFTER, AlarmDialog)

ENDSESSION_CLOSEAPP = 0x00000001  # Restart Manager's request to close
NIM_ADD, NIM_MODIFY = 0, 1
TRAY_RETRY_SECONDS = 3.0
BM_GETCHECK = 0x00F0
NOTE_TEXT1 = 0x1000 + 1  # the body's native id (the toolkit's id base plus its layout id)
NOTE_SURFACE = (10, 15)  # bare sheet: a double click rolls the note up
NOTE_CLOSE = (216, 16)  # the close picture
NOTE_ROLLED_UP_HEIGHT = 31  # pixels (460 twips)
NOTE_WIDTH = 277
SET_OK = "Alarm set successfully!"
NO_MORE_NOTES = "No more notes can be opened. Close some notes and try again."
NO_ABOUT = "The About window could not be opened. Close some notes and try again."
NO_DIALOG = "The alarm window could not be opened. Close some notes and try again."
NO_ALERT = ("The alarm went off, but its window could not be opened. Close some notes: the "
            "alarm window opens as soon as it can.")
# The markers PaperwispFaults.exe looks for beside itself.
FAIL_WINDOW_CREATION = "fail-window-creation"
FAIL_MENU_COMMAND = "fail-menu-command"
QUIET = 1.0  # seconds to watch for something that should not happen


def note_origin(slot):
    """Screen pixel of a new note's top-left corner in `slot`: the cascade's,
    but never past the screen's right edge."""
    return (min(pw.SCREEN_WIDTH * 3 / 4 + pw.twips_to_pixels(slot * 300),
                pw.SCREEN_WIDTH - NOTE_WIDTH),
            pw.twips_to_pixels(slot * 1000 + 300))


class DesktopLife(pw.TestCase):
    # Notes.
    def make_note(self, app, text=""):
        """Double click on the tray icon; the new note once placed, holding `text`."""
        before = set(app.notes())
        app.tray_double_click()
        note = pw.wait_until(lambda: (set(app.notes()) - before or {None}).pop(),
                             message="a new note")
        app.wait_settled(note)
        if text:
            self.driver.chars(self.body(note), text)
            pw.wait_until(lambda: self.driver.text(self.body(note)) == text,
                          message="the note's text")
        return note

    def body(self, note):
        return next(c["hwnd"] for c in self.driver.children(note) if c["id"] == NOTE_TEXT1)

    def assert_in_slot(self, note, slot):
        self.assertEqual(tuple(self.driver.info(note)["rect"][:2]),
                         tuple(round(v) for v in note_origin(slot)))

    def roll_up(self, note):
        self.driver.click(note, *NOTE_SURFACE, count="double")
        pw.wait_until(lambda: pw.client_size(self.driver.info(note))[1] == NOTE_ROLLED_UP_HEIGHT,
                      message="the note to roll up")

    # What the user has on the desktop.
    def snapshot(self, app):
        """Each window of the program (hidden ones too) with its place, size
        and visibility, and each of its controls with its text, state and
        check mark. Tips come and go with the pointer and are left out."""
        state = {}
        for window in app.windows():
            if window["class"] == "tooltips_class32":
                continue
            info = self.driver.info(window["hwnd"])
            controls = [(c["id"], c["class"], c["text"], c["visible"], c["enabled"], c["rect"],
                         self.driver.send(c["hwnd"], BM_GETCHECK) if c["class"] == "Button"
                         else None)
                        for c in self.driver.children(window["hwnd"])]
            state[window["hwnd"]] = (info["class"], info["title"], info["visible"], info["rect"],
                                     controls)
        return state

    def busy_desktop(self, app, keep_box):
        """Two notes with text, one rolled up and one moved; the alert open
        (a short countdown, with sound); then either Set's confirmation still
        open (`keep_box`), or the dialog open again holding other values."""
        first = self.make_note(app, "Milk, eggs, bread")
        second = self.make_note(app, "Ann: 5 pm €")
        self.roll_up(first)
        self.driver.move(second, 300, 200)
        pw.wait_until(lambda: self.driver.info(second)["rect"][:2] == [300, 200],
                      message="the note to move")
        dialog = AlarmDialog(self, app)
        dialog.choose_mode(OPTION1)
        dialog.type_into(TXT_ALARM_AFTER, "0.004")  # fires on the first tick
        dialog.click(CMD_SET)
        box = app.wait_message_box()
        self.assertEqual(box["text"], SET_OK)
        app.wait_window(title=ALERT_TITLE)  # while the confirmation waits
        if not keep_box:
            app.press_ok(box)
            self.reopen_dialog_with_other_values(app)
        return box

    def reopen_dialog_with_other_values(self, app):
        dialog = AlarmDialog(self, app)
        dialog.choose_mode(OPTION2)
        dialog.type_into(CBO_HOUR, "7")
        dialog.type_into(CBO_MINUTE, " 5")

    # The end of the session.
    def test_session_end_unloads_every_window_and_ends_the_process(self):
        cases = [  # WM_ENDSESSION's lParam, Set's confirmation open, About open
            (0, False, True),
            (ENDSESSION_CLOSEAPP, True, False),
        ]
        for lparam, keep_box, about in cases:
            with self.subTest(lparam=lparam, keep_box=keep_box):
                app = self.start_app()
                self.busy_desktop(app, keep_box)
                if about:
                    app.popup_command(pw.POPUP_ABOUT)
                    app.wait_window(title=pw.ABOUT_TITLE)
                icon = app.tray_icon()
                others = set(self.driver.tray_icons()) - {icon}
                self.assertTrue(self.driver.end_session(app.pid, True, lparam)["agreed"])
                self.assertEqual(app.wait_exit(), 0)
                self.assertEqual(app.windows(), [])
                # Nothing brings the icon back as the program goes.
                time.sleep(QUIET)
                self.assertLessEqual(set(self.driver.tray_icons()), others)

    def assert_cancelled_session_end_changes_nothing(self, app):
        before = self.snapshot(app)
        self.assertTrue(self.driver.end_session(app.pid, False)["agreed"])
        app.assert_unchanged(before, lambda: self.snapshot(app), QUIET)
        self.assertTrue(app.tray_registered())

    def test_cancelled_session_end_changes_nothing(self):
        app = self.start_app()
        box = self.busy_desktop(app, keep_box=True)
        self.assert_cancelled_session_end_changes_nothing(app)
        # Once answered, Set goes on as ever: the dialog hides.
        dialog = app.windows(title=DIALOG_TITLE)[0]["hwnd"]
        app.press_ok(box)
        pw.wait_until(lambda: not self.driver.info(dialog)["visible"],
                      message="the dialog to hide")
        self.reopen_dialog_with_other_values(app)
        self.assert_cancelled_session_end_changes_nothing(app)
        notes = app.notes()
        self.make_note(app)
        self.assertEqual(len(app.notes()), len(notes) + 1)

    # The tray icon.
    @contextlib.contextmanager
    def refusing_taskbar(self):
        """A taskbar that refuses every icon, in front of the real one while
        the block runs; then `record["requests"]` holds what it refused."""
        record = self.driver.start_refusing_taskbar()
        try:
            yield record
        finally:
            record["requests"] = self.driver.stop_refusing_taskbar()

    def test_a_refused_icon_is_retried_until_the_taskbar_takes_it(self):
        for case in ("at start", "after a taskbar restart"):
            with self.subTest(case):
                # Other programs' icons; one of a program that ended may
                # still go away meanwhile, which is none of this test's
                # business: only icons that come are looked at.
                icons = set(self.driver.tray_icons())
                def icons_come():
                    return set(self.driver.tray_icons()) - icons
                app = None
                if case == "after a taskbar restart":
                    # A restarted taskbar has forgotten every icon.
                    app = self.start_app()
                    self.driver.tray_remove(app.form1)
                    pw.wait_until(lambda: not icons_come(), message="the icon to go")
                with self.refusing_taskbar() as refusing:
                    self.assertTrue(refusing["first"],
                                    "the real taskbar is found before the refusing one")
                    if app is None:
                        app = pw.App(self.driver, self.x, wait_for_tray=False)
                        self.addCleanup(app.stop)
                    else:
                        self.driver.post(app.form1,
                                         self.driver.registered_message("TaskbarCreated"))
                    # (The driver's own taskbar queries would reach the
                    # refusing taskbar too: only its record is read here.)
                    pw.wait_until(lambda: len(self.driver.refused_requests()) >= 3,
                                  TRAY_RETRY_SECONDS + 3, message="a retry")
                    self.assertEqual(icons_come(), set())
                # Refused, then every few seconds: does the taskbar know the
                # icon after all, and if not, does it take it?
                requests = refusing["requests"]
                self.assertEqual([r["message"] for r in requests[:3]],
                                 [NIM_ADD, NIM_MODIFY, NIM_ADD])
                # A few seconds apart: no busy loop, and at most 5 s (the
                # taskbar records a request when it gets to it, so a busy
                # machine blurs the figure by a few hundred milliseconds).
                self.assertGreaterEqual(requests[1]["ms"] - requests[0]["ms"], 1000)
                self.assertLessEqual(requests[1]["ms"] - requests[0]["ms"], 5000)
                pw.wait_until(app.tray_registered, TRAY_RETRY_SECONDS + 2,
                              message="the icon once the taskbar takes it")
                new = pw.wait_until(icons_come, message="the icon window")
                self.assertEqual(len(new), 1)
                left, top, right, bottom = self.driver.info(new.pop())["rect"]
                self.x.click((left + right) // 2, (top + bottom) // 2, repeat=2)
                app.wait_window(title=pw.NOTE_TITLE)
                app.stop()
                pw.wait_until(lambda: not icons_come(),
                              message="the icon to go with the program")

    # Window creation refused (PaperwispFaults.exe, with its marker).
    def start_faults_app(self, fault=FAIL_WINDOW_CREATION):
        """PaperwispFaults.exe from a folder of its own, and the path of
        the marker that switches `fault` on."""
        folder = tempfile.mkdtemp(prefix="faults-", dir=self.session.directory)
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
        exe = shutil.copy(self.session.faults_exe, folder)
        app = pw.App(self.driver, self.x, exe=exe)
        self.addCleanup(app.stop)
        return app, os.path.join(folder, fault)

    def wait_error_box(self, app, text):
        box = pw.wait_until(lambda: next((b for b in app.message_boxes() if b["text"] == text),
                                         None), message=repr(text))
        self.assertEqual((box["title"], box["buttons"]), ("Error", ["OK"]))
        return box

    def test_a_note_that_cannot_be_created_costs_only_itself(self):
        app, marker = self.start_faults_app()
        notes = [self.make_note(app, text) for text in ("First", "Second")]
        windows = {w["hwnd"] for w in app.windows()}
        open(marker, "w").close()
        app.tray_double_click()
        box = app.wait_message_box()
        self.assertEqual((box["title"], box["text"], box["buttons"]),
                         ("Error", NO_MORE_NOTES, ["OK"]))
        app.press_ok(box)
        self.assertEqual({w["hwnd"] for w in app.windows()}, windows)
        self.assertEqual([self.driver.text(self.body(n)) for n in notes], ["First", "Second"])
        self.assertEqual(app.notes(), sorted(notes))

        os.remove(marker)
        # The pool is as it was: the next note takes the next slot, and a
        # closed note's slot is taken again.
        self.assert_in_slot(self.make_note(app), 2)
        self.driver.close_window(notes[0])
        pw.wait_until(lambda: not self.driver.info(notes[0])["exists"],
                      message="the note to close")
        self.assert_in_slot(self.make_note(app), 0)
        self.assertEqual(self.driver.text(self.body(notes[1])), "Second")

    def test_about_the_alarm_dialog_and_the_alert_that_cannot_be_created_cost_only_themselves(
            self):
        app, marker = self.start_faults_app()
        note = self.make_note(app, "Still here")
        open(marker, "w").close()
        for item, text in ((pw.POPUP_ABOUT, NO_ABOUT), (pw.POPUP_ALARM_ME, NO_DIALOG)):
            app.popup_command(item)
            app.press_ok(self.wait_error_box(app, text))
        os.remove(marker)

        # The alarm fires while its confirmation waits, and no alert can be
        # made: the user hears of it, and the alert opens once it can.
        dialog = AlarmDialog(self, app)
        dialog.choose_mode(OPTION1)
        dialog.type_into(TXT_ALARM_AFTER, "0.004")  # fires on the first tick
        open(marker, "w").close()
        dialog.click(CMD_SET)
        failed = self.wait_error_box(app, NO_ALERT)
        self.assertEqual(app.windows(title=ALERT_TITLE), [])
        os.remove(marker)
        app.wait_window(title=ALERT_TITLE)
        app.press_ok(failed)
        app.press_ok(next(b for b in app.message_boxes() if b["text"] == SET_OK))
        self.assertEqual(self.driver.text(self.body(note)), "Still here")
        self.assertTrue(self.driver.info(note)["visible"])

    def test_the_message_box_opens_above_every_note_it_overlaps(self):
        """Window creation refused while notes cover the middle of the
        screen and another program is in front: the box comes up above the
        notes, not hidden under them."""
        app, marker = self.start_faults_app()
        for _ in range(14):  # two columns of notes, over the middle
            app.tray_double_click()
        notes = app.wait_windows(title=pw.NOTE_TITLE, count=14, timeout=30)
        for note in notes:
            app.wait_settled(note)
        other = self.start_app()
        other.popup_command(pw.POPUP_ALARM_ME)
        in_front = other.wait_window(title=DIALOG_TITLE)
        pw.wait_until(lambda: self.driver.foreground() == in_front,
                      message="the other program in front")

        open(marker, "w").close()
        app.tray_double_click()
        box = self.wait_error_box(app, NO_MORE_NOTES)
        bl, bt, br, bb = self.driver.info(box["hwnd"])["rect"]
        under = [n for n in notes if (lambda r: r[0] < br and bl < r[2] and r[1] < bb and bt < r[3])(
            self.driver.info(n)["rect"])]
        self.assertTrue(under, "no note lies under the box")
        z_order = [w["hwnd"] for w in self.driver.windows(visible=True)]  # the top one first
        above = [n for n in under if z_order.index(n) < z_order.index(box["hwnd"])]
        self.assertEqual(above, [], f"notes above the box of {under}")
        app.press_ok(box)

    def test_a_fatal_error_takes_the_icon_then_halts_the_program_under_its_message(self):
        app, marker = self.start_faults_app(FAIL_MENU_COMMAND)
        note = self.make_note(app, "Still here")
        icon = app.tray_icon()
        open(marker, "w").close()
        app.popup_command(pw.POPUP_ABOUT)  # its handler fails
        box = app.wait_message_box()
        self.assertEqual((box["title"], box["text"], box["buttons"]),
                         ("Paperwisp", "The menu command could not be carried out.", ["OK"]))
        self.assertFalse(app.tray_registered())
        pw.wait_until(lambda: icon not in self.driver.tray_icons(), 2,
                      message="the icon window to go")

        # No handler runs while the message waits: a double click on the
        # icon makes no note, a note neither rolls up nor hides.
        def desktop():
            return (sorted(w["hwnd"] for w in app.windows(visible=True)),
                    self.driver.info(note)["rect"])

        before = desktop()
        app.tray_double_click()
        self.driver.click(note, *NOTE_SURFACE, count="double")
        self.driver.click(note, *NOTE_CLOSE)
        app.assert_unchanged(before, desktop, QUIET)
        app.press_ok(box)
        self.assertEqual(app.wait_exit(), 1)


if __name__ == "__main__":
    pw.main()

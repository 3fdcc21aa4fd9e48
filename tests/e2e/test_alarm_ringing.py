#!/usr/bin/env python3
"""The alarm ringing while the user is busy. Typing into a note as the alarm
rings goes on into the note, every letter of it, with the alert above the
note. And the sound of an alarm whose alert could not open at first (the
loop it starts itself; PaperwispFaults.exe) stops when that alert closes,
though "Play Sound when alarm" was unchecked meanwhile: the sound calls are
read from Wine's trace of winmm, as there is no audio device to listen to."""

import os
import re
import shutil
import tempfile
import time

import pw
import test_alarm as alarm

KEY_INTERVAL = 0.18  # seconds between two letters
LETTERS = 40
NO_ALERT = ("The alarm went off, but its window could not be opened. Close some notes: the "
            "alarm window opens as soon as it can.")
SET_OK = "Alarm set successfully!"
# Wine's trace of sndPlaySoundA: the sound's address (0 to stop) and flags.
SOUND_CALL = re.compile(r"MULTIMEDIA_PlaySound pszSound='([^']*)'.*fdwSound=([0-9A-Fa-f]+)")
LOOP, STOP = 0x0F, 0


class AlarmRingingTests(pw.TestCase):
    def set_countdown(self, app, minutes):
        """Sets a countdown through the dialog and answers its confirmation."""
        dialog = alarm.AlarmDialog(self, app)
        dialog.choose_mode(alarm.OPTION1)
        dialog.type_into(alarm.TXT_ALARM_AFTER, minutes)
        dialog.click(alarm.CMD_SET)
        box = app.wait_message_box()
        self.assertEqual(box["text"], SET_OK)
        app.press_ok(box)
        return dialog

    def test_typing_as_the_alarm_rings_stays_in_the_note_under_the_alert(self):
        app = self.start_app()
        app.tray_double_click()
        note = app.wait_window(title=pw.NOTE_TITLE)
        app.wait_settled(note)
        # Where the alert opens (the screen's middle), so that it covers it.
        self.driver.move(note, 400, 250)
        body = max((c for c in self.driver.children(note) if c["class"] == "Edit"),
                   key=lambda c: c["rect"][3] - c["rect"][1])["hwnd"]
        self.set_countdown(app, "0.1")  # 6 s
        left, top, right, bottom = self.driver.info(body)["rect"]
        self.x.click((left + right) // 2, (top + bottom) // 2)
        pw.wait_until(lambda: self.driver.focus()["focus"] == body,
                      message="the note's body to have the keyboard")

        typed, rang_at = "", None
        letters = "abcdefghijklmnopqrstuvwxyz" * 2
        for letter in letters[:LETTERS]:
            self.driver.keys(hex(ord(letter.upper())))
            typed += letter
            if rang_at is None and app.windows(title=alarm.ALERT_TITLE, visible=True):
                rang_at = len(typed)
            time.sleep(KEY_INTERVAL)
        self.assertIsNotNone(rang_at, "the alarm did not ring while the letters were typed")
        self.assertLess(rang_at, LETTERS - 5, "the alarm rang too late to type through it")
        self.assertGreater(rang_at, 1, "the alarm rang before the typing")
        pw.wait_until(lambda: self.driver.text(body) == typed, message="every letter in the note",
                      timeout=5)
        alert = app.wait_window(title=alarm.ALERT_TITLE)
        self.assertEqual(self.driver.focus()["focus"], body)
        self.assertTrue(self.driver.info(alert)["exStyle"] & pw.WS_EX_TOPMOST)
        a_left, a_top, a_right, a_bottom = self.driver.info(alert)["rect"]
        n_left, n_top, n_right, n_bottom = self.driver.info(note)["rect"]
        overlap = ((max(a_left, n_left) + min(a_right, n_right)) // 2,
                   (max(a_top, n_top) + min(a_bottom, n_bottom)) // 2)
        self.assertEqual(self.driver.window_at(*overlap)["root"], alert, "the alert is not on top")

    def sound_calls(self, since):
        """(plays, flags) of each sndPlaySoundA call traced after `since`
        characters of the driver's error output."""
        calls = SOUND_CALL.findall(self.driver.error_output()[since:])
        return [(sound.strip("0") not in ("", "(nil)", "(null)"), int(flags, 16))
                for sound, flags in calls]

    def test_the_loop_of_an_alert_that_could_not_open_stops_when_it_closes(self):
        folder = tempfile.mkdtemp(prefix="faults-", dir=self.session.directory)
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
        exe = shutil.copy(self.session.faults_exe, folder)
        marker = os.path.join(folder, "fail-window-creation")
        since = len(self.driver.error_output())
        app = pw.App(self.driver, self.x, exe=exe, trace="trace+winmm")
        self.addCleanup(app.stop)

        dialog = alarm.AlarmDialog(self, app)
        dialog.choose_mode(alarm.OPTION1)
        dialog.type_into(alarm.TXT_ALARM_AFTER, "0.004")  # fires on the first tick
        open(marker, "w").close()
        dialog.click(alarm.CMD_SET)
        failed = pw.wait_until(lambda: next((b for b in app.message_boxes()
                                             if b["text"] == NO_ALERT), None), message=NO_ALERT)
        app.press_ok(failed)
        app.press_ok(next(b for b in app.message_boxes() if b["text"] == SET_OK))
        self.assertEqual(self.sound_calls(since)[-1], (True, LOOP))

        # "Play Sound when alarm" unchecked while the alert still cannot open.
        app.popup_command(pw.POPUP_ALARM_ME)
        app.wait_window(title=alarm.DIALOG_TITLE)
        dialog.click(alarm.CHECK1, dx=6)
        pw.wait_until(lambda: not dialog.checked(alarm.CHECK1), message="the box unchecked")
        dialog.click(alarm.CMD_CANCEL)
        os.remove(marker)
        alert = app.wait_window(title=alarm.ALERT_TITLE)
        self.assertEqual(self.sound_calls(since)[-1], (True, LOOP), "the loop stopped early")

        left, top = app.wait_settled(alert)["rect"][:2]
        self.x.click(left + alarm.ALERT_CLOSE_PICTURE[0], top + alarm.ALERT_CLOSE_PICTURE[1])
        pw.wait_until(lambda: not self.driver.info(alert)["exists"], message="the alert to close")
        pw.wait_until(lambda: self.sound_calls(since)[-1] == (False, STOP),
                      message="the loop to stop")


if __name__ == "__main__":
    pw.main()

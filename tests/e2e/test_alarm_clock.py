#!/usr/bin/env python3
"""The alarm keeps time while the program cannot: its thread is suspended
across the alarm's moment, as when the computer sleeps (no timer ticks
meanwhile, one on resuming), and the alert must open within seconds of
resuming, in both modes. An unstalled countdown of a minute shows that the
time is measured, not the ticks guessed."""

import time

import pw
import test_alarm as alarm

# A resumed program gets one tick at once; the next would come a second on.
ON_RESUMING = 3.0


class AlarmClockTests(pw.TestCase):
    def open_dialog(self, mode):
        """Starts Paperwisp and opens its alarm dialog in `mode`."""
        app = self.start_app()
        dialog = alarm.AlarmDialog(self, app)
        dialog.choose_mode(mode)
        return app, dialog

    def set_alarm(self, app, dialog, texts):
        """Types the texts (by box) and sets the alarm; returns the
        monotonic time of pressing Set."""
        for box, text in texts.items():
            dialog.type_into(box, text)
        began = time.monotonic()
        dialog.click(alarm.CMD_SET)
        box = app.wait_message_box()
        self.assertEqual(box["text"], "Alarm set successfully!")
        app.press_ok(box)
        pw.wait_until(lambda: not self.driver.info(dialog.hwnd)["visible"],
                      message="the dialog to hide")
        return began

    def stall_until(self, app, until):
        """Suspends the program's thread until monotonic time `until`."""
        self.assertEqual(app.windows(title=alarm.ALERT_TITLE), [], "the alert opened early")
        thread = self.driver.suspend(app.form1)
        try:
            time.sleep(max(0.0, until - time.monotonic()))
        finally:
            self.driver.resume(thread)
        return time.monotonic()

    def assert_alert_soon_after(self, app, resumed):
        app.wait_window(title=alarm.ALERT_TITLE, timeout=10)
        self.assertLessEqual(time.monotonic() - resumed, ON_RESUMING)

    def test_unstalled_countdown_of_a_minute_rings_after_a_minute(self):
        app, dialog = self.open_dialog(alarm.OPTION1)
        began = self.set_alarm(app, dialog, {alarm.TXT_ALARM_AFTER: "1"})
        app.wait_window(title=alarm.ALERT_TITLE, timeout=75)
        self.assertTrue(55 <= time.monotonic() - began <= 70, time.monotonic() - began)

    def test_countdown_due_during_a_stall_rings_on_resuming(self):
        # 12 seconds; a program counting ticks would need 9 more after it.
        app, dialog = self.open_dialog(alarm.OPTION1)
        began = self.set_alarm(app, dialog, {alarm.TXT_ALARM_AFTER: "0.2"})
        resumed = self.stall_until(app, began + 20)
        self.assert_alert_soon_after(app, resumed)

    def test_time_of_day_stalled_through_rings_on_resuming(self):
        # The next minute, unless too little of this one is left to set it:
        # the stall swallows all of that minute, so a program comparing the
        # clock's minute on each tick would miss it.
        app, dialog = self.open_dialog(alarm.OPTION2)
        now = self.driver.local_time()
        looked = time.monotonic()
        ahead = 1 if now["second"] <= 50 else 2
        minute_of_day = (now["hour"] * 60 + now["minute"] + ahead) % (24 * 60)
        starts_in = ahead * 60 - now["second"] - now["ms"] / 1000
        self.set_alarm(app, dialog, {alarm.CBO_HOUR: str(minute_of_day // 60),
                                     alarm.CBO_MINUTE: str(minute_of_day % 60)})
        self.assertLess(time.monotonic(), looked + starts_in - 1, "set too late")
        resumed = self.stall_until(app, looked + starts_in + 62)
        self.assert_alert_soon_after(app, resumed)


if __name__ == "__main__":
    pw.main()

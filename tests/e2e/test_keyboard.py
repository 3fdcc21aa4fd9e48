#!/usr/bin/env python3
"""The program without a mouse: the tray menu and the About window worked
with real keys (SendInput), the alert's Escape while a message box runs its
own loop, and what a screen reader learns through Active Accessibility.
(The alert's keys in the program's own loop are in test_alarm.py.)"""

import time

import pw
import test_alarm as alarm

HOME, TUTORIALS, FEEDBACK = ("Visit the homepage of this product", "Tutorials about this product",
                             "Give us your feedback, we love it!")
BM_CLICK = 0x00F5


class Keyboard(pw.TestCase):
    def open_about_from_the_keyboard(self, app):
        """Enter on the tray icon, which the shell reports to an icon of the
        first version as a right click, then the menu with real keys."""
        app.tray_right_click()
        self.driver.keys(*[pw.VK_DOWN] * (pw.POPUP_ABOUT + 1), pw.VK_RETURN)
        about = app.wait_window(title=pw.ABOUT_TITLE)
        app.wait_settled(about)
        return about

    def wait_focus(self, link):
        def on_link():
            focus = self.driver.focus()["focus"]
            return focus and self.driver.text(focus) == link
        pw.wait_until(on_link, message=f"the focus on {link!r}")

    def test_about_links_from_the_keyboard(self):
        app = self.start_app()
        about = self.open_about_from_the_keyboard(app)
        site = self.session.site_address()
        already = len(self.session.browsed())
        self.wait_focus(HOME)
        for key, link in ((pw.VK_TAB, TUTORIALS), (pw.VK_TAB, FEEDBACK), (pw.VK_TAB, HOME),
                          ((pw.VK_SHIFT, pw.VK_TAB), FEEDBACK)):
            self.driver.keys(key)
            self.wait_focus(link)

        # Space and Enter open the focused link's page, as a click does.
        self.driver.keys(pw.VK_SPACE)
        self.wait_browsed(already + 1)
        self.driver.keys(pw.VK_TAB)
        self.wait_focus(HOME)
        self.driver.keys(pw.VK_RETURN)
        self.assertEqual(self.wait_browsed(already + 2)[already:],
                         [pw.canonical_address(site + "/feedback"), pw.canonical_address(site)])

        self.driver.keys(pw.VK_ESCAPE)
        pw.wait_until(lambda: not self.driver.info(about)["exists"],
                      message="Escape to close About")
        self.assertTrue(app.running())

    def test_escape_closes_the_alert_while_a_message_box_is_open(self):
        """An alarm set for the current minute rings at once, while
        "Alarm set successfully!" still waits for its OK: the keys reach
        the alert through the message box's loop."""
        app = self.start_app()
        dialog = alarm.AlarmDialog(self, app)
        dialog.choose_mode(alarm.OPTION2)
        now = self.driver.local_time()
        if now["second"] >= 45:  # too little of this minute left to set it
            time.sleep(61 - now["second"])
            now = self.driver.local_time()
        dialog.type_into(alarm.CBO_HOUR, str(now["hour"]))
        dialog.type_into(alarm.CBO_MINUTE, str(now["minute"]))
        dialog.click(alarm.CMD_SET)
        box = app.wait_message_box()
        self.assertEqual(box["text"], "Alarm set successfully!")

        alert = app.wait_window(title=alarm.ALERT_TITLE, timeout=5)
        app.wait_settled(alert)
        self.driver.activate(alert)
        pw.wait_until(lambda: self.driver.foreground() == alert,
                      message="the alert in the foreground")
        self.driver.keys(pw.VK_ESCAPE)
        pw.wait_until(lambda: not self.driver.info(alert)["exists"],
                      message="Escape to close the alert")
        self.assertTrue(self.driver.info(box["hwnd"])["exists"], "the box closed with the alert")
        app.press_ok(box)
        self.assertTrue(app.running())

    def test_screen_reader_names(self):
        """Wine's Active Accessibility names a child window by its text and
        gives every child but an edit box the role "client": the names of
        the text boxes and the links' role, set through the annotation
        service, are Windows' to show (Wine's service is a stub)."""
        app = self.start_app()
        app.popup_command(pw.POPUP_ABOUT)
        about = app.wait_window(title=pw.ABOUT_TITLE)
        names = sorted(self.driver.accessible(c["hwnd"])["name"]
                       for c in self.driver.children(about))
        self.assertEqual(names, sorted(["Close", HOME, TUTORIALS, FEEDBACK]))

        app.tray_double_click()
        note = app.wait_window(title=pw.NOTE_TITLE)
        close = [c["hwnd"] for c in self.driver.children(note)
                 if self.driver.accessible(c["hwnd"])["name"] == "Close"]
        self.assertEqual(len(close), 1)
        # The button's default action, as a screen reader invokes it, does
        # what a click does: the note hides.
        self.driver.send(close[0], BM_CLICK)
        pw.wait_until(lambda: not self.driver.info(note)["visible"], message="the note to hide")
        self.assertTrue(self.driver.info(note)["exists"])


if __name__ == "__main__":
    pw.main()

#!/usr/bin/env python3
"""Start-up, the tray icon, notes made from it, and the exit."""

import pw

NOTE_CLIENT = (277, 282)
NOTE_CLOSE_PICTURE = (216, 16)  # Image1: 3120, 120 twips, 16 x 16 pixels


class TrayAndNotes(pw.TestCase):
    def note_origin(self, slot):
        """Expected screen position of a note's top-left corner, in pixels:
        the cascade's, but never past the screen's right edge."""
        return (min(pw.SCREEN_WIDTH * 3 / 4 + pw.twips_to_pixels(slot * 300),
                    pw.SCREEN_WIDTH - NOTE_CLIENT[0]),
                pw.twips_to_pixels(slot * 1000 + 300))

    def assert_note(self, note, slot):
        left, top = self.note_origin(slot)

        def placed():
            info = self.driver.info(note)
            x, y = info["rect"][:2]
            return info if abs(x - left) <= 0.5 and abs(y - top) <= 0.5 else None

        # The note is shown first and placed next: wait for it to arrive.
        try:
            info = pw.wait_until(placed, message=f"note {slot} at {left}, {top}")
        except TimeoutError:
            self.fail(f"note {slot} is at {self.driver.info(note)['rect']}, "
                      f"not at {left}, {top}")
        self.assertTrue(info["visible"])
        self.assertTrue(pw.borderless(info), hex(info["style"]))
        self.assertFalse(info["taskbar"])
        self.assertEqual(pw.client_size(info), NOTE_CLIENT)
        self.assertEqual(info["rect"], info["client"])
        self.assertTrue(info["topmost"])
        self.assertEqual(info["layered"], {"colorKey": 0, "alpha": 0, "flags": pw.LWA_COLORKEY})

    def test_start_registers_tray_icon_and_hides_form1(self):
        app = self.start_app()
        self.assertTrue(app.tray_registered())
        self.assertEqual(app.tray_tip(), pw.TRAY_TIP)
        self.assertFalse(self.driver.info(app.form1)["visible"])
        app.assert_nothing_appears()
        self.assertEqual(app.windows(visible=True), [])

    def test_double_clicks_make_one_cascaded_note_each(self):
        app = self.start_app()
        app.tray_double_click()
        first = app.wait_window(title=pw.NOTE_TITLE)
        app.assert_nothing_appears()
        self.assertEqual(app.notes(), [first])
        self.assert_note(first, 0)

        app.tray_double_click()
        both = app.wait_windows(title=pw.NOTE_TITLE, count=2)
        app.assert_nothing_appears()
        self.assertEqual(app.notes(), both)
        self.assertIn(first, both)
        self.assert_note(first, 0)
        self.assert_note(next(n for n in both if n != first), 1)

    def test_real_double_click_on_the_icon_makes_a_note(self):
        app = self.start_app()
        app.real_tray_click("left", clicks=2)
        note = app.wait_window(title=pw.NOTE_TITLE)
        app.assert_nothing_appears()
        self.assertEqual(app.notes(), [note])

    def test_real_right_click_opens_popup_whose_new_note_makes_a_note(self):
        app = self.start_app()
        app.real_tray_click("right")
        menu = app.wait_popup()
        pointer = self.driver.cursor()
        left, top, _, _ = self.driver.info(menu)["rect"]
        self.assertLessEqual(abs(left - pointer["x"]) + abs(top - pointer["y"]), 2)
        app.choose_popup_item(pw.POPUP_NEW_NOTE)
        note = app.wait_window(title=pw.NOTE_TITLE)
        self.assert_note(note, 0)

    def test_close_picture_hides_the_note(self):
        app = self.start_app()
        app.tray_double_click()
        note = app.wait_window(title=pw.NOTE_TITLE)
        left, top, _, _ = app.wait_settled(note)["client"]
        self.x.click(left + NOTE_CLOSE_PICTURE[0], top + NOTE_CLOSE_PICTURE[1])
        pw.wait_until(lambda: not self.driver.info(note)["visible"], message="the note to hide")
        self.assertTrue(self.driver.info(note)["exists"])  # hidden, not closed

    def test_exit_from_popup_removes_icon_and_ends_process(self):
        app = self.start_app()
        app.tray_double_click()
        app.wait_window(title=pw.NOTE_TITLE)
        icon = app.tray_icon()
        app.popup_command(pw.POPUP_EXIT)
        app.wait_exit()
        self.assertNotIn(icon, self.driver.tray_icons())
        self.assertFalse(app.tray_registered())


if __name__ == "__main__":
    pw.main()

#!/usr/bin/env python3
"""The About window, opened from the real popup menu of the tray icon."""

import pw

ABOUT_CLIENT = (451, 309)
# Client pixel points inside the controls (layout twips / 15, plus a margin
# that stays on the painted text).
LABEL2_HOMEPAGE = (42, 170)
LABEL3_TUTORIALS = (42, 194)
LABEL5_FEEDBACK = (42, 218)
LABEL1_VERSION = (310, 170)
LABEL4_DESCRIPTION = (50, 250)
IMAGE2_EMBLEM = (88, 96)
IMAGE1_CLOSE = (416, 48)


class AboutWindow(pw.TestCase):
    def open_about(self, app):
        app.popup_command(pw.POPUP_ABOUT)
        about = app.wait_window(title=pw.ABOUT_TITLE)
        app.wait_settled(about)
        return about

    def click(self, about, point):
        left, top, _, _ = self.driver.info(about)["client"]
        self.x.click(left + point[0], top + point[1])

    def assert_centred(self, about):
        info = self.driver.info(about)
        self.assertEqual(pw.client_size(info), ABOUT_CLIENT)
        left, top, right, bottom = info["rect"]
        # Half a pixel either way, however the toolkit rounds.
        self.assertAlmostEqual(left, (pw.SCREEN_WIDTH - (right - left)) / 2, delta=0.5)
        self.assertAlmostEqual(top, (pw.SCREEN_HEIGHT - (bottom - top)) / 2, delta=0.5)

    def test_opens_centred_borderless_without_taskbar_button(self):
        app = self.start_app()
        about = self.open_about(app)
        info = self.driver.info(about)
        self.assert_centred(about)
        self.assertTrue(pw.borderless(info), hex(info["style"]))
        self.assertFalse(info["taskbar"])
        self.assertEqual(info["pid"], app.pid)

    def test_opening_twice_keeps_one_window(self):
        app = self.start_app()
        first = self.open_about(app)
        app.popup_command(pw.POPUP_ABOUT)
        self.assertEqual(app.wait_window(title=pw.ABOUT_TITLE), first)
        app.assert_nothing_appears()
        self.assertEqual(len(app.windows(title=pw.ABOUT_TITLE)), 1)

    def test_each_link_opens_its_page(self):
        app = self.start_app()
        about = self.open_about(app)
        site = self.session.site_address()
        already = len(self.session.browsed())
        expected = []
        for point, page in ((LABEL2_HOMEPAGE, ""), (LABEL3_TUTORIALS, "/tutorials"),
                            (LABEL5_FEEDBACK, "/feedback")):
            self.click(about, point)
            expected.append(pw.canonical_address(site + page))
            self.assertEqual(self.wait_browsed(already + len(expected))[already:], expected)
        self.assertTrue(self.driver.info(about)["visible"])

    def test_version_description_and_emblem_do_nothing(self):
        app = self.start_app()
        about = self.open_about(app)
        already = len(self.session.browsed())
        before = self.driver.info(about)
        for point in (LABEL1_VERSION, LABEL4_DESCRIPTION, IMAGE2_EMBLEM):
            self.click(about, point)
        # A link click in the end proves the clicks before it were handled.
        self.click(about, LABEL2_HOMEPAGE)
        self.assertEqual(self.wait_browsed(already + 1)[already:],
                         [pw.canonical_address(self.session.site_address())])
        after = self.driver.info(about)
        self.assertEqual(after["rect"], before["rect"])
        self.assertTrue(after["visible"])

    def test_pointer_is_a_hand_over_the_links_only(self):
        app = self.start_app()
        about = self.open_about(app)
        left, top, _, _ = self.driver.info(about)["client"]

        def assert_pointer(point, expected):
            self.x.move(left + point[0], top + point[1])
            try:  # the program sets the pointer once the move reaches it
                pw.wait_until(lambda: self.x.cursor()["name"] == expected, timeout=2)
            except TimeoutError:
                self.fail(f"pointer at {point} is {self.x.cursor()['name']}, not {expected}")

        # From each link (hand) to a control that is not one (the hand must
        # go again).
        for link, still in ((LABEL2_HOMEPAGE, LABEL4_DESCRIPTION),
                            (LABEL3_TUTORIALS, LABEL1_VERSION),
                            (LABEL5_FEEDBACK, IMAGE2_EMBLEM)):
            assert_pointer(link, pw.X_HAND_CURSOR)
            assert_pointer(still, pw.X_ARROW_CURSOR)

    def test_close_picture_closes_and_next_opening_is_fresh_and_centred(self):
        app = self.start_app()
        about = self.open_about(app)
        self.click(about, IMAGE1_CLOSE)
        pw.wait_until(lambda: not app.windows(title=pw.ABOUT_TITLE, visible=True),
                      message="the About window to close")
        self.assertTrue(app.running())
        again = self.open_about(app)
        self.assert_centred(again)
        app.assert_nothing_appears()
        self.assertEqual(len(app.windows(title=pw.ABOUT_TITLE, visible=True)), 1)


if __name__ == "__main__":
    pw.main()

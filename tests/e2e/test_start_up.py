#!/usr/bin/env python3
"""What the program makes and loads as it starts: the tray icon first, then
what serves only later windows, with the common controls of the version
that the manifest asks for."""

import re

import pw

FORM1_CONTROLS = sorted([("Button", "Make a new Window"), ("Button", "Close means close"),
                         ("Button", "&Restore"), ("Button", "E&xit")])
# Windows and Wine keep version 6 of comctl32 in a side-by-side folder of its
# own; version 5 lies in the system folder.
SIDE_BY_SIDE_VERSION_6 = re.compile(
    r"\\winsxs\\[^\\]*microsoft\.windows\.common-controls_[0-9a-f]+_6\.[^\\]*\\comctl32\.dll$",
    re.IGNORECASE)


class StartUp(pw.TestCase):
    def test_form1_makes_its_controls_after_the_icon_without_being_shown(self):
        app = self.start_app()
        controls = pw.wait_until(
            lambda: (lambda c: c if len(c) == len(FORM1_CONTROLS) else None)(
                self.driver.children(app.form1)), message="Form1's four controls")
        self.assertEqual(sorted((c["class"], c["text"]) for c in controls), FORM1_CONTROLS)
        self.assertFalse(self.driver.info(app.form1)["visible"])

    def test_the_common_controls_loaded_are_version_6(self):
        app = self.start_app()
        app.tray_double_click()
        app.wait_window(title=pw.NOTE_TITLE)
        loaded = [m for m in self.driver.modules(app.pid)
                  if m.lower().endswith("\\comctl32.dll")]
        self.assertEqual(len(loaded), 1, loaded)
        self.assertRegex(loaded[0], SIDE_BY_SIDE_VERSION_6)


if __name__ == "__main__":
    pw.main()

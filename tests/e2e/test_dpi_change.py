#!/usr/bin/env python3
"""A window taken to monitors of other scales and back: the program's own
WM_DPICHANGED handler at work.

Wine has one DPI for the whole screen and never changes a window's DPI, so
the test build (PaperwispFaults.exe) takes the registered message
"PaperwispTestDpiChange" (WPARAM: the new DPI) and tells the window of the
change as Windows does, inside the program: WM_GETDPISCALEDSIZE, then
WM_DPICHANGED with a rectangle of the answered size at the window's place."""

import os
import shutil
import tempfile

import pw

# Client sizes at 96, 144 and 120 dpi: the layouts' twips at each DPI.
NOTE_SIZES = {96: (277, 282), 144: (416, 423), 120: (346, 353)}
ABOUT_SIZES = {96: (451, 309), 144: (677, 464), 120: (564, 386)}
ROUND_TRIP = (144, 120, 96)


class DpiChangeInsideTheProgram(pw.TestCase):
    def start_faults_app(self):
        folder = tempfile.mkdtemp(prefix="dpi-", dir=self.session.directory)
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
        app = pw.App(self.driver, self.x, exe=shutil.copy(self.session.faults_exe, folder))
        self.addCleanup(app.stop)
        return app

    def change_dpi(self, hwnd, dpi):
        request = int(self.driver.registered_message("PaperwispTestDpiChange"))
        self.driver.send(hwnd, request, dpi)

    def round_trip(self, app, hwnd, sizes, also=lambda dpi: None):
        """Takes the window through ROUND_TRIP: at each DPI its client size is
        its twips at that DPI and its top-left corner stays; at the end it
        has exactly its first rectangle."""
        self.driver.move(hwnd, 100, 100)
        first = app.wait_settled(hwnd)
        self.assertEqual(pw.client_size(first), sizes[96])
        for dpi in ROUND_TRIP:
            self.change_dpi(hwnd, dpi)
            info = app.wait_settled(hwnd)
            self.assertEqual(pw.client_size(info), sizes[dpi], f"at {dpi} dpi")
            self.assertEqual(info["rect"][:2], [100, 100], f"at {dpi} dpi")
            also(dpi)
        self.assertEqual(app.wait_settled(hwnd)["rect"], first["rect"])

    def test_a_note_and_its_shape_follow_the_scale_and_come_back_exactly(self):
        app = self.start_faults_app()
        app.tray_double_click()
        note = app.wait_window(title=pw.NOTE_TITLE)
        app.wait_settled(note)
        sheet = pw.wait_until(lambda: self.x.shape_extents(pw.NOTE_TITLE),
                              message="the note's shape")
        shapes = {}

        def shape_follows(dpi):
            # The colour key leaves the bare sheet: drawn at the new scale.
            expected = tuple(round(length * dpi / 96) for length in sheet)
            shapes[dpi] = pw.wait_until(
                lambda: (lambda s: s if s and all(abs(a - b) <= 1 for a, b in zip(s, expected))
                         else None)(self.x.shape_extents(pw.NOTE_TITLE)),
                message=f"the note's shape near {expected} at {dpi} dpi")

        self.round_trip(app, note, NOTE_SIZES, shape_follows)
        self.assertEqual(shapes[96], sheet)

    def test_about_follows_the_scale_and_comes_back_exactly(self):
        app = self.start_faults_app()
        app.popup_command(pw.POPUP_ABOUT)
        about = app.wait_window(title=pw.ABOUT_TITLE)
        app.wait_settled(about)
        self.round_trip(app, about, ABOUT_SIZES)


if __name__ == "__main__":
    pw.main()

#!/usr/bin/env python3
"""Takes the documentation's pictures from the real program under Wine:
docs/about.png (the About window) and docs/note.png (a note with some text).

    /usr/bin/python3 tests/e2e/screenshots.py [OUTPUT_DIR]

Runs in the session of PW_E2E_SESSION, or in a private one on PW_APP_DIR
(default build/x64).
"""

import os
import sys
import time

import pw

ES_MULTILINE = 0x0004
PAINT_SETTLE = 0.5  # seconds for the windows to finish painting


def type_into_note(driver, x, note, heading, body):
    """Clicks into the note's heading and body and types into them."""
    for edit in (c for c in driver.children(note) if c["class"].lower() == "edit"):
        left, top, right, bottom = edit["rect"]
        x.click((left + right) // 2, (top + bottom) // 2)
        x.type_text(body if edit["style"] & ES_MULTILINE else heading)


def take(output_dir):
    os.makedirs(output_dir, exist_ok=True)
    with pw.session_from_environment() as session:
        driver = pw.Driver(session)
        x = pw.XServer(session)
        app = pw.App(driver, x)
        try:
            app.tray_double_click()
            note = app.wait_window(title=pw.NOTE_TITLE)
            app.wait_settled(note)
            driver.move(note, 600, 100)  # wholly on the screen
            type_into_note(driver, x, note, "Monday",
                           "Call the printer\nBuy stamps\nWater the ferns")
            time.sleep(PAINT_SETTLE)
            x.screenshot(os.path.join(output_dir, "note.png"), driver.info(note)["rect"],
                         see_through_black=True)

            app.popup_command(pw.POPUP_ABOUT)
            about = app.wait_window(title=pw.ABOUT_TITLE)
            time.sleep(PAINT_SETTLE)
            x.screenshot(os.path.join(output_dir, "about.png"), driver.info(about)["rect"])
        finally:
            app.stop()
            x.close()
            driver.close()


if __name__ == "__main__":
    take(os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(pw.REPO, "docs")))

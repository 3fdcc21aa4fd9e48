#!/usr/bin/env python3
"""Soak: one Paperwisp through a long run of random user actions (tray clicks
of every kind, popup menu items, note drags, roll-ups, hides, closes and
typing, alarm sets with random input, the alert, About open and close), then
checks that it still answers, that its note windows match the note pool, and
that its memory did not grow.

The pool is followed from outside: a new note opens at the cascade position
of its slot, and the slot must be the lowest one that no note (hidden notes
included) holds. So every new note proves which slot it took, and the set of
note windows must always be the set of notes the run made and did not close.

The seed is printed; PW_SOAK_SEED replays a run, PW_SOAK_ACTIONS sets its
length and PW_SOAK_VERBOSE=1 lists the actions. The random actions (the
warm-up's and the run's) stop early, saying so, after PW_SOAK_SECONDS, which
keeps the whole test within five minutes on a slow machine.
"""

import math
import os
import random
import re
import subprocess
import sys
import time

import pw

ACTIONS = int(os.environ.get("PW_SOAK_ACTIONS", "2000"))
BUDGET_SECONDS = float(os.environ.get("PW_SOAK_SECONDS", "230"))
VERBOSE = bool(os.environ.get("PW_SOAK_VERBOSE"))  # prints every action
WARM_UP_ACTIONS = 300  # random ones, before the memory baseline
NOTE_CAP = 16  # notes at once; the warm-up reaches it, so the heap has been there
# The bound on growth of the program's own (anonymous) resident memory over
# the run: 1 MiB, plus one step of Wine's heap, which commits and releases
# memory about 1 MiB at a time (readings of the same clean state differ by
# 972-976 KiB, either way, from one to the next). The whole resident size
# also counts the window surfaces shared with the X server, which come and go
# with what is on screen; it is printed, not held to the bound.
GROWTH_LIMIT = 2 * 1024 * 1024
TIMEOUT = 5.0
LAUNCH_TIMEOUT = 20.0  # a browser is a new process, slow to start on a loaded machine
POLL = 0.01

ALARM_TITLE = "Alarm Me..."
ALERT_TITLE = "It's time!"
SET_OK = "Alarm set successfully!"
BAD_MINUTES = "Please enter a valid minute unit"
ZERO_MINUTES = "Can not equal 0!"
BAD_TIME = "Please choose time"
NO_MODE = "Please choose an alarm mode"
DELETED = "Alarm deactivated successfully!"

# Client-area points, in pixels.
NOTE_SURFACE = (10, 15)  # bare sheet left of the heading: drags, and rolls on a double click
NOTE_CLOSE = (216, 16)
NOTE_HEIGHTS = {False: 282, True: 31}  # unrolled, rolled up (460 twips)
ABOUT_LINKS = [(60, 170), (60, 194), (60, 218)]  # homepage, tutorials, feedback
ABOUT_CLOSE = (416, 48)
ALERT_CLOSE = (240, 16)

WM_NULL = 0x0000
BACKSPACE = "\b"
BM_GETCHECK, BM_CLICK = 0x00F0, 0x00F5
EM_SETSEL = 0x00B1
CB_SETCURSEL = 0x014E
COMBO_EDIT_ID = 1001  # the edit field inside a combo box
STYLES = 6
# Tray messages that neither make a note nor open the menu.
TRAY_NOISE = [0x0200, 0x0201, 0x0204, 0x0206, 0x0207, 0x0208, 0x0209, 0x0000, 0x7FFF, 0xFFFF]

NUMBER = re.compile(r" *[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)? *")
PLAIN_DIGITS = re.compile(r" *\d+ *")


def minutes_messages(text):
    """What Set may answer for minutes `text`: the dialog's number test, then
    zero, then whether the seconds fit 32 bits. A value below the normal
    range of a double may read as zero."""
    if not NUMBER.fullmatch(text):
        return {BAD_MINUTES}
    minutes = float(text.strip(" "))
    if minutes == 0:
        return {ZERO_MINUTES}
    if abs(minutes) < sys.float_info.min:
        return {ZERO_MINUTES, SET_OK}
    if not math.isfinite(minutes) or not -2**31 <= round(minutes * 60) < 2**31:
        return {BAD_MINUTES}
    return {SET_OK}


def time_messages(hour, minute):
    def field(text, top):
        return PLAIN_DIGITS.fullmatch(text) and int(text) <= top
    return {SET_OK if field(hour, 23) and field(minute, 59) else BAD_TIME}


def note_origin(slot):
    """Screen pixel of a new note's top-left corner in `slot`: on the
    1024 x 768 screen seven notes fit in a column, against the right edge,
    and each further column starts at the top, one note's width (277
    pixels) further left."""
    column, row = divmod(slot, 7)
    return (min(pw.SCREEN_WIDTH * 3 / 4 + pw.twips_to_pixels(row * 300), pw.SCREEN_WIDTH - 277)
            - column * 277,
            pw.twips_to_pixels(row * 1000 + 300))


def memory_bytes(pid):
    """Resident memory of process `pid`, in bytes: all of it (VmRSS), and its
    anonymous and file-backed parts."""
    with open(f"/proc/{pid}/status") as f:
        return {k: int(v.split()[0]) * 1024
                for k, v in (line.split(":", 1) for line in f)
                if k in ("VmRSS", "RssAnon", "RssFile")}


def at(rect, position):
    """Whether a window's rectangle starts within a pixel of a position."""
    return abs(rect[0] - position[0]) <= 1 and abs(rect[1] - position[1]) <= 1


class Note:
    def __init__(self, slot):
        self.slot = slot
        self.visible = True
        self.rolled = False


class SoakRun:
    """One program, the model of its notes, and the random actions."""

    def __init__(self, test, rng):
        self.test = test
        self.rng = rng
        self.driver = test.driver
        self.x = test.x
        before = test.session.linux_processes()
        self.app = test.start_app()
        new = pw.wait_until(lambda: test.session.linux_processes() - before, TIMEOUT,
                            message="the program's Linux process")
        self.linux_pid = max(new)
        self.notes = {}  # hwnd -> Note
        self.launches = len(test.session.browsed())
        self.counts = {}

    # -- helpers ------------------------------------------------------------

    def wait(self, condition, message):
        return pw.wait_until(condition, TIMEOUT, interval=POLL, message=message)

    def page_opens(self):
        """Counts a page just asked for and waits until the browser has it:
        till then the program may still be handling the click, and a click
        still queued would end the move loop of a drag that starts meanwhile."""
        self.launches += 1
        self.test.wait_browsed(self.launches, LAUNCH_TIMEOUT, POLL)

    def settles(self, condition, timeout=TIMEOUT):
        """Whether `condition` comes true within `timeout` seconds."""
        try:
            pw.wait_until(condition, timeout, interval=POLL, message="")
            return True
        except TimeoutError:
            return False

    def shown(self, title):
        found = self.app.windows(title=title, visible=True)
        return found[0]["hwnd"] if found else None

    def all_notes(self):
        return {w["hwnd"] for w in self.app.windows(title=pw.NOTE_TITLE)}

    def free_slot(self):
        used = {n.slot for n in self.notes.values()}
        return next(s for s in range(len(used) + 1) if s not in used)

    def random_text(self, limit=12):
        alphabet = "abcXYZ 019.,;:-+eE\u00e9\u00df\u6f22\u0416"
        return "".join(self.rng.choice(alphabet) for _ in range(self.rng.randrange(limit)))

    def type_into(self, edit, text):
        """Replaces the text of an edit field, as selecting all and typing."""
        self.driver.send(edit, EM_SETSEL, 0, -1)
        self.driver.chars(edit, text or BACKSPACE)
        self.wait(lambda: self.driver.text(edit) == text, "the typed text")

    def press(self, button, until_checked=None):
        """Clicks a check box or option button; returns once the program has
        handled it (a query sent meanwhile would overtake the posted click)."""
        before = self.driver.send(button, BM_GETCHECK)
        self.driver.post(button, BM_CLICK)
        want = until_checked if until_checked is not None else 1 - before
        self.wait(lambda: self.driver.send(button, BM_GETCHECK) == want, "the click")

    def expect_box(self, texts):
        """Answers the message box that must come, with one of `texts`."""
        box = self.app.wait_message_box()
        self.test.assertIn(box["text"], texts)
        self.app.press_ok(box)
        return box["text"]

    def check_pool(self):
        """The note windows are exactly the notes made and not closed, shown
        or hidden as they were left, rolled up or not."""
        self.test.assertEqual(self.all_notes(), set(self.notes))
        for hwnd, note in self.notes.items():
            info = self.driver.info(hwnd)
            self.test.assertEqual(info["visible"], note.visible, f"note in slot {note.slot}")
            if note.visible:
                self.test.assertEqual(pw.client_size(info)[1], NOTE_HEIGHTS[note.rolled])

    # -- notes --------------------------------------------------------------

    def new_note(self, gesture):
        if len(self.notes) >= NOTE_CAP:
            return False
        slot = self.free_slot()
        before = self.all_notes()
        gesture()
        hwnd = self.wait(lambda: next(iter(self.all_notes() - before), None), "a new note")
        left, top = note_origin(slot)
        self.wait(lambda: (lambda r: abs(r[0] - left) <= 0.5 and abs(r[1] - top) <= 0.5)(
            self.driver.info(hwnd)["rect"]), f"the new note at the place of slot {slot}")
        self.test.assertEqual(self.all_notes() - before, {hwnd}, "one gesture, one note")
        self.notes[hwnd] = Note(slot)
        return True

    def tray_double_click(self):
        return self.new_note(self.app.tray_double_click)

    def popup_new_note(self):
        return self.new_note(lambda: self.app.popup_command(pw.POPUP_NEW_NOTE))

    def pick_note(self, visible_only=True):
        choices = [h for h, n in self.notes.items() if n.visible or not visible_only]
        return self.rng.choice(choices) if choices else None

    def roll_note(self):
        hwnd = self.pick_note()
        if not hwnd:
            return False
        note = self.notes[hwnd]
        self.driver.click(hwnd, *NOTE_SURFACE, "left", "double")
        note.rolled = not note.rolled
        self.wait(lambda: pw.client_size(self.driver.info(hwnd))[1] == NOTE_HEIGHTS[note.rolled],
                  "the note to roll")
        return True

    def hide_note(self):
        hwnd = self.pick_note()
        if not hwnd:
            return False
        self.driver.click(hwnd, *NOTE_CLOSE)
        self.notes[hwnd].visible = False
        self.wait(lambda: not self.driver.info(hwnd)["visible"], "the note to hide")
        return True

    def close_note(self):
        hwnd = self.pick_note(visible_only=False)
        if not hwnd:
            return False
        self.driver.close_window(hwnd)
        del self.notes[hwnd]
        self.wait(lambda: not self.driver.info(hwnd)["exists"], "the note to close")
        return True

    def type_note(self):
        hwnd = self.pick_note()
        if not hwnd:
            return False
        edits = [c["hwnd"] for c in self.driver.children(hwnd) if c["class"] == "Edit"]
        self.driver.chars(self.rng.choice(edits), self.random_text())
        return True

    def x_window_at_pointer(self):
        """[left, top, right, bottom] of the top-level X window under the
        pointer."""
        where = subprocess.run(["xdotool", "getmouselocation", "--shell"], env=self.x.env,
                               capture_output=True, text=True, check=True).stdout
        window = dict(line.split("=", 1) for line in where.split())["WINDOW"]
        info = subprocess.run(["xwininfo", "-id", window], env=self.x.env, capture_output=True,
                              text=True, check=True).stdout
        field = {k.strip(): v.strip() for k, v in
                 (line.split(":", 1) for line in info.splitlines() if ":" in line)}
        left, top = int(field["Absolute upper-left X"]), int(field["Absolute upper-left Y"])
        return left, top, left + int(field["Width"]), top + int(field["Height"])

    def steady_position(self, hwnd):
        """The window's top-left corner once it has stayed put for 150 ms: on a
        busy machine a pointer motion can take longer than one short pause to
        reach the window."""
        readings = []

        def steady():
            readings.append(self.driver.info(hwnd)["rect"][:2])
            recent = readings[-4:]
            return recent[-1] if len(recent) == 4 and recent.count(recent[-1]) == 4 else None
        return pw.wait_until(steady, TIMEOUT, interval=0.05, message="the window to stop")

    def drag_note(self):
        """A real drag with the mouse, from the bare sheet to a random place."""
        hwnd = self.pick_note()
        if not hwnd:
            return False
        left, top = self.driver.info(hwnd)["rect"][:2]
        grab = (left + NOTE_SURFACE[0], top + NOTE_SURFACE[1])
        if not (0 <= grab[0] < pw.SCREEN_WIDTH and 0 <= grab[1] < pw.SCREEN_HEIGHT):
            return False
        if self.driver.window_at(*grab)["root"] != hwnd:
            return False  # another window covers it there
        to = (self.rng.randrange(40, pw.SCREEN_WIDTH - 40),
              self.rng.randrange(40, pw.SCREEN_HEIGHT - 40))
        self.x.move(*grab)
        # Without a window manager the X server's stacking can differ from
        # the program's (a dialog raised above topmost notes); the press goes
        # where the X server says.
        if self.x_window_at_pointer() != tuple(self.driver.info(hwnd)["rect"]):
            return False
        alert_before = self.shown(ALERT_TITLE)
        # The window system's move loop measures from where the pointer is
        # when the loop starts, which may be a while after the press; so the
        # pointer wiggles until the note follows, which also tells where the
        # loop started.
        subprocess.run(["xdotool", "mousedown", "1"], env=self.x.env, check=True)
        deadline = time.monotonic() + TIMEOUT
        step = 1
        while True:
            step = -step
            self.x.move(grab[0] + step, grab[1])
            now = self.driver.info(hwnd)["rect"][:2]
            if now != [left, top]:
                break
            if time.monotonic() > deadline:
                subprocess.run(["xdotool", "mouseup", "1"], env=self.x.env, check=True)
                if self.x_window_at_pointer() != tuple(self.driver.info(hwnd)["rect"]):
                    return False  # a window that came meanwhile (an alert) took the press
                self.test.fail(f"a press on the note in slot {self.notes[hwnd].slot} at {grab} "
                               "did not start a drag")
        now = self.steady_position(hwnd)  # the motion may still be on its way
        start = (grab[0] + step - (now[0] - left), grab[1] - (now[1] - top))
        want = (left + to[0] - start[0], top + to[1] - start[1])
        self.x.move(*to)
        # The release waits until the note has followed: the posted release
        # below overtakes any motion the loop has not yet taken, which would
        # end the drag short of where the pointer went.
        def followed():
            return at(self.driver.info(hwnd)["rect"], want)

        followed_before_release = self.settles(followed)
        subprocess.run(["xdotool", "mouseup", "1"], env=self.x.env, check=True)
        # The move loop takes every mouse message of the thread, the tray
        # callbacks included, and posted messages overtake the real release;
        # a posted release ends the loop before anything posted later.
        self.driver.post(hwnd, pw.WM_LBUTTONUP, 0, NOTE_SURFACE[0] | NOTE_SURFACE[1] << 16)
        if not followed_before_release or not self.settles(followed):
            # An alarm's alert that opened meanwhile took the activation: Wine
            # cancels the drag (WM_CANCELMODE) when the note's loss of the
            # focus reaches it, even after the press has taken it back.
            if not alert_before and self.shown(ALERT_TITLE):
                return True
            self.test.fail(f"dragged the note in slot {self.notes[hwnd].slot} from {grab} to "
                           f"{to}: it went from {(left, top)} to "
                           f"{self.driver.info(hwnd)['rect'][:2]}, not to {want}")
        return True

    # -- tray and popup -----------------------------------------------------

    def tray_click(self):
        self.app.tray_message(pw.WM_LBUTTONDOWN)
        self.app.tray_message(pw.WM_LBUTTONUP)
        return True

    def tray_noise(self):
        self.app.tray_message(self.rng.choice(TRAY_NOISE))
        return True

    def popup_dismissed(self):
        menu = self.app.tray_right_click()
        self.driver.key(menu, pw.VK_ESCAPE)
        self.wait(lambda: not self.app.popup_menus(), "the popup menu to close")
        return True

    def popup_style(self):
        self.app.popup_command(pw.POPUP_CHANGE_STYLE, self.rng.randrange(STYLES))
        return True

    def popup_tutorials(self):
        self.app.popup_command(pw.POPUP_TUTORIALS)
        self.page_opens()
        return True

    def popup_about(self):
        self.app.popup_command(pw.POPUP_ABOUT)
        self.wait(lambda: self.shown(pw.ABOUT_TITLE), "the About window")
        return True

    def popup_alarm(self):
        self.app.popup_command(pw.POPUP_ALARM_ME)
        self.wait(lambda: self.shown(ALARM_TITLE), "the alarm dialog")
        return True

    # -- About and the alert --------------------------------------------------

    def about_action(self):
        about = self.shown(pw.ABOUT_TITLE)
        if not about:
            return False
        choice = self.rng.randrange(4)
        if choice < 2:
            self.driver.click(about, *self.rng.choice(ABOUT_LINKS))
            self.page_opens()
            return True
        if choice == 2:
            self.driver.click(about, *ABOUT_CLOSE)
        else:
            self.driver.close_window(about)
        self.wait(lambda: not self.shown(pw.ABOUT_TITLE), "the About window to close")
        return True

    def close_alert(self):
        alert = self.shown(ALERT_TITLE)
        if not alert:
            return False
        if self.rng.randrange(2):
            self.driver.click(alert, *ALERT_CLOSE)
        else:
            self.driver.close_window(alert)
        self.wait(lambda: not self.driver.info(alert)["exists"], "the alert to close")
        return True

    # -- the alarm dialog -----------------------------------------------------

    def dialog_controls(self, dialog):
        children = self.driver.children(dialog)
        buttons = {c["text"]: c for c in children if c["class"] == "Button"}
        minutes = next(c for c in children if c["class"] == "Edit" and c["id"] != COMBO_EDIT_ID)
        combos = sorted((c for c in children if c["class"] == "ComboBox"),
                        key=lambda c: c["rect"][0])
        combo_edits = sorted((c for c in children
                              if c["class"] == "Edit" and c["id"] == COMBO_EDIT_ID),
                             key=lambda c: c["rect"][0])
        return buttons, minutes, combos, combo_edits

    def minutes_input(self):
        kind = self.rng.randrange(4)
        if kind == 0:  # a countdown long enough not to fire during the run
            return self.rng.choice(["30", " 45 ", "1e2", "600.5", "+20"])
        if kind == 1:  # fires on the next tick
            return self.rng.choice(["0.004", "-2", "0.001e0", "-.5"])
        if kind == 2:
            return self.rng.choice(["0", " 0.0 ", "-0", "", "abc", "1,5", "inf", "0x10", "1e999",
                                    "35791395", "1 2", "."])
        return self.random_text()

    def dialog_action(self):
        dialog = self.shown(ALARM_TITLE)
        if not dialog:
            return False
        buttons, minutes, combos, combo_edits = self.dialog_controls(dialog)
        choice = self.rng.randrange(10)
        if choice == 0:
            option = self.rng.choice(["Alarm Me after:", "Alarm Me at:"])
            self.press(buttons[option]["hwnd"], until_checked=1)
        elif choice == 1 and minutes["enabled"]:
            self.type_into(minutes["hwnd"], self.minutes_input())
        elif choice == 2 and combos[0]["enabled"]:
            which = self.rng.randrange(2)
            if self.rng.randrange(2):
                self.driver.send(combos[which]["hwnd"], CB_SETCURSEL,
                                 self.rng.randrange(24 if which == 0 else 60))
            else:
                text = self.rng.choice(["7", " 05", "23", "24", "60", "", "x", "1.5",
                                        str(self.rng.randrange(100))])
                self.type_into(combo_edits[which]["hwnd"], text)
        elif choice == 3:
            self.press(buttons["Play Sound when alarm"]["hwnd"])
        elif choice == 4 and buttons["&Test Sound"]["enabled"]:
            self.driver.post(buttons["&Test Sound"]["hwnd"], BM_CLICK)
        elif choice in (5, 6):
            self.set_alarm(dialog)
        elif choice == 7:
            self.driver.post(buttons["Delete Alarm"]["hwnd"], BM_CLICK)
            self.expect_box({DELETED})
            self.wait(lambda: not self.shown(ALARM_TITLE), "the dialog to hide")
        elif choice == 8:
            self.driver.post(buttons["Cancel"]["hwnd"], BM_CLICK)
            self.wait(lambda: not self.shown(ALARM_TITLE), "the dialog to hide")
        elif choice == 9:
            self.driver.close_window(dialog)
            self.wait(lambda: not self.shown(ALARM_TITLE), "the dialog to go")
        else:
            return False
        return True

    def set_alarm(self, dialog):
        """Presses Set after reading what the dialog holds, and checks its
        answer against that input."""
        buttons, minutes, _, combo_edits = self.dialog_controls(dialog)
        checked = {name: self.driver.send(buttons[name]["hwnd"], BM_GETCHECK) == 1
                   for name in ("Alarm Me after:", "Alarm Me at:")}
        if checked["Alarm Me after:"]:
            expected = minutes_messages(self.driver.text(minutes["hwnd"]))
        elif checked["Alarm Me at:"]:
            expected = time_messages(*(self.driver.text(e["hwnd"]) for e in combo_edits))
        else:
            expected = {NO_MODE}
        self.driver.post(buttons["Set"]["hwnd"], BM_CLICK)
        if self.expect_box(expected) == SET_OK:
            self.wait(lambda: not self.shown(ALARM_TITLE), "the dialog to hide")

    # -- the run ----------------------------------------------------------------

    def actions(self):
        """(weight, action) pairs; an action returns False when it does not
        apply in the present state, and another is drawn."""
        return [
            (6, self.tray_double_click),
            (2, self.popup_new_note),
            (2, self.tray_click),
            (2, self.tray_noise),
            (1, self.popup_dismissed),
            (1, self.popup_style),
            (0.3, self.popup_tutorials),
            (1, self.popup_about),
            (2, self.popup_alarm),
            (3, self.roll_note),
            (2, self.hide_note),
            (4, self.close_note),
            (2, self.type_note),
            (3, self.drag_note),
            (3, self.about_action),
            (4, self.close_alert),
            (10, self.dialog_action),
        ]

    def play(self, count, deadline):
        weighted = self.actions()
        weights = [w for w, _ in weighted]
        done = 0
        while done < count and time.monotonic() < deadline:
            _, action = self.rng.choices(weighted, weights)[0]
            if action():
                done += 1
                if VERBOSE:
                    print(f"{done}: {action.__name__}", flush=True)
                self.counts[action.__name__] = self.counts.get(action.__name__, 0) + 1
                if done % 100 == 0:
                    self.check_pool()
                else:
                    self.test.assertEqual(self.all_notes(), set(self.notes),
                                          f"note windows after {action.__name__}")
        return done

    def warm_up(self):
        """Every window and every kind of note action once, and the notes up
        to the cap, so that what the run first allocates is in the baseline."""
        while len(self.notes) < NOTE_CAP:
            self.tray_double_click()
        self.roll_note()
        self.type_note()
        self.hide_note()
        self.popup_dismissed()
        self.popup_style()
        self.popup_tutorials()
        self.popup_about()
        self.driver.click(self.shown(pw.ABOUT_TITLE), *ABOUT_LINKS[0])
        self.page_opens()
        self.driver.close_window(self.shown(pw.ABOUT_TITLE))
        self.popup_alarm()
        dialog = self.shown(ALARM_TITLE)
        buttons, minutes, _, _ = self.dialog_controls(dialog)
        self.driver.post(buttons["&Test Sound"]["hwnd"], BM_CLICK)
        self.press(buttons["Alarm Me at:"]["hwnd"], until_checked=1)
        self.set_alarm(dialog)  # no time chosen
        self.press(buttons["Alarm Me after:"]["hwnd"], until_checked=1)
        self.type_into(minutes["hwnd"], "0.004")
        self.set_alarm(dialog)
        self.wait(lambda: self.shown(ALERT_TITLE), "the alert")
        self.close_alert()
        self.clean_up()

    def clean_up(self):
        """Back to the state of the baseline: no note, alarm deleted, no
        alert, About closed, the dialog loaded but hidden."""
        if self.shown(pw.ABOUT_TITLE):
            self.driver.close_window(self.shown(pw.ABOUT_TITLE))
        if not self.shown(ALARM_TITLE):
            self.popup_alarm()
        buttons = self.dialog_controls(self.shown(ALARM_TITLE))[0]
        self.driver.post(buttons["Delete Alarm"]["hwnd"], BM_CLICK)
        self.expect_box({DELETED})
        while self.close_alert():
            pass
        while self.close_note():
            pass
        self.wait(lambda: not self.all_notes() and not self.shown(pw.ABOUT_TITLE)
                  and not self.shown(ALARM_TITLE), "the windows to close")
        time.sleep(1.0)  # repaints of what was uncovered

    def memory(self):
        return memory_bytes(self.linux_pid)


class Soak(pw.TestCase):
    def test_random_user_actions_leave_the_program_sound(self):
        seed = int(os.environ.get("PW_SOAK_SEED") or random.SystemRandom().randrange(2**32))
        print(f"\nsoak seed {seed} (replay: PW_SOAK_SEED={seed}), {ACTIONS} actions", flush=True)
        run = SoakRun(self, random.Random(seed))
        deadline = time.monotonic() + BUDGET_SECONDS
        run.warm_up()
        # The heap takes its working shape over the first random actions.
        run.play(WARM_UP_ACTIONS, deadline)
        run.clean_up()
        before = run.memory()
        run.counts.clear()

        began = time.monotonic()
        done = run.play(ACTIONS, deadline)
        elapsed = time.monotonic() - began
        print(f"{done} actions in {elapsed:.0f} s ({done / elapsed:.1f} per second): "
              f"{dict(sorted(run.counts.items()))}", flush=True)
        if done < ACTIONS:
            print(f"time budget of {BUDGET_SECONDS:.0f} s reached after {done} of {ACTIONS} "
                  "actions", flush=True)

        # Still answers, and its windows are the pool's.
        self.assertTrue(run.app.running())
        self.driver.send(run.app.form1, WM_NULL)
        run.check_pool()
        run.clean_up()
        after = run.memory()
        growth = {k: after[k] - before[k] for k in after}
        print(f"resident memory {before['VmRSS'] / 2**20:.1f} MiB after the warm-up; after the "
              f"run {growth['VmRSS'] / 2**10:+.0f} KiB (anonymous {growth['RssAnon'] / 2**10:+.0f},"
              f" file-backed {growth['RssFile'] / 2**10:+.0f})", flush=True)
        self.assertLessEqual(growth["RssAnon"], GROWTH_LIMIT)

        # The emptied pool hands out slot 0 again; the web pages all went out.
        self.assertTrue(run.tray_double_click())
        self.assertEqual([n.slot for n in run.notes.values()], [0])
        try:
            self.wait_browsed(run.launches, timeout=LAUNCH_TIMEOUT)
        finally:
            self.assertEqual(len(self.session.browsed()), run.launches, "web pages opened")

        # And it still ends properly.
        icon = run.app.tray_icon()
        run.app.popup_command(pw.POPUP_EXIT)
        run.app.wait_exit()
        self.assertNotIn(icon, self.driver.tray_icons())


if __name__ == "__main__":
    pw.main()

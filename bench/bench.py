#!/usr/bin/python3
"""Paperwisp benchmarks under Wine: start-up against the floor program, note
creation, memory, idle cost and footprint. Run through bench/run.sh.

Each build (the shipped i686 one, where the kernel runs 32-bit programs, and
the x86_64 one) is measured against the floor program built alike, in a Wine
session of its own (tests/e2e/pw) on its own virtual display. Every figure is
the median of --runs runs, with its spread (the lowest and highest run); a
run starts each program --startup-rounds times, interleaved, and asks for a
note the moment the icon appears as often. A run's start-up ratio is the
median of the ratios within its rounds. The timing loops run inside the
prefix (the x86_64 pwbench.exe, for both builds), the resident memory and
processor time are read from the Linux side (/proc), and the repaints are
counted from Wine's message trace of the program's process.

The start-up split starts bench builds of the three programs that mark the
call of their entry point and of wWinMain (bench/start_marks.cpp) as often,
under Wine's debug channels for DLL loads and debug strings: the marks and
the moments pwbench sees the window and the icon, all on the performance
counter from the moment before the process was created, and the DLLs each
process loaded before its entry point, and after it until the icon (Wine's
timestamps count the milliseconds of the same clock).
"""

import argparse
import collections
import datetime
import json
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(REPO, "tests", "e2e"))
sys.dont_write_bytecode = True  # nothing is written into the source tree
import pw  # noqa: E402  (the end-to-end harness)

import pefile  # noqa: E402  (Debian's python3-pefile)

NOTES_TIMED = 30
CYCLES = 300
IDLE_NOTES = 10
IDLE_SECONDS = 10
COUNTDOWN_MINUTES = "60"
SETTLE = 1.0  # seconds for the program to finish repainting after an action
# A note asked for this long after the icon appears meets a process that is
# no longer young and has done its deferred set-up.
SETTLED_NOTE_DELAY_MS = 300
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
MIB = 1024 * 1024

TARGETS = {
    "startup_ratio": 1.05,      # Paperwisp / floor
    "note_1st_over_10th": 1.5,
    "note_30th_over_1st": 1.5,
    "note_right_after_icon_over_10th": 1.5,
    "cycle_growth_mib": 1.0,
    "idle_cpu_percent": 1.0,
    "own_share_before_winmain_ms": 3.0,  # Paperwisp minus the floor, until wWinMain
}
# What the tray icon needs, all of it DLLs that Windows takes from the
# system folder only (KnownDLLs): the only ones the exe may import.
ICON_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "msvcrt.dll"}
# The start-up split: the bench builds that mark their start, with the title
# of the window that gets the tray icon, and Wine's debug channels that log
# the marks and the DLL loads.
MARKED_PROGRAMS = (("paperwisp", "Paperwisp_marked.exe", pw.FORM1_TITLE),
                   ("floor", "floor_marked.exe", "Floor"),
                   ("floor_dlls", "floor_dlls_marked.exe", "Floor"))
SPLIT_CHANNELS = "+timestamp,+pid,+loaddll,+debugstr"
SPLIT_MOMENTS = ("entry", "winmain", "window", "icon")
MARK_LINE = re.compile(r"pwmark (\w+) (\d+) (\d+)")
LOADED_LINE = re.compile(
    r"^([\d.]+):([0-9a-f]+):[0-9a-f]+:trace:loaddll:\w+ Loaded L\"([^\"]+)\"")
BM_CLICK = 0x00F5
COMBO_EDIT_ID = 1001
ALARM_TITLE = "Alarm Me..."


# ---------------------------------------------------------------------------
# The program's process as Linux sees it.

def unix_pid(session, exe_name="Paperwisp.exe"):
    """The Linux process whose program name ends with `exe_name`, in the
    session's prefix."""
    prefix = f"WINEPREFIX={session.prefix}".encode()
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/cmdline", "rb") as f:
                argv0 = f.read().split(b"\0")[0]
            with open(f"/proc/{entry}/environ", "rb") as f:
                environment = f.read().split(b"\0")
        except OSError:
            continue
        if argv0.endswith(exe_name.encode()) and prefix in environment:
            return int(entry)
    raise pw.HarnessError(f"no Linux process for {exe_name}")


def running(pid):
    """True while process `pid` exists and is not a zombie."""
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def resident_bytes(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) * 1024
    raise pw.HarnessError("VmRSS missing")


def cpu_seconds(pid):
    """User plus system time of every thread of process `pid`."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


# ---------------------------------------------------------------------------
# Wine side.

class TracingDriver(pw.Driver):
    """A driver whose `start` runs the program with Wine's message trace on,
    into a file; everything else is the harness's driver."""

    def __init__(self, session, trace_path):
        super().__init__(session)
        self.trace_path = trace_path
        self.launcher = None
        self.linux_pid = None

    def start(self, unix_path, *args):
        name = os.path.basename(unix_path)
        before = {w["pid"] for w in self.windows(title=pw.FORM1_TITLE)}
        processes_before = self.session.linux_processes(name)
        env = dict(self.session.env, WINEDEBUG="+msg")
        with open(self.trace_path, "w") as trace:
            self.launcher = subprocess.Popen(["wine", unix_path, *args], env=env, stderr=trace,
                                             stdout=subprocess.DEVNULL)
        found = pw.wait_until(
            lambda: [w for w in self.windows(title=pw.FORM1_TITLE) if w["pid"] not in before],
            30, message="Form1 of the traced program")
        # Where the 32-bit Wine is installed, `wine` hands a 64-bit program
        # to a process of its own: the launcher is not the program.
        self.linux_pid = max(pw.wait_until(
            lambda: self.session.linux_processes(name) - processes_before,
            message="the traced program's Linux process"))
        return found[0]["pid"]

    def kill(self, pid):
        if self.linux_pid:
            os.kill(self.linux_pid, signal.SIGKILL)
        if self.launcher:  # the program itself, or what handed it on
            if self.launcher.poll() is None:
                self.launcher.terminate()
            self.launcher.wait(10)
        if self.linux_pid:
            pw.wait_until(lambda: not running(self.linux_pid), 10,
                          message="the traced program to end")
            self.linux_pid = None


def pwbench(session, *args):
    return traced_pwbench(session, None, *args)[0]


def traced_pwbench(session, channels, *args):
    """pwbench's result, and the debug log of Wine's `channels` (None for
    none) of pwbench and the programs it starts."""
    exe = os.path.join(session.driver_dir, "pwbench.exe")
    env = dict(session.env, WINEDEBUG=channels) if channels else session.env
    done = subprocess.run(["wine", exe, *map(str, args)], env=env, capture_output=True,
                          text=True, errors="replace", timeout=900)
    lines = done.stdout.strip().splitlines()
    result = json.loads(lines[-1]) if lines else {"error": done.stderr[-500:]}
    if done.returncode or "error" in result:
        raise pw.HarnessError(f"pwbench {' '.join(map(str, args))}: {result}")
    return result, done.stderr


def traced_messages(trace_path, offset, notes):
    """Counts in the trace after byte `offset`: repaints of the `notes` (a
    set of handles), of all windows, and timer ticks."""
    pattern = re.compile(r"got type \d+ msg [0-9a-f]+ \((WM_PAINT|WM_TIMER)\) hwnd 0x([0-9a-f]+)")
    counts = {"note_paints": 0, "paints": 0, "timer_ticks": 0}
    with open(trace_path, "rb") as f:
        f.seek(offset)
        for line in f.read().decode(errors="replace").splitlines():
            match = pattern.search(line)
            if not match:
                continue
            if match.group(1) == "WM_TIMER":
                counts["timer_ticks"] += 1
                continue
            counts["paints"] += 1
            counts["note_paints"] += int(match.group(2), 16) in notes
    return counts


def open_alarm_dialog(app):
    app.popup_command(pw.POPUP_ALARM_ME)
    return app.wait_window(title=ALARM_TITLE)


def dialog_control(driver, dialog, text, cls="Button"):
    return next(c["hwnd"] for c in driver.children(dialog)
                if c["class"] == cls and c["text"] == text)


def start_countdown(app, minutes):
    """Sets the alarm to go off after `minutes` through the dialog, as a user
    would, and answers its confirmation."""
    driver = app.driver
    dialog = open_alarm_dialog(app)
    driver.post(dialog_control(driver, dialog, "Alarm Me after:"), BM_CLICK)
    # The minutes box; the combo boxes' edit fields carry the id 1001.
    edit = next(c["hwnd"] for c in driver.children(dialog)
                if c["class"] == "Edit" and c["id"] != COMBO_EDIT_ID)
    driver.chars(edit, minutes)
    driver.post(dialog_control(driver, dialog, "Set"), BM_CLICK)
    box = app.wait_message_box()
    if box["text"] != "Alarm set successfully!":
        raise pw.HarnessError(f"the alarm was not set: {box}")
    app.press_ok(box)


# ---------------------------------------------------------------------------
# The measurements of one run.

def measure_startup(session, rounds):
    """Start-up times of Paperwisp, the floor program and the floor with
    Paperwisp's DLLs, interleaved; the first round only warms the caches."""
    programs = [(session.paperwisp_exe, pw.FORM1_TITLE)] + [
        (os.path.join(session.app_dir, exe), "Floor") for exe in ("floor.exe", "floor_dlls.exe")]
    args = [a for exe, title in programs for a in (pw.windows_path(exe), title)]
    result = pwbench(session, "startup", rounds + 1, *args)
    names = ("paperwisp", "floor", "floor_dlls")
    times = {name: t[1:] for name, t in zip(names, result["ms"])}
    times.update({f"{name}_window": t[1:] for name, t in zip(names, result["window_ms"])})
    return times


def start_log(log):
    """From the debug log of traced starts: each process's marks ({pid:
    {name: counter}}) and the DLLs it loaded ({pid: [(seconds, file name,
    whether before the entry point)]})."""
    marks, loaded = {}, {}
    for line in log.splitlines():
        match = MARK_LINE.search(line)
        if match:
            name, pid, counter = match.group(1), int(match.group(2)), int(match.group(3))
            marks.setdefault(pid, {})[name] = counter
            continue
        match = LOADED_LINE.match(line)
        if match:
            pid = int(match.group(2), 16)
            dll = match.group(3).replace("\\\\", "\\").rsplit("\\", 1)[-1].lower()
            if dll.endswith(".dll"):
                before_entry = "entry" not in marks.get(pid, {})
                loaded.setdefault(pid, []).append((float(match.group(1)), dll, before_entry))
    return marks, loaded


def measure_split(session, rounds):
    """The start-up split of the marked builds, interleaved: for each
    program the milliseconds from the moment before its process was created
    to each of SPLIT_MOMENTS, a list per moment, and the DLLs loaded before
    the entry point; the first round only warms the caches."""
    args = [a for _, exe, title in MARKED_PROGRAMS
            for a in (pw.windows_path(os.path.join(session.app_dir, exe)), title)]
    result, log = traced_pwbench(session, SPLIT_CHANNELS, "startup", rounds + 1, *args)
    marks, loaded = start_log(log)
    per_ms = 1000 / result["counter_frequency"]
    split = {}
    for p, (name, _, _) in enumerate(MARKED_PROGRAMS):
        moments = {moment: [] for moment in SPLIT_MOMENTS}
        # In how many rounds each DLL loaded.
        before_entry, before_icon = collections.Counter(), collections.Counter()
        for start in range(1, rounds + 1):
            pid = result["pid"][p][start]
            created_ms = result["created_counter"][p][start] * per_ms
            if "entry" not in marks.get(pid, {}) or "winmain" not in marks[pid]:
                raise pw.HarnessError(f"{name}: no marks of process {pid} in the debug log")
            for mark in ("entry", "winmain"):
                moments[mark].append(marks[pid][mark] * per_ms - created_ms)
            moments["window"].append(result["window_ms"][p][start])
            moments["icon"].append(result["ms"][p][start])
            icon_seconds = (created_ms + result["ms"][p][start]) / 1000
            for seconds, dll, before in loaded.get(pid, []):
                if before:
                    before_entry[dll] += 1
                elif seconds <= icon_seconds:
                    before_icon[dll] += 1
        split[name] = {"ms": moments, "dlls_before_entry": dict(before_entry),
                       "dlls_after_entry_before_icon": dict(before_icon)}
    return split


def measure_first_note(session, rounds, delay_ms=0):
    """Times of a note asked for the moment the tray icon appears (or
    `delay_ms` later), each in a fresh process; the first one only warms the
    caches."""
    result = pwbench(session, "first-note", rounds + 1, pw.windows_path(session.paperwisp_exe),
                     pw.FORM1_TITLE, delay_ms)
    return result["ms"][1:]


def measure_program(session, driver):
    """Note creation, memory and the idle cost in one fresh process."""
    figures = {}
    app = pw.App(driver)
    try:
        app.tray_icon(timeout=30)
        pid = driver.linux_pid
        time.sleep(SETTLE)
        figures["rss_startup"] = resident_bytes(pid)

        figures["note_ms"] = pwbench(session, "notes", app.pid, app.form1, NOTES_TIMED)["ms"]
        time.sleep(SETTLE)
        figures["rss_30_notes"] = resident_bytes(pid)
        pwbench(session, "close-notes", app.pid)
        time.sleep(SETTLE)
        figures["rss_before_cycles"] = resident_bytes(pid)
        cycles = pwbench(session, "cycles", app.pid, app.form1, CYCLES)
        figures["cycle_ms"] = cycles["per_cycle_ms"]
        time.sleep(SETTLE)
        figures["rss_after_cycles"] = resident_bytes(pid)

        pwbench(session, "notes", app.pid, app.form1, IDLE_NOTES)
        start_countdown(app, COUNTDOWN_MINUTES)
        open_alarm_dialog(app)
        notes = set(app.notes())
        if len(notes) != IDLE_NOTES:
            raise pw.HarnessError(f"{len(notes)} notes shown, expected {IDLE_NOTES}")
        time.sleep(2 * SETTLE)
        helpers = {"wineserver": unix_pid(session, "wineserver64"), "Xvfb": session.xvfb_pid}
        offset = os.path.getsize(driver.trace_path)
        cpu_before = cpu_seconds(pid)
        helpers_before = {name: cpu_seconds(p) for name, p in helpers.items()}
        began = time.monotonic()
        time.sleep(IDLE_SECONDS)
        elapsed = time.monotonic() - began
        figures["idle_cpu_percent"] = 100 * (cpu_seconds(pid) - cpu_before) / elapsed
        for name, p in helpers.items():
            figures[f"idle_cpu_percent_{name}"] = (
                100 * (cpu_seconds(p) - helpers_before[name]) / elapsed)
        for name, count in traced_messages(driver.trace_path, offset, notes).items():
            figures[f"idle_{name}"] = count
    finally:
        app.stop()
    return figures


def footprint(exe):
    """Size of the exe, its size without the debugging sections, and the DLLs
    it imports."""
    pe = pefile.PE(exe, fast_load=True)
    pe.parse_data_directories(directories=[
        pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_IMPORT"],
        pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT"]])
    imports = sorted({entry.dll.decode().lower()
                      for attr in ("DIRECTORY_ENTRY_IMPORT", "DIRECTORY_ENTRY_DELAY_IMPORT")
                      for entry in getattr(pe, attr, [])})
    debug_bytes = sum(s.SizeOfRawData for s in pe.sections
                      if s.Name.rstrip(b"\0").decode(errors="replace").startswith((".debug", "/")))
    size = os.path.getsize(exe)
    return {"exe_bytes": size, "exe_bytes_without_debug": size - debug_bytes,
            "imports": imports, "other_imports": [d for d in imports if d not in ICON_DLLS]}


# ---------------------------------------------------------------------------
# Report.

def median(values):
    return statistics.median(values)


def paired_ratios(times, floor_times):
    return [t / floor for t, floor in zip(times, floor_times)]


def run_figures(startups, first_notes, settled_notes, program, split):
    """The figures of one run: its start-up and first-note rounds (medians),
    its program's measurements and its start-up split."""
    note_ms = program["note_ms"]
    f = {
        "startup_ms": median(startups["paperwisp"]),
        "floor_startup_ms": median(startups["floor"]),
        "floor_dlls_startup_ms": median(startups["floor_dlls"]),
        "startup_window_ms": median(startups["paperwisp_window"]),
        "floor_startup_window_ms": median(startups["floor_window"]),
        "note_1st_ms": note_ms[0], "note_10th_ms": note_ms[9], "note_30th_ms": note_ms[29],
        "note_right_after_icon_ms": median(first_notes),
        "note_settled_after_icon_ms": median(settled_notes),
        "rss_startup_mib": program["rss_startup"] / MIB,
        "rss_30_notes_mib": program["rss_30_notes"] / MIB,
        "rss_per_note_kib": (program["rss_30_notes"] - program["rss_startup"]) / NOTES_TIMED / 1024,
        "rss_before_cycles_mib": program["rss_before_cycles"] / MIB,
        "rss_after_cycles_mib": program["rss_after_cycles"] / MIB,
        "cycle_growth_mib": (program["rss_after_cycles"] - program["rss_before_cycles"]) / MIB,
        "cycle_ms": program["cycle_ms"],
        "idle_cpu_percent": program["idle_cpu_percent"],
        "idle_cpu_percent_wineserver": program["idle_cpu_percent_wineserver"],
        "idle_cpu_percent_xvfb": program["idle_cpu_percent_Xvfb"],
        "idle_note_paints": program["idle_note_paints"],
        "idle_paints": program["idle_paints"],
        "idle_timer_ticks": program["idle_timer_ticks"],
    }
    # A round starts the programs one right after the other, so a slow spell
    # of the machine hits the programs of a round alike: the ratios are taken
    # within each round.
    f["startup_ratio"] = median(paired_ratios(startups["paperwisp"], startups["floor"]))
    f["floor_dlls_ratio"] = median(paired_ratios(startups["floor_dlls"], startups["floor"]))
    f["note_30th_over_1st"] = f["note_30th_ms"] / f["note_1st_ms"]
    f["note_1st_over_10th"] = f["note_1st_ms"] / f["note_10th_ms"]
    f["note_right_after_icon_over_10th"] = f["note_right_after_icon_ms"] / f["note_10th_ms"]
    f["note_settled_after_icon_over_10th"] = f["note_settled_after_icon_ms"] / f["note_10th_ms"]
    for name, _, _ in MARKED_PROGRAMS:
        for moment in SPLIT_MOMENTS:
            f[f"split_{name}_{moment}_ms"] = median(split[name]["ms"][moment])
    # Within each round, as the start-up ratio.
    ours, floor = split["paperwisp"]["ms"], split["floor"]["ms"]
    f["own_share_before_entry_ms"] = median(
        [a - b for a, b in zip(ours["entry"], floor["entry"])])
    f["own_share_before_winmain_ms"] = median(
        [a - b for a, b in zip(ours["winmain"], floor["winmain"])])
    return f


def summarise(runs, samples, foot):
    """Each figure's median over the runs, and its spread (lowest, highest)."""
    s = {key: median([run[key] for run in runs]) for key in runs[0]}
    s["spread"] = {key: [min(run[key] for run in runs), max(run[key] for run in runs)]
                   for key in runs[0]}
    s["runs"] = len(runs)
    s["startup_rounds"] = len(samples[0]["startup_ms"]["paperwisp"])
    s["footprint"] = foot
    for key in ("dlls_before_entry", "dlls_after_entry_before_icon"):
        s[key] = {name: dict(sum((collections.Counter(sample["split"][name][key])
                                  for sample in samples), collections.Counter()))
                  for name, _, _ in MARKED_PROGRAMS}
    s["per_run"] = runs
    s["samples"] = samples
    s["targets"] = {key: {"target": limit, "value": s[key], "holds": s[key] <= limit}
                    for key, limit in TARGETS.items()}
    return s


def table(s):
    t = s["targets"]

    def verdict(key):
        return "holds" if t[key]["holds"] else "FAILS"

    def spread(key, digits=2):
        low, high = s["spread"][key]
        return f"{low:.{digits}f} to {high:.{digits}f}"

    foot = s["footprint"]
    rows = [
        ("Start-up to tray icon, Paperwisp", f"{s['startup_ms']:.0f} ms",
         f"its window after {s['startup_window_ms']:.0f} ms"),
        ("Start-up to tray icon, floor program", f"{s['floor_startup_ms']:.0f} ms",
         f"its window after {s['floor_startup_window_ms']:.0f} ms"),
        ("Start-up to tray icon, floor loading Paperwisp's DLLs",
         f"{s['floor_dlls_startup_ms']:.0f} ms", f"{s['floor_dlls_ratio']:.2f} of the floor"),
        ("Start-up ratio Paperwisp / floor", f"{s['startup_ratio']:.2f}",
         f"runs {spread('startup_ratio')}; <= {t['startup_ratio']['target']}: "
         f"{verdict('startup_ratio')}"),
        ("Note creation, 1st", f"{s['note_1st_ms']:.1f} ms",
         f"1st/10th {s['note_1st_over_10th']:.2f} (runs {spread('note_1st_over_10th')}) <= 1.5: "
         f"{verdict('note_1st_over_10th')}"),
        ("Note creation, 10th", f"{s['note_10th_ms']:.1f} ms", ""),
        ("Note creation, 30th", f"{s['note_30th_ms']:.1f} ms",
         f"30th/1st {s['note_30th_over_1st']:.2f} (runs {spread('note_30th_over_1st')}) <= 1.5: "
         f"{verdict('note_30th_over_1st')}"),
        ("Note asked for as the tray icon appears", f"{s['note_right_after_icon_ms']:.1f} ms",
         f"/10th {s['note_right_after_icon_over_10th']:.2f} "
         f"(runs {spread('note_right_after_icon_over_10th')}) <= 1.5: "
         f"{verdict('note_right_after_icon_over_10th')}"),
        (f"Note asked for {SETTLED_NOTE_DELAY_MS} ms after the tray icon appears",
         f"{s['note_settled_after_icon_ms']:.1f} ms",
         f"/10th {s['note_settled_after_icon_over_10th']:.2f} "
         f"(runs {spread('note_settled_after_icon_over_10th')})"),
        ("Resident memory after start-up", f"{s['rss_startup_mib']:.1f} MiB", ""),
        ("Resident memory with 30 notes", f"{s['rss_30_notes_mib']:.1f} MiB",
         f"{s['rss_per_note_kib']:.0f} KiB per note"),
        (f"Resident memory before/after {CYCLES} note create/close cycles",
         f"{s['rss_before_cycles_mib']:.1f} / {s['rss_after_cycles_mib']:.1f} MiB",
         f"growth {s['cycle_growth_mib']:+.2f} MiB <= 1: {verdict('cycle_growth_mib')}"),
        ("Note create/close cycle", f"{s['cycle_ms']:.1f} ms", ""),
        (f"Idle CPU over {IDLE_SECONDS} s ({IDLE_NOTES} notes, dialog open, countdown)",
         f"{s['idle_cpu_percent']:.2f} % of a core",
         f"< 1 %: {verdict('idle_cpu_percent')}"),
        ("  caused in wineserver / Xvfb", f"{s['idle_cpu_percent_wineserver']:.2f} / "
         f"{s['idle_cpu_percent_xvfb']:.2f} %", ""),
        (f"Repaints over {IDLE_SECONDS} s idle, notes / all windows",
         f"{s['idle_note_paints']:.0f} / {s['idle_paints']:.0f}",
         f"{s['idle_timer_ticks']:.0f} timer ticks (countdown running)"),
        ("Paperwisp.exe", f"{foot['exe_bytes'] / 1024:.0f} KiB",
         f"{foot['exe_bytes_without_debug'] / 1024:.0f} KiB without debugging sections"),
        ("DLLs it imports", f"{len(foot['imports'])}, others than the tray icon needs: "
         + (", ".join(foot["other_imports"]) or "none"), ", ".join(foot["imports"])),
    ]
    return markdown_table(("Measure", "Median", "Note"), rows)


def markdown_table(header, rows):
    widths = [max(len(r[i]) for r in [header, *rows]) for i in range(len(header))]
    lines = ["| " + " | ".join(f"{h:<{w}}" for h, w in zip(header, widths)) + " |",
             "|" + "|".join("-" * (w + 2) for w in widths) + "|"]
    lines += ["| " + " | ".join(f"{c:<{w}}" for c, w in zip(row, widths)) + " |" for row in rows]
    return "\n".join(lines)


def split_table(s):
    """The start-up split: medians of the moments, in milliseconds after
    the process was created, and the DLLs loaded before the entry point."""
    names = [name for name, _, _ in MARKED_PROGRAMS]
    moments = {"entry": "Entry point of the exe called", "winmain": "wWinMain called",
               "window": "Window seen", "icon": "Tray icon seen"}
    rows = [(label, *(f"{s[f'split_{name}_{moment}_ms']:.1f} ms" for name in names))
            for moment, label in moments.items()]
    starts = s["runs"] * s["startup_rounds"]
    for key, label in (("dlls_before_entry", "DLLs loaded before the entry point"),
                       ("dlls_after_entry_before_icon", "DLLs loaded after it, before the icon"
                        " was seen")):
        dlls = s[key]
        rows.append((f"{label}, beyond the floor's (in how many of {starts} starts)",
                     *(", ".join(f"{d} ({n})" for d, n in sorted(dlls[name].items())
                                 if d not in dlls["floor"]) or "none"
                       for name in names)))
    low, high = s["spread"]["own_share_before_winmain_ms"]
    target = s["targets"]["own_share_before_winmain_ms"]
    return (markdown_table(("Moment (median)", "Paperwisp", "Floor", "Floor with Paperwisp's DLLs"),
                           rows) +
            f"\n\nPaperwisp's own share before wWinMain (minus the floor, within each round):"
            f" {s['own_share_before_winmain_ms']:.1f} ms (runs {low:.1f} to {high:.1f}),"
            f" of it before the entry point {s['own_share_before_entry_ms']:.1f} ms;"
            f" <= {target['target']} ms: {'holds' if target['holds'] else 'FAILS'}")


def measure_build(build_dir, driver_dir, runs, rounds, dpi):
    """The summary of one build's runs, or None (saying why) when this
    machine cannot run it."""
    session_dir = tempfile.mkdtemp(prefix="pw-bench-", dir=os.path.join(REPO, "build"))
    try:
        session = pw.WineSession.start(session_dir, build_dir, driver_dir, dpi)
    except pw.SessionSkipped as reason:
        print(f"{build_dir}: skipped, as {reason}", file=sys.stderr)
        shutil.rmtree(session_dir, ignore_errors=True)
        return None
    print(f"{session.build} build: Wine session on display {session.display} at {dpi} dpi;"
          f" {runs} runs of"
          f" {rounds} rounds", file=sys.stderr)
    figures, samples = [], []
    try:
        for run in range(runs):
            began = time.monotonic()
            startups = measure_startup(session, rounds)
            first_notes = measure_first_note(session, rounds)
            settled_notes = measure_first_note(session, rounds, SETTLED_NOTE_DELAY_MS)
            split = measure_split(session, rounds)
            rounds_done = time.monotonic()
            driver = TracingDriver(session, os.path.join(session_dir, f"trace-{run}.log"))
            try:
                program = measure_program(session, driver)
            finally:
                driver.close()
            figures.append(run_figures(startups, first_notes, settled_notes, program, split))
            samples.append({"startup_ms": startups, "note_right_after_icon_ms": first_notes,
                            "note_settled_after_icon_ms": settled_notes, "program": program,
                            "split": split})
            print(f"{session.build}: run {run + 1} of {runs} done (start-up rounds"
                  f" {rounds_done - began:.0f} s, the program {time.monotonic() - rounds_done:.0f}"
                  f" s), start-up ratio {figures[-1]['startup_ratio']:.3f}", file=sys.stderr)
    finally:
        session.stop()
        shutil.rmtree(session_dir, ignore_errors=True)
    return summarise(figures, samples, footprint(session.paperwisp_exe))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--i686-dir", default=os.path.join(REPO, "build", "i686"),
                        help="the shipped 32-bit build: Paperwisp.exe, the floor programs and the"
                        " bench builds that mark their start")
    parser.add_argument("--x64-dir", default=os.path.join(REPO, "build", "x64"),
                        help="the x86_64 build: the same, and pwdriver.exe and pwbench.exe,"
                        " which measure both builds")
    parser.add_argument("--runs", type=int, default=3,
                        help="runs of every measurement; each figure is their median")
    parser.add_argument("--startup-rounds", type=int, default=31,
                        help="start-ups of each program, and notes asked for right after"
                        " start-up, in a run (cheaper and noisier, so many)")
    parser.add_argument("--results", default=os.path.join(HERE, "results"))
    parser.add_argument("--dpi", type=int, default=96,
                        help="Wine's DPI, the display scale: 96 is 100 %%, 144 150 %%")
    args = parser.parse_args()
    programs = ("floor.exe", "floor_dlls.exe", *(exe for _, exe, _ in MARKED_PROGRAMS))
    for directory, exes in ((args.i686_dir, programs), (args.x64_dir, (*programs, "pwbench.exe"))):
        for exe in exes:
            if not os.path.isfile(os.path.join(directory, exe)):
                sys.exit(f"{exe} is missing in {directory}: build the i686 and x64 targets first")

    summaries = {}
    for name, directory in (("i686", args.i686_dir), ("x64", args.x64_dir)):
        summary = measure_build(directory, args.x64_dir, args.runs, args.startup_rounds,
                                args.dpi)
        if summary:
            summary["date"] = datetime.date.today().isoformat()
            summary["dpi"] = args.dpi
            summaries[name] = summary
            print(f"\n{name} build ({directory}):\n{table(summary)}\n\n"
                  f"Start-up split (bench builds marking their start):\n{split_table(summary)}")
    os.makedirs(args.results, exist_ok=True)
    path = os.path.join(args.results,
                        f"bench-{datetime.datetime.now().strftime('%Y%m%d-%H%M%S')}.json")
    with open(path, "w") as f:
        json.dump(summaries, f, indent=1)
    print(f"\nfigures written to {path}")


if __name__ == "__main__":
    main()

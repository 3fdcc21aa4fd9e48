"""The Wine session: one Xvfb display and one fresh Wine prefix per test run,
for one build of the program."""

import contextlib
import json
import os
import shutil
import signal
import subprocess
import tempfile
import time

from .constants import REPO, SCREEN_HEIGHT, SCREEN_WIDTH
from .util import HarnessError, pe_machine, wait_until, windows_path

SESSION_FILE = "session.json"
# What a session start or a test exits with when its build cannot run here
# (CTest's SKIP_RETURN_CODE of the end-to-end tests).
SKIP_EXIT_CODE = 77


class SessionSkipped(Exception):
    """The build cannot run on this machine (a 32-bit program where the
    kernel runs none); the reason is the message."""


def _process_matches(pid, word):
    """True if process `pid` runs and its command line contains `word`."""
    try:
        with open(f"/proc/{pid}/cmdline", "rb") as f:
            return word.encode() in f.read()
    except OSError:
        return False


def _stop_pid(pid, word, timeout=5.0):
    """Ends process `pid`, but only if it is still the program we started."""
    if not pid or not _process_matches(pid, word):
        return
    os.kill(pid, signal.SIGTERM)
    try:
        wait_until(lambda: not _process_matches(pid, word), timeout, message=f"{word} to end")
    except TimeoutError:
        os.kill(pid, signal.SIGKILL)


class WineSession:
    """An Xvfb display and a Wine prefix, as recorded in DIR/session.json. The
    program under test comes from `app_dir`, its build directory; the driver
    from `driver_dir`, the x86_64 build: one driver serves both builds."""

    def __init__(self, directory, record):
        self.directory = directory
        self.display = record["display"]
        self.prefix = record["prefix"]
        self.app_dir = record["app_dir"]
        self.driver_dir = record["driver_dir"]
        self.browser_log = record["browser_log"]
        self.xvfb_pid = record["xvfb_pid"]
        self.wineserver_pid = record.get("wineserver_pid")

    @property
    def env(self):
        env = dict(os.environ)
        env.update(DISPLAY=self.display, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                   WINEDLLOVERRIDES="mscoree=;mshtml=")
        return env

    @property
    def paperwisp_exe(self):
        return os.path.join(self.app_dir, "Paperwisp.exe")

    @property
    def faults_exe(self):
        """The program built with faults the tests switch on (see
        src/win32/test_faults.h)."""
        return os.path.join(self.app_dir, "PaperwispFaults.exe")

    @property
    def driver_exe(self):
        return os.path.join(self.driver_dir, "pwdriver.exe")

    @property
    def build(self):
        """Which build runs: "i686" or "x86_64"."""
        return pe_machine(self.paperwisp_exe)

    @classmethod
    def load(cls, directory=None):
        directory = directory or os.environ.get("PW_E2E_SESSION")
        if not directory:
            raise HarnessError(
                "no session: set PW_E2E_SESSION or run 'python3 -m pw start-session'")
        with open(os.path.join(directory, SESSION_FILE)) as f:
            record = json.load(f)
        if "skipped" in record:
            raise SessionSkipped(record["skipped"])
        return cls(directory, record)

    @classmethod
    def start(cls, directory, app_dir, driver_dir=None, dpi=None):
        """Starts a display and a fresh prefix; replaces a stale session in
        `directory` first. With `dpi`, Wine's screen has that many dots per
        inch (96 without). Raises SessionSkipped, and records why, when this
        machine cannot run the build."""
        directory = os.path.abspath(directory)
        driver_dir = driver_dir or app_dir
        for folder, exe in ((app_dir, "Paperwisp.exe"), (driver_dir, "pwdriver.exe")):
            if not os.path.isfile(os.path.join(folder, exe)):
                raise HarnessError(f"{exe} is missing in {folder}")
        cls.remove(directory)
        os.makedirs(directory, exist_ok=True)
        is_32_bit = pe_machine(os.path.join(app_dir, "Paperwisp.exe")) == "i686"
        if is_32_bit:
            _skip_unless_the_kernel_runs_32_bit_programs(directory)
        prefix = os.path.join(directory, "prefix")
        shutil.rmtree(prefix, ignore_errors=True)
        browser_log = os.path.join(directory, "browser.log")
        if os.path.exists(browser_log):
            os.remove(browser_log)

        display, xvfb = _start_xvfb(directory)
        record = {"display": display, "prefix": prefix, "app_dir": os.path.abspath(app_dir),
                  "driver_dir": os.path.abspath(driver_dir), "browser_log": browser_log,
                  "xvfb_pid": xvfb.pid}
        session = cls(directory, record)
        session._save(record)  # from here on, stop-session can clean up
        try:
            # A persistent server keeps Wine warm between the test files.
            server = subprocess.Popen(["wineserver", "-f", "-p"], env=session.env,
                                      start_new_session=True, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL)
            record["wineserver_pid"] = server.pid
            session.wineserver_pid = server.pid
            session._save(record)
            subprocess.run(["wineboot", "-i"], env=session.env, check=True, timeout=120,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if is_32_bit:
                session._check_32_bit_wine()
            session._configure(directory, dpi)
        except BaseException:
            session.stop()
            raise
        return session

    def _save(self, record):
        path = os.path.join(self.directory, SESSION_FILE)
        with open(path + ".tmp", "w") as f:
            json.dump(record, f, indent=1)
        os.replace(path + ".tmp", path)

    @classmethod
    def remove(cls, directory):
        """Ends the session recorded in `directory`, if any."""
        path = os.path.join(directory, SESSION_FILE)
        try:
            cls.load(directory).stop()
        except SessionSkipped:
            os.remove(path)
        except FileNotFoundError:
            pass

    def _check_32_bit_wine(self):
        """Raises HarnessError unless a 32-bit program runs in the prefix."""
        cmd = "C:\\windows\\syswow64\\cmd.exe"
        done = subprocess.run(["wine", cmd, "/c", "exit 7"], env=self.env, timeout=60,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if done.returncode != 7:
            raise HarnessError("Wine runs no 32-bit program here: the 32-bit Wine"
                               " (wine32:i386) is missing. scripts/bootstrap.sh installs it.")

    def _configure(self, directory, dpi):
        # No window manager runs on Xvfb: without these, each hide of a titled
        # window waits seconds for a manager's answer. Web pages go to a
        # script that records their address. Wine takes its DPI from the
        # user's LogPixels when a program starts.
        browser = os.path.join(directory, "record-browser.sh")
        with open(browser, "w") as f:
            f.write(f"#!/bin/sh\nprintf '%s\\n' \"$1\" >> '{self.browser_log}'\n")
        os.chmod(browser, 0o755)
        scale = ("[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"
                 f"\"LogPixels\"=dword:{dpi:08x}\r\n\r\n" if dpi else "")
        self.import_registry(scale +
                             "[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"
                             "\"Managed\"=\"N\"\r\n\"Decorated\"=\"N\"\r\n\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]\r\n"
                             f"\"Browsers\"=\"{browser}\"\r\n")
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=60)

    def import_registry(self, entries):
        """Imports `entries` (the body of a .reg file: keys and values, or
        [-key] to remove a key) into the prefix's registry."""
        reg = os.path.join(self.directory, "import.reg")
        with open(reg, "w", encoding="utf-16") as f:
            f.write("Windows Registry Editor Version 5.00\r\n\r\n" + entries)
        subprocess.run(["wine", "regedit", "/S", windows_path(reg)], env=self.env, check=True,
                       timeout=60, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.remove(reg)

    def install_font(self, path):
        """Copies a font file into the prefix's Fonts folder, where the
        programs started from then on find it."""
        shutil.copy(path, os.path.join(self.prefix, "drive_c", "windows", "Fonts"))

    def linux_processes(self, exe_name="Paperwisp.exe"):
        """Linux process ids of `exe_name` running in this prefix."""
        prefix = f"WINEPREFIX={self.prefix}".encode()
        found = set()
        for entry in os.listdir("/proc"):
            try:
                with open(f"/proc/{entry}/cmdline", "rb") as f:
                    argv0 = f.read().split(b"\0")[0]
                with open(f"/proc/{entry}/environ", "rb") as f:
                    environment = f.read().split(b"\0")
            except (OSError, ValueError):
                continue
            if argv0.endswith(exe_name.encode()) and prefix in environment:
                found.add(int(entry))
        return found

    def stop(self):
        """Ends every Wine process of this prefix, then the server and the
        display this session started; removes the prefix."""
        if os.path.isdir(self.prefix):
            subprocess.run(["wineserver", "-k"], env=self.env, timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _stop_pid(self.wineserver_pid, "wineserver")
        _stop_pid(self.xvfb_pid, "Xvfb")
        shutil.rmtree(self.prefix, ignore_errors=True)
        try:
            os.remove(os.path.join(self.directory, SESSION_FILE))
        except FileNotFoundError:
            pass

    def site_address(self):
        """The product site's address the program under test was built with
        (its build directory's cache), without a trailing slash."""
        with open(os.path.join(self.app_dir, "CMakeCache.txt")) as f:
            for line in f:
                if line.startswith("PAPERWISP_SITE_ADDRESS:"):
                    return line.split("=", 1)[1].strip().rstrip("/")
        raise HarnessError("PAPERWISP_SITE_ADDRESS not found in the build cache")

    def browsed(self):
        """The addresses handed to the web browser so far, in order, as the
        browser got them (see canonical_address)."""
        try:
            with open(self.browser_log) as f:
                return [line.rstrip("\n") for line in f if line.strip()]
        except FileNotFoundError:
            return []


def _skip_unless_the_kernel_runs_32_bit_programs(directory):
    """Records the skip in `directory` and raises SessionSkipped where the
    kernel runs no 32-bit program."""
    probe = subprocess.run([os.path.join(REPO, "scripts", "kernel-runs-32-bit.sh"), directory],
                           capture_output=True, text=True)
    if probe.returncode == 0:
        return
    reason = probe.stdout.strip() or f"the 32-bit probe failed: {probe.stderr.strip()}"
    with open(os.path.join(directory, SESSION_FILE), "w") as f:
        json.dump({"skipped": reason}, f)
    raise SessionSkipped(reason)


def _start_xvfb(directory, first=90):
    """Starts Xvfb on the first free display from :first up."""
    log = open(os.path.join(directory, "xvfb.log"), "ab")
    for number in range(first, first + 100):
        if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
            continue
        xvfb = subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24",
             "-nolisten", "tcp"], stdout=log, stderr=log, start_new_session=True)
        socket = f"/tmp/.X11-unix/X{number}"
        # Another server may take the number at the same moment: then ours
        # exits, and the next number is tried.
        deadline = time.monotonic() + 10
        while xvfb.poll() is None and not os.path.exists(socket) and time.monotonic() < deadline:
            time.sleep(0.05)
        if xvfb.poll() is None and os.path.exists(socket):
            display = f":{number}"
            env = dict(os.environ, DISPLAY=display)
            ready = subprocess.run(["xdpyinfo"], env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL).returncode == 0
            if ready and xvfb.poll() is None:
                return display, xvfb
        if xvfb.poll() is None:
            xvfb.kill()
        xvfb.wait()
    raise HarnessError("no free X display number found")


@contextlib.contextmanager
def session_from_environment(dpi=None):
    """The session named by PW_E2E_SESSION; without one, or when a `dpi` is
    asked for, a private session at that DPI that ends with the block: of the
    named session's builds, else of the build in PW_APP_DIR (default
    build/x64) driven by the driver in PW_DRIVER_DIR (default build/x64)."""
    named = os.environ.get("PW_E2E_SESSION")
    if named and not dpi:
        yield WineSession.load()
        return
    directory = tempfile.mkdtemp(prefix="pw-e2e-")
    if named:
        base = WineSession.load(named)
        app_dir, driver_dir = base.app_dir, base.driver_dir
    else:
        x64_dir = os.path.join(REPO, "build", "x64")
        app_dir = os.environ.get("PW_APP_DIR", x64_dir)
        driver_dir = os.environ.get("PW_DRIVER_DIR", x64_dir)
    os.environ["PW_E2E_SESSION"] = directory
    try:
        session = WineSession.start(directory, app_dir, driver_dir, dpi)
        try:
            yield session
        finally:
            session.stop()
    finally:
        if named:
            os.environ["PW_E2E_SESSION"] = named
        else:
            del os.environ["PW_E2E_SESSION"]
        shutil.rmtree(directory, ignore_errors=True)

#!/usr/bin/python3
"""DLLs planted beside the program never run inside it. Windows looks for a
DLL that is not one of its KnownDLLs in the program's folder first; Wine
does so for a DLL set to prefer native DLLs, which these tests set, for one
program's file name alone, in the prefix's registry. A copy of the program
with a winmm.dll and a gdiplus.dll beside it makes a note, opens About (its
photographs need GDI+) and plays the test sound (winmm): it takes both from
the system (for the 32-bit build, whose system folder is syswow64, the
32-bit system DLLs). A program of the same bitness that loads DLLs the plain
way does get the planted ones, so the trap is set."""

import os
import shutil
import tempfile

import pw

PLANTED = ("winmm.dll", "gdiplus.dll")
ALARM_TITLE = "Alarm Me..."
CMD_TEST_SOUND = 0x1000 + 13  # the layout id offset by the toolkit's command id base
BM_CLICK = 0x00F5
OVERRIDES = "HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\{}"


class PlantedDlls(pw.TestCase):
    def plant(self, exe, name):
        """A fresh folder holding the planted DLLs and a copy of `exe` named
        `name`, for which Wine prefers native DLLs until the test ends.
        Returns the copy's path."""
        folder = tempfile.mkdtemp(prefix="planted-", dir=self.session.directory)
        self.addCleanup(shutil.rmtree, folder, True)
        for dll in PLANTED:
            shutil.copy(os.path.join(self.session.app_dir, "planted", dll), folder)
        copy = os.path.join(folder, name)
        shutil.copy(exe, copy)
        key = OVERRIDES.format(name)
        self.session.import_registry(f"[{key}\\DllOverrides]\r\n" + "".join(
            f"\"{os.path.splitext(dll)[0]}\"=\"native,builtin\"\r\n" for dll in PLANTED))
        self.addCleanup(self.session.import_registry, f"[-{key}]\r\n")
        return copy

    @staticmethod
    def markers(folder):
        """The marker files that planted DLLs left when they were loaded."""
        return sorted(f.lower() for f in os.listdir(folder) if f.lower().endswith(".loaded"))

    def test_a_program_that_searches_the_plain_way_loads_them(self):
        control = self.plant(os.path.join(self.session.app_dir, "planted", "plain_loader.exe"),
                             "PlantedControl.exe")
        # The trap is set for the program's bitness: a 32-bit process never
        # loads a 64-bit DLL, planted or not.
        pieces = [control] + [os.path.join(os.path.dirname(control), dll) for dll in PLANTED]
        self.assertEqual({pw.pe_machine(p) for p in pieces}, {self.session.build})
        pid = self.driver.start(control, *PLANTED)
        self.assertEqual(self.driver.wait_exit(pid, 10000), {"exited": True, "code": 0})
        self.assertEqual(self.markers(os.path.dirname(control)),
                         sorted(f"{dll}.loaded" for dll in PLANTED))

    def test_the_program_takes_them_from_the_system(self):
        copy = self.plant(self.session.paperwisp_exe, "PaperwispPlanted.exe")
        folder = os.path.dirname(copy)
        before = self.session.linux_processes(os.path.basename(copy))
        app = pw.App(self.driver, self.x, exe=copy)
        self.addCleanup(app.stop)
        linux_pid = max(pw.wait_until(
            lambda: self.session.linux_processes(os.path.basename(copy)) - before,
            message="the program's Linux process"))

        app.tray_double_click()
        app.wait_window(title=pw.NOTE_TITLE)
        app.popup_command(pw.POPUP_ABOUT)
        app.wait_window(title=pw.ABOUT_TITLE)
        app.popup_command(pw.POPUP_ALARM_ME)
        dialog = app.wait_window(title=ALARM_TITLE)
        button = next(c["hwnd"] for c in self.driver.children(dialog)
                      if c["id"] == CMD_TEST_SOUND)
        self.driver.post(button, BM_CLICK)

        def mapped_dlls():
            """The DLL files mapped into the process, once winmm and GDI+
            are among them."""
            with open(f"/proc/{linux_pid}/maps") as f:
                paths = {line.split(maxsplit=5)[-1].strip() for line in f}
            dlls = {p for p in paths if p.lower().endswith(".dll")}
            names = {os.path.basename(p).lower() for p in dlls}
            return dlls if all(dll in names for dll in PLANTED) else None

        dlls = pw.wait_until(mapped_dlls, message="winmm and GDI+ to be loaded")
        self.assertEqual([p for p in dlls if p.startswith(folder)], [])
        self.assertEqual(self.markers(folder), [])
        self.assertTrue(app.running())


if __name__ == "__main__":
    pw.main()

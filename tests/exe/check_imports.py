#!/usr/bin/python3
"""Checks the DLLs that the shipped exe imports when it loads: only what the
tray icon needs, all of it DLLs that Windows always takes from the system
folder (its KnownDLLs). Every other DLL loads on first use, after the icon:
comctl32 through the manifest's activation context (bound at load, its
side-by-side version 6 would cost the start several milliseconds), the
others from the system folder, as a DLL that is no KnownDLL would be looked
for beside the exe first, where someone may have planted one of the same
name. No delay-load imports either, and the search is restricted before
anything else loads.

usage: check_imports.py EXE
"""
import sys

import pefile

ALLOWED = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "msvcrt.dll"}
SEARCH_RESTRICTIONS = {"SetDefaultDllDirectories", "SetDllDirectoryW"}


def main(argv):
    if len(argv) != 2:
        sys.exit(__doc__)
    pe = pefile.PE(argv[1], fast_load=True)
    pe.parse_data_directories(directories=[
        pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_IMPORT"],
        pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT"]])
    imports = {entry.dll.decode().lower(): {i.name.decode() for i in entry.imports if i.name}
               for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])}
    delayed = [entry.dll.decode() for entry in getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])]
    failures = [f"imports {dll}, which the tray icon does not need"
                for dll in sorted(set(imports) - ALLOWED)]
    failures += [f"delay-loads {dll}" for dll in delayed]
    missing = SEARCH_RESTRICTIONS - imports.get("kernel32.dll", set())
    failures += [f"does not call {name}" for name in sorted(missing)]
    for failure in failures:
        print("FAIL:", failure)
    if failures:
        return 1
    print("imports", ", ".join(sorted(imports)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

#!/usr/bin/python3
"""Checks the DLLs that the shipped exe imports when it loads: only those that
Windows always takes from the system folder (its KnownDLLs), and comctl32,
which the manifest binds to its side-by-side assembly. Any other DLL would be
looked for beside the exe first, where someone may have planted one of the
same name; the program loads those on first use, from the system folder. No
delay-load imports either, and the search is restricted before anything
else loads.

usage: check_imports.py EXE
"""
import sys

import pefile

ALLOWED = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "ole32.dll",
           "oleaut32.dll", "advapi32.dll", "shlwapi.dll", "msvcrt.dll", "comctl32.dll"}
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
    failures = [f"imports {dll}, which is no system-folder DLL"
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

#!/usr/bin/env python3
"""Unpacks the release zip and checks it: its four entries, the checksums,
that it carries the current 32-bit GUI build, and the Windows line ends of
its texts.

usage: check_package.py ZIP EXE
"""
import hashlib
import pathlib
import struct
import sys
import tempfile
import zipfile

ENTRIES = ["Paperwisp.exe", "README.txt", "LICENSE.txt", "SHA256SUMS"]
MACHINE_I386, SUBSYSTEM_GUI = 0x14C, 2


def machine_and_subsystem(exe):
    """(machine, subsystem) from a PE file's headers, or None."""
    if exe[:2] != b"MZ" or len(exe) < 0x40:
        return None
    pe = struct.unpack_from("<I", exe, 0x3C)[0]
    if exe[pe:pe + 4] != b"PE\0\0":
        return None
    # The optional header follows the 20-byte file header; its subsystem
    # field is at the same offset in 32- and 64-bit files.
    return struct.unpack_from("<H", exe, pe + 4)[0], struct.unpack_from("<H", exe, pe + 24 + 68)[0]


def check(zip_path, built_exe):
    if not zip_path.is_file():
        return [f"no package at {zip_path}: run scripts/package.sh"]
    with tempfile.TemporaryDirectory(prefix="pwpackage-") as scratch, \
            zipfile.ZipFile(zip_path) as archive:
        names = archive.namelist()
        if names != ENTRIES:
            return [f"entries {names}, want {ENTRIES}"]
        archive.extractall(scratch)
        files = {name: (pathlib.Path(scratch) / name).read_bytes() for name in ENTRIES}
        times = {entry.date_time for entry in archive.infolist()}

    failures = []
    listed = {}
    for line in files["SHA256SUMS"].decode().splitlines():
        digest, _, name = line.partition("  ")
        listed[name] = digest
    actual = {name: hashlib.sha256(files[name]).hexdigest() for name in ENTRIES[:3]}
    if listed != actual:
        failures.append(f"SHA256SUMS lists {listed}, the files have {actual}")
    if files["Paperwisp.exe"] != built_exe.read_bytes():
        failures.append(f"Paperwisp.exe is not the current {built_exe}: run scripts/package.sh")
    kind = machine_and_subsystem(files["Paperwisp.exe"])
    if kind != (MACHINE_I386, SUBSYSTEM_GUI):
        failures.append(f"Paperwisp.exe: (machine, subsystem) {kind}, want i386 GUI")
    for name in ("README.txt", "LICENSE.txt"):
        text = files[name]
        if text.count(b"\n") == 0 or text.count(b"\n") != text.count(b"\r\n"):
            failures.append(f"{name}: not every line ends in CR LF")
        if b"@" in text:
            failures.append(f"{name}: a placeholder was left unfilled")
    if len(times) != 1:
        failures.append(f"entries carry different times {sorted(times)}: not one fixed time")
    return failures


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    failures = check(pathlib.Path(argv[1]), pathlib.Path(argv[2]))
    for failure in failures:
        print("FAIL:", failure)
    if failures:
        return 1
    print(f"{argv[1]}: {len(ENTRIES)} entries checked")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

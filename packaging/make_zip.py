#!/usr/bin/env python3
"""Writes the release zip: Paperwisp.exe, README.txt, LICENSE.txt and
SHA256SUMS (in the format of sha256sum), in that order. The same files give
the same zip byte for byte: every entry carries one fixed time, that of
SOURCE_DATE_EPOCH, else of the last commit, and no owner or permissions.

usage: make_zip.py ZIP EXE README LICENSE
"""
import datetime
import hashlib
import os
import pathlib
import subprocess
import sys
import zipfile

ZIP_EPOCH = 315532800  # 1980-01-01, the earliest time a zip entry can hold


def fixed_time():
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        try:
            epoch = subprocess.run(["git", "log", "-1", "--format=%ct"], capture_output=True,
                                   text=True, check=True).stdout.strip()
        except (OSError, subprocess.CalledProcessError):
            epoch = ""
    seconds = max(int(epoch or ZIP_EPOCH), ZIP_EPOCH)
    return datetime.datetime.fromtimestamp(seconds, datetime.timezone.utc).timetuple()[:6]


def main(zip_path, exe, readme, licence):
    files = [("Paperwisp.exe", pathlib.Path(exe).read_bytes()),
             ("README.txt", pathlib.Path(readme).read_bytes()),
             ("LICENSE.txt", pathlib.Path(licence).read_bytes())]
    sums = "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\n" for name, data in files)
    files.append(("SHA256SUMS", sums.encode()))

    when = fixed_time()
    zip_path = pathlib.Path(zip_path)
    zip_path.parent.mkdir(parents=True, exist_ok=True)
    partial = zip_path.with_name(zip_path.name + ".partial")
    with zipfile.ZipFile(partial, "w") as archive:
        for name, data in files:
            entry = zipfile.ZipInfo(name, date_time=when)
            entry.create_system = 0  # MS-DOS: no Unix owner or mode bits
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, data, compresslevel=9)
    partial.replace(zip_path)
    print(f"{zip_path}\n{hashlib.sha256(zip_path.read_bytes()).hexdigest()}  {zip_path.name}")


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])

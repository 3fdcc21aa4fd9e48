"""Small helpers: waiting, paths and window facts."""

import os
import struct
import time
import urllib.parse

from .constants import WS_BORDER, WS_DLGFRAME, WS_THICKFRAME


def canonical_address(address):
    """A web address as Wine's browser launcher hands it on: an empty path
    becomes "/". (The exact address the program passes is a unit test's
    business.)"""
    parts = urllib.parse.urlsplit(address)
    return urllib.parse.urlunsplit(parts._replace(path=parts.path or "/"))


def borderless(info):
    """True if the window described by Driver.info has no caption and no
    frame."""
    return not info["style"] & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)


def client_size(info):
    left, top, right, bottom = info["client"]
    return right - left, bottom - top


def twips_to_pixels(twips, twips_per_pixel=15):
    return twips / twips_per_pixel


class HarnessError(Exception):
    """The harness itself could not do what was asked."""


def wait_until(condition, timeout=5.0, interval=0.05, message="condition"):
    """Polls `condition` until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise TimeoutError(f"timed out after {timeout} s waiting for {message}")
        time.sleep(interval)


def windows_path(unix_path):
    """The path of a host file as Wine's programs see it (drive Z: is /)."""
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


def pe_machine(path):
    """The processor a Windows program is built for: "i686" or "x86_64"."""
    with open(path, "rb") as f:
        header = f.read(4096)
    (pe_offset,) = struct.unpack_from("<I", header, 0x3C)
    signature, machine = struct.unpack_from("<4sH", header, pe_offset)
    machines = {0x014C: "i686", 0x8664: "x86_64"}
    if signature != b"PE\0\0" or machine not in machines:
        raise HarnessError(f"{path} is no 32-bit or 64-bit x86 Windows program")
    return machines[machine]

#!/usr/bin/env python3
"""Checks the resources the program carries: the icon groups and their
fixed image ids, the pictures, the sound, the version record and the
manifest. The resources come either from a built executable or from
compiling the resource script with windres (given the build's generated
directory, which holds the version header and the manifest).

usage: check_resources.py ASSETS_DIR --exe PATH
       check_resources.py ASSETS_DIR --windres WINDRES --include GENERATED_DIR
"""
import argparse
import pathlib
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

RT_ICON, RT_RCDATA, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 10, 14, 16, 24
ENGLISH_US = 1033

ICONS = {  # group id: (window icon's image id, file stem, its size)
    1: (30001, "app_note", 48),
    2: (30002, "controller", 48),
    3: (30003, "small_sheet", 32),
}
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64)  # every group carries each


def icon_images(group_id):
    """[(image id, .icoimg file, size)]: the window icon first, then the
    group's other sizes, each image 30000 + 100 x group + size."""
    image_id, stem, size = ICONS[group_id]
    images = [(image_id, f"{stem}.icoimg", size)]
    images += [(30000 + 100 * group_id + other, f"{stem}_{other}.icoimg", other)
               for other in ICON_SIZES if other != size]
    return images


def icon_image_bytes(size):
    """BITMAPINFOHEADER, 256 colours, 8-bit XOR image, 1-bit AND mask."""
    return 40 + 1024 + size * size + (size + 31) // 32 * 4 * size


PICTURES_AT_100 = {
    201: "note_orange", 202: "note_red", 203: "note_yellow", 204: "note_pink",
    205: "note_blue", 206: "note_green", 210: "close", 211: "emblem",
}
PHOTOGRAPHS_AT_100 = {212: "about", 213: "alert"}
# Each picture also at 200 %, under its id + 2000.
PICTURES = {}
for scale_offset, suffix in ((0, ""), (2000, "_200")):
    PICTURES.update({id + scale_offset: f"{stem}{suffix}.gif" for id, stem in PICTURES_AT_100.items()})
    PICTURES.update({id + scale_offset: f"{stem}{suffix}.jpg"
                     for id, stem in PHOTOGRAPHS_AT_100.items()})
# Per-monitor awareness v2, per-monitor (v1) where v2 is unknown (Windows 10
# 1607), and per-monitor awareness where only the older setting is
# understood (Windows 8.1).
DPI_SETTINGS = {
    "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}dpiAware": "true/pm",
    "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}dpiAwareness":
        "PerMonitorV2, PerMonitor",
}
COMPATIBILITY = "urn:schemas-microsoft-com:compatibility.v1"
SUPPORTED_OS = {
    "Windows 8.1": "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
    "Windows 10 and 11": "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
}
VERSION_STRINGS = {
    "CompanyName": ".", "ProductName": "Vellumia", "FileVersion": "1.00",
    "ProductVersion": "1.00", "InternalName": "Paperwisp", "OriginalFilename": "Paperwisp.exe",
}


def resources_of_exe(path):
    """{(type, name): [(language, bytes)]} from a PE file's resource tree."""
    try:
        import pefile
    except ImportError:
        sys.exit(f"{sys.executable} cannot import pefile, which reading the executable needs:"
                 " install it (Debian: apt-get install python3-pefile; elsewhere:"
                 " python3 -m pip install pefile) or configure with -DPython3_EXECUTABLE=PATH"
                 " naming a Python that has it.")
    pe = pefile.PE(str(path), fast_load=True)
    pe.parse_data_directories(directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    found = {}
    for type_entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        rtype = str(type_entry.name) if type_entry.name is not None else type_entry.id
        for name_entry in type_entry.directory.entries:
            name = str(name_entry.name) if name_entry.name is not None else name_entry.id
            for lang_entry in name_entry.directory.entries:
                data = lang_entry.data.struct
                found.setdefault((rtype, name), []).append(
                    (lang_entry.id, pe.get_data(data.OffsetToData, data.Size)))
    return found


def read_res_id(data, at):
    if struct.unpack_from("<H", data, at)[0] == 0xFFFF:
        return struct.unpack_from("<H", data, at + 2)[0], at + 4
    end = at
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[at:end].decode("utf-16-le"), end + 2


def resources_of_script(windres, assets_dir, generated_dir):
    """Compiles the resource script to a .res file and reads its entries."""
    with tempfile.TemporaryDirectory(prefix="rescheck-") as scratch:
        res = pathlib.Path(scratch) / "Paperwisp.res"
        subprocess.run([windres, "-I", str(generated_dir), "-I", str(assets_dir),
                        str(assets_dir / "Paperwisp.rc"), "-O", "res", "-o", str(res)],
                       check=True)
        data = res.read_bytes()
    found, at = {}, 0
    while at < len(data):
        size, header_size = struct.unpack_from("<II", data, at)
        rtype, p = read_res_id(data, at + 8)
        name, p = read_res_id(data, p)
        p = (p + 3) & ~3
        _, _, language = struct.unpack_from("<IHH", data, p)
        if size:  # the leading empty entry marks a 32-bit .res file
            body = data[at + header_size:at + header_size + size]
            found.setdefault((rtype, name), []).append((language, body))
        at = (at + header_size + size + 3) & ~3
    return found


def parse_version_block(data, at):
    """One node of a VS_VERSIONINFO tree: (key, value bytes, type, children)."""
    length, value_length, kind = struct.unpack_from("<HHH", data, at)
    end = at + length
    key_end = at + 6
    while struct.unpack_from("<H", data, key_end)[0] != 0:
        key_end += 2
    key = data[at + 6:key_end].decode("utf-16-le")
    p = (key_end + 2 + 3) & ~3
    value_bytes = value_length * 2 if kind == 1 else value_length
    value = data[p:min(p + value_bytes, end)]
    p = (p + value_bytes + 3) & ~3
    children = []
    while p < end:
        child = parse_version_block(data, p)
        children.append(child[:4])
        p = (p + child[4] + 3) & ~3
    return key, value, kind, children, length


def text_value(value):
    text = value.decode("utf-16-le", errors="replace")
    return text.split("\0", 1)[0]


class Checker:
    def __init__(self, resources, assets_dir):
        self.resources = resources
        self.assets = assets_dir
        self.failures = []

    def expect(self, condition, message):
        if not condition:
            self.failures.append(message)

    def single(self, rtype, name):
        entries = self.resources.get((rtype, name), [])
        self.expect(len(entries) == 1, f"resource {rtype}/{name}: {len(entries)} copies, want 1")
        if not entries:
            return None
        language, data = entries[0]
        self.expect(language == ENGLISH_US, f"resource {rtype}/{name}: language {language}")
        return data

    def icons(self):
        groups = sorted(n for (t, n) in self.resources if t == RT_GROUP_ICON)
        images = sorted(n for (t, n) in self.resources if t == RT_ICON)
        self.expect(groups == sorted(ICONS), f"icon groups {groups}")
        self.expect(images == sorted(i[0] for g in ICONS for i in icon_images(g)),
                    f"icon images {images}")
        for group_id, (window_image_id, stem, _) in ICONS.items():
            group = self.single(RT_GROUP_ICON, group_id)
            if group is None:
                continue
            expected = icon_images(group_id)
            reserved, kind, count = struct.unpack_from("<HHH", group, 0)
            self.expect((reserved, kind, count) == (0, 1, len(expected)),
                        f"group {group_id}: header {reserved, kind, count}")
            self.expect(len(group) == 6 + 14 * count, f"group {group_id}: {len(group)} bytes")
            for number, (image_id, file, size) in enumerate(expected[:count]):
                entry = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * number)
                self.expect(entry == (size, size, 0, 0, 1, 8, icon_image_bytes(size), image_id),
                            f"group {group_id}: entry {entry}")
                image = self.single(RT_ICON, image_id)
                if image is not None:
                    self.expect(image == (self.assets / "icons" / file).read_bytes(),
                                f"icon {image_id} differs from icons/{file}")
            window_image = self.single(RT_ICON, window_image_id)
            if window_image is not None:
                self.expect(window_image == (self.assets / "icons" / f"{stem}.ico").read_bytes()[22:],
                            f"icon {window_image_id} differs from the image in icons/{stem}.ico")

    def pictures_and_sound(self):
        for name, file in PICTURES.items():
            data = self.single(RT_RCDATA, name)
            self.expect(data == (self.assets / "pictures" / file).read_bytes(),
                        f"picture {name} differs from pictures/{file}")
        sound = self.single("SOUND", 101)
        self.expect(sound == (self.assets / "sound" / "alarm.wav").read_bytes(),
                    "SOUND 101 differs from sound/alarm.wav")

    def version(self):
        data = self.single(RT_VERSION, 1)
        if data is None:
            return
        key, fixed, _, children, _ = parse_version_block(data, 0)
        self.expect(key == "VS_VERSION_INFO", f"version key {key!r}")
        signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed, 0)
        self.expect(signature == 0xFEEF04BD, "fixed version record signature")
        self.expect((file_ms, file_ls) == (0x00010000, 0), f"file version {file_ms:#x}.{file_ls:#x}")
        self.expect((product_ms, product_ls) == (0x00010000, 0),
                    f"product version {product_ms:#x}.{product_ls:#x}")
        blocks = {child[0]: child for child in children}
        tables = blocks.get("StringFileInfo", (None, None, None, []))[3]
        self.expect([t[0].upper() for t in tables] == ["040904B0"],
                    f"string tables {[t[0] for t in tables]}")
        strings = {s[0]: text_value(s[1]) for t in tables for s in t[3]}
        self.expect(strings == VERSION_STRINGS, f"version strings {strings}")
        variables = blocks.get("VarFileInfo", (None, None, None, []))[3]
        translations = [v[1] for v in variables if v[0] == "Translation"]
        self.expect(translations == [struct.pack("<HH", 0x0409, 1200)], f"translation {translations}")

    def manifest(self):
        data = self.single(RT_MANIFEST, 1)
        if data is None:
            return
        root = ElementTree.fromstring(data)
        everything = list(root.iter())
        identity = root.find("{urn:schemas-microsoft-com:asm.v1}assemblyIdentity")
        self.expect(identity is not None and identity.get("version") == "1.0.0.0",
                    "manifest: the program's assembly version 1.0.0.0")
        controls = [e for e in everything if e.tag.endswith("assemblyIdentity")
                    and e.get("name") == "Microsoft.Windows.Common-Controls"]
        self.expect(len(controls) == 1 and controls[0].get("version") == "6.0.0.0",
                    "manifest: Common Controls 6 dependency")
        levels = [e.get("level") for e in everything if e.tag.endswith("requestedExecutionLevel")]
        self.expect(levels == ["asInvoker"], f"manifest: execution level {levels}")
        settings = {e.tag: (e.text or "").strip() for e in everything
                    if e.tag.startswith("{http://schemas.microsoft.com/SMI/")}
        self.expect(settings == DPI_SETTINGS, f"manifest: DPI settings {settings}")
        supported = sorted(e.get("Id").lower() for e in everything
                           if e.tag == f"{{{COMPATIBILITY}}}supportedOS")
        self.expect(supported == sorted(SUPPORTED_OS.values()),
                    f"manifest: supported systems {supported}")


def main(argv):
    parser = argparse.ArgumentParser(usage=__doc__)
    parser.add_argument("assets_dir", type=pathlib.Path)
    source = parser.add_mutually_exclusive_group(required=True)
    source.add_argument("--exe")
    source.add_argument("--windres")
    parser.add_argument("--include", type=pathlib.Path)
    args = parser.parse_args(argv[1:])
    assets_dir = args.assets_dir
    if args.exe:
        resources = resources_of_exe(args.exe)
    elif args.include:
        resources = resources_of_script(args.windres, assets_dir, args.include)
    else:
        parser.error("--windres needs --include GENERATED_DIR")
    checker = Checker(resources, assets_dir)
    checker.icons()
    checker.pictures_and_sound()
    checker.version()
    checker.manifest()
    for failure in checker.failures:
        print("FAIL:", failure)
    if checker.failures:
        return 1
    print(f"{sum(len(v) for v in resources.values())} resources checked")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

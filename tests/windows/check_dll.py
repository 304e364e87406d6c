#!/usr/bin/env python3
"""Reads the Windows plug-in as shipped and checks what the application relies on.

  check_dll.py Zarvo.dll VERSION

A 64-bit DLL, stripped (no symbol table, no debug sections); its export table names exactly
PluginMain; it imports from system DLLs only; its resources hold the property list 16000 (well
formed, with the plug-in's name and entry point), the thirteen tool icons PNGI 16064..16076 (24 by
24 PNG images) and a version resource carrying VERSION. Prints every fault; exits 1 if there is any.
"""
import struct
import sys

SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll", "shell32.dll", "user32.dll"}
RT_VERSION = 16
PIPL_ID = 16000
FIRST_ICON, ICON_COUNT, ICON_SIZE = 16064, 13, 24
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


class Image:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("no DOS header")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        (self.machine, sections, _, self.symbols_at, self.symbol_count, optional_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", data, optional)[0]
        directories = struct.unpack_from("<I", data, optional + 108)[0]
        self.directories = [struct.unpack_from("<II", data, optional + 112 + 8 * i) for i in range(directories)]
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            name, virtual_size, rva, raw_size, raw_at = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((name.rstrip(b"\0").decode("latin-1"), rva, max(virtual_size, raw_size), raw_at))

    def offset(self, rva):
        for _, start, size, raw_at in self.sections:
            if start <= rva < start + size:
                return raw_at + rva - start
        raise ValueError(f"address {rva:#x} is in no section")

    def u16(self, rva):
        return struct.unpack_from("<H", self.data, self.offset(rva))[0]

    def u32(self, rva):
        return struct.unpack_from("<I", self.data, self.offset(rva))[0]

    def text(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("latin-1")

    def bytes(self, rva, size):
        at = self.offset(rva)
        return self.data[at:at + size]


def exports(image):
    rva, size = image.directories[0]
    if not rva or not size:
        return []
    functions, names, name_table = image.u32(rva + 20), image.u32(rva + 24), image.u32(rva + 32)
    return functions, [image.text(image.u32(name_table + 4 * i)) for i in range(names)]


def imports(image):
    rva, _ = image.directories[1]
    found = []
    while rva and image.u32(rva + 12):
        found.append(image.text(image.u32(rva + 12)))
        rva += 20
    return found


def resources(image):
    """{(type, id): bytes}; a named type is its name, a numbered one its number."""
    base, _ = image.directories[2]
    found = {}

    def name_of(entry_name):
        if entry_name & 0x80000000:
            at = base + (entry_name & 0x7FFFFFFF)
            length = image.u16(at)
            return image.bytes(at + 2, 2 * length).decode("utf-16-le")
        return entry_name

    def entries(directory):
        named, numbered = image.u16(directory + 12), image.u16(directory + 14)
        for i in range(named + numbered):
            name, target = image.u32(directory + 16 + 8 * i), image.u32(directory + 20 + 8 * i)
            yield name_of(name), target

    if not base:
        return found
    for rtype, types in entries(base):
        for rid, ids in entries(base + (types & 0x7FFFFFFF)):
            for _, leaf in entries(base + (ids & 0x7FFFFFFF)):
                data_rva, size = image.u32(base + leaf), image.u32(base + leaf + 4)
                found[(rtype, rid)] = image.bytes(data_rva, size)
    return found


def four_chars(data, at):
    # Four-character codes are 32-bit little-endian values.
    return data[at:at + 4][::-1].decode("latin-1")


def check_property_list(pipl, faults):
    try:
        one, version, count = struct.unpack_from("<HII", pipl, 0)
        if (one, version, count) != (1, 0, 4):
            faults.append(f"PIPL {PIPL_ID}: header {one}, {version}, {count}; expected 1, 0, 4")
        at, props = 10, {}
        for _ in range(count):
            vendor, key = four_chars(pipl, at), four_chars(pipl, at + 4)
            pid, length = struct.unpack_from("<II", pipl, at + 8)
            value = pipl[at + 16:at + 16 + length]
            if vendor != "NRVN" or pid != 0 or len(value) != length:
                faults.append(f"PIPL {PIPL_ID}: property '{key}' of vendor '{vendor}', id {pid}, {length} bytes")
            props[key] = value
            at += 16 + (length + 3) // 4 * 4
        if at != len(pipl):
            faults.append(f"PIPL {PIPL_ID}: {len(pipl)} bytes, the properties end at {at}")
        expected = {"kind": b"AEQX", "ivrs": struct.pack("<I", 2), "wx86": b"PluginMain\0\0", "pinm": b"Zarvo\0"}
        if props != expected:
            faults.append(f"PIPL {PIPL_ID}: properties {props}, expected {expected}")
    except (struct.error, UnicodeDecodeError) as e:
        faults.append(f"PIPL {PIPL_ID}: malformed ({e})")


def check_icon(rid, png, faults):
    if png[:8] != PNG_SIGNATURE or png[12:16] != b"IHDR":
        faults.append(f"PNGI {rid}: not a PNG image")
        return
    width, height = struct.unpack_from(">II", png, 16)
    if (width, height) != (ICON_SIZE, ICON_SIZE):
        faults.append(f"PNGI {rid}: {width} by {height}, expected {ICON_SIZE} by {ICON_SIZE}")
    if not png.endswith(b"IEND\xaeB`\x82"):
        faults.append(f"PNGI {rid}: ends without IEND")


def check_version(info, version, faults):
    at = info.find(struct.pack("<I", 0xFEEF04BD))
    if at < 0:
        faults.append("version resource: no fixed file information")
        return
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<IIII", info, at + 8)
    numbers = [int(n) for n in version.split(".")] + [0] * (4 - len(version.split(".")))
    expected = ((numbers[0] << 16) | numbers[1], (numbers[2] << 16) | numbers[3])
    for what, got in (("file", (file_ms, file_ls)), ("product", (product_ms, product_ls))):
        if got != expected:
            shown = f"{got[0] >> 16}.{got[0] & 0xFFFF}.{got[1] >> 16}.{got[1] & 0xFFFF}"
            faults.append(f"version resource: {what} version {shown}, expected {version}")
    for name in ("FileVersion", "ProductVersion"):
        key = (name + "\0").encode("utf-16-le")
        where = info.find(key)
        value_at = (where + len(key) + 3) // 4 * 4
        value = info[value_at:value_at + 2 * (len(version) + 1)]
        if where < 0 or value != (version + "\0").encode("utf-16-le"):
            faults.append(f"version resource: {name} is not \"{version}\"")


def check(path, version):
    with open(path, "rb") as f:
        image = Image(f.read())
    faults = []
    if image.machine != 0x8664 or image.magic != 0x20B or not image.characteristics & 0x2000:
        faults.append("not a 64-bit Windows DLL")
    if image.symbols_at or image.symbol_count:
        faults.append(f"not stripped: {image.symbol_count} symbols")
    debug = [name for name, *_ in image.sections if name.startswith((".debug", "/"))]
    if debug:
        faults.append(f"not stripped: sections {debug}")

    functions, names = exports(image) or (0, [])
    if names != ["PluginMain"] or functions != 1:
        faults.append(f"exports {functions} functions named {names}; expected only PluginMain")

    imported = imports(image)
    foreign = [name for name in imported if name.lower() not in SYSTEM_DLLS]
    if foreign or not imported:
        faults.append(f"imports {imported}; only {sorted(SYSTEM_DLLS)} may be imported")

    found = resources(image)
    if ("PIPL", PIPL_ID) not in found:
        faults.append(f"no PIPL {PIPL_ID}")
    else:
        check_property_list(found[("PIPL", PIPL_ID)], faults)
    icons = sorted(rid for rtype, rid in found if rtype == "PNGI")
    if icons != list(range(FIRST_ICON, FIRST_ICON + ICON_COUNT)):
        faults.append(f"PNGI ids {icons}, expected {FIRST_ICON}..{FIRST_ICON + ICON_COUNT - 1}")
    for rid in icons:
        check_icon(rid, found[("PNGI", rid)], faults)
    if (RT_VERSION, 1) not in found:
        faults.append("no version resource")
    else:
        check_version(found[(RT_VERSION, 1)], version, faults)
    return faults


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        faults = check(argv[1], argv[2])
    except (OSError, ValueError, struct.error) as e:
        faults = [str(e)]
    for fault in faults:
        print(f"{argv[1]}: {fault}")
    if not faults:
        print(f"{argv[1]}: exports PluginMain only, imports system DLLs only, stripped, "
              f"PIPL {PIPL_ID}, {ICON_COUNT} icons, version {argv[2]}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

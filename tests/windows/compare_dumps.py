#!/usr/bin/env python3
"""Compares the JSON dump of a scenario played by the Windows build with the Linux build's.

  compare_dumps.py LINUX.json WINDOWS.json [--preferences FILE]

Objects must have the same names in the same order, arrays the same length, strings, booleans and
nulls must be equal, and numbers may differ by at most 1e-9. With --preferences, FILE is the
preferences file the Windows plug-in left in its profile folder: it must hold exactly the text of
the Linux dump's "preferences" (and be absent where that is null).
Prints every difference with its place in the dump; exits 1 if there is any.
"""
import json
import os
import sys

TOLERANCE = 1e-9


def load(path):
    with open(path, encoding="utf-8") as f:
        # Pairs, not dicts: the order of names counts, and a repeated name must not hide another.
        return json.load(f, object_pairs_hook=lambda pairs: ("object", pairs))


def kind(value):
    if isinstance(value, tuple):
        return "object"
    if isinstance(value, bool):
        return "boolean"
    if isinstance(value, (int, float)):
        return "number"
    if isinstance(value, str):
        return "string"
    if isinstance(value, list):
        return "array"
    return "null"


def compare(a, b, where, differences):
    ka, kb = kind(a), kind(b)
    if ka != kb:
        differences.append(f"{where}: {ka} on Linux, {kb} on Windows")
        return
    if ka == "object":
        names_a = [name for name, _ in a[1]]
        names_b = [name for name, _ in b[1]]
        if names_a != names_b:
            differences.append(f"{where}: names {names_a} on Linux, {names_b} on Windows")
            return
        for (name, va), (_, vb) in zip(a[1], b[1]):
            compare(va, vb, f"{where}.{name}", differences)
    elif ka == "array":
        if len(a) != len(b):
            differences.append(f"{where}: {len(a)} elements on Linux, {len(b)} on Windows")
        for i, (va, vb) in enumerate(zip(a, b)):
            compare(va, vb, f"{where}[{i}]", differences)
    elif ka == "number":
        if abs(a - b) > TOLERANCE:
            differences.append(f"{where}: {a!r} on Linux, {b!r} on Windows")
    elif a != b:
        differences.append(f"{where}: {a!r} on Linux, {b!r} on Windows")


def member(dump, name):
    for key, value in dump[1] if kind(dump) == "object" else []:
        if key == name:
            return value
    return None


def check_preferences(linux, path, differences):
    expected = member(linux, "preferences")
    if expected is None:
        if os.path.exists(path):
            differences.append(f"{path}: written on Windows, but the Linux dump has no preferences")
        return
    if not os.path.exists(path):
        differences.append(f"{path}: not written on Windows")
        return
    with open(path, "rb") as f:
        content = f.read().decode("utf-8", errors="replace")
    if content != expected:
        differences.append(f"{path}: holds {content!r}, the Linux dump {expected!r}")


def main(argv):
    args = argv[1:]
    preferences = None
    if "--preferences" in args:
        i = args.index("--preferences")
        if i + 1 >= len(args):
            print(__doc__, file=sys.stderr)
            return 2
        preferences = args[i + 1]
        del args[i:i + 2]
    if len(args) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    linux, windows = load(args[0]), load(args[1])
    differences = []
    compare(linux, windows, "$", differences)
    if preferences is not None:
        check_preferences(linux, preferences, differences)
    for d in differences[:20]:
        print(f"{args[1]}: {d}")
    if len(differences) > 20:
        print(f"{args[1]}: ... {len(differences) - 20} more differences")
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

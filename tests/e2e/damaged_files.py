"""Damaged files for the tool to load, made from a seed so that every run makes the same ones.

A case is one data folder (the five profile files, the macro library and macro files) and, in
some cases, the two localisation files, each file damaged the way a disk or another program
damages them. Every file of a case carries at least one damage; case.json lists them per file,
and for profile files whose damage leaves the file readable it lists the values a load reads from
them ("read", named as profiledump prints them); after the tool has repaired and applied them the
files must hold what the tool's repair makes of those values.

    python3 damaged_files.py --seed 1 --files 1000 OUTPUT_FOLDER      (ORVANE_BIN and WINEPREFIX set)

makes cases until at least that many damaged files exist, in OUTPUT_FOLDER/case0000, ...
"""
import argparse
import functools
import json
import os
import random

from harness import profiledump

STRINGS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "images", "0409", "strings")

BUTTON_FIELDS = ["ButtonID", "ButtonFunc", "LoopNumber", "KeyNumber"]
STAGE_FIELDS = ["Enabled", "X", "Y", "Linked"]


class Rules:
    """The repair's and the load's rules as the program itself prints them (profiledump --rules),
    so that the files made here follow the tool's own rules."""

    def __init__(self, text):
        self.fields = {}   # integer field: (lowest, highest) value its repair keeps
        self.missing = {}  # value as profiledump names it: what a load reads for an absent key
        self.stage_codes, self.functions = None, []
        for line in text.splitlines():
            kind, *words = line.split()
            if kind == "field":
                self.fields[words[0]] = (int(words[1]), int(words[2]))
            elif kind == "missing":
                self.missing[words[0]] = int(words[1])
            elif kind == "stage-codes":
                self.stage_codes = (int(words[0]), int(words[1]))
            elif kind == "functions":
                self.functions = [int(word) for word in words]

    def sound_value(self, rng, field):
        """A value of the field that its repair keeps, as the files hold it (a signed number)."""
        lowest, highest = self.fields[field]
        return rng.randint(lowest, min(highest, 2 ** 31 - 1))


@functools.lru_cache(maxsize=None)
def rules():
    text = profiledump("--rules")
    if not text:
        raise RuntimeError("profiledump --rules gave no answer")
    return Rules(text)


# Names another program may leave where a file name is expected.
HOSTILE_NAMES = ["..\\..\\escaped", "..\\RSProfile1", "C:\\escaped", "\\\\server\\share\\x", "sub\\name",
                 "a/b", "CON", "NUL", "COM1", "LPT1", "AUX", "PRN.txt", "name:stream", "tab\tname",
                 "*?", "x" * 300, " ", "."]


def struct_text(data):
    return "".join("%02X" % byte for byte in data) + "%02X" % (sum(data) % 256)


class Ini:
    """A file as sections of (key, value) lines, damaged as text before it becomes bytes."""

    def __init__(self):
        self.sections = []  # [name, [[key, value], ...]]

    def section(self, name):
        for entry in self.sections:
            if entry[0] == name:
                return entry[1]
        self.sections.append([name, []])
        return self.sections[-1][1]

    def set(self, section, key, value):
        lines = self.section(section)
        for line in lines:
            if line[0] == key:
                line[1] = str(value)
                return
        lines.append([key, str(value)])

    def remove(self, line):
        for _, lines in self.sections:
            for i, candidate in enumerate(lines):
                if candidate is line:
                    del lines[i]
                    return

    def keys(self):
        return [(name, line) for name, lines in self.sections for line in lines]

    def text(self):
        out = []
        for name, lines in self.sections:
            out.append("[%s]" % name if name is not None else "")
            out.extend(key if value is None else "%s=%s" % (key, value) for key, value in lines)
        return "".join(line + "\r\n" for line in out)


def sound_profile(rng, k, macros):
    """A profile file whose values the tool's repair keeps; Group, which the repair mends only
    when it is missing, as a new mouse has it."""
    values = dict(Group=1 if k == 0 else 0)
    values.update((field, rules().sound_value(rng, field)) for field in rules().fields)
    ini = Ini()
    ini.set("GROUP", "GroupID", 0)
    for name, value in values.items():
        ini.set("GROUP", name, value)
    stages = []
    for s in range(5):
        code, linked = rng.randint(*rules().stage_codes), rng.randint(0, 1)
        stages.append([1, code, code if linked or rng.random() < 0.5 else rng.randint(*rules().stage_codes), linked])
    data = b"".join(v.to_bytes(4, "little", signed=True) for stage in stages for v in stage)
    ini.set("GROUP", "DPIStageValue", struct_text(data))
    buttons = []
    for b in range(8):
        code = 1 if b == 0 else rng.choice(rules().functions)
        name = rng.choice(macros) if code == 11 and macros else ""
        if code == 11 and not name:
            code = 16
        buttons.append({"ButtonID": b + 1, "ButtonFunc": code, "LoopNumber": rng.randint(1, 9), "KeyNumber": 0})
        section = "ButtonAssigned_%d" % (b + 1)
        for key, value in buttons[-1].items():
            ini.set(section, key, value)
        ini.set(section, "MacroName", name)
        ini.set("GROUP", section, struct_text(bytes(189)))
    return ini, values, stages, buttons


def sound_library(rng):
    names = ["Macro%d" % n for n in rng.sample(range(100), rng.randint(0, 5))]
    slots = sorted(rng.sample(range(15), len(names)))
    ini = Ini()
    for slot, name in zip(slots, names):
        ini.set("MACRO_LIST", str(slot), name)
    ini.set("MACRO_LIST", "count", len(names))
    ini.set("Setting", "Device", 1)
    return ini, names


def sound_macro(rng, path):
    ini = Ini()
    count = rng.randint(0, 20)
    events = bytearray(189)
    for e in range(count):
        kind = rng.choice([0x84, 0x04, 0x81, 0x01, 0x06])
        events[3 * e:3 * e + 3] = bytes([kind, rng.randint(0, 255), rng.randint(0, 255) if kind == 6 else 0])
    for key, value in [("MacroFilePath", path), ("LoopTime", rng.randint(1, 255)), ("LoopType", rng.randint(0, 2)),
                       ("DelayType", rng.randint(0, 2)), ("Count", count), ("MacroSetting_0", struct_text(events))]:
        ini.set("Setting", key, value)
    return ini


def sound_strings(name):
    ini = Ini()
    section = None
    with open(os.path.join(STRINGS, name), encoding="utf-8-sig") as source:
        for line in source.read().splitlines():
            if line.startswith("[") and line.endswith("]"):
                section = line[1:-1]
                ini.section(section)
            elif "=" in line and section:
                key, _, value = line.partition("=")
                ini.set(section, key, value)
    return ini


# --- damage done to the text of a file ---

def out_of_range(rng, ini, kind):
    """Integer values outside their range, all plain decimal numbers."""
    changed = {}
    candidates = [(s, line) for s, line in ini.keys()
                  if line[1] is not None and line[1].lstrip("-").isdigit() and len(line[1]) < 12]
    for section, line in rng.sample(candidates, min(len(candidates), rng.randint(1, 4))):
        line[1] = str(rng.choice([-1, -5, 0, 6, 11, 45, 64, 81, 99, 255, 256, 1000, 65536, 2147483647, -2147483648]))
        changed["%s.%s" % (section, line[0])] = int(line[1])
    return changed


def missing_keys(rng, ini, kind):
    keys = ini.keys()
    if not keys:
        return None
    removed = rng.sample(keys, min(len(keys), rng.randint(1, 6)))
    for section, line in removed:
        ini.remove(line)
    return ["%s.%s" % (section, line[0]) for section, line in removed]


def missing_section(rng, ini, kind):
    if not ini.sections:
        return None
    entry = rng.choice(ini.sections)
    ini.sections.remove(entry)
    return entry[0]


def duplicate_section(rng, ini, kind):
    if not ini.sections:
        return None
    name, lines = rng.choice(ini.sections)
    copy = [[key, str(rng.randint(-3, 300)) if value and value.lstrip("-").isdigit() else value]
            for key, value in lines]
    ini.sections.insert(rng.randint(0, len(ini.sections)), [name, copy])
    return name


def duplicate_key(rng, ini, kind):
    if not ini.keys():
        return None
    section, line = rng.choice(ini.keys())
    lines = ini.section(section)
    lines.insert(rng.randint(0, len(lines)), [line[0], str(rng.randint(-3, 300))])
    return "%s.%s" % (section, line[0])


def non_numeric(rng, ini, kind):
    if not ini.keys():
        return None
    section, line = rng.choice(ini.keys())
    line[1] = rng.choice(["abc", "12abc", " 7", "0x10", "+3", "", "--1", "1e9", "９", "3.5", "\u00a0"])
    return "%s.%s" % (section, line[0])


def oversized_value(rng, ini, kind):
    if not ini.keys():
        return None
    section, line = rng.choice(ini.keys())
    line[1] = rng.choice(["9" * rng.randint(12, 5000), "A" * rng.randint(2048, 70000),
                          "-" + "1" * rng.randint(20, 400)])
    return "%s.%s" % (section, line[0])


def oversized_line(rng, ini, kind):
    if not ini.sections:
        return None
    name, lines = rng.choice(ini.sections)
    lines.insert(rng.randint(0, len(lines)), ["".join(rng.choice("xyz=[];") for _ in range(rng.randint(5000, 70000))),
                                              None])
    return name


def damaged_struct(rng, ini, kind):
    """A binary value with a wrong checksum, a wrong length or letters that are not hex digits."""
    structs = [(s, line) for s, line in ini.keys()
               if line[1] and len(line[1]) > 40 and all(c in "0123456789ABCDEF" for c in line[1])]
    if not structs:
        return None
    section, line = rng.choice(structs)
    how = rng.choice(["checksum", "short", "long", "letters", "odd"])
    text = line[1]
    if how == "checksum":
        text = text[:-2] + "%02X" % ((int(text[-2:], 16) + rng.randint(1, 255)) % 256)
    elif how == "short":
        text = text[:-2 * rng.randint(1, 20)]
    elif how == "long":
        text = text + "00" * rng.randint(1, 20)
    elif how == "letters":
        position = rng.randrange(len(text))
        text = text[:position] + rng.choice("GZxg ") + text[position + 1:]
    else:
        text = text[:-1]
    line[1] = text
    return "%s.%s %s" % (section, line[0], how)


def hostile_names(rng, ini, kind):
    """Names with path separators and device names where a macro name goes."""
    placed = []
    for section, line in ini.keys():
        if (kind == "profile" and line[0] == "MacroName") or (kind == "library" and section == "MACRO_LIST"
                                                               and line[0] != "count"):
            line[1] = rng.choice(HOSTILE_NAMES)
            placed.append(line[1])
    if kind == "profile":
        button = "ButtonAssigned_%d" % rng.randint(2, 8)
        ini.set(button, "ButtonFunc", 11)
        ini.set(button, "MacroName", rng.choice(HOSTILE_NAMES))
        ini.set(button, "KeyNumber", rng.randint(0, 20))
    if kind == "library":
        for slot in rng.sample(range(15), 3):
            ini.set("MACRO_LIST", str(slot), rng.choice(HOSTILE_NAMES))
            placed.append(ini.section("MACRO_LIST")[-1][1])
    return placed or None


TEXT_DAMAGE = {
    "out_of_range": out_of_range, "missing_keys": missing_keys, "missing_section": missing_section,
    "duplicate_section": duplicate_section, "duplicate_key": duplicate_key, "non_numeric": non_numeric,
    "oversized_value": oversized_value, "oversized_line": oversized_line, "damaged_struct": damaged_struct,
    "hostile_names": hostile_names,
}


# --- damage done to the bytes of a file ---

def encoded(text, encoding):
    if encoding == "utf-16-bom":
        return b"\xff\xfe" + text.encode("utf-16-le")
    if encoding == "utf-16-be-bom":
        return b"\xfe\xff" + text.encode("utf-16-be")
    if encoding == "utf-16-no-bom":
        return text.encode("utf-16-le")
    if encoding == "utf-8-bom":
        return b"\xef\xbb\xbf" + text.encode("utf-8")
    if encoding == "8-bit":
        return text.encode("cp1252", errors="replace")
    return text.encode("ascii", errors="replace")


def byte_damage(rng, data, how):
    if how == "truncated":
        return data[:rng.randint(0, max(0, len(data) - 1))]
    if how == "binary":
        return bytes(rng.randint(0, 255) for _ in range(rng.randint(1, 4096)))
    if how == "binary_splice":
        position = rng.randint(0, len(data))
        return data[:position] + bytes(rng.randint(0, 255) for _ in range(rng.randint(1, 64))) + data[position:]
    if how == "empty":
        return b""
    if how == "nul_bytes":
        out = bytearray(data)
        for _ in range(rng.randint(1, 8)):
            if out:
                out[rng.randrange(len(out))] = 0
        return bytes(out)
    if how == "no_line_ends":
        return data.replace(b"\r\n", b"\r") if rng.random() < 0.5 else data.replace(b"\r\n", b"\n")
    return data


BYTE_DAMAGE = ["truncated", "binary", "binary_splice", "empty", "nul_bytes", "no_line_ends"]
ENCODINGS = ["utf-16-bom", "utf-16-be-bom", "utf-16-no-bom", "utf-8-bom", "8-bit"]


def damage(rng, ini, kind, readable=False):
    """Damages a file; returns its bytes and the list of damages. A readable damage keeps the file
    parseable with every value where it was, so its expected values can be worked out."""
    done = []
    if readable:
        done.append(["out_of_range", out_of_range(rng, ini, kind)])
        if rng.random() < 0.5:
            done.append(["missing_keys", missing_keys(rng, ini, kind)])
        encoding = rng.choice(["ascii", "utf-16-bom", "8-bit"])
        if encoding != "ascii":
            done.append(["encoding", encoding])
        return encoded(ini.text(), encoding), done
    for name in rng.sample(sorted(TEXT_DAMAGE), rng.randint(0, 3)):
        result = TEXT_DAMAGE[name](rng, ini, kind)
        if result is not None:
            done.append([name, result])
    encoding = rng.choice(["ascii"] * 3 + ENCODINGS)
    if encoding != "ascii":
        done.append(["encoding", encoding])
    data = encoded(ini.text(), encoding)
    if not done or rng.random() < 0.4:
        how = rng.choice(BYTE_DAMAGE)
        data = byte_damage(rng, data, how)
        done.append([how, None])
    return data, done


def read_profile(k, values, stages, buttons, damages):
    """The values a load reads from a readable damaged profile file, before any repair."""
    read = {"%d.%s" % (k + 1, field): value for field, value in values.items()}
    for s, stage in enumerate(stages):
        read.update(("%d.stage%d.%s" % (k + 1, s + 1, field), value) for field, value in zip(STAGE_FIELDS, stage))
    for b, button in enumerate(buttons):
        read.update(("%d.button%d.%s" % (k + 1, b + 1, field), button[field]) for field in BUTTON_FIELDS)

    def place(key, value):
        section, _, field = key.partition(".")
        if section == "GROUP" and field in values:
            name = "%d.%s" % (k + 1, field)
            read[name] = rules().missing[name] if value is None else value
        elif section == "GROUP" and field == "DPIStageValue" and value is None:
            read.update((name, rules().missing[name]) for name in
                        ("%d.stage%d.%s" % (k + 1, s + 1, field) for s in range(5) for field in STAGE_FIELDS))
        elif section.startswith("ButtonAssigned_") and field in BUTTON_FIELDS:
            name = "%d.button%s.%s" % (k + 1, section.rsplit("_", 1)[1], field)
            read[name] = rules().missing[name] if value is None else value & 0xFF

    for name, detail in damages:
        if name == "out_of_range":
            for key, value in detail.items():
                place(key, value)
        elif name == "missing_keys":
            for key in detail:
                place(key, None)
    return read


def make_case(rng, folder):
    data = os.path.join(folder, "data")
    macro_folder = os.path.join(data, "MacroDB")
    os.makedirs(macro_folder)
    record = {"files": {}, "read": {}}

    def write(relative, content, damages):
        with open(os.path.join(folder, relative), "wb") as out:
            out.write(content)
        record["files"][relative.replace(os.sep, "/")] = damages

    library, macros = sound_library(rng)
    for name in macros:
        path = "C:\\users\\Documents\\Orvane\\MacroDB\\%s.MSMACRO" % name
        content, damages = damage(rng, sound_macro(rng, path), "macro")
        write(os.path.join("data", "MacroDB", name + ".MSMACRO"), content, damages)
    content, damages = damage(rng, library, "library")
    write(os.path.join("data", "MacroDB", "MacroSet.MSDB"), content, damages)

    readable = rng.sample(range(5), rng.randint(1, 3))
    for k in range(5):
        ini, values, stages, buttons = sound_profile(rng, k, macros)
        content, damages = damage(rng, ini, "profile", readable=k in readable)
        write(os.path.join("data", "RSProfile%d.pfd" % (k + 1)), content, damages)
        if k in readable:
            record["read"].update(read_profile(k, values, stages, buttons, damages))

    if rng.random() < 0.3:
        os.makedirs(os.path.join(folder, "strings"))
        for name in ("skins.ini", "general.ini"):
            content, damages = damage(rng, sound_strings(name), "strings")
            write(os.path.join("strings", name), content, damages)
    with open(os.path.join(folder, "case.json"), "w", encoding="utf-8") as out:
        json.dump(record, out, indent=1, ensure_ascii=True)
    return len(record["files"])


def make_corpus(seed, files, output):
    """Makes cases until `files` damaged files exist; returns the case folders."""
    rng = random.Random(seed)
    made, cases = 0, []
    while made < files:
        folder = os.path.join(output, "case%04d" % len(cases))
        made += make_case(rng, folder)
        cases.append(folder)
    return cases


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--files", type=int, default=1000)
    parser.add_argument("output")
    arguments = parser.parse_args()
    cases = make_corpus(arguments.seed, arguments.files, arguments.output)
    print("%d cases in %s" % (len(cases), arguments.output))


if __name__ == "__main__":
    main()

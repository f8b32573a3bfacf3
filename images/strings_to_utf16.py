"""Writes the localisation files for the tool: UTF-16 LE with a byte-order mark and CRLF line
ends, which the wide private-profile functions read as Unicode on every Windows. The sources in
the repository stay UTF-8 so that their diffs are readable.

    strings_to_utf16.py SOURCE_FOLDER TARGET_FOLDER
"""
import pathlib
import sys

source, target = (pathlib.Path(folder) for folder in sys.argv[1:3])
target.mkdir(parents=True, exist_ok=True)
for ini in sorted(source.glob("*.ini")):
    lines = ini.read_text(encoding="utf-8-sig").splitlines()
    text = "\ufeff" + "".join(line + "\r\n" for line in lines)
    (target / ini.name).write_bytes(text.encode("utf-16-le"))

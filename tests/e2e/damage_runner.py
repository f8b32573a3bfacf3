"""Loads each case of damaged files (damaged_files.py) into the real tool and reports what went
wrong: the tool is started on the case's data folder and texts, every step of STEPS is taken,
and the tool is closed. A case passes when the tool neither crashed nor hung, the applied
profile files hold repaired values (and the exact values the case expects), and nothing was
written outside the data folder.

    python3 damage_runner.py CASE_FOLDER...     (ORVANE_BIN, WINEPREFIX and DISPLAY set)
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

from harness import (BIN, EDITOR_SIZE, MACRO_ROWS, SERVICE_TITLE, TITLE, WARNING_SIZE, WM_CLOSE, Window, click_screen,
                     count_windows, pick_from_macro_menu, point_documents_at, profiledump, wait_for_window,
                     wait_until, wait_until_gone, wine, xdotool)

WM_NULL = 0x0000
HANG_SECONDS = 30
MACRO_FUNCTION, MACRO_GONE_FUNCTION = 11, 16

# Client points of the controls used here: a case's damaged texts may have changed the window texts
# the other tests find them by. The main window's page tabs and Apply, the warning box's OK, the
# macro editor's Cancel.
PAGE_TABS = [(430, 100), (570, 100), (710, 100)]
APPLY = (465, 665)
WARNING_OK = (181, 232)
EDITOR_CANCEL = (661, 528)


def open_every_page(runner, window):
    for point in PAGE_TABS:
        window.click(*point)
        runner.check_alive("page %s" % (point,))


def open_macro_editor(runner, window):
    """Opens the macro editor from the macro sub-menu of a button's function menu, clicks every
    row of its macro list (each click loads that macro's file) and closes it with Cancel."""
    def shown(size):
        dialog = window.shown_dialog()
        return dialog if dialog and (dialog["width"], dialog["height"]) == size else None

    window.click(*PAGE_TABS[0])
    # A choice for the one button left on the primary click brings a warning instead; then the
    # first row's button is free.
    for row in (1, 0):
        pick_from_macro_menu(window, row, 0)
        if not wait_until(lambda: shown(EDITOR_SIZE) or shown(WARNING_SIZE), 10):
            runner.problem("the macro sub-menu's editor entry opened nothing")
            return
        runner.check_alive("the macro editor's entry")
        editor = shown(EDITOR_SIZE)
        if editor:
            break
        warning = shown(WARNING_SIZE)
        if warning:
            click_screen(warning["x"] + WARNING_OK[0], warning["y"] + WARNING_OK[1])
        wait_until(lambda: window.shown_dialog() is None, 10)
    else:
        runner.problem("the macro editor did not open")
        return
    clicks = []
    for x, y in MACRO_ROWS:
        clicks += ["mousemove", "--sync", editor["x"] + x, editor["y"] + y, "click", "1", "sleep", "0.1"]
    xdotool(*clicks)
    runner.check_alive("the macro editor's macros selected")
    click_screen(editor["x"] + EDITOR_CANCEL[0], editor["y"] + EDITOR_CANCEL[1])
    if not wait_until(lambda: window.shown_dialog() is None, 10):
        runner.problem("the macro editor did not close")
    runner.check_alive("the macro editor closed")


def apply(runner, window):
    before = runner.applies()
    window.click(*APPLY)
    if not wait_until(lambda: runner.applies() > before, 20):
        runner.problem("the apply did not reach the device service")
    elif not wait_until(lambda: runner.apply_enabled(window), 20):
        runner.problem("the bottom row stayed locked after the apply")
    runner.check_alive("apply")


# What is done with the tool on each case's files, in order.
STEPS = [open_every_page, open_macro_editor, apply]


def snapshot(folder, skip=()):
    """Every file below `folder` with its size and time, except the folders named in `skip`."""
    files = {}
    for path, folders, names in os.walk(folder):
        folders[:] = [name for name in folders if os.path.join(path, name) not in skip]
        for name in names:
            full = os.path.join(path, name)
            try:
                status = os.lstat(full)
            except OSError:
                continue
            files[full] = (status.st_size, status.st_mtime_ns)
    return files


class DamageRunner:
    def __init__(self, work):
        """`work` is a folder of the runner's own: the tool is copied into it so that damaged
        texts can be put beside it."""
        self.work = work
        self.tool_folder = os.path.join(work, "tool")
        shutil.copytree(BIN, self.tool_folder)
        self.strings = os.path.join(self.tool_folder, "images", "0409", "strings")
        self.sound_strings = {}
        for name in ("skins.ini", "general.ini"):
            with open(os.path.join(self.strings, name), "rb") as sound:
                self.sound_strings[name] = sound.read()
        self.drive_c = os.path.join(os.environ["WINEPREFIX"], "drive_c")
        self.problems = []
        self.process = None

    # --- what a step may ask ---

    def problem(self, text):
        self.problems.append(text)

    def applies(self):
        log = os.path.join(self.data_folder, "hid-simulator.log")
        if not os.path.exists(log):
            return 0
        with open(log, encoding="utf-8", errors="replace") as lines:
            return sum("received WM_SERVICE_APPLY" in line for line in lines)

    def apply_enabled(self, window):
        button = window.child_at(APPLY)
        return bool(button and button["enabled"])

    def check_alive(self, after):
        """The tool still runs and answers; a loaded machine may keep it busy for a while, a hung
        tool does not answer at all."""
        if self.process.poll() is not None or not count_windows(TITLE):
            raise CaseEnded("the tool ended after %s (exit code %s)" % (after, self.process.poll()))
        if not wait_until(lambda: Window(TITLE).send(WM_NULL) is not None, HANG_SECONDS):
            raise CaseEnded("the tool did not answer for %d s after %s" % (HANG_SECONDS, after))

    # --- one case ---

    def run_case(self, case):
        """The problems of one case folder, empty when it passed."""
        self.problems = []
        documents = tempfile.mkdtemp(prefix="docs-", dir=self.work)
        self.data_folder = os.path.join(documents, "Orvane")
        shutil.copytree(os.path.join(case, "data"), self.data_folder)
        point_documents_at(documents)
        for name, sound in self.sound_strings.items():
            damaged = os.path.join(case, "strings", name)
            if os.path.exists(damaged):
                with open(damaged, "rb") as source:
                    sound = source.read()
            self.write_strings(name, sound)
        before = self.outside_data(documents)
        try:
            self.use_tool()
        except CaseEnded as ended:
            self.problem(str(ended))
        finally:
            self.end_tool()
        self.check_profiles(case)
        after = self.outside_data(documents)
        written = sorted(path for path in after if before.get(path) != after[path])
        if written:
            self.problem("written outside the data folder: %s" % written[:5])
        shutil.rmtree(documents, ignore_errors=True)
        return self.problems

    def use_tool(self):
        self.process = subprocess.Popen(["wine", os.path.join(self.tool_folder, "OrvaneCfg.exe")],
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        if not wait_for_window(TITLE, 60):
            raise CaseEnded("the tool's window did not appear")
        if not wait_for_window(SERVICE_TITLE, 60):
            raise CaseEnded("the device simulator did not start")
        window = Window(TITLE)
        self.check_alive("start")
        # A damaged library may have lost the device flag: the mouse is plugged in again.
        if not self.apply_enabled(window):
            wine(os.path.join(self.tool_folder, "hid.exe"), "present")
            if not wait_until(lambda: self.apply_enabled(window), 10):
                self.problem("the device shows absent after the simulator reported it present")
        for step in STEPS:
            step(self, window)

    def end_tool(self):
        if self.process and self.process.poll() is None:
            Window(TITLE).post(WM_CLOSE)
            if not wait_until_gone(TITLE, 20):
                self.problem("the tool did not close")
            try:
                self.process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=10)

    def outside_data(self, documents):
        files = snapshot(documents, skip={self.data_folder})
        files.update(snapshot(self.tool_folder, skip={self.strings}))
        users = os.path.join(self.drive_c, "users")
        skip = {os.path.join(self.drive_c, "windows")}
        skip.update(os.path.join(users, user, "AppData") for user in os.listdir(users))
        files.update(snapshot(self.drive_c, skip=skip))
        return files

    def check_profiles(self, case):
        """The applied files, as the next load reads them: every value one the tool's controls
        could have set (the tool's own repair leaves it as it is), and what the repair makes of
        the values the case's readable files held."""
        values = parse_values(profiledump() or "")
        if not values:
            self.problem("the profile files could not be read back")
            return
        sound = repaired_values(values)
        if sound is None:
            self.problem("profiledump --repair gave no whole answer")
            return
        for name, value in sorted(values.items()):
            if sound.get(name) != value:
                self.problem("%s %d breaks the rule (the repair makes it %s)" % (name, value, sound.get(name)))
        with open(os.path.join(case, "case.json"), encoding="utf-8") as record:
            read = json.load(record)["read"]
        expected = repaired_values(read)
        if expected is None:
            self.problem("profiledump --repair gave no whole answer")
            return
        for name in sorted(read):
            # A macro button takes its macro's slot, and falls back to the function of code 16
            # when the library (the case may have damaged it) does not list its macro.
            if name.endswith(".KeyNumber"):
                continue
            if name.endswith(".ButtonFunc") and (expected[name], values.get(name)) == (MACRO_FUNCTION,
                                                                                       MACRO_GONE_FUNCTION):
                continue
            if values.get(name) != expected[name]:
                self.problem("%s is %s, expected %s" % (name, values.get(name), expected[name]))

    def close(self):
        """Ends the simulator the tool started and puts back the sound texts."""
        if count_windows(SERVICE_TITLE):
            wine(os.path.join(self.tool_folder, "hid.exe"), "quit")
            wait_until_gone(SERVICE_TITLE, 10)
        for name, sound in self.sound_strings.items():
            self.write_strings(name, sound)

    def write_strings(self, name, content):
        with open(os.path.join(self.strings, name), "wb") as target:
            target.write(content)


def parse_values(out):
    """The "name value" lines of profiledump's output; any other line is left out."""
    values = {}
    for line in out.splitlines():
        parts = line.split()
        if len(parts) == 2 and parts[1].lstrip("-").isdigit():
            values[parts[0]] = int(parts[1])
    return values


def repaired_values(values):
    """What the tool's repair makes of a set of "name value" pairs (profiledump --repair), or None
    when the program gave no whole answer."""
    text = "".join("%s %d\n" % item for item in sorted(values.items()))
    out = profiledump("--repair", text=text, complete=lambda out: all(name in parse_values(out) for name in values))
    return parse_values(out) if out is not None else None


class CaseEnded(Exception):
    """The tool crashed, hung or never came up: the rest of the case cannot be done."""


def run_cases(cases, work, report=print):
    """Runs every case; returns {case folder: problems} of the cases that failed."""
    runner = DamageRunner(work)
    failed = {}
    try:
        for number, case in enumerate(cases, 1):
            started = time.monotonic()
            problems = runner.run_case(case)
            if problems:
                failed[case] = problems
            report("%4d/%d %s %s (%.0f s)%s" % (number, len(cases), os.path.basename(case),
                                                "FAILED" if problems else "passed", time.monotonic() - started,
                                                "".join("\n       " + problem for problem in problems)))
    finally:
        runner.close()
    return failed


def main():
    cases = sorted(sys.argv[1:])
    work = tempfile.mkdtemp(prefix="orvane-damage-")
    try:
        failed = run_cases(cases, work, report=lambda line: print(line, flush=True))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    files = sum(len(json.load(open(os.path.join(case, "case.json")))["files"]) for case in cases)
    print("%d cases, %d damaged files: %d cases passed, %d failed" % (len(cases), files, len(cases) - len(failed),
                                                                       len(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

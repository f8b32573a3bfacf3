"""The command line OrvaneCtl.exe against the device simulator: what each command writes, its JSON
output against the README's schema, bad input, the tool's window open, export and import."""
import copy
import glob
import json
import os
import re
import subprocess
import tempfile
import unittest

from harness import (BIN, SERVICE, SERVICE_TITLE, ToolTestCase, read_ini, stop_service, wait_for_window,
                     wait_until)

CTL = os.path.join(BIN, "OrvaneCtl.exe")
README = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "README.md")
STAGE_DEFAULTS = [8, 16, 24, 40, 80]


def struct_text(data):
    """How the private-profile functions write a binary value: hex bytes, then their sum."""
    return "".join("%02X" % byte for byte in data) + "%02X" % (sum(data) & 0xFF)


def stage_text(stages):
    """DPIStageValue of (enabled, x, y, linked) stages, four little-endian int32 each."""
    data = b"".join(value.to_bytes(4, "little", signed=True) for stage in stages for value in stage)
    return struct_text(data)


def key_text(*data):
    block = list(data) + [0] * (189 - len(data))
    return struct_text(block)


FACTORY_STAGES = [(1, code, code, 1) for code in STAGE_DEFAULTS]

# Each command, and the values it changes: {profile: {section: {key: value}}}; GROUPID stands for
# the key GroupID of every file.
COMMANDS = [
    (["switch", "3"], {p: {"GROUP": {"GroupID": "2"}} for p in range(1, 6)}),
    (["set", "2", "polling", "1000"], {2: {"GROUP": {"PollingRate": "1"}}}),
    (["set", "2", "polling", "125"], {2: {"GROUP": {"PollingRate": "8"}}}),
    (["set", "2", "acceleration", "3"], {2: {"GROUP": {"Acceleration": "3"}}}),
    (["set", "2", "sensitivity", "15"], {2: {"GROUP": {"MouseSensitivity": "15"}}}),
    (["set", "2", "scroll-lines", "7"], {2: {"GROUP": {"WheelScrollLines": "7"}}}),
    (["set", "2", "double-click", "8"], {2: {"GROUP": {"DoubleClickSpeed": "8"}}}),
    (["set", "2", "colour", "00FF80"], {2: {"GROUP": {"LedColor1": str(0x80FF00)}}}),
    (["set", "2", "brightness", "High"], {2: {"GROUP": {"LedState1": "3"}}}),
    (["set", "2", "speed", "Fast"], {2: {"GROUP": {"FlashState1": "1"}}}),
    (["set", "2", "direction", "Reverse"], {2: {"GROUP": {"LedDirect1": "1"}}}),
    (["set", "2", "lighting", "breathing"], {2: {"GROUP": {"LedMode1": "1"}}}),
    (["set", "2", "speed", "Slow"], {2: {"GROUP": {"BreathState1": "8"}}}),
    (["set", "4", "stage", "3", "xy", "1200"],
     {4: {"GROUP": {"DPIStageValue": stage_text(FACTORY_STAGES[:2] + [(1, 12, 12, 1)] + FACTORY_STAGES[3:])}}}),
    (["set", "4", "stage", "3", "unlinked"],
     {4: {"GROUP": {"DPIStageValue": stage_text(FACTORY_STAGES[:2] + [(1, 12, 12, 0)] + FACTORY_STAGES[3:])}}}),
    (["set", "4", "stage", "3", "y", "8000"],
     {4: {"GROUP": {"DPIStageValue": stage_text(FACTORY_STAGES[:2] + [(1, 12, 80, 0)] + FACTORY_STAGES[3:])}}}),
    (["set", "4", "stage", "5", "off"],
     {4: {"GROUP": {"DPIStageValue": stage_text(FACTORY_STAGES[:2] + [(1, 12, 80, 0)] + FACTORY_STAGES[3:4] +
                                                 [(0, 80, 80, 1)])}}}),
    (["set", "5", "button", "2", "DPI up"], {5: {"ButtonAssigned_2": {"ButtonFunc": "48"}}}),
    (["set", "5", "button", "3", "key", "F5"],
     {5: {"ButtonAssigned_3": {"ButtonFunc": "6"}, "GROUP": {"ButtonAssigned_3": key_text(0x3E)}}}),
    (["set", "5", "button", "4", "keys", "Ctrl+C"],
     {5: {"ButtonAssigned_4": {"ButtonFunc": "7", "ButtonID": "1", "KeyNumber": "4"},
          "GROUP": {"ButtonAssigned_4": key_text(0xE0, 5, 0x80, 0x06, 5, 0x80, 0x06, 5, 0, 0xE0, 5, 0)}}}),
    (["set", "5", "button", "5", "macro", "Combo"],
     {5: {"ButtonAssigned_5": {"ButtonFunc": "11", "KeyNumber": "0", "LoopNumber": "3", "MacroName": "Combo"}}}),
    (["set", "5", "button", "6", "fire", "Right", "10", "20"],
     {5: {"ButtonAssigned_6": {"ButtonFunc": "12", "LoopNumber": "10", "MacroName": "20"},
          "GROUP": {"ButtonAssigned_6": key_text(0xF1)}}}),
    (["set", "5", "button", "1", "Right click"], None),  # refused below: button 1 keeps Left click
    (["set", "5", "button", "2", "Left click"], {5: {"ButtonAssigned_2": {"ButtonFunc": "1"}}}),
    (["set", "5", "button", "1", "Middle click"], {5: {"ButtonAssigned_1": {"ButtonFunc": "3"}}}),
]


def validate(value, schema, where="$"):
    """The JSON Schema keywords the README's schemas use: type, properties, required,
    additionalProperties, items, enum, minimum, maximum, minItems, maxItems."""
    types = {"object": dict, "array": list, "string": str, "boolean": bool, "integer": int}
    expected = schema.get("type")
    if expected:
        ok = isinstance(value, types[expected]) and not (expected == "integer" and isinstance(value, bool))
        assert ok, "%s: %r is not %s" % (where, value, expected)
    if "enum" in schema:
        assert value in schema["enum"], "%s: %r not in %r" % (where, value, schema["enum"])
    if "minimum" in schema:
        assert value >= schema["minimum"], "%s: %r below %r" % (where, value, schema["minimum"])
    if "maximum" in schema:
        assert value <= schema["maximum"], "%s: %r above %r" % (where, value, schema["maximum"])
    if isinstance(value, dict):
        for key in schema.get("required", []):
            assert key in value, "%s: %s missing" % (where, key)
        properties = schema.get("properties", {})
        for key, item in value.items():
            if key in properties:
                validate(item, properties[key], where + "." + key)
            else:
                assert schema.get("additionalProperties", True), "%s: %s is not in the schema" % (where, key)
    if isinstance(value, list):
        assert len(value) >= schema.get("minItems", 0), "%s: too few items" % where
        assert len(value) <= schema.get("maxItems", len(value)), "%s: too many items" % where
        for index, item in enumerate(value):
            validate(item, schema.get("items", {}), "%s[%d]" % (where, index))


def readme_schemas():
    """The JSON schemas of the README's command-line section, by command."""
    with open(README, encoding="utf-8") as handle:
        text = handle.read()
    schemas = {}
    for command, block in re.findall(r"Schema of `OrvaneCtl (\w+) --json`.*?:\s*```json\n(.*?)```", text, re.S):
        schemas[command] = json.loads(block)
    return schemas


class CtlCase(ToolTestCase):
    """The simulator's factory profiles and a macro library of two macros."""

    def setUp(self):
        super().setUp()
        self.assertTrue(os.path.exists(CTL), "OrvaneCtl.exe is not built")
        macros = os.path.join(self.data_folder, "MacroDB")
        os.makedirs(macros)
        with open(os.path.join(macros, "MacroSet.MSDB"), "w", newline="\r\n") as library:
            library.write("[MACRO_LIST]\n0=Combo\n1=Hold me\n")
        events = [0x04, 5, 0x80, 0x04, 5, 0]
        with open(os.path.join(macros, "Combo.MSMACRO"), "w", newline="\r\n") as macro:
            macro.write("[Setting]\nLoopTime=3\nLoopType=0\nDelayType=2\nCount=2\nMacroSetting_0=%s\n"
                        % struct_text(events + [0] * (189 - len(events))))
        with open(os.path.join(macros, "Hold me.MSMACRO"), "w", newline="\r\n") as macro:
            macro.write("[Setting]\nLoopTime=1\nLoopType=1\nDelayType=2\n")
        self.start(SERVICE)
        self.assertTrue(wait_for_window(SERVICE_TITLE, 60), "the device simulator did not start")
        self.assertTrue(wait_until(lambda: "wrote factory profiles" in self.service_log()), self.service_log())

    def ctl(self, *args):
        result = subprocess.run(["wine", CTL, *args], stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
        return result.returncode, result.stdout.decode("utf-8"), result.stderr.decode("utf-8", "replace")

    def profiles(self):
        return {p: read_ini(os.path.join(self.data_folder, "RSProfile%d.pfd" % p)) for p in range(1, 6)}

    def files(self):
        """Every file of the data folder but the simulator's log, as bytes."""
        contents = {}
        for folder, _, names in os.walk(self.data_folder):
            for name in names:
                if name != "hid-simulator.log":
                    with open(os.path.join(folder, name), "rb") as handle:
                        contents[os.path.join(folder, name)] = handle.read()
        return contents

    def wait_for_applies(self, count):
        self.assertTrue(wait_until(lambda: len(self.applies()) >= count), self.service_log())
        self.assertIn("complete-files=5", self.applies()[-1])


class CtlCommandsTest(CtlCase):
    def test_each_command_changes_exactly_the_values_it_names_and_applies(self):
        applies = len(self.applies())
        for args, changes in COMMANDS:
            before = self.profiles()
            status, output, error = self.ctl(*args)
            if changes is None:
                self.assertEqual(2, status, args)
                self.assertIn("Left click", error)
                self.assertEqual(before, self.profiles(), args)
                continue
            self.assertEqual(0, status, "%s: %s" % (args, error))
            self.assertIn("saved and applied", output)
            applies += 1
            self.wait_for_applies(applies)
            expected = copy.deepcopy(before)
            for profile, sections in changes.items():
                for section, values in sections.items():
                    expected[profile][section].update(values)
            self.assertEqual(expected, self.profiles(), args)
        self.assertIn("active-profile=3", self.applies()[-1])

    def test_resets_give_factory_settings(self):
        for args in (["set", "2", "polling", "1000"], ["set", "2", "button", "3", "key", "A"], ["switch", "4"]):
            self.assertEqual(0, self.ctl(*args)[0], args)
        factory = read_ini(os.path.join(self.data_folder, "RSProfile2.pfd"))
        status, _, error = self.ctl("reset", "2")
        self.assertEqual(0, status, error)
        profile = read_ini(os.path.join(self.data_folder, "RSProfile2.pfd"))
        self.assertEqual("2", profile["GROUP"]["PollingRate"])
        self.assertEqual("3", profile["ButtonAssigned_3"]["ButtonFunc"])
        self.assertEqual("3", profile["GROUP"]["GroupID"], "reset keeps the active profile")
        self.assertNotEqual(factory, profile)

        status, output, error = self.ctl("reset", "all")
        self.assertEqual(0, status, error)
        for p, values in self.profiles().items():
            self.assertEqual("0", values["GROUP"]["GroupID"], p)
        self.wait_for_applies(5)
        self.assertIn("active-profile=1", self.applies()[-1])

    def test_export_then_import_gives_back_the_same_profile(self):
        for args in (["set", "3", "polling", "250"], ["set", "3", "stage", "2", "xy", "3200"],
                     ["set", "3", "button", "4", "keys", "Shift+Alt+F2"], ["set", "3", "button", "5", "macro", "Combo"],
                     ["set", "3", "lighting", "Reactive"], ["set", "3", "colour", "123456"]):
            self.assertEqual(0, self.ctl(*args)[0], args)
        before = self.profiles()
        exported = os.path.join(tempfile.mkdtemp(prefix="orvane-ctl-", dir=self.documents), "backup.pfd")
        status, _, error = self.ctl("export", "3", exported)
        self.assertEqual(0, status, error)
        self.assertEqual(before, self.profiles(), "export writes no profile file")
        self.assertEqual(0, self.ctl("reset", "3")[0])
        self.assertNotEqual(before[3], self.profiles()[3])

        status, output, error = self.ctl("import", "3", exported)

        self.assertEqual(0, status, error)
        self.assertEqual(before, self.profiles())

    def test_without_a_service_the_files_are_saved_and_it_says_so(self):
        stop_service()
        status, output, error = self.ctl("switch", "2")
        self.assertEqual(0, status, error)
        self.assertIn("no device service", output)
        self.assertEqual("1", self.profiles()[5]["GROUP"]["GroupID"])

    def test_list_show_and_macros_as_text(self):
        self.assertEqual(0, self.ctl("set", "1", "button", "3", "keys", "Ctrl+C")[0])
        status, output, _ = self.ctl("list")
        self.assertEqual(0, status)
        self.assertEqual(5, len(output.splitlines()))
        self.assertTrue(output.startswith("* 1  DPI 800 1600 2400 4000 8000  polling 500 Hz"), output)
        status, output, _ = self.ctl("show")
        self.assertEqual(0, status)
        for line in ("Profile 1 (active)", "  button 1: Left click", "  button 3: Ctrl + C", "  button 6: DPI up",
                     "  button 8: Rapid fire", "  stage 5: X 8000, Y 8000, linked, on", "Polling rate: 500 Hz",
                     "Lighting: Flashing, colour FF0000, brightness Medium, speed Medium, direction Forward"):
            self.assertIn(line, output.splitlines())
        status, output, _ = self.ctl("macros")
        self.assertEqual(["0  Combo  2 events, repeat count 3", "1  Hold me  0 events, repeat while held"],
                         output.splitlines())

    def test_json_output_follows_the_readme_schemas(self):
        self.assertEqual(0, self.ctl("set", "2", "button", "5", "macro", "Hold me")[0])
        self.assertEqual(0, self.ctl("set", "2", "button", "6", "fire", "A", "7", "9")[0])
        schemas = readme_schemas()
        self.assertEqual({"list", "show", "macros"}, set(schemas))
        for args in (["list"], ["show"], ["show", "2"], ["macros"]):
            status, output, error = self.ctl(*args, "--json")
            self.assertEqual(0, status, error)
            document = json.loads(output)
            validate(document, schemas[args[0]])
        shown = json.loads(self.ctl("show", "2", "--json")[1])
        self.assertEqual({"button": 5, "code": 11, "function": "Hold me", "macro": "Hold me"}, shown["buttons"][4])
        self.assertEqual({"key": "A", "count": 7, "speed": 9}, shown["buttons"][5]["fire"])
        listed = json.loads(self.ctl("list", "--json")[1])
        self.assertEqual(1, listed["active"])
        self.assertEqual({"stage": 1, "x": 800, "y": 800, "linked": True, "enabled": True},
                         listed["profiles"][0]["stages"][0])
        macros = json.loads(self.ctl("macros", "--json")[1])
        self.assertEqual({"slot": 0, "name": "Combo", "events": 2, "loop": "count", "count": 3}, macros["macros"][0])


# Every kind of bad input; each must leave every byte of every file as it was.
BAD_INPUT = [
    [], ["frobnicate"], ["switch"], ["switch", "0"], ["switch", "6"], ["show", "9"], ["list", "extra"],
    ["set", "1", "volume", "3"], ["set", "1", "polling", "300"], ["set", "1", "acceleration", "5"],
    ["set", "1", "sensitivity", "0"], ["set", "1", "scroll-lines", "64"], ["set", "1", "double-click", "11"],
    ["set", "1", "stage", "6", "on"], ["set", "1", "stage", "1", "x", "8100"], ["set", "1", "stage", "1", "x", "850"],
    ["set", "1", "stage", "1", "x", "1600"],  # a linked stage moves X and Y together
    ["set", "1", "colour", "red"], ["set", "1", "lighting", "Disco"], ["set", "1", "brightness", "Max"],
    ["set", "1", "lighting", "Steady", "now"], ["set", "1", "direction", "Sideways"],
    ["set", "1", "button", "0", "Right click"], ["set", "1", "button", "2", "Teleport"],
    ["set", "1", "button", "2", "key", "F13"], ["set", "1", "button", "2", "keys", "Ctrl+A+B"],
    ["set", "1", "button", "2", "macro", "Missing"], ["set", "1", "button", "2", "fire", "Left", "256", "0"],
    ["set", "1", "button", "2", "fire", "Nose", "3", "0"], ["set", "1", "button", "1", "Right click"],
    ["import", "1", "C:\\no\\such\\file.pfd"], ["export", "1", "C:\\no\\such\\folder\\x.pfd"],
    ["reset", "6"], ["macros", "--json", "1"], ["switch", "1", "--json"],
]


def wine_data_folder():
    """The data folder as the programs under Wine spell it."""
    link = glob.glob(os.path.join(os.environ["WINEPREFIX"], "drive_c", "users", "*", "Documents"))[0]
    return "C:\\users\\%s\\Documents\\Orvane\\" % os.path.basename(os.path.dirname(link))


class CtlBadInputTest(CtlCase):
    def test_bad_input_gives_status_2_one_line_and_changes_no_byte(self):
        before = self.files()
        applies = len(self.applies())
        # The tool's own files are never an export's destination, however the path is spelled.
        refused_targets = [["export", "1", wine_data_folder() + name]
                           for name in ("RSProfile2.pfd", "rsprofile5.PFD", "MacroDB\\backup.pfd",
                                        "MacroDB\\..\\RSProfile1.pfd")]
        for args in BAD_INPUT + refused_targets:
            status, output, error = self.ctl(*args)
            self.assertEqual(2, status, args)
            lines = [line for line in error.splitlines() if line.startswith("OrvaneCtl: ")]
            self.assertEqual(1, len(lines), "%s: %r" % (args, error))
            self.assertEqual(before, self.files(), args)
            if args in refused_targets:
                self.assertIn("the tool's own files", error)
        self.assertEqual(applies, len(self.applies()))

    def test_speed_and_direction_belong_to_their_modes_and_the_last_stage_stays_on(self):
        for args in (["set", "1", "lighting", "Steady"], ["set", "1", "stage", "1", "off"], ["set", "1", "stage", "2", "off"],
                     ["set", "1", "stage", "3", "off"], ["set", "1", "stage", "4", "off"]):
            self.assertEqual(0, self.ctl(*args)[0], args)
        before = self.files()
        for args in (["set", "1", "speed", "Fast"], ["set", "1", "direction", "Reverse"], ["set", "1", "stage", "5", "off"]):
            status, _, error = self.ctl(*args)
            self.assertEqual(2, status, args)
            self.assertEqual(before, self.files(), args)


class CtlNotWrittenTest(CtlCase):
    def test_a_profile_file_that_cannot_be_written_gives_status_1_and_changes_nothing(self):
        blocked = os.path.join(self.data_folder, "RSProfile3.pfd")
        os.remove(blocked)
        os.mkdir(blocked)
        before = self.files()
        applies = len(self.applies())
        for args in (["switch", "2"], ["set", "1", "polling", "1000"], ["reset", "all"]):
            status, output, error = self.ctl(*args)
            self.assertEqual(1, status, args)
            self.assertIn("could not all be written", error)
            self.assertEqual(before, self.files(), args)
        self.assertEqual(applies, len(self.applies()), "the mouse is not told of files not written")


class CtlWindowOpenTest(CtlCase):
    def test_a_change_is_refused_while_the_window_is_open(self):
        self.start_tool()
        before = self.files()
        for args in (["switch", "2"], ["set", "1", "polling", "1000"], ["reset", "all"], ["import", "1", "x.pfd"]):
            status, _, error = self.ctl(*args)
            self.assertEqual(3, status, args)
            self.assertIn("window is open", error)
        self.assertEqual(before, self.files())
        for args in (["list"], ["show", "2"], ["macros"]):
            self.assertEqual(0, self.ctl(*args)[0], args)
        exported = os.path.join(self.documents, "while-open.pfd")
        self.assertEqual(0, self.ctl("export", "1", exported)[0])
        self.assertTrue(os.path.exists(exported))


if __name__ == "__main__":
    unittest.main()

"""The macro editor used as a person would: opened from the function menu, a macro made by typing
its name, recorded with real keys through KBHook.dll, edited, assigned to a button and applied.
Checked through the macro file, the library, the profile files and the simulator's log."""
import glob
import os
import time
import unittest

from harness import (APPLY, EDITOR_TITLE, FIXED_DELAY_BOX, LOOP_COUNT_BOX, MENU_ITEM_HEIGHT, MENU_ITEM_WIDTH,
                     MOUSE_CLICK, NAME_BOX_TITLE, NEW_MACRO, OK, RECORD, STOP, ToolTestCase, Window, click_screen,
                     move_mouse, pick_from_macro_menu, read_ini, wait_for_window, wait_until, wait_until_gone, xdotool)

NOTICE_TITLE = "Warning"
MACRO = "Keys"

# Client points of the controls that show numbers or have no window: the loop count's field, the
# event list.
LOOP_COUNT_EDIT = (624, 223)
EVENT_LIST_LEFT, EVENT_LIST_TOP, EVENT_ROW = 275, 143, 23

# A down, a delay of 250 ms (edited from the fixed 10 ms), A up, then a left click.
EVENTS = bytes([0x84, 0x04, 0, 0x06, 25, 0, 0x04, 0x04, 0, 0x81, 1, 0, 0x01, 1, 0]) + bytes(189 - 15)


def struct_text(block):
    """How the private-profile functions write a binary value: hex bytes, then their sum."""
    return "".join("%02X" % byte for byte in block) + "%02X" % (sum(block) & 0xFF)


def open_editor_with_a_new_macro(test, window, editor_click):
    """Opens the editor from the function menu of row 1 of `window` and makes the macro MACRO by
    its name, the way `test` (a test case) checks it; `editor_click` clicks a control of the editor."""
    pick_from_macro_menu(window, 1, 0)
    test.assertTrue(wait_for_window(EDITOR_TITLE), "the macro editor did not open")
    test.assertTrue(wait_until(lambda: Window(EDITOR_TITLE).control(NEW_MACRO, "Button")), "the editor has no New")
    editor_click(NEW_MACRO)
    test.assertTrue(wait_for_window(NAME_BOX_TITLE), "the name box did not open")
    time.sleep(0.5)
    xdotool("type", "--delay", 80, MACRO)
    xdotool("key", "Return")
    test.assertTrue(wait_until_gone(NAME_BOX_TITLE), "the name box stayed open")
    macro_file = os.path.join(test.data_folder, "MacroDB", MACRO + ".MSMACRO")
    test.assertTrue(wait_until(lambda: os.path.exists(macro_file)), "the macro's file was not made")


class MacroEditorTest(ToolTestCase):
    def setUp(self):
        super().setUp()
        self.process, self.window = self.start_tool()
        self.assertTrue(wait_until(lambda: "sent WM_DEVICE_SETTING 0 0" in self.service_log()), self.service_log())

    def move_to(self, x, y):
        move_mouse(x, y)

    def click_at(self, x, y, repeat=1):
        click_screen(x, y, repeat)

    def pick_from_macro_menu(self, row, sub_item):
        pick_from_macro_menu(self.window, row, sub_item)

    def editor_click(self, point, repeat=1):
        """A click at a client point of the editor, or on the middle of its control of that text."""
        editor = Window(EDITOR_TITLE)
        if isinstance(point, str):
            point = editor.centre(point, "Button")
        info = editor.info()
        self.click_at(info["x"] + point[0], info["y"] + point[1], repeat)

    def open_editor_with_a_new_macro(self):
        """Opens the editor from the function menu of row 1 and makes the macro MACRO by its name."""
        open_editor_with_a_new_macro(self, self.window, self.editor_click)

    def macro_lines(self):
        return [line for line in self.service_log() if line.startswith("received WM_SERVICE_MACRO")]

    def test_create_record_edit_and_assign_a_macro(self):
        self.open_editor_with_a_new_macro()
        self.assertTrue(os.path.exists(os.path.join(self.data_folder, "MacroDB", MACRO + ".MSMACRO")))

        # A fixed delay of 10 ms between the recorded keys.
        self.editor_click(FIXED_DELAY_BOX)
        self.editor_click(RECORD)
        xdotool("key", "--delay", 150, "a")
        time.sleep(0.5)
        self.editor_click(STOP)

        # A left click after the last event, from the mouse button menu under its button.
        self.editor_click(MOUSE_CLICK)
        editor = Window(EDITOR_TITLE)
        info, button = editor.info(), editor.control(MOUSE_CLICK, "Button")
        self.click_at(info["x"] + button["x"] + MENU_ITEM_WIDTH // 2,
                      info["y"] + button["y"] + button["height"] + MENU_ITEM_HEIGHT // 2)

        # The delay row edited in place.
        self.editor_click((EVENT_LIST_LEFT + 100, EVENT_LIST_TOP + EVENT_ROW + EVENT_ROW // 2), repeat=2)
        xdotool("type", "--delay", 80, "250")  # over the old value, which the field selects
        xdotool("key", "Return")
        time.sleep(0.5)

        # Three loops.
        self.editor_click(LOOP_COUNT_BOX)
        self.editor_click(LOOP_COUNT_EDIT)
        xdotool("key", "End", "BackSpace")
        xdotool("type", "3")
        time.sleep(0.5)
        self.editor_click(OK)
        self.assertTrue(wait_until_gone(EDITOR_TITLE), "the macro editor stayed open")

        macro = read_ini(os.path.join(self.data_folder, "MacroDB", MACRO + ".MSMACRO"))["Setting"]
        self.assertEqual({"LoopTime": "3", "LoopType": "0", "DelayType": "1", "Count": "5"},
                         {key: macro[key] for key in ("LoopTime", "LoopType", "DelayType", "Count")})
        self.assertEqual(struct_text(EVENTS), macro["MacroSetting_0"])
        library = read_ini(os.path.join(self.data_folder, "MacroDB", "MacroSet.MSDB"))["MACRO_LIST"]
        self.assertEqual([MACRO], [name for name in library.values() if name])
        self.assertEqual(MACRO, library["0"])

        # Every change was reported for slot 0; no button played the macro yet.
        lines = self.macro_lines()
        self.assertGreaterEqual(len(lines), 4, lines)
        self.assertEqual(["received WM_SERVICE_MACRO_CHANGED 0 0"] * len(lines), lines)

        # The macro goes to the third row's button, and the profiles to the mouse.
        self.pick_from_macro_menu(2, 1)
        applies = len(self.applies())
        self.window.click_control(APPLY)
        self.assertTrue(wait_until(lambda: len(self.applies()) > applies))
        assigned = []
        for path in sorted(glob.glob(os.path.join(self.data_folder, "RSProfile*.pfd"))):
            button = read_ini(path).get("ButtonAssigned_3", {})
            if button.get("ButtonFunc") == "11":
                assigned.append(button)
        self.assertEqual(1, len(assigned), "one profile plays the macro")
        self.assertEqual({"ButtonFunc": "11", "KeyNumber": "0", "LoopNumber": "3", "MacroName": MACRO},
                         {key: assigned[0][key] for key in ("ButtonFunc", "KeyNumber", "LoopNumber", "MacroName")})
        self.assertEqual(lines, self.macro_lines(), "assigning and applying report no macro change")

    def test_alt_f4_while_recording_stops_and_keeps_the_recording(self):
        self.open_editor_with_a_new_macro()

        self.editor_click(RECORD)
        xdotool("key", "--delay", 150, "a")
        time.sleep(0.5)
        Window(EDITOR_TITLE).focus()
        xdotool("key", "alt+F4")
        # The keys of the gesture itself may be recorded unreleased: the notice says so, and Enter
        # closes it.
        if wait_for_window(NOTICE_TITLE, seconds=5):
            time.sleep(0.5)
            xdotool("key", "Return")
        self.assertTrue(wait_until_gone(EDITOR_TITLE), "the macro editor stayed open")

        macro = read_ini(os.path.join(self.data_folder, "MacroDB", MACRO + ".MSMACRO"))["Setting"]
        self.assertTrue(macro["MacroSetting_0"].startswith("840400040400"), macro)
        self.assertIn("received WM_SERVICE_MACRO_CHANGED 0 0", self.macro_lines())


if __name__ == "__main__":
    unittest.main()

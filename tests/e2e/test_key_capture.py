"""The key dialogs with real keys typed through KBHook.dll: a capture is complete once its keys
are released, then Enter confirms and Escape cancels; Enter and Escape can be assigned; only
presses choose a single key; a key the mouse cannot send is refused; the rapid-fire keyboard
choice starts without a key. Checked through the profile files written by apply and the captions
of the window."""
import os
import time
import unittest

import test_function_menu as menu
from harness import (BIN, KEY_COMBINATION_ITEM, OK, RAPID_FIRE_ITEM, SINGLE_KEY_ITEM, MainWindowCase, read_ini,
                     wait_until, wait_until_gone, xdotool)

SINGLE_TITLE, COMBINATION_TITLE, RAPID_TITLE = "Press a key to assign", "Key Combination", "Rapid Fire"
RIGHT_OPTION, KEYBOARD_OPTION = (120, 120), menu.KEYBOARD_OPTION
# Row of page 1 -> the button record it edits.
ROW_RECORDS = [0, 1, 2, 7, 3, 4, 5, 6]


def key_data(profile, record):
    return menu.hex_bytes(profile["GROUP"]["ButtonAssigned_%d" % (record + 1)])


class KeyDialogCase(MainWindowCase):
    """The tool on its factory profiles, with the function menu's helpers."""
    choose = menu.FunctionMenuTest.choose
    dialog = menu.FunctionMenuTest.dialog
    captions = menu.FunctionMenuTest.captions

    def type_keys(self, *steps):
        """Each step is an xdotool command and its keys: ("key", "b"), ("keydown", "Shift_L")."""
        for command, *keys in steps:
            xdotool(command, *keys)
            time.sleep(0.2)

    def assert_closes(self, title):
        self.assertTrue(wait_until_gone(title, 10), "the dialog %r stayed open" % title)

    def key_field_text(self, dialog, point):
        child = dialog.child_at(point)
        self.assertIsNotNone(child, "no key field at %s" % (point,))
        return child["text"]

    def stored(self):
        self.apply_and_wait()
        return self.profile(1)

    def record(self, profile, row):
        return profile["ButtonAssigned_%d" % (ROW_RECORDS[row] + 1)], key_data(profile, ROW_RECORDS[row])


class EnterAndEscapeTest(KeyDialogCase):
    def test_the_key_before_enter_is_stored_and_enter_and_escape_can_be_assigned(self):
        # B, then Enter: B. Ctrl + A, then Enter: the combination.
        self.choose(4, SINGLE_KEY_ITEM)
        self.dialog(SINGLE_TITLE)
        self.type_keys(("key", "b"), ("key", "Return"))
        self.assert_closes(SINGLE_TITLE)

        self.choose(2, KEY_COMBINATION_ITEM)
        self.dialog(COMBINATION_TITLE)
        self.type_keys(("keydown", "Control_L"), ("key", "a"), ("keyup", "Control_L"), ("key", "Return"))
        self.assert_closes(COMBINATION_TITLE)

        # Enter or Escape as the first key is the key; Enter then confirms. The next dialog takes
        # its first Enter as a key again.
        for row, first in ((5, "Return"), (6, "Escape"), (1, "Return")):
            self.choose(row, SINGLE_KEY_ITEM)
            self.dialog(SINGLE_TITLE)
            self.type_keys(("key", first), ("key", "Return"))
            self.assert_closes(SINGLE_TITLE)

        # Shift + slash, the slash released first: only presses choose the key.
        self.choose(3, SINGLE_KEY_ITEM)
        self.dialog(SINGLE_TITLE)
        self.type_keys(("keydown", "Shift_L"), ("keydown", "slash"), ("keyup", "slash"), ("keyup", "Shift_L"),
                       ("key", "Return"))
        self.assert_closes(SINGLE_TITLE)

        # Escape after a complete capture cancels: row 4 keeps B.
        self.choose(4, SINGLE_KEY_ITEM)
        self.dialog(SINGLE_TITLE)
        self.type_keys(("key", "c"), ("key", "Escape"))
        self.assert_closes(SINGLE_TITLE)

        profile = self.stored()
        expected = {4: ("6", 0x05), 5: ("6", 0x28), 6: ("6", 0x29), 1: ("6", 0x28), 3: ("6", 0x38)}
        for row, (function, usage) in expected.items():
            button, data = self.record(profile, row)
            self.assertEqual((function, usage), (button["ButtonFunc"], data[0]), "row %d" % row)
        button, data = self.record(profile, 2)
        self.assertEqual(("7", "4"), (button["ButtonFunc"], button["KeyNumber"]))
        self.assertEqual([0xE0, 5, 0x80, 0x04, 5, 0x80, 0x04, 5, 0x00, 0xE0, 5, 0x00] + [0] * 177, data)
        captions = self.captions()
        self.assertEqual(["Enter", "Ctrl + A", "/", "B", "Enter", "Esc"], captions[1:7])


class RefusedKeysAndRapidFireTest(KeyDialogCase):
    def test_a_key_the_mouse_cannot_send_leaves_the_field(self):
        self.choose(4, SINGLE_KEY_ITEM)
        dialog = self.dialog(SINGLE_TITLE)
        self.type_keys(("key", "b"))
        self.assertTrue(wait_until(lambda: self.key_field_text(dialog, (230, 158)) == "B", 5))
        notice = read_ini(os.path.join(BIN, "images", "0409", "strings", "skins.ini"))["SINGLEKEY"]["8"]
        self.type_keys(("key", "XF86AudioMute"))
        self.assertTrue(wait_until(lambda: notice in [c["text"] for c in dialog.children()], 5),
                        "no notice: %s" % [c["text"] for c in dialog.children()])
        self.assertEqual("B", self.key_field_text(dialog, (230, 158)))
        self.type_keys(("key", "Return"))
        self.assert_closes(SINGLE_TITLE)
        button, data = self.record(self.stored(), 4)
        self.assertEqual(("6", 0x05), (button["ButtonFunc"], data[0]))

    def rapid_fire(self, *options, keys=(), expect_field=None):
        """Opens the rapid-fire dialog of row 7, clicks the options, checks the key field, types
        the keys (Enter closes), or clicks OK when there are none; returns the stored key byte."""
        self.choose(7, RAPID_FIRE_ITEM)
        rapid = self.dialog(RAPID_TITLE)
        for option in options:
            rapid.click(*option)
        if expect_field is not None:
            self.assertEqual(expect_field, self.key_field_text(rapid, (110, 178)))
        if keys:
            self.type_keys(*[("key", key) for key in keys])
        else:
            rapid.click_control(OK)
        self.assert_closes(RAPID_TITLE)
        button, data = self.record(self.stored(), 7)
        self.assertEqual("12", button["ButtonFunc"])
        return data[0]

    def test_the_keyboard_choice_after_a_mouse_button_starts_without_a_key(self):
        self.assertEqual(0x06, self.rapid_fire(KEYBOARD_OPTION, keys=("c", "Return")))
        # The record's key C: Right, then Keyboard shows no key, and OK without one keeps C.
        self.assertEqual(0x06, self.rapid_fire(RIGHT_OPTION, KEYBOARD_OPTION, expect_field=""))
        self.assertEqual(0xF1, self.rapid_fire(RIGHT_OPTION))
        # Keyboard after the record's Right: no key until one is pressed.
        self.assertEqual(0x07, self.rapid_fire(KEYBOARD_OPTION, expect_field="", keys=("d", "Return")))

if __name__ == "__main__":
    unittest.main()

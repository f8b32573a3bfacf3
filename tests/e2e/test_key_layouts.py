"""Keys captured on French and German keyboard layouts: the mouse replays HID usages, which name
key positions, so the key dialogs and the macro recorder store the usage of the physical key
pressed, and name it as the layout labels it.

Wine reads the X keyboard layout when a program starts: `setxkbmap` changes the layout of the
test display before the tool is started (a running program keeps the layout it started with),
and the US layout is put back when the test ends."""
import os
import subprocess
import time
import unittest

import test_function_menu as menu
import test_key_capture as capture
import test_macro_editor as editor
from harness import (KEY_COMBINATION_ITEM, RAPID_FIRE_ITEM, SINGLE_KEY_ITEM, click_screen, read_ini, wait_until_gone,
                     xdotool)


def set_layout(layout):
    subprocess.run(["setxkbmap", layout], stdin=subprocess.DEVNULL, capture_output=True, timeout=30, check=True)


class KeyLayoutsTest(capture.KeyDialogCase):
    def setUp(self):
        set_layout(self.layout)
        self.addCleanup(set_layout, "us")
        super().setUp()

    def check_layout(self, single, combination, rapid):
        """Each is (the key typed, the usage of its position, the caption the layout gives it)."""
        self.choose(4, SINGLE_KEY_ITEM)
        dialog = self.dialog(capture.SINGLE_TITLE)
        self.type_keys(("key", single[0]))
        shown = self.key_field_text(dialog, (230, 158))
        self.type_keys(("key", "Return"))
        self.assert_closes(capture.SINGLE_TITLE)

        self.choose(2, KEY_COMBINATION_ITEM)
        self.dialog(capture.COMBINATION_TITLE)
        self.type_keys(("keydown", "Control_L"), ("key", combination[0]), ("keyup", "Control_L"), ("key", "Return"))
        self.assert_closes(capture.COMBINATION_TITLE)

        self.choose(7, RAPID_FIRE_ITEM)
        rapid_dialog = self.dialog(capture.RAPID_TITLE)
        rapid_dialog.click(*capture.KEYBOARD_OPTION)
        self.type_keys(("key", rapid[0]), ("key", "Return"))
        self.assert_closes(capture.RAPID_TITLE)

        recorded = self.record_macro(single[0])

        profile = self.stored()
        self.assertEqual(single[2], shown, "the dialog's name of the key")
        self.assertEqual([0x84, single[1], 0, 0x04, single[1], 0], recorded)
        self.assertEqual(single[1], self.record(profile, 4)[1][0])
        self.assertEqual([0xE0, 5, 0x80, combination[1], 5, 0x80, combination[1], 5, 0x00, 0xE0, 5, 0x00],
                         self.record(profile, 2)[1][:12])
        self.assertEqual(rapid[1], self.record(profile, 7)[1][0])
        captions = self.captions()
        self.assertEqual([combination[2], single[2]], [captions[2].split(" + ")[-1], captions[4]])


    def record_macro(self, key):
        """Records the key into a new macro; returns the key events of its file."""
        editor.open_editor_with_a_new_macro(self, self.window, self.editor_click)
        self.editor_click(editor.RECORD)
        xdotool("key", "--delay", 150, key)
        time.sleep(0.5)
        self.editor_click(editor.STOP)
        self.editor_click(editor.OK)
        self.assertTrue(wait_until_gone(editor.EDITOR_TITLE), "the macro editor stayed open")
        path = os.path.join(self.data_folder, "MacroDB", editor.MACRO + ".MSMACRO")
        events = menu.hex_bytes(read_ini(path)["Setting"]["MacroSetting_0"])
        keys = [events[i:i + 3] for i in range(0, len(events) - 2, 3) if events[i] in (0x84, 0x04)]
        return [byte for event in keys for byte in event]

    editor_click = editor.MacroEditorTest.editor_click

    def click_at(self, x, y, repeat=1):
        click_screen(x, y, repeat)


class FrenchLayoutTest(KeyLayoutsTest):
    layout = "fr"

    def test_keys_are_stored_by_position(self):
        # AZERTY: "a" sits where a US keyboard has Q, "q" where it has A, "w" where it has Z.
        self.check_layout(single=("a", 0x14, "A"), combination=("q", 0x04, "Q"), rapid=("w", 0x1D, "W"))


class GermanLayoutTest(KeyLayoutsTest):
    layout = "de"

    def test_keys_are_stored_by_position(self):
        # QWERTZ: "z" sits where a US keyboard has Y, "y" where it has Z.
        self.check_layout(single=("z", 0x1C, "Z"), combination=("y", 0x1D, "Y"), rapid=("q", 0x14, "Q"))


if __name__ == "__main__":
    unittest.main()

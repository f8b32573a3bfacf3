"""Macro buttons of profiles that are not shown follow their macro: through a deletion in the
macro editor, and through a library that cannot be read. Checked through the applied files."""
import os
import time
import unittest

from harness import (APPLY, CANCEL, DELETE_MACRO, EDITOR_SIZE, EDITOR_TITLE, MACRO_ROWS, OK, PROFILE_TABS,
                     WARNING_SIZE, ToolTestCase, Window, click_screen, pick_from_macro_menu, read_ini, wait_until)
from profile_files import write_library, write_profiles


class MacroButtonsTest(ToolTestCase):
    def button(self, number, button):
        return read_ini(os.path.join(self.data_folder, "RSProfile%d.pfd" % number))["ButtonAssigned_%d" % button]

    def macro_button(self, number, button):
        section = self.button(number, button)
        return int(section["ButtonFunc"]), int(section["KeyNumber"]), section["MacroName"]

    def start_with_the_device_present(self):
        _, window = self.start_tool()
        self.assertTrue(wait_until(lambda: "sent WM_DEVICE_PRESENCE 0 0" in self.service_log(), 30))
        self.assertTrue(wait_until(lambda: window.control(APPLY)["enabled"], 30), "the device shows absent")
        return window

    def dialog_of_size(self, window, size):
        dialog = window.shown_dialog()
        return dialog if dialog and (dialog["width"], dialog["height"]) == size else None

    def test_a_macro_deleted_in_the_editor_leaves_another_profiles_button_on_its_macro(self):
        # Profile 3's fifth button plays B from slot 1; deleting A moves B to slot 0 and C to 1.
        write_profiles(self.data_folder, {2: {4: (11, 1, "B")}})
        write_library(self.data_folder, ["A", "B", "C"])
        window = self.start_with_the_device_present()

        pick_from_macro_menu(window, 1, 0)
        self.assertTrue(wait_until(lambda: self.dialog_of_size(window, EDITOR_SIZE), 20), "no macro editor")
        editor = self.dialog_of_size(window, EDITOR_SIZE)
        click_screen(editor["x"] + MACRO_ROWS[0][0], editor["y"] + MACRO_ROWS[0][1])
        self.assertTrue(window.click_dialog_control(DELETE_MACRO))
        editor_window = Window(EDITOR_TITLE)
        self.assertTrue(wait_until(lambda: self.dialog_of_size(editor_window, WARNING_SIZE), 20), "no question")
        self.assertTrue(editor_window.click_dialog_control(OK))
        self.assertTrue(wait_until(lambda: not os.path.exists(os.path.join(self.data_folder, "MacroDB",
                                                                              "A.MSMACRO")), 20), "A is not deleted")
        library = read_ini(os.path.join(self.data_folder, "MacroDB", "MacroSet.MSDB"))["MACRO_LIST"]
        self.assertEqual(("B", "C"), (library["0"], library["1"]))
        self.assertTrue(window.click_dialog_control(CANCEL))
        self.assertTrue(wait_until(lambda: window.shown_dialog() is None, 20), "the editor stays open")

        self.apply_in(window)
        self.assertEqual((11, 0, "B"), self.macro_button(3, 5), "the button plays B from its new slot, not C")

    def test_a_library_that_cannot_be_read_leaves_every_macro_button_as_it_was(self):
        write_profiles(self.data_folder, {0: {2: (11, 1, "Jump")}, 1: {3: (11, 1, "Jump")}})
        write_library(self.data_folder, ["Run", "Jump"])
        window = self.start_with_the_device_present()
        # The library goes (and with it the device flag, which the tool reads only when told).
        os.remove(os.path.join(self.data_folder, "MacroDB", "MacroSet.MSDB"))

        # Both profiles shown with the library gone, then applied.
        window.click_control(PROFILE_TABS[1])
        time.sleep(1.0)
        window.click_control(PROFILE_TABS[0])
        time.sleep(1.0)
        self.apply_in(window)
        self.assertEqual((11, 1, "Jump"), self.macro_button(1, 3))
        self.assertEqual((11, 1, "Jump"), self.macro_button(2, 4))


if __name__ == "__main__":
    unittest.main()

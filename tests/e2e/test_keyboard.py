"""The main window used with the keyboard alone, as a person without a mouse would: real keys
through xdotool (Tab, Space, the arrows, Enter, Ctrl+Tab, Ctrl+2, Alt+F4), the focus read from the
window's thread, the results from the profile files and the window's controls."""
import glob
import os
import time
import unittest

from harness import (APPLY, EDITOR_TITLE, FUNCTION_BUTTON_LEFT, NAME_BOX_TITLE, NEW_MACRO, RECORD, ROW_TOPS, STOP,
                     TITLE, WARNING_SIZE, MainWindowCase, Window, read_ini, wait_for_window, wait_until,
                     wait_until_gone, xdotool)
from test_dpi_and_lighting import stages

# Client rectangles (left, top) of the controls reached here.
POLLING_1000 = (890, 441)       # the fourth polling button
STAGE_1_LINKED = (252, 300)     # left and right of the first stage's linked DPI slider
DPI_TOP, DPI_BOTTOM = 235, 450
TAB_LIMIT = 90                  # more than the window has controls


class KeyboardTest(MainWindowCase):
    def setUp(self):
        super().setUp()
        time.sleep(1.0)
        self.window.focus()

    def key(self, *names):
        xdotool("key", "--delay", 120, *names)
        time.sleep(0.4)

    def tab_to(self, wanted, backwards=False, window=None):
        """Presses Tab (Shift+Tab) until the control with the focus in `window` (the main window's
        thread) passes `wanted`; returns it."""
        for _ in range(TAB_LIMIT):
            self.key("shift+Tab" if backwards else "Tab")
            focused = (window or self.window).focused()
            if focused and wanted(focused):
                return focused
        self.fail("Tab never reached the control")

    def pick_in_menu(self, item, sub_item):
        """In the open function menu: Down to `item`, Right into its sub-menu, Down to `sub_item`
        and Enter."""
        for text, step in ((item, "Down"), (sub_item, "Down")):
            for _ in range(20):
                if self.window.focused()["text"] == text:
                    break
                self.key(step)
            self.assertEqual(text, self.window.focused()["text"])
            if text == item:
                self.key("Right")
        self.key("Return")

    def at(self, left, top):
        return lambda focused: (focused["x"], focused["y"]) == (left, top)

    def named(self, text):
        return lambda focused: focused["text"] == text and focused["root"] == self.window.info()["hwnd"]

    def warning_box_shows(self):
        dialog = self.window.shown_dialog()
        return dialog is not None and (dialog["width"], dialog["height"]) == WARNING_SIZE

    def test_tab_and_space_change_the_polling_rate_and_apply(self):
        self.assertNotEqual("1", self.profile(1)["GROUP"]["PollingRate"])
        self.tab_to(self.at(*POLLING_1000))
        self.key("space")
        self.tab_to(self.named(APPLY))
        before = len(self.applies())
        self.key("space")
        self.assertTrue(wait_until(lambda: len(self.applies()) > before, 30), self.service_log())
        self.assertTrue(wait_until(lambda: self.profile(1)["GROUP"]["PollingRate"] == "1", 10))

    def test_ctrl_tab_to_the_dpi_page_and_arrows_move_a_stage_one_code_each(self):
        self.assertEqual((1, 8, 8, 1), tuple(stages(self.profile(1))[0]))
        self.key("ctrl+Tab")
        thumb = self.tab_to(lambda f: STAGE_1_LINKED[0] <= f["x"] < STAGE_1_LINKED[1] and
                            DPI_TOP <= f["y"] < DPI_BOTTOM)
        self.key("Up")
        moved = self.window.focused()
        self.assertLess(moved["y"], thumb["y"], "Up moves the thumb up")
        self.key("Up", "Up", "Down")
        self.apply_and_wait()
        self.assertEqual((1, 10, 10, 1), tuple(stages(self.profile(1))[0]),
                         "three codes up and one down, X and Y linked")

    def test_a_sub_menu_function_picked_with_space_arrows_and_enter(self):
        row = 1
        self.tab_to(self.at(FUNCTION_BUTTON_LEFT, ROW_TOPS[row]))
        self.key("space")
        self.assertTrue(wait_until(lambda: self.window.shown_dialog() is not None, 10), "no menu opened")
        focused = self.window.focused()
        self.assertEqual("Right click", focused["text"], "the current function is highlighted")
        for _ in range(20):
            if self.window.focused()["text"] == "Basic":
                break
            self.key("Down")
        self.key("Right")
        self.assertEqual("Double click", self.window.focused()["text"])
        self.key("Down", "Down")
        self.assertEqual("Cut", self.window.focused()["text"])
        self.key("Return")
        self.assertTrue(wait_until(lambda: self.window.shown_dialog() is None, 10), "the menu stayed")
        captions = [c["text"] for c in self.window.children()
                    if (c["x"], c["y"]) == (FUNCTION_BUTTON_LEFT, ROW_TOPS[row])]
        self.assertEqual(["Cut"], captions)
        self.assertEqual((FUNCTION_BUTTON_LEFT, ROW_TOPS[row]),
                         (self.window.focused()["x"], self.window.focused()["y"]))
        self.apply_and_wait()
        self.assertEqual("19", self.profile(1)["ButtonAssigned_2"]["ButtonFunc"], "the second record: Cut")

    def test_escape_closes_the_menu_and_gives_the_focus_back(self):
        row = 0
        self.tab_to(self.at(FUNCTION_BUTTON_LEFT, ROW_TOPS[row]))
        self.key("space")
        self.assertTrue(wait_until(lambda: self.window.shown_dialog() is not None, 10), "no menu opened")
        self.key("Escape")
        self.assertTrue(wait_until(lambda: self.window.shown_dialog() is None, 10), "the menu stayed")
        focused = self.window.focused()
        self.assertEqual((FUNCTION_BUTTON_LEFT, ROW_TOPS[row]), (focused["x"], focused["y"]))

    def test_a_macro_made_and_recorded_by_keys_and_alt_f4_closing_the_name_box_and_the_editor(self):
        self.tab_to(self.at(FUNCTION_BUTTON_LEFT, ROW_TOPS[1]))
        self.key("space")
        self.assertTrue(wait_until(lambda: self.window.shown_dialog() is not None, 10), "no menu opened")
        self.pick_in_menu("Macro", "Edit macros")
        self.assertTrue(wait_for_window(EDITOR_TITLE), "the macro editor did not open")
        editor = Window(EDITOR_TITLE)
        time.sleep(1.0)
        in_editor = lambda text: lambda f: f["text"] == text and f["root"] == editor.info()["hwnd"]
        macro_folder = os.path.join(self.data_folder, "MacroDB")

        self.tab_to(in_editor(NEW_MACRO), window=editor)
        self.key("space")
        self.assertTrue(wait_for_window(NAME_BOX_TITLE), "Space on New opened no name box")
        time.sleep(0.5)
        xdotool("type", "--delay", 80, "Gone")
        self.key("alt+F4")
        self.assertTrue(wait_until_gone(NAME_BOX_TITLE), "Alt+F4 left the name box open")
        self.assertEqual([], glob.glob(os.path.join(macro_folder, "*.MSMACRO")), "Alt+F4 is Cancel")

        self.tab_to(in_editor(NEW_MACRO), window=editor)
        self.key("space")
        self.assertTrue(wait_for_window(NAME_BOX_TITLE))
        time.sleep(0.5)
        xdotool("type", "--delay", 80, "Keys")
        self.key("Return")
        self.assertTrue(wait_until_gone(NAME_BOX_TITLE))
        macro_file = os.path.join(macro_folder, "Keys.MSMACRO")
        self.assertTrue(wait_until(lambda: os.path.exists(macro_file)), "the macro's file was not made")

        self.tab_to(in_editor(RECORD), window=editor)
        self.key("space")
        self.assertTrue(wait_until(lambda: editor.control(STOP, "Button")["enabled"], 10), "Space started no recording")
        xdotool("key", "--delay", 150, "a")
        time.sleep(0.5)
        editor.click_control(STOP, "Button")
        self.assertTrue(wait_until(lambda: editor.control(RECORD, "Button")["enabled"], 10), "Stop ended nothing")
        macro = read_ini(macro_file)["Setting"]
        self.assertEqual("2", macro["Count"], "only A down and A up, no key of the Space that started it")
        self.assertTrue(macro["MacroSetting_0"].startswith("840400040400"), macro)

        editor.focus()
        self.key("alt+F4")
        self.assertTrue(wait_until_gone(EDITOR_TITLE), "Alt+F4 left the editor open")
        self.assertIsNotNone(self.window.info(), "the main window stays")
        self.assertIsNone(self.process.poll())

    def test_ctrl_tab_switches_the_page_and_ctrl_2_the_profile(self):
        self.key("ctrl+Tab")
        self.assertTrue(any(c["visible"] and STAGE_1_LINKED[0] <= c["x"] < STAGE_1_LINKED[1] and
                            c["y"] == DPI_TOP for c in self.window.children()), "the DPI page shows")
        self.key("ctrl+shift+Tab")
        self.assertFalse(any(c["visible"] and c["y"] == DPI_TOP for c in self.window.children()),
                         "back on the first page")
        self.key("ctrl+2")
        self.apply_and_wait()
        self.assertEqual("1", self.profile(1)["GROUP"]["GroupID"], "the second profile is the current one")

    def test_alt_f4_closes_the_window(self):
        self.key("alt+F4")
        self.assertTrue(wait_until_gone(TITLE, 20))
        self.assertIsNone(self.window.shown_dialog(), "nothing was unapplied, yet the tool asked")
        self.process.wait(timeout=20)

    def test_alt_f4_after_an_edit_asks_and_enter_on_ok_closes_without_applying(self):
        self.tab_to(self.at(*POLLING_1000))
        self.key("space")
        self.key("alt+F4")
        self.assertTrue(wait_until(self.warning_box_shows, 20), "no question about the unapplied edit")
        self.assertIsNone(self.process.poll(), "the tool closed before the question was answered")
        time.sleep(1.0)
        self.key("Return")
        self.assertTrue(wait_until_gone(TITLE, 20), "OK did not close the tool")
        self.process.wait(timeout=20)
        self.assertNotEqual("1", self.profile(1)["GROUP"]["PollingRate"], "the edit was applied")


if __name__ == "__main__":
    unittest.main()

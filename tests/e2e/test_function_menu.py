"""The function menu of the button page used as a person would: real clicks on the menu and its
sub-menus, real keys typed into the key dialogs through KBHook.dll, then apply; checked through
the profile file the device simulator reads and the captions of the window."""
import os
import time
import unittest

from harness import (APPLY, BASIC_ITEM, BIN, FUNCTION_BUTTON_HEIGHT, FUNCTION_BUTTON_LEFT, FUNCTION_BUTTON_X,
                     KEY_COMBINATION_ITEM, MACRO_ITEM, MENU_ITEM_HEIGHT, MENU_ITEM_WIDTH, OK, RAPID_FIRE_ITEM, ROW_TOPS,
                     SINGLE_KEY_ITEM, ToolTestCase, Window, read_ini, wait_for_window, wait_until, xdotool)

KEYBOARD_OPTION = (45, 144)
COUNT_FIELD, SPEED_FIELD = (430, 139), (430, 180)


def hex_bytes(text):
    """The bytes of a binary INI value: two hex digits each, then one of checksum."""
    return [int(text[i:i + 2], 16) for i in range(0, len(text) - 2, 2)]


def move_and_click(x, y):
    xdotool("mousemove", "--sync", x, y)
    time.sleep(0.2)
    xdotool("click", "1")
    time.sleep(0.5)


class FunctionMenuTest(ToolTestCase):
    def setUp(self):
        super().setUp()
        macros = os.path.join(self.data_folder, "MacroDB")
        os.makedirs(macros)
        with open(os.path.join(macros, "MacroSet.MSDB"), "w", newline="\r\n") as library:
            library.write("[MACRO_LIST]\n0=Jump\n")
        with open(os.path.join(macros, "Jump.MSMACRO"), "w", newline="\r\n") as macro:
            macro.write("[Setting]\nLoopTime=4\n")
        self.process, self.window = self.start_tool()
        self.assertTrue(wait_until(lambda: "sent WM_DEVICE_SETTING 0 0" in self.service_log()), self.service_log())
        self.names = read_ini(os.path.join(BIN, "images", "0409", "strings", "general.ini"))

    def choose(self, row, item, sub_item=None):
        """Opens the menu of a row and clicks an item, or rests on it and clicks a sub-item."""
        self.window.click(FUNCTION_BUTTON_X, ROW_TOPS[row] + FUNCTION_BUTTON_HEIGHT // 2)
        time.sleep(0.5)
        main = self.window.info()
        menu_x = main["x"] + FUNCTION_BUTTON_LEFT
        menu_y = main["y"] + ROW_TOPS[row]
        item_y = menu_y + MENU_ITEM_HEIGHT * item + MENU_ITEM_HEIGHT // 2
        if sub_item is None:
            move_and_click(menu_x + MENU_ITEM_WIDTH // 2, item_y)
            return
        xdotool("mousemove", "--sync", menu_x + MENU_ITEM_WIDTH // 2, item_y)
        time.sleep(0.8)
        sub_y = menu_y + MENU_ITEM_HEIGHT * item + 1 + MENU_ITEM_HEIGHT * sub_item + MENU_ITEM_HEIGHT // 2
        xdotool("mousemove", "--sync", menu_x + MENU_ITEM_WIDTH + MENU_ITEM_WIDTH // 2, sub_y)
        time.sleep(0.3)
        move_and_click(menu_x + MENU_ITEM_WIDTH + MENU_ITEM_WIDTH // 2 + 1, sub_y)

    def dialog(self, title):
        """Waits for a key dialog to show its buttons and gives it the keyboard focus."""
        self.assertTrue(wait_for_window(title), "the dialog %r did not open" % title)
        dialog = Window(title)
        self.assertTrue(wait_until(lambda: (dialog.control(OK) or {}).get("visible")),
                        "the dialog %r shows no OK" % title)
        dialog.focus()
        return dialog

    def captions(self):
        """The function buttons' window texts, top row first."""
        buttons = [c for c in self.window.children() if c["x"] == FUNCTION_BUTTON_LEFT and c["visible"]]
        return [c["text"] for c in sorted(buttons, key=lambda c: c["y"])]

    def test_keys_rapid_fire_a_basic_function_and_a_macro_reach_the_profile_file(self):
        self.choose(2, KEY_COMBINATION_ITEM)
        combination = self.dialog("Key Combination")
        xdotool("keydown", "Control_L")
        xdotool("key", "a")
        xdotool("keyup", "Control_L")
        time.sleep(0.5)
        combination.click_control(OK)

        self.choose(4, SINGLE_KEY_ITEM)
        single = self.dialog("Press a key to assign")
        xdotool("key", "b")
        time.sleep(0.5)
        single.click_control(OK)

        self.choose(7, RAPID_FIRE_ITEM)
        rapid = self.dialog("Rapid Fire")
        rapid.click(*KEYBOARD_OPTION)
        xdotool("key", "c")
        for field, digits in ((COUNT_FIELD, "5"), (SPEED_FIELD, "30")):
            rapid.click(*field)
            xdotool("key", "End", "BackSpace", "BackSpace", "BackSpace")
            xdotool("type", "--delay", "100", digits)
        time.sleep(0.5)
        rapid.click_control(OK)

        self.choose(5, BASIC_ITEM, 1)
        self.choose(3, MACRO_ITEM, 1)

        before = len(self.applies())
        self.window.click_control(APPLY)
        self.assertTrue(wait_until(lambda: len(self.applies()) > before), self.service_log())
        profile = read_ini(os.path.join(self.data_folder, "RSProfile1.pfd"))

        def button(record):
            return profile["ButtonAssigned_%d" % (record + 1)]

        def key_data(record):
            return hex_bytes(profile["GROUP"]["ButtonAssigned_%d" % (record + 1)])

        # Row 3: left Ctrl + A, as two presses and two releases.
        self.assertEqual(("7", "1", "4"), (button(2)["ButtonFunc"], button(2)["ButtonID"], button(2)["KeyNumber"]))
        self.assertEqual([0xE0, 5, 0x80, 0x04, 5, 0x80, 0x04, 5, 0x00, 0xE0, 5, 0x00] + [0] * 177, key_data(2))
        # Row 5: the single key B.
        self.assertEqual("6", button(3)["ButtonFunc"])
        self.assertEqual(0x05, key_data(3)[0])
        # Row 8: rapid fire on C, count 5, speed 30.
        self.assertEqual(("12", "5", "30"), (button(6)["ButtonFunc"], button(6)["LoopNumber"], button(6)["MacroName"]))
        self.assertEqual(0x06, key_data(6)[0])
        # Row 6: the second function of the basic sub-menu.
        self.assertEqual("18", button(4)["ButtonFunc"])
        # Row 4 edits the eighth record: the macro in slot 0 with its file's loop count.
        self.assertEqual(("11", "0", "4", "Jump"), (button(7)["ButtonFunc"], button(7)["KeyNumber"],
                                                    button(7)["LoopNumber"], button(7)["MacroName"]))

        captions = self.captions()
        self.assertEqual(["Ctrl + A", "Jump", "B", self.names["BASIC"]["2"], self.names["FUNCTION_STRING"]["12"]],
                         [captions[2], captions[3], captions[4], captions[5], captions[7]])


if __name__ == "__main__":
    unittest.main()

"""The tool started from a folder whose keyboard hook KBHook.dll is missing or cannot be loaded
(an antivirus quarantined or blocked it): the key dialog and the macro editor say once why keys
cannot be read, Record stays disabled, and nothing is stored."""
import os
import shutil
import tempfile
import time
import unittest

from harness import (APPLY, BIN, EDITOR_TITLE, FUNCTION_BUTTON_HEIGHT, FUNCTION_BUTTON_LEFT, FUNCTION_BUTTON_X,
                     MENU_ITEM_HEIGHT, MENU_ITEM_WIDTH, OK, ROW_TOPS, SERVICE_TITLE, SINGLE_KEY_ITEM, TITLE,
                     ToolTestCase, Window, click_screen, count_windows, pick_from_macro_menu, read_ini,
                     wait_for_window, wait_until, wait_until_gone, xdotool)

NOTICE_TITLE = "Keys cannot be read"
SINGLE_KEY_TITLE = "Press a key to assign"

STRINGS = read_ini(os.path.join(BIN, "images", "0409", "strings", "skins.ini"))["WARNING"]


class HookNoticeTest(ToolTestCase):
    def start_from_folder(self, hook_bytes):
        """The tool and the simulator copied into a folder of their own, with `hook_bytes` as its
        KBHook.dll (none for None)."""
        folder = tempfile.mkdtemp(prefix="orvane-nohook-")
        self.addCleanup(shutil.rmtree, folder, True)
        for name in ("OrvaneCfg.exe", "hid.exe"):
            shutil.copy(os.path.join(BIN, name), folder)
        shutil.copytree(os.path.join(BIN, "images"), os.path.join(folder, "images"))
        if hook_bytes is not None:
            with open(os.path.join(folder, "KBHook.dll"), "wb") as library:
                library.write(hook_bytes)
        self.start(os.path.join(folder, "OrvaneCfg.exe"))
        self.assertTrue(wait_for_window(TITLE, 60), "the tool's window did not appear")
        self.assertTrue(wait_for_window(SERVICE_TITLE, 60), "the device simulator did not start")
        self.assertTrue(wait_until(lambda: "sent WM_DEVICE_SETTING 0 0" in self.service_log()), self.service_log())
        return Window(TITLE)

    def answer_the_notice_once(self, message):
        self.assertTrue(wait_for_window(NOTICE_TITLE, 20), "no notice")
        notice = Window(NOTICE_TITLE)
        texts = [child["text"] for child in notice.children()]
        self.assertIn(message, texts)
        self.assertIn(STRINGS["31"], texts)
        notice.click_control(OK)
        self.assertTrue(wait_until_gone(NOTICE_TITLE), "the notice stayed")
        time.sleep(1.5)
        self.assertEqual(0, count_windows(NOTICE_TITLE), "the notice came again")

    def profile_files(self):
        return [read_ini(os.path.join(self.data_folder, "RSProfile%d.pfd" % n)) for n in range(1, 6)]

    def macro_files(self):
        folder = os.path.join(self.data_folder, "MacroDB")
        return sorted(os.listdir(folder)) if os.path.isdir(folder) else []

    def check_told_once_and_nothing_stored(self, hook_bytes, message):
        window = self.start_from_folder(hook_bytes)
        before = self.profile_files()
        macro_files = self.macro_files()

        # The single key of row 5, from its function menu.
        window.click(FUNCTION_BUTTON_X, ROW_TOPS[4] + FUNCTION_BUTTON_HEIGHT // 2)
        time.sleep(0.5)
        main = window.info()
        click_screen(main["x"] + FUNCTION_BUTTON_LEFT + MENU_ITEM_WIDTH // 2,
                     main["y"] + ROW_TOPS[4] + SINGLE_KEY_ITEM * MENU_ITEM_HEIGHT + MENU_ITEM_HEIGHT // 2)
        self.assertTrue(wait_for_window(SINGLE_KEY_TITLE), "the single-key dialog did not open")
        self.answer_the_notice_once(message)
        dialog = Window(SINGLE_KEY_TITLE)
        dialog.focus()
        xdotool("key", "b")
        time.sleep(0.5)
        dialog.click_control(OK)
        self.assertTrue(wait_until_gone(SINGLE_KEY_TITLE), "the single-key dialog stayed open")

        pick_from_macro_menu(window, 1, 0)
        self.assertTrue(wait_for_window(EDITOR_TITLE), "the macro editor did not open")
        self.answer_the_notice_once(message)
        editor = Window(EDITOR_TITLE)
        record = [child for child in editor.children() if child["text"] == "Record"]
        self.assertEqual(1, len(record))
        self.assertFalse(record[0]["enabled"], "Record is enabled without a keyboard hook")
        editor.click_control(OK)
        self.assertTrue(wait_until_gone(EDITOR_TITLE), "the macro editor stayed open")

        applies = len(self.applies())
        window.click_control(APPLY)
        self.assertTrue(wait_until(lambda: len(self.applies()) > applies), self.service_log())
        self.assertEqual(before, self.profile_files(), "a profile changed")
        self.assertEqual(macro_files, self.macro_files())

    def test_without_the_library(self):
        self.check_told_once_and_nothing_stored(None, STRINGS["28"])

    def test_with_a_library_that_does_not_load(self):
        self.check_told_once_and_nothing_stored(b"quarantined\r\n", STRINGS["29"])

if __name__ == "__main__":
    unittest.main()

"""Starting, single instance and closing of the tool."""
import os
import subprocess
import time
import unittest

from harness import TITLE, ToolTestCase, count_windows, screenshot, wait_until_gone, xdotool

WM_CLOSE = 0x0010


class StartupTest(ToolTestCase):
    def test_window_appears_in_the_x_display(self):
        _, window = self.start_tool()
        info = window.info()
        self.assertTrue(info["visible"])
        ids = xdotool("search", "--onlyvisible", "--name", "^%s$" % TITLE).split()
        self.assertTrue(ids, "no X window carries the tool's title")
        shot = os.path.join(self.documents, "startup.png")
        screenshot(shot)
        self.assertGreater(os.path.getsize(shot), 0)

    def test_second_start_exits_at_once_while_the_first_keeps_running(self):
        first, window = self.start_tool()
        before = window.info()

        second = self.start()
        second.wait(timeout=20)
        time.sleep(0.5)

        self.assertIsNone(first.poll(), "the first instance ended")
        self.assertEqual(1, count_windows(TITLE))
        self.assertEqual(before["hwnd"], window.info()["hwnd"])

    def test_escape_and_enter_do_not_close_the_window(self):
        first, window = self.start_tool()
        window.focus()
        xdotool("key", "--clearmodifiers", "Escape")
        xdotool("key", "--clearmodifiers", "Return")
        time.sleep(0.5)
        self.assertIsNone(first.poll())
        self.assertIsNotNone(window.info())

    def test_after_closing_the_tool_starts_again_at_once(self):
        first, window = self.start_tool()
        window.post(WM_CLOSE)
        first.wait(timeout=20)
        self.assertTrue(wait_until_gone(TITLE))

        again, _ = self.start_tool()
        self.assertIsNone(again.poll())


if __name__ == "__main__":
    unittest.main()

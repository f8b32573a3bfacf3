"""Starting, single instance and closing of the tool."""
import os
import subprocess
import time
import unittest

from harness import TITLE, ToolTestCase, count_windows, probe, screenshot, wait_until, wait_until_gone, xdotool

WM_CLOSE = 0x0010
WM_SYSCOMMAND, SC_MINIMIZE = 0x0112, 0xF020
WS_CAPTION, WS_THICKFRAME, WS_SYSMENU = 0x00C00000, 0x00040000, 0x00080000
WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_EX_APPWINDOW = 0x00020000, 0x00010000, 0x00040000


def look():
    """The main window's styles, whether it is minimised and whether it is the active window."""
    code, out = probe("look", TITLE)
    if code != 0:
        return None
    style, exstyle, iconic, foreground = (int(value) for value in out.split())
    return {"style": style, "exstyle": exstyle, "iconic": iconic == 1, "foreground": foreground == 1}


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

    def test_a_taskbar_button_that_minimises_and_no_frame_drawn(self):
        _, window = self.start_tool()
        styles = look()
        # The minimise box and the system menu let the taskbar button and Windows+M minimise the
        # window; without a caption or a sizing frame neither draws anything.
        self.assertEqual(WS_MINIMIZEBOX | WS_SYSMENU,
                         styles["style"] & (WS_MINIMIZEBOX | WS_SYSMENU | WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX))
        self.assertTrue(styles["exstyle"] & WS_EX_APPWINDOW)

        window.send(WM_SYSCOMMAND, SC_MINIMIZE)  # what a click on the taskbar button sends
        self.assertTrue(wait_until(lambda: look()["iconic"]), "the window was not minimised")

    def test_second_start_brings_the_minimised_first_window_forward(self):
        first, window = self.start_tool()
        window.send(WM_SYSCOMMAND, SC_MINIMIZE)
        self.assertTrue(wait_until(lambda: look()["iconic"]))

        second = self.start()
        second.wait(timeout=20)

        self.assertTrue(wait_until(lambda: not look()["iconic"] and look()["foreground"]),
                        "the first window stayed behind: %s" % look())
        self.assertIsNone(first.poll(), "the first instance ended")
        self.assertEqual(1, count_windows(TITLE))

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

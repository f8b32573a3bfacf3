"""Edits not yet applied, as a person meets them: the Apply caption shows them, and closing the
window with them asks first. Real clicks and keys (xdotool), checked through the window, its
pixels and the profile files."""
import os
import subprocess
import tempfile
import time
import unittest

from harness import (APPLY, RESET, TITLE, WARNING_SIZE, MainWindowCase, screenshot, wait_until, wait_until_gone,
                     xdotool)

POLLING_1000 = (898, 449)
CLOSE = (994, 24)
# The Apply button's caption area: left, top, width, height in client coordinates.
APPLY_CAPTION = (430, 655, 60, 20)


class UnappliedEditsTest(MainWindowCase):
    def warning_box(self):
        """The warning box's top left corner on the screen, or None while none is shown."""
        dialog = self.window.shown_dialog()
        if dialog is None or (dialog["width"], dialog["height"]) != WARNING_SIZE:
            return None
        return dialog["x"], dialog["y"]

    def answer_warning_box(self, button):
        self.assertTrue(wait_until(lambda: self.warning_box() is not None), "no warning box")
        time.sleep(1.0)
        self.assertTrue(self.window.click_dialog_control(button), "the warning box has no %s" % button)
        self.assertTrue(wait_until(lambda: self.warning_box() is None), "the warning box stays")

    def accent_pixels_in_apply_caption(self):
        """How many pixels of the Apply caption are clearly blue: the accent colour's, not white's."""
        # Off the button, so that its hover picture does not hide the caption's colour.
        xdotool("mousemove", "--sync", self.window.info()["x"] + 60, self.window.info()["y"] + 400)
        time.sleep(0.8)
        info = self.window.info()
        with tempfile.TemporaryDirectory() as work:
            shot = os.path.join(work, "screen.png")
            screenshot(shot)
            x, y, width, height = APPLY_CAPTION
            pixels = subprocess.run(["convert", shot, "-crop", "%dx%d+%d+%d" % (width, height, info["x"] + x,
                                                                                  info["y"] + y),
                                     "-depth", "8", "rgb:-"], capture_output=True, check=True, timeout=60).stdout
        return sum(1 for i in range(0, len(pixels) - 2, 3) if pixels[i + 2] - pixels[i] > 100)

    def polling_rate_in_file(self):
        return self.profile(1)["GROUP"]["PollingRate"]

    def test_closing_with_an_edit_asks_cancel_keeps_it_and_after_apply_nothing_is_asked(self):
        self.assertEqual(0, self.accent_pixels_in_apply_caption(), "nothing is unapplied at the start")
        self.window.click(*POLLING_1000)
        self.assertGreater(self.accent_pixels_in_apply_caption(), 0, "Apply does not show the edit")
        self.assertIsNotNone(self.window.control(APPLY), "the caption changed")

        self.window.click(*CLOSE)
        self.answer_warning_box("Cancel")
        time.sleep(0.5)
        self.assertIsNone(self.process.poll(), "Cancel closed the tool")
        self.assertIsNotNone(self.window.info())
        self.assertGreater(self.accent_pixels_in_apply_caption(), 0, "the edit is gone")

        self.apply_and_wait()
        self.assertEqual("1", self.polling_rate_in_file(), "the edit kept after Cancel is applied")
        self.assertEqual(0, self.accent_pixels_in_apply_caption(), "Apply still shows an edit")
        self.window.click(*CLOSE)
        self.assertTrue(wait_until_gone(TITLE, 20), "the tool asked or stayed after its edits were applied")
        self.assertIsNone(self.window.shown_dialog())

    def test_alt_f4_with_an_edit_asks_and_ok_closes_without_applying(self):
        self.window.click(*POLLING_1000)
        self.window.focus()
        xdotool("key", "--clearmodifiers", "alt+F4")
        self.answer_warning_box("OK")
        self.assertTrue(wait_until_gone(TITLE, 20), "OK did not close the tool")
        self.assertEqual("2", self.polling_rate_in_file(), "the edit was applied")

    def test_reset_applies_at_once_so_closing_asks_nothing(self):
        self.window.click(*POLLING_1000)
        before = len(self.applies())
        self.window.click_control(RESET)
        self.answer_warning_box("OK")
        self.assertTrue(wait_until(lambda: len(self.applies()) > before), self.service_log())
        self.assertEqual(0, self.accent_pixels_in_apply_caption())
        self.window.click(*CLOSE)
        self.assertTrue(wait_until_gone(TITLE, 20), "the tool asked or stayed after a reset")


if __name__ == "__main__":
    unittest.main()

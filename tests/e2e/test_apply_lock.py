"""The bottom row's lock around an apply: a confirmation unlocks only an apply that still waits
for one. A confirmation that comes after the tool gave up waiting must not unlock the next apply."""
import time
import unittest

from harness import APPLY, wait_until
from test_service_faults import UNLOCK_SECONDS, ServiceFaultCase

WM_DEVICE_SETTING = 5397
SETTING_APPLY_DONE = 15
# The tool unlocks an unconfirmed apply after 10 s; a check later than this proves nothing.
CHECK_WITHIN_SECONDS = 9
# The tool unlocks half a second after a confirmation it takes.
UNLOCK_AFTER_CONFIRMATION_SECONDS = 1.5


class ApplyLock(ServiceFaultCase):
    def test_a_late_confirmation_does_not_unlock_the_next_apply(self):
        self.command("ignore-applies")
        self.edit_and_apply()
        self.assertTrue(wait_until(self.row_enabled, UNLOCK_SECONDS), "the unconfirmed apply stays locked")

        applies = len(self.applies())
        clicked = time.monotonic()
        self.window.click_control(APPLY)
        self.assertTrue(wait_until(lambda: len(self.applies()) > applies), self.service_log())
        self.assertFalse(self.row_enabled())

        # The first apply's answer, late.
        self.assertIsNotNone(self.window.send(WM_DEVICE_SETTING, SETTING_APPLY_DONE, 0))
        time.sleep(UNLOCK_AFTER_CONFIRMATION_SECONDS)
        locked = not self.row_enabled()
        if time.monotonic() - clicked > CHECK_WITHIN_SECONDS:
            self.skipTest("the machine was too slow to tell the late answer from the timer")
        self.assertTrue(locked, "a late confirmation unlocked the next apply")

        # The second apply's own answer.
        self.assertIsNotNone(self.window.send(WM_DEVICE_SETTING, SETTING_APPLY_DONE, 0))
        self.assertTrue(wait_until(self.row_enabled, UNLOCK_SECONDS), "the bottom row stays locked")


if __name__ == "__main__":
    unittest.main()

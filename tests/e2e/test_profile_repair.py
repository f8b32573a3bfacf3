"""Profile files that would leave the mouse without its primary button: loaded, reloaded and
applied by the real tool, checked through the files and the simulator's log."""
import os
import re
import unittest

from harness import (APPLY, FUNCTION_BUTTON_HEIGHT, FUNCTION_BUTTON_X, ROW_TOPS, SERVICE, ToolTestCase, read_ini,
                     wait_until)
from profile_files import write_library, write_profiles

# Button records 0 to 7 of every profile, none of them the Left click (function 1).
NO_LEFT_CLICK = {b: (code, 0, "") for b, code in enumerate([2, 3, 4, 5, 48, 49, 12, 2])}


class ProfileRepairTest(ToolTestCase):
    def profile(self, number):
        return read_ini(os.path.join(self.data_folder, "RSProfile%d.pfd" % number))

    def functions(self, number):
        profile = self.profile(number)
        return [int(profile["ButtonAssigned_%d" % (b + 1)]["ButtonFunc"]) for b in range(8)]

    def test_files_without_a_left_click_are_loaded_reloaded_and_applied_with_one(self):
        write_profiles(self.data_folder, {k: NO_LEFT_CLICK for k in range(5)})
        write_library(self.data_folder, [])
        _, window = self.start_tool()
        self.assertTrue(wait_until(lambda: window.control(APPLY)["enabled"], 30), "the device shows absent")
        first_row = window.child_at((FUNCTION_BUTTON_X, ROW_TOPS[0] + FUNCTION_BUTTON_HEIGHT // 2))
        self.assertEqual("Left click", first_row["text"])

        self.apply_in(window, APPLY)
        for number in range(1, 6):
            self.assertEqual([1, 3, 4, 5, 48, 49, 12, 2], self.functions(number), number)

        # The device service changes a file and asks for a reload.
        path = os.path.join(self.data_folder, "RSProfile4.pfd")
        with open(path, "rb") as source:
            text = source.read()
        with open(path, "wb") as target:
            target.write(re.sub(rb"(\[ButtonAssigned_1\][^\[]*?ButtonFunc=)1", rb"\g<1>2", text))
        self.assertEqual(2, self.functions(4)[0], "the file was changed")
        before = self.service_log().count("sent WM_DEVICE_SETTING 0 0")
        self.assertEqual(0, self.start(SERVICE, "setting", "0", "0").wait(timeout=30))
        self.assertTrue(wait_until(lambda: self.service_log().count("sent WM_DEVICE_SETTING 0 0") > before))
        self.apply_in(window, APPLY)
        self.assertEqual([1, 3, 4, 5, 48, 49, 12, 2], self.functions(4))


if __name__ == "__main__":
    unittest.main()

"""Faults of the device service, played by the simulator: missing at start, never confirming an
apply, hung. The tool keeps answering, unlocks its bottom row and shows the device's state."""
import os
import shutil
import tempfile
import unittest

from harness import (APPLY, BIN, SERVICE, SERVICE_TITLE, TITLE, ToolTestCase, Window, count_windows,
                     wait_for_window, wait_until)
from test_service_faults import ABSENT, UNLOCK_SECONDS, WM_NULL, ServiceFaultCase, status_shown


class ServiceHangs(ServiceFaultCase):
    def test_an_apply_that_is_never_confirmed_unlocks_the_bottom_row(self):
        self.command("ignore-applies")

        self.edit_and_apply()

        self.assertFalse(self.row_enabled(), "the row is locked while the service works")
        self.assertTrue(self.answers())
        self.assertTrue(wait_until(self.row_enabled, UNLOCK_SECONDS), "the bottom row stays locked")
        self.assertIn("received WM_SERVICE_APPLY 0 0 complete-files=5 active-profile=1", self.service_log())
        self.assertNotIn("sent WM_DEVICE_SETTING 15 0", self.service_log())

    def test_a_hung_service_does_not_freeze_the_tool(self):
        self.command("hang", "25")
        self.assertTrue(wait_until(lambda: "hanging for 25 s" in self.service_log()))

        self.edit_and_apply()

        self.assertTrue(wait_until(self.answers, 15), "the tool froze with the service")
        self.assertTrue(wait_until(self.row_enabled, UNLOCK_SECONDS), "the bottom row stays locked")
        self.assertTrue(wait_until(lambda: "answering again" in self.service_log(), 30))
        self.apply_and_wait()
        self.assertEqual("4", self.acceleration())


class ServiceMissingAtStart(ToolTestCase):
    """A tool folder without hid.exe: the tool's one start attempt finds nothing to start."""

    def setUp(self):
        super().setUp()
        self.tool_folder = tempfile.mkdtemp(prefix="orvane-no-service-")
        for name in os.listdir(BIN):
            source = os.path.join(BIN, name)
            if name == "images":
                shutil.copytree(source, os.path.join(self.tool_folder, name))
            elif name != "hid.exe":
                shutil.copy(source, self.tool_folder)

    def tearDown(self):
        super().tearDown()
        shutil.rmtree(self.tool_folder, ignore_errors=True)

    def test_the_tool_runs_without_a_service_and_takes_one_that_comes_later(self):
        self.start(os.path.join(self.tool_folder, "OrvaneCfg.exe"))
        self.assertTrue(wait_for_window(TITLE, 60))
        window = Window(TITLE)
        self.assertFalse(wait_for_window(SERVICE_TITLE, 3), "a service was started from elsewhere")
        self.assertIsNotNone(window.send(WM_NULL))
        self.assertFalse(window.control(APPLY)["enabled"], "no device: nothing to apply to")
        self.assertIn(ABSENT, status_shown(window))

        self.start(SERVICE)
        self.assertTrue(wait_for_window(SERVICE_TITLE, 60))
        self.assertTrue(wait_until(lambda: window.control(APPLY)["enabled"] and ABSENT not in status_shown(window), 20),
                        "the device that came is not shown")
        self.assertEqual(1, count_windows(TITLE))



if __name__ == "__main__":
    unittest.main()

"""Faults of the device service, played by the simulator: missing at start, stopped during a
session, never confirming an apply, hung, killed during an apply, and started again. The tool
keeps answering, unlocks its bottom row, shows the device's state and loses no applied edit."""
import os
import shutil
import tempfile
import unittest

from harness import (APPLY, BIN, EXPORT, IMPORT, RESET, RESET_ALL, SERVICE, SERVICE_TITLE, TITLE, MainWindowCase,
                     ToolTestCase, Window, count_windows, read_ini, wait_for_window, wait_until, wait_until_gone,
                     wine)

WM_NULL = 0x0000
ACCELERATION_RIGHT_END = (967, 228)
BOTTOM_ROW = (EXPORT, IMPORT, RESET, RESET_ALL, APPLY)
STATUS_LABEL = (16, 88)
ABSENT = "Not connected"
# The tool waits 5 s for an answer and unlocks an unconfirmed apply after 10 s; the limits here
# leave room for a loaded machine.
UNLOCK_SECONDS = 30


def status_shown(window):
    """The texts of the device status labels on show."""
    return [c["text"] for c in window.children() if (c["x"], c["y"]) == STATUS_LABEL and c["visible"]]


class ServiceFaults(MainWindowCase):
    # --- what the test looks at ---

    def answers(self):
        """The tool's window takes a message within the 5 s of probe's send."""
        return self.window.send(WM_NULL) is not None

    def row_enabled(self):
        return all(self.control_at(point)["enabled"] for point in BOTTOM_ROW)

    def absent_shown(self):
        return ABSENT in status_shown(self.window)

    def acceleration(self):
        return read_ini(os.path.join(self.data_folder, "RSProfile1.pfd"))["GROUP"].get("Acceleration")

    def command(self, *words):
        self.assertEqual(0, self.start(SERVICE, *words).wait(timeout=30), words)

    def kill_service(self):
        info = Window(SERVICE_TITLE).info()
        self.assertIsNotNone(info, "no simulator runs")
        wine("taskkill", "/F", "/PID", str(info["pid"]))
        self.assertTrue(wait_until_gone(SERVICE_TITLE, 20))

    def edit_and_apply(self):
        self.assertEqual("1", self.acceleration(), "the factory acceleration")
        self.window.click(*ACCELERATION_RIGHT_END)
        self.window.click(*APPLY)
        self.assertTrue(wait_until(lambda: self.acceleration() == "4"), "the applied edit was not written")

    def restart_service_and_apply(self):
        """A service started again finds the applied edit in the files and confirms the next apply."""
        self.start(SERVICE)
        self.assertTrue(wait_for_window(SERVICE_TITLE, 60))
        self.assertTrue(wait_until(lambda: self.control_at(APPLY)["enabled"] and not self.absent_shown(), 20),
                        "the device that came back is not shown")
        self.apply_and_wait()
        self.assertEqual("4", self.acceleration(), "the applied edit was lost")
        self.assertEqual(1, self.service_log().count("started") - self.service_log().count("stopped"))

    # --- the tests ---

    def test_stopped_during_a_session_then_started_again(self):
        self.kill_service()
        self.assertTrue(self.answers())

        self.edit_and_apply()

        self.assertTrue(self.answers())
        self.assertTrue(wait_until(self.row_enabled, 5), "the bottom row is locked without a service")
        self.assertTrue(self.absent_shown())
        self.restart_service_and_apply()

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

    def test_killed_during_an_apply_then_started_again(self):
        self.command("die-on-apply")

        self.edit_and_apply()

        self.assertTrue(wait_until_gone(SERVICE_TITLE, 20), "the simulator did not end")
        self.assertIn("received WM_SERVICE_APPLY 0 0 ending without an answer", self.service_log())
        self.assertTrue(self.answers())
        self.assertTrue(wait_until(self.row_enabled, UNLOCK_SECONDS), "the bottom row stays locked")
        # The next apply finds no service: saved, not locked, and the device shows as absent.
        self.window.click(*APPLY)
        self.assertTrue(wait_until(self.absent_shown, 10))
        self.assertTrue(self.row_enabled())
        self.restart_service_and_apply()


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
        apply_button = [c for c in window.children() if c["text"] == "Apply"]
        self.assertEqual(1, len(apply_button))
        self.assertFalse(apply_button[0]["enabled"], "no device: nothing to apply to")
        self.assertIn(ABSENT, status_shown(window))

        self.start(SERVICE)
        self.assertTrue(wait_for_window(SERVICE_TITLE, 60))
        self.assertTrue(wait_until(lambda: [c["enabled"] for c in window.children() if c["text"] == "Apply"] == [True]
                                   and ABSENT not in status_shown(window), 20), "the device that came is not shown")
        self.assertEqual(1, count_windows(TITLE))


if __name__ == "__main__":
    unittest.main()

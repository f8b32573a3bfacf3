"""Faults of the device service, played by the simulator: stopped during a session, killed during
an apply, and started again. The tool keeps answering, unlocks its bottom row, shows the device's
state and loses no applied edit. The service that hangs or is missing: test_service_hangs.py."""
import os
import unittest

from harness import (APPLY, BOTTOM_ROW, SERVICE, SERVICE_TITLE, MainWindowCase, Window,
                     count_windows, read_ini, wait_for_window, wait_until, wait_until_gone, wine)

WM_NULL = 0x0000
ACCELERATION_RIGHT_END = (967, 228)
STATUS_LABEL = (16, 88)
ABSENT = "Not connected"
# The tool waits 5 s for an answer and unlocks an unconfirmed apply after 10 s; the limits here
# leave room for a loaded machine.
UNLOCK_SECONDS = 30


def status_shown(window):
    """The texts of the device status labels on show."""
    return [c["text"] for c in window.children() if (c["x"], c["y"]) == STATUS_LABEL and c["visible"]]


class ServiceFaultCase(MainWindowCase):
    """The tool with the simulator's factory profiles, and what a fault test looks at and does."""

    def answers(self):
        """The tool's window takes a message within the 5 s of probe's send."""
        return self.window.send(WM_NULL) is not None

    def row_enabled(self):
        return all(self.control(point)["enabled"] for point in BOTTOM_ROW)

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
        self.window.click_control(APPLY)
        self.assertTrue(wait_until(lambda: self.acceleration() == "4"), "the applied edit was not written")

    def restart_service_and_apply(self):
        """A service started again finds the applied edit in the files and confirms the next apply."""
        self.start(SERVICE)
        self.assertTrue(wait_for_window(SERVICE_TITLE, 60))
        self.assertTrue(wait_until(lambda: self.control(APPLY)["enabled"] and not self.absent_shown(), 20),
                        "the device that came back is not shown")
        self.apply_and_wait()
        self.assertEqual("4", self.acceleration(), "the applied edit was lost")
        self.assertEqual(1, count_windows(SERVICE_TITLE))


class ServiceGone(ServiceFaultCase):
    def test_stopped_during_a_session_then_started_again(self):
        self.kill_service()
        self.assertTrue(self.answers())

        self.edit_and_apply()

        self.assertTrue(self.answers())
        self.assertTrue(wait_until(self.row_enabled, 5), "the bottom row is locked without a service")
        self.assertTrue(self.absent_shown())
        self.restart_service_and_apply()

    def test_killed_during_an_apply_then_started_again(self):
        self.command("die-on-apply")

        self.edit_and_apply()

        self.assertTrue(wait_until_gone(SERVICE_TITLE, 20), "the simulator did not end")
        self.assertIn("received WM_SERVICE_APPLY 0 0 ending without an answer", self.service_log())
        self.assertTrue(self.answers())
        self.assertTrue(wait_until(self.row_enabled, UNLOCK_SECONDS), "the bottom row stays locked")
        # The next apply finds no service: saved, not locked, and the device shows as absent.
        self.window.click_control(APPLY)
        self.assertTrue(wait_until(self.absent_shown, 10))
        self.assertTrue(self.row_enabled())
        self.restart_service_and_apply()


if __name__ == "__main__":
    unittest.main()

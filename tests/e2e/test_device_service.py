"""The tool and the device simulator hid.exe: starting the service, and the service's messages."""
import os
import unittest

from harness import SERVICE, SERVICE_TITLE, ToolTestCase, count_windows, wait_for_window, wait_until


class DeviceServiceTest(ToolTestCase):
    def test_the_tool_starts_the_simulator_once_when_none_runs(self):
        self.assertEqual(0, count_windows(SERVICE_TITLE))

        self.start_tool()

        self.assertEqual(1, count_windows(SERVICE_TITLE))
        self.assertTrue(wait_until(lambda: "sent WM_DEVICE_PRESENCE 0 0" in self.service_log()),
                        self.service_log())
        self.assertEqual(1, self.service_log().count("started"))
        self.assertTrue(os.path.isdir(os.path.join(self.data_folder, "MacroDB")))

    def test_device_settings_and_a_reload_request_reach_the_tools_window(self):
        _, window = self.start_tool()

        def shown(text):
            return wait_until(lambda: text in [child["text"] for child in window.children()])

        self.assertEqual(0, self.start(SERVICE, "setting", "8", "2").wait(timeout=30))
        self.assertTrue(shown("Current Stage : 3"), "the DPI stage 2 is shown as stage 3")

        self.assertEqual(0, self.start(SERVICE, "set", "1", "DPI", "4").wait(timeout=30))
        self.assertTrue(shown("Current Stage : 5"), "the reload reads the rewritten profile file")

    def test_a_second_simulator_start_leaves_the_first_alone(self):
        first = self.start(SERVICE)
        self.assertTrue(wait_for_window(SERVICE_TITLE))

        second = self.start(SERVICE)
        second.wait(timeout=30)

        self.assertIsNone(first.poll(), "the first simulator ended")
        self.assertEqual(1, count_windows(SERVICE_TITLE))
        self.assertEqual(1, self.service_log().count("started"))

    def test_control_commands_report_bad_words_and_a_missing_simulator(self):
        self.assertEqual(2, self.start(SERVICE, "unplug").wait(timeout=30))
        self.assertEqual(1, self.start(SERVICE, "dpi").wait(timeout=30), "no simulator runs")


if __name__ == "__main__":
    unittest.main()

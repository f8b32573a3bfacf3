"""The main window used as a person would: real clicks and keys, checked through the profile
files, the simulator's log and the window's controls."""
import os
import subprocess
import time
import unittest

from harness import (APPLY, BIN, BOTTOM_ROW, EXPORT, IMPORT, OK, PROFILE_TABS, RESET_ALL, SERVICE, TITLE,
                     WARNING_SIZE, MainWindowCase, count_windows, read_ini, stop_service, wait_for_window, wait_until,
                     wait_until_gone, xdotool)

# Client points of the controls used here.
ACCELERATION_RIGHT_END = (967, 228)
POLLING_1000 = (898, 449)
SURFACE = (60, 400)


class MainWindowTest(MainWindowCase):
    def answer_warning_box_with_ok(self):
        self.assertTrue(wait_until(self.warning_box_shown), "no warning box")
        self.assertTrue(self.window.click_dialog_control(OK), "the warning box has no OK")

    def warning_box_shown(self):
        dialog = self.window.shown_dialog()
        return dialog is not None and (dialog["width"], dialog["height"]) == WARNING_SIZE

    def profile_bytes(self):
        return [open(os.path.join(self.data_folder, "RSProfile%d.pfd" % n), "rb").read() for n in range(1, 6)]

    def choose_file(self, title, name):
        """Types a file name into the system's file dialog and confirms it."""
        self.assertTrue(wait_for_window(title), "the %s dialog did not open" % title)
        time.sleep(1.0)
        ids = xdotool("search", "--name", "^%s$" % title).split()
        if ids:
            xdotool("windowfocus", "--sync", ids[0])
        xdotool("type", "--delay", "50", name)
        xdotool("key", "Return")

    # --- the tests ---

    def test_a_click_on_the_surface_stays_and_a_drag_moves_the_window(self):
        start = self.window.info()
        self.window.click(*SURFACE)
        self.window.click(*POLLING_1000)
        self.assertEqual((start["x"], start["y"]), (self.window.info()["x"], self.window.info()["y"]),
                         "a click on the surface moved the window")

        xdotool("mousemove", "--sync", start["x"] + SURFACE[0], start["y"] + SURFACE[1])
        time.sleep(0.2)
        xdotool("mousedown", "1")
        time.sleep(0.2)
        for step in range(1, 6):
            xdotool("mousemove", "--sync", start["x"] + SURFACE[0] + 12 * step, start["y"] + SURFACE[1] + 8 * step)
            time.sleep(0.1)
        xdotool("mouseup", "1")
        self.assertTrue(wait_until(lambda: (self.window.info()["x"], self.window.info()["y"]) ==
                                   (start["x"] + 60, start["y"] + 40)), self.window.info())

    def test_switch_profile_move_a_slider_and_apply(self):
        self.assertEqual("2", self.profile(2)["GROUP"]["LedMode1"], "the factory lighting mode")
        self.window.click_control(PROFILE_TABS[1])
        self.window.click(*ACCELERATION_RIGHT_END)
        self.apply_and_wait()

        self.assertIn("sent WM_DEVICE_SETTING 15 0", self.service_log())
        for number in range(1, 6):
            self.assertEqual("1", self.profile(number)["GROUP"]["GroupID"], number)
        self.assertEqual("4", self.profile(2)["GROUP"]["Acceleration"])
        self.assertEqual("1", self.profile(1)["GROUP"]["Acceleration"])
        for name in BOTTOM_ROW:
            self.assertTrue(self.control(name)["enabled"], name)

    def test_reset_all_through_the_warning_box(self):
        self.window.click_control(PROFILE_TABS[2])
        self.window.click(*ACCELERATION_RIGHT_END)
        self.apply_and_wait()
        self.assertEqual("4", self.profile(3)["GROUP"]["Acceleration"])

        before = len(self.applies())
        self.window.click_control(RESET_ALL)
        self.answer_warning_box_with_ok()
        self.assertTrue(wait_until(lambda: len(self.applies()) > before), self.service_log())
        for number in range(1, 6):
            self.assertEqual("0", self.profile(number)["GROUP"]["GroupID"], number)
        self.assertEqual("1", self.profile(3)["GROUP"]["Acceleration"])

    def test_export_a_profile_and_import_it_into_another(self):
        self.window.click(*POLLING_1000)
        self.window.click_control(EXPORT)
        self.choose_file("Save As", "shared")
        exported = os.path.join(self.data_folder, "shared.pfd")
        # The file is written value by value; the last button's name comes last.
        self.assertTrue(wait_until(lambda: os.path.exists(exported) and
                                        "MacroName" in read_ini(exported).get("ButtonAssigned_8", {})),
                        "nothing was exported")
        self.assertEqual("1", read_ini(exported)["GROUP"]["PollingRate"])
        self.assertNotIn("GroupID", read_ini(exported)["GROUP"])

        self.window.click_control(PROFILE_TABS[3])
        before = len(self.applies())
        self.window.click_control(IMPORT)
        self.choose_file("Open", "shared.pfd")
        self.assertTrue(wait_until(lambda: len(self.applies()) > before), self.service_log())
        self.assertEqual("1", self.profile(4)["GROUP"]["PollingRate"])
        self.assertEqual("3", self.profile(4)["GROUP"]["GroupID"])

    def test_importing_a_name_that_does_not_exist_keeps_the_dialog_open(self):
        before = len(self.applies())
        self.window.click_control(IMPORT)
        self.choose_file("Open", "missing.pfd")
        time.sleep(2.0)
        self.assertGreaterEqual(count_windows("Open"), 1, "the open dialog closed on a missing file")
        self.assertEqual(before, len(self.applies()), "a missing file was imported")
        # The system's notice first, then the dialog itself.
        for key in ("Return", "Escape", "Escape"):
            if count_windows("Open") == 0:
                break
            xdotool("key", key)
            time.sleep(1.0)
        self.assertTrue(wait_until_gone("Open", 10), "the open dialog does not close")
        self.assertEqual(before, len(self.applies()), "nothing is imported or applied")
        self.assertTrue(self.control(APPLY)["enabled"])

    def test_apply_with_the_simulator_stopped_saves_and_keeps_the_bottom_row(self):
        self.window.click(*ACCELERATION_RIGHT_END)
        stop_service()
        self.window.click_control(APPLY)
        self.assertTrue(wait_until(lambda: self.profile(1)["GROUP"].get("Acceleration") == "4"),
                        "the files were not written")
        time.sleep(1.0)
        for name in BOTTOM_ROW:
            self.assertTrue(self.control(name)["enabled"], name)
        labels = [c for c in self.window.children() if c["x"] == 16 and c["y"] == 88 and c["visible"]]
        self.assertEqual(1, len(labels), "the device-absent label shows")

    def test_unplugging_and_plugging_the_device_shows_its_state(self):
        absent = self.window.child_at((20, 92))
        self.assertIsNotNone(absent)

        self.assertEqual(0, self.start(SERVICE, "absent").wait(timeout=30))
        self.assertTrue(wait_until(lambda: not self.control(APPLY)["enabled"]))
        labels = [c for c in self.window.children() if c["x"] == 16 and c["y"] == 88]
        self.assertTrue(any(label["visible"] for label in labels), "no status label shows")

        # The status label blinks for four seconds; the sampling runs inside Wine so that a
        # loaded machine does not miss it.
        watch = subprocess.Popen(["wine", os.path.join(BIN, "probe.exe"), "watch", TITLE, "16", "88",
                                  "12000"], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                 stderr=subprocess.DEVNULL, text=True)
        self.assertEqual("watching", watch.stdout.readline().strip())
        self.assertEqual(0, self.start(SERVICE, "present").wait(timeout=30))
        self.assertTrue(wait_until(lambda: self.control(APPLY)["enabled"]))
        report = watch.communicate(timeout=60)[0].splitlines()
        times_shown, visible_at_end = report[0].split()
        self.assertEqual("3", times_shown, "the present label blinks three times: %s" % report)
        self.assertEqual(1, len(report) - 1, "only the present label blinks: %s" % report)
        self.assertEqual("0", visible_at_end, "the blink ends hidden")

    def test_export_over_a_live_profile_file_is_refused(self):
        before = self.profile_bytes()
        self.window.click(*POLLING_1000)
        self.window.click_control(EXPORT)
        self.choose_file("Save As", "RSProfile2.pfd")
        # The system asks first whether to replace the file (Wine titles that box "Error"); yes.
        self.assertTrue(wait_for_window("Error", 15), "the system did not ask before replacing")
        xdotool("key", "Return")
        self.assertTrue(wait_until(self.warning_box_shown), "no warning box")
        self.answer_warning_box_with_ok()
        self.assertTrue(wait_until(lambda: not self.warning_box_shown()))
        self.assertEqual(before, self.profile_bytes(), "a live profile file was written")
        self.assertEqual([], [n for n in os.listdir(self.data_folder) if n.endswith(".tmp")])
        self.assertTrue(self.control(APPLY)["enabled"])

    def test_apply_into_read_only_profile_files_warns_sends_nothing_and_unlocks(self):
        paths = [os.path.join(self.data_folder, "RSProfile%d.pfd" % n) for n in range(1, 6)]
        before = self.profile_bytes()
        applies = len(self.applies())
        for path in paths:
            os.chmod(path, 0o444)
        os.chmod(self.data_folder, 0o555)
        try:
            self.window.click(*ACCELERATION_RIGHT_END)
            self.window.click_control(APPLY)
            self.assertTrue(wait_until(self.warning_box_shown), "no warning box")
            self.answer_warning_box_with_ok()
            self.assertTrue(wait_until(lambda: not self.warning_box_shown()))
            for name in BOTTOM_ROW:
                self.assertTrue(wait_until(lambda: self.control(name)["enabled"]), name)
        finally:
            os.chmod(self.data_folder, 0o755)
            for path in paths:
                os.chmod(path, 0o644)
        self.assertEqual(before, self.profile_bytes())
        self.assertEqual(applies, len(self.applies()), "an apply was sent for files that were not written")
        self.assertEqual([], [n for n in os.listdir(self.data_folder) if n.endswith(".tmp")])

        # Once the files can be written again, the same edit is applied.
        self.apply_and_wait()
        self.assertEqual("4", self.profile(1)["GROUP"]["Acceleration"])


if __name__ == "__main__":
    unittest.main()

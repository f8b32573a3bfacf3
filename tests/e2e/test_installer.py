"""The Windows installer built by scripts/package.sh: a silent install under Wine, the installed
tool started from its Start menu entry and closed, and a silent uninstall that leaves only the
user's data behind."""
import os
import shutil
import subprocess
import tempfile
import unittest
import zipfile

from harness import (BIN, SERVICE_TITLE, TITLE, WM_CLOSE, ToolTestCase, Window, count_windows,
                     wait_for_window, wait_until, wait_until_gone, wine)

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DRIVE_C = os.path.join(os.environ.get("WINEPREFIX", ""), "drive_c")
INSTALL_FOLDER = os.path.join(DRIVE_C, "Program Files", "Orvane")
START_MENU = os.path.join(DRIVE_C, "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs", "Orvane")
PROGRAM_FILES = ["OrvaneCfg.exe", "OrvaneCtl.exe", "KBHook.dll", "LICENSE.txt", "Uninstall.exe",
                 os.path.join("images", "0409", "strings", "skins.ini"),
                 os.path.join("images", "0409", "background", "423.png")]


class InstallerTest(ToolTestCase):
    @classmethod
    def setUpClass(cls):
        cls.dist = tempfile.mkdtemp(prefix="orvane-dist-")
        environment = dict(os.environ, ORVANE_BIN=BIN, ORVANE_DIST=cls.dist)
        subprocess.run(["bash", os.path.join(ROOT, "scripts", "package.sh")], env=environment, check=True,
                       stdin=subprocess.DEVNULL, capture_output=True, timeout=300)
        names = os.listdir(cls.dist)
        cls.setup = next(os.path.join(cls.dist, name) for name in names if name.endswith("-setup.exe"))
        cls.archive = next(os.path.join(cls.dist, name) for name in names if name.endswith(".zip"))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.dist, ignore_errors=True)

    def tearDown(self):
        # The tool started from the Start menu is no child of the test.
        if count_windows(TITLE):
            Window(TITLE).post(WM_CLOSE)
        super().tearDown()
        shutil.rmtree(INSTALL_FOLDER, ignore_errors=True)
        shutil.rmtree(START_MENU, ignore_errors=True)

    def install(self, *options):
        code, _ = wine(self.setup, "/S", *options, timeout=180)
        self.assertEqual(0, code, "the silent install failed")

    def uninstall(self):
        code, _ = wine(os.path.join(INSTALL_FOLDER, "Uninstall.exe"), "/S", timeout=60)
        self.assertEqual(0, code)
        # The uninstaller runs from a copy of itself and ends on its own time.
        gone = wait_until(lambda: not os.path.exists(INSTALL_FOLDER), 60)
        self.assertTrue(gone, "left behind: %s" % (os.listdir(INSTALL_FOLDER) if not gone else ""))

    def installed_tool_runs(self):
        result = subprocess.run(["pgrep", "-af", "OrvaneCfg.exe"], capture_output=True, text=True)
        return any("Program Files" in line for line in result.stdout.splitlines())

    def test_silent_install_start_from_the_start_menu_close_and_silent_uninstall(self):
        self.install()
        for name in PROGRAM_FILES + ["hid.exe"]:
            self.assertTrue(os.path.exists(os.path.join(INSTALL_FOLDER, name)), name)
        self.assertTrue(os.path.isdir(os.path.join(self.data_folder, "MacroDB")), "no data folders")
        shortcut = os.path.join(START_MENU, "Orvane.lnk")
        self.assertTrue(os.path.exists(shortcut), "no Start menu entry")

        self.processes.append(subprocess.Popen(
            ["wine", "start", "/unix", shortcut], stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.assertTrue(wait_for_window(TITLE, 60), "the installed tool did not start")
        self.assertTrue(self.installed_tool_runs(), "the window is not the installed tool's")
        self.assertTrue(wait_for_window(SERVICE_TITLE, 60), "the installed tool did not start the simulator")
        window_texts = [child["text"] for child in Window(TITLE).children()]
        self.assertIn("Polling rate (Hz)", window_texts, "the installed texts were not found")

        self.assertTrue(Window(TITLE).post(WM_CLOSE))
        self.assertTrue(wait_until_gone(TITLE, 30), "the installed tool did not close")
        self.uninstall()

        self.assertFalse(os.path.exists(START_MENU), "the Start menu entry stayed")
        self.assertEqual(0, count_windows(SERVICE_TITLE), "the simulator still runs")
        self.assertTrue(os.path.exists(os.path.join(self.data_folder, "RSProfile1.pfd")),
                        "the user's profiles went with the program")

    def test_without_the_demo_the_simulator_is_not_installed(self):
        self.install("/NODEMO")
        for name in PROGRAM_FILES:
            self.assertTrue(os.path.exists(os.path.join(INSTALL_FOLDER, name)), name)
        self.assertFalse(os.path.exists(os.path.join(INSTALL_FOLDER, "hid.exe")))
        self.uninstall()

    def test_the_zip_holds_the_tool_beside_its_files_and_the_simulator_apart(self):
        with zipfile.ZipFile(self.archive) as archive:
            names = set(archive.namelist())
        for name in PROGRAM_FILES:
            if name != "Uninstall.exe":
                self.assertIn("Orvane/" + name.replace(os.sep, "/"), names)
        self.assertIn("Orvane/demo/hid.exe", names)
        self.assertNotIn("Orvane/hid.exe", names)


if __name__ == "__main__":
    unittest.main()

"""The Windows installer built by scripts/package.sh: a silent install under Wine, the installed
tool started from its Start menu entry and closed, and a silent uninstall that leaves only the
user's data behind; an install into the folder of the mouse's own software, which keeps that
software's KBHook.dll and hid.exe; an upgrade and an uninstall while the tool and the simulator
run."""
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
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvane"
INSTALL_FOLDER_WINDOWS = r"C:\Program Files\Orvane"
PROGRAM_FILES = ["OrvaneCfg.exe", "OrvaneCtl.exe", "KBHook.dll", "LICENSE.txt", "Uninstall.exe",
                 os.path.join("images", "0409", "strings", "skins.ini"),
                 os.path.join("images", "0409", "background", "423.png"),
                 os.path.join("images", "0409", "background", "cfgMainback@1.5x.bmp"),
                 os.path.join("images", "0409", "buttons", "ok-1@2x.png")]


def read_bytes(path):
    with open(path, "rb") as handle:
        return handle.read()


def write_bytes(path, content):
    with open(path, "wb") as handle:
        handle.write(content)


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
        # A failed test must not leave the notes of installed files to the next one.
        wine("reg", "delete", UNINSTALL_KEY, "/f", "/reg:64")
        shutil.rmtree(INSTALL_FOLDER, ignore_errors=True)
        shutil.rmtree(START_MENU, ignore_errors=True)

    def install(self, *options):
        code, _ = wine(self.setup, "/S", *options, timeout=180)
        self.assertEqual(0, code, "the silent install failed")

    def uninstall(self, kept=()):
        """Uninstalls silently; the install folder must be gone, or hold only `kept`."""
        code, _ = wine(os.path.join(INSTALL_FOLDER, "Uninstall.exe"), "/S", timeout=60)
        self.assertEqual(0, code)

        # The uninstaller runs from a copy of itself and ends on its own time.
        def left():
            return sorted(os.listdir(INSTALL_FOLDER)) if os.path.exists(INSTALL_FOLDER) else []
        self.assertTrue(wait_until(lambda: left() == sorted(kept), 60), "left behind: %s" % left())
        self.assertEqual(bool(kept), os.path.exists(INSTALL_FOLDER))

    def start_installed(self, name):
        """Starts an installed program by its Windows path, as the tool starts the simulator."""
        self.processes.append(subprocess.Popen(
            ["wine", INSTALL_FOLDER_WINDOWS + "\\" + name], stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))

    def installed_programs_running(self):
        result = subprocess.run(["pgrep", "-af", r"OrvaneCfg\.exe|hid\.exe"], capture_output=True, text=True)
        return [line for line in result.stdout.splitlines() if "Program Files" in line]

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

    def test_beside_other_software_its_hook_library_and_service_are_kept_and_left(self):
        os.makedirs(INSTALL_FOLDER)
        theirs = {"KBHook.dll": b"the mouse's own keyboard hook",
                  # Their service runs: a program of its own (bytes after the image change nothing).
                  "hid.exe": read_bytes(os.path.join(BIN, "hid.exe")) + b"the mouse's own service"}
        for name, content in theirs.items():
            write_bytes(os.path.join(INSTALL_FOLDER, name), content)
        self.start_installed("hid.exe")
        self.assertTrue(wait_for_window(SERVICE_TITLE, 60), "their service did not start")

        self.install()
        for name, content in theirs.items():
            self.assertEqual(content, read_bytes(os.path.join(INSTALL_FOLDER, name)), "%s was replaced" % name)
        self.assertEqual(read_bytes(os.path.join(BIN, "OrvaneCfg.exe")),
                         read_bytes(os.path.join(INSTALL_FOLDER, "OrvaneCfg.exe")))
        self.assertEqual(1, count_windows(SERVICE_TITLE), "their service was closed")

        self.uninstall(kept=theirs.keys())
        for name, content in theirs.items():
            self.assertEqual(content, read_bytes(os.path.join(INSTALL_FOLDER, name)))
        self.assertEqual(1, count_windows(SERVICE_TITLE), "their service was closed")

    def test_an_upgrade_closes_the_running_tool_and_simulator_and_replaces_their_files(self):
        self.install()
        # What an older version left: the same files with other bytes.
        for name in ("OrvaneCfg.exe", "KBHook.dll", "hid.exe", "LICENSE.txt"):
            with open(os.path.join(INSTALL_FOLDER, name), "ab") as old:
                old.write(b"older version")
        self.start_installed("OrvaneCfg.exe")
        self.assertTrue(wait_for_window(TITLE, 60), "the installed tool did not start")
        self.assertTrue(wait_for_window(SERVICE_TITLE, 60), "the installed tool did not start the simulator")

        self.install()

        self.assertEqual(0, count_windows(TITLE), "the tool still runs")
        self.assertEqual(0, count_windows(SERVICE_TITLE), "the simulator still runs")
        self.assertEqual([], self.installed_programs_running())
        for name, source in (("OrvaneCfg.exe", BIN), ("KBHook.dll", BIN), ("hid.exe", BIN), ("LICENSE.txt", ROOT)):
            self.assertEqual(read_bytes(os.path.join(source, name)), read_bytes(os.path.join(INSTALL_FOLDER, name)),
                             "%s was not replaced" % name)
        self.uninstall()

    def test_an_uninstall_while_the_tool_and_the_simulator_run_leaves_no_program_file(self):
        self.install()
        self.start_installed("OrvaneCfg.exe")
        self.assertTrue(wait_for_window(TITLE, 60), "the installed tool did not start")
        self.assertTrue(wait_for_window(SERVICE_TITLE, 60), "the installed tool did not start the simulator")

        self.uninstall()

        self.assertEqual(0, count_windows(TITLE), "the tool still runs")
        self.assertEqual(0, count_windows(SERVICE_TITLE), "the simulator still runs")
        self.assertEqual([], self.installed_programs_running())

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

"""End-to-end harness: starts the built programs under Wine as a user would, drives them with
real X input (xdotool), and observes their windows (through probe.exe), files and screenshots.

Each test gets a documents folder of its own: the Wine prefix's Documents link is pointed at a
fresh folder, so the tool's data folder is <that folder>/Orvane.
"""
import glob
import os
import shutil
import subprocess
import tempfile
import time
import unittest

BIN = os.environ.get("ORVANE_BIN", "")
TOOL = os.path.join(BIN, "OrvaneCfg.exe")
TITLE = "Orvane"
SERVICE = os.path.join(BIN, "hid.exe")
SERVICE_TITLE = "Orvane_GamingMouse_HID"
WM_CLOSE = 0x0010


def wine(*args, timeout=30):
    """Runs a program of the build under Wine and returns (exit code, output)."""
    # A window text from a damaged text file need not be valid in the output's encoding.
    result = subprocess.run(["wine", *args], stdin=subprocess.DEVNULL, capture_output=True,
                            text=True, errors="replace", timeout=timeout)
    return result.returncode, result.stdout


# What probe.exe itself answers: 0 done, 1 no such window (or no answer from it), 2 bad arguments.
PROBE_ANSWERS = (0, 1, 2)


def probe(*args, timeout=30):
    """Runs probe.exe; a start that Wine itself failed (any other exit status, now and then on a
    loaded machine) is tried again, twice at most."""
    for _ in range(3):
        code, out = wine(os.path.join(BIN, "probe.exe"), *[str(a) for a in args], timeout=timeout)
        if code in PROBE_ANSWERS:
            break
    return code, out


def profiledump(*args, text="", complete=bool):
    """The output of profiledump.exe given `text` as its input, or None when it gave no output
    that `complete` accepts; a start that Wine itself failed is tried again, twice at most."""
    for _ in range(3):
        result = subprocess.run(["wine", os.path.join(BIN, "profiledump.exe"), *args], input=text,
                                capture_output=True, text=True, errors="replace", timeout=60)
        if result.returncode == 0 and complete(result.stdout):
            return result.stdout
    return None


def xdotool(*args):
    return subprocess.run(["xdotool", *[str(a) for a in args]], stdin=subprocess.DEVNULL,
                          capture_output=True, text=True, timeout=30).stdout.strip()


def child_rows(code, out):
    """The lines of probe's children and find as dictionaries."""
    rows = []
    for line in out.splitlines() if code == 0 else []:
        head, _, text = line.partition("|")
        hwnd, cls, visible, enabled, x, y, w, h = head.split()
        rows.append({"hwnd": int(hwnd), "class": cls, "visible": visible == "1", "enabled": enabled == "1",
                     "x": int(x), "y": int(y), "width": int(w), "height": int(h), "text": text})
    return rows


class Window:
    """A top-level window of the program under test, found by its title."""

    def __init__(self, title):
        self.title = title

    def info(self):
        code, out = probe("info", self.title)
        if code != 0:
            return None
        hwnd, pid, x, y, w, h, visible, enabled = out.split()
        return {"hwnd": int(hwnd), "pid": int(pid), "x": int(x), "y": int(y), "width": int(w),
                "height": int(h), "visible": visible == "1", "enabled": enabled == "1"}

    def children(self):
        return child_rows(*probe("children", self.title))

    def control(self, text, kind=None):
        """The child control whose window text is `text`, of the window class `kind` when one is
        given: the first shown one in the order the window made them, else the first hidden one;
        None when there is none."""
        rows = [row for row in child_rows(*probe("find", self.title, text)) if kind in (None, row["class"])]
        rows.sort(key=lambda row: not row["visible"])
        return rows[0] if rows else None

    def centre(self, text, kind=None):
        """The client point in the middle of a child control found by its window text."""
        control = self.control(text, kind)
        assert control, "%s has no control %r" % (self.title, text)
        return control["x"] + control["width"] // 2, control["y"] + control["height"] // 2

    def click_control(self, text, kind=None):
        """A real mouse click on the middle of a child control found by its window text."""
        self.click(*self.centre(text, kind))

    def click_dialog_control(self, text):
        """A real mouse click on the middle of a control of the window's modal dialog, found by its
        window text; false when no dialog shows or it has no such control."""
        dialog = self.shown_dialog()
        rows = child_rows(*probe("owned-find", self.title, text))
        if not dialog or not rows:
            return False
        click_screen(dialog["x"] + rows[0]["x"] + rows[0]["width"] // 2,
                     dialog["y"] + rows[0]["y"] + rows[0]["height"] // 2)
        return True

    def focused(self):
        """The control with the keyboard focus in the window's thread: its "children" row, in the
        coordinates of the top-level window holding it, with that window's handle as "root"; or
        None."""
        code, out = probe("focus", self.title)
        lines = out.splitlines()
        if code != 0 or len(lines) < 2:
            return None
        head, _, text = lines[1].partition("|")
        hwnd, cls, visible, enabled, x, y, w, h = head.split()
        return {"hwnd": int(hwnd), "class": cls, "visible": visible == "1", "enabled": enabled == "1",
                "x": int(x), "y": int(y), "width": int(w), "height": int(h), "text": text,
                "root": int(lines[0].split()[0])}

    def child_at(self, point):
        """The child control under a client point, or None."""
        for child in self.children():
            if child["x"] <= point[0] < child["x"] + child["width"] and \
                    child["y"] <= point[1] < child["y"] + child["height"]:
                return child
        return None

    def shown_dialog(self):
        """Where the window's modal dialog is, found without its title (a damaged text file may
        have taken it): {"x", "y", "width", "height"}, or None while none is shown."""
        code, out = probe("owned", self.title)
        if code != 0:
            return None
        hwnd, pid, x, y, w, h, visible, enabled = out.split()
        return {"x": int(x), "y": int(y), "width": int(w), "height": int(h)}

    def send(self, message, wparam=0, lparam=0):
        code, out = probe("send", self.title, message, wparam, lparam)
        return int(out) if code == 0 and out.strip() else None

    def post(self, message, wparam=0, lparam=0):
        return probe("post", self.title, message, wparam, lparam)[0] == 0

    def click(self, x, y, button=1):
        """A real mouse click at a point of the window's client area."""
        info = self.info()
        xdotool("mousemove", "--sync", info["x"] + x, info["y"] + y)
        time.sleep(0.1)
        xdotool("click", button)
        time.sleep(0.2)

    def focus(self):
        """Gives the window the keyboard focus the way a click on it would."""
        ids = xdotool("search", "--name", "^%s$" % self.title).split()
        if ids:
            xdotool("windowactivate", "--sync", ids[0])
            xdotool("windowfocus", "--sync", ids[0])


def read_ini(path):
    """Sections of an INI file as dictionaries; the system writes it in ANSI or UTF-16."""
    with open(path, "rb") as handle:
        raw = handle.read()
    text = raw.decode("utf-16") if raw[:2] in (b"\xff\xfe", b"\xfe\xff") else raw.decode("latin-1")
    sections, current = {}, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1], {})
        elif current is not None and "=" in line:
            key, _, value = line.partition("=")
            current[key] = value
    return sections


def count_windows(title):
    return int(probe("count", title)[1].strip() or 0)


def wait_for_window(title, seconds=20):
    return probe("wait", title, int(seconds * 1000), timeout=seconds + 10)[0] == 0


def wait_until_gone(title, seconds=20):
    return probe("gone", title, int(seconds * 1000), timeout=seconds + 10)[0] == 0


def wait_until(condition, seconds=15):
    """Polls `condition` until it holds; false when it did not within `seconds`."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.2)
    return False


def stop_service():
    """Ends the device simulator, which the tool starts whenever none is running."""
    if count_windows(SERVICE_TITLE) == 0:
        return
    Window(SERVICE_TITLE).post(WM_CLOSE)
    if not wait_until_gone(SERVICE_TITLE, 10):
        info = Window(SERVICE_TITLE).info()
        if info:
            wine("taskkill", "/F", "/PID", str(info["pid"]))


def point_documents_at(folder):
    """Points the Wine prefix's Documents folder at `folder`; false when the prefix has none."""
    links = glob.glob(os.path.join(os.environ["WINEPREFIX"], "drive_c", "users", "*", "Documents"))
    for link in links:
        if os.path.islink(link):
            os.unlink(link)
        else:
            shutil.rmtree(link)
        os.symlink(folder, link)
    return bool(links)


def screenshot(path):
    subprocess.run(["import", "-window", "root", path], stdin=subprocess.DEVNULL,
                   capture_output=True, timeout=60, check=True)


class ToolTestCase(unittest.TestCase):
    """Gives each test its own documents folder and ends every program it started."""

    def setUp(self):
        self.assertTrue(BIN and os.path.exists(TOOL), "ORVANE_BIN must name the build's bin folder")
        self.documents = tempfile.mkdtemp(prefix="orvane-e2e-")
        self.assertTrue(point_documents_at(self.documents), "the Wine prefix has no Documents folder")
        self.data_folder = os.path.join(self.documents, "Orvane")
        self.processes = []

    def tearDown(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
                process.wait(timeout=10)
        wait_until_gone(TITLE, 10)
        stop_service()
        shutil.rmtree(self.documents, ignore_errors=True)

    def service_log(self):
        """The device simulator's log lines, without their times: "received WM_SERVICE_APPLY 0 0 ..."."""
        path = os.path.join(self.data_folder, "hid-simulator.log")
        if not os.path.exists(path):
            return []
        with open(path, encoding="utf-8") as log:
            return [line.rstrip("\n").split(" ", 1)[1] for line in log if " " in line]

    def applies(self):
        return [line for line in self.service_log() if line.startswith("received WM_SERVICE_APPLY")]

    def apply_in(self, window, unlocked=None):
        """Clicks Apply in `window`, waits for the simulator's apply of five complete files, then for
        the bottom row to unlock, seen on `unlocked` (default Reset: Apply itself stays disabled
        while the device flag says the mouse is absent)."""
        before = len(self.applies())
        window.click_control(APPLY)
        self.assertTrue(wait_until(lambda: len(self.applies()) > before, 30), self.service_log())
        self.assertIn("complete-files=5", self.applies()[-1])
        self.assertTrue(wait_until(lambda: window.control(unlocked or RESET)["enabled"], 30),
                        "the bottom row stays locked after the service is done")

    def start(self, program=TOOL, *args):
        process = subprocess.Popen(["wine", program, *args], stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def start_tool(self):
        process = self.start()
        # Generous limits: on a loaded machine a Wine start can take many seconds.
        self.assertTrue(wait_for_window(TITLE, 60), "the tool's window did not appear")
        # The tool starts the device simulator when none runs; both are up before a test goes on.
        self.assertTrue(wait_for_window(SERVICE_TITLE, 60), "the device simulator did not start")
        return process, Window(TITLE)


# The main window's controls, by their window texts.
PROFILE_TABS = ["Profile %d" % number for number in range(1, 6)]
PAGE_TABS = ["Buttons", "DPI", "Lighting"]
EXPORT, IMPORT, RESET, RESET_ALL, APPLY = "Export", "Import", "Reset", "Reset all", "Apply"
BOTTOM_ROW = (EXPORT, IMPORT, RESET, RESET_ALL, APPLY)
# The dialogs' buttons, by their window texts.
OK, CANCEL = "OK", "Cancel"

# The warning box: its size, which tells it from the other dialogs when texts are damaged.
WARNING_SIZE = (478, 292)

# The macro editor: its title and size, its buttons by their window texts (a check box has the
# text of its label), the client points of the rows of its macro list (the rows of a list box are
# no windows; the library holds at most 15 macros), and the title of its box for a new name.
EDITOR_TITLE = "Macro Editor"
EDITOR_SIZE = (757, 582)
NEW_MACRO, DELETE_MACRO = "New", "Delete"
RECORD, STOP = "Record", "Stop"
FIXED_DELAY_BOX, LOOP_COUNT_BOX = "Fixed delay", "Repeat count"
MOUSE_CLICK = "Insert click"
MACRO_ROWS = [(120, 131 + 23 * row) for row in range(15)]
NAME_BOX_TITLE = "New Macro"

# The function menu of page 1: the function buttons' left edge, width, height and rows, the
# menu's items (its image of 150 x 24 and 20 more) and the macro sub-menu. A button's menu opens
# with its first item at the button's top left corner. The buttons' texts are the functions
# chosen, so the rows are found by their places.
FUNCTION_BUTTON_LEFT, FUNCTION_BUTTON_WIDTH, FUNCTION_BUTTON_HEIGHT = 520, 148, 20
FUNCTION_BUTTON_X = FUNCTION_BUTTON_LEFT + FUNCTION_BUTTON_WIDTH // 2
ROW_TOPS = [200 + 28 * row for row in range(8)]
MENU_ITEM_WIDTH, MENU_ITEM_HEIGHT = 170, 24
SINGLE_KEY_ITEM, KEY_COMBINATION_ITEM, BASIC_ITEM, MACRO_ITEM, RAPID_FIRE_ITEM = 7, 8, 9, 12, 13


def move_mouse(x, y):
    """Moves the mouse to a screen point and gives the window under it time to see it."""
    xdotool("mousemove", "--sync", x, y)
    time.sleep(0.3)


def click_screen(x, y, repeat=1):
    move_mouse(x, y)
    xdotool("click", "--repeat", repeat, "--delay", 80, 1)
    time.sleep(0.4)


def pick_from_macro_menu(window, row, sub_item):
    """Opens the function menu of a row of page 1, rests on the macro item and clicks a sub-item
    (0 is the macro editor's entry)."""
    window.click(FUNCTION_BUTTON_X, ROW_TOPS[row] + FUNCTION_BUTTON_HEIGHT // 2)
    time.sleep(0.5)
    main = window.info()
    menu_x, menu_y = main["x"] + FUNCTION_BUTTON_LEFT, main["y"] + ROW_TOPS[row]
    item_y = menu_y + MACRO_ITEM * MENU_ITEM_HEIGHT + MENU_ITEM_HEIGHT // 2
    move_mouse(menu_x + MENU_ITEM_WIDTH // 2, item_y)
    move_mouse(menu_x + MENU_ITEM_WIDTH // 2 + 20, item_y)
    time.sleep(0.5)
    click_screen(menu_x + MENU_ITEM_WIDTH + MENU_ITEM_WIDTH // 2,
                 menu_y + MACRO_ITEM * MENU_ITEM_HEIGHT + 1 + sub_item * MENU_ITEM_HEIGHT + 12)


class MainWindowCase(ToolTestCase):
    """The tool started with the simulator's factory profiles loaded, and what a test looks at."""

    def setUp(self):
        super().setUp()
        self.process, self.window = self.start_tool()
        # A new simulated mouse writes its factory profiles, and the tool reads them once it is told.
        self.assertTrue(wait_until(lambda: "sent WM_DEVICE_SETTING 0 0" in self.service_log()), self.service_log())
        self.assertIn("wrote factory profiles", self.service_log())

    def profile(self, number):
        return read_ini(os.path.join(self.data_folder, "RSProfile%d.pfd" % number))

    def control(self, text):
        return self.window.control(text)

    def apply_and_wait(self):
        self.apply_in(self.window, APPLY)

"""Takes the README's screenshots from the real tool, with the device simulator as its service,
driven with real X input as the end-to-end tests drive it. The data set is fixed: the simulator's
factory profiles and one macro recorded here with a fixed delay, so reruns give the same pictures.

    python3 screenshots.py OUTPUT_FOLDER      (ORVANE_BIN names the build's bin folder)

Each picture is cropped to the window it shows (with its menu, where one is open), stripped and,
where that looks the same, stored with a palette of 256 colours.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from harness import (CANCEL, EDITOR_TITLE, FIXED_DELAY_BOX, FUNCTION_BUTTON_HEIGHT, FUNCTION_BUTTON_LEFT,
                     FUNCTION_BUTTON_X, KEY_COMBINATION_ITEM, MACRO_ITEM, MENU_ITEM_HEIGHT, MENU_ITEM_WIDTH,
                     MOUSE_CLICK, NAME_BOX_TITLE, NEW_MACRO, OK, PAGE_TABS, RAPID_FIRE_ITEM, RECORD, RESET, ROW_TOPS,
                     SERVICE_TITLE, SINGLE_KEY_ITEM, STOP, TITLE, TOOL, Window, point_documents_at, screenshot,
                     stop_service, wait_for_window, wait_until, wait_until_gone, xdotool)

MACRO_NAME = "Combo"
MACRO_KEYS = ["q", "w", "e"]
AWAY = (2, 2)  # a point of the screen no window covers: no control is shown hovered
# Peak signal-to-noise ratio (dB) from which a palette picture counts as the same picture.
PALETTE_MIN_PSNR = 54


def move_to(x, y):
    xdotool("mousemove", "--sync", x, y)
    time.sleep(0.4)


def click_at(x, y):
    move_to(x, y)
    xdotool("click", 1)
    time.sleep(0.5)


def window_rectangles(program):
    """The screen rectangles (x, y, width, height) of the program's windows that are shown (a
    window manager keeps them inside frames of its own, so the whole tree is searched)."""
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True,
                          timeout=30).stdout
    rectangles = []
    for line in tree.splitlines():
        line = line.strip()
        if '("%s"' % program not in line:
            continue
        window = line.split()[0]
        attributes = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True,
                                    timeout=30).stdout
        values = dict(part.strip().split(":", 1) for part in attributes.splitlines() if ":" in part)
        if values.get("Map State", "").strip() != "IsViewable":
            continue
        rectangle = tuple(int(values[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y",
                                                        "Width", "Height"))
        if rectangle[2] > 1 and rectangle[3] > 1:
            rectangles.append(rectangle)
    return rectangles


def union(rectangles):
    left = min(r[0] for r in rectangles)
    top = min(r[1] for r in rectangles)
    right = max(r[0] + r[2] for r in rectangles)
    bottom = max(r[1] + r[3] for r in rectangles)
    return left, top, right - left, bottom - top


def store_with_palette(path):
    """Stores the picture with 256 colours when that looks the same: the skin's soft gradients
    would band, so a picture that loses more than a trace keeps its full colours."""
    reduced = path + ".palette.png"
    subprocess.run(["convert", path, "-dither", "None", "-colors", "256", "-strip", "PNG8:" + reduced],
                   check=True, timeout=60)
    measured = subprocess.run(["compare", "-metric", "PSNR", path, reduced, "null:"], capture_output=True,
                              text=True, timeout=60).stderr.split()
    if measured and (measured[0] == "inf" or float(measured[0]) >= PALETTE_MIN_PSNR):
        os.replace(reduced, path)
    else:
        os.remove(reduced)


class Photographer:
    def __init__(self, output):
        self.output = output
        self.work = tempfile.mkdtemp(prefix="orvane-shots-")
        self.documents = os.path.join(self.work, "documents")
        os.makedirs(self.documents)
        self.window = Window(TITLE)
        self.tool = None

    def log(self):
        path = os.path.join(self.documents, "Orvane", "hid-simulator.log")
        if not os.path.exists(path):
            return ""
        with open(path, encoding="utf-8") as log:
            return log.read()

    def start(self):
        if not point_documents_at(self.documents):
            sys.exit("the Wine prefix has no Documents folder")
        self.tool = subprocess.Popen(["wine", TOOL], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        if not (wait_for_window(TITLE, 60) and wait_for_window(SERVICE_TITLE, 60)):
            sys.exit("the tool or the device simulator did not start")
        # The new simulated mouse writes its factory profiles and has the tool reload them; the
        # "connected" label blinks for four seconds after that.
        if not wait_until(lambda: "wrote factory profiles" in self.log() and
                          "sent WM_DEVICE_SETTING 0 0" in self.log(), 60):
            sys.exit("the factory profiles did not arrive")
        time.sleep(6)

    def stop(self):
        if self.tool and self.tool.poll() is None:
            # The main window closes only through its close button.
            if Window(TITLE).control("Close"):
                self.click_control(TITLE, "Close")
            if not wait_until_gone(TITLE, 10):
                self.tool.kill()
        stop_service()
        shutil.rmtree(self.work, ignore_errors=True)

    def shoot(self, name, rectangle):
        """Saves the screen's `rectangle` as OUTPUT/name."""
        time.sleep(1.0)
        full = os.path.join(self.work, "screen.png")
        screenshot(full)
        x, y, width, height = rectangle
        target = os.path.join(self.output, name)
        subprocess.run(["convert", full, "-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage",
                        "-strip", target], check=True, timeout=60)
        store_with_palette(target)
        print(name)

    def shoot_window(self, name, title):
        info = Window(title).info()
        self.shoot(name, (info["x"], info["y"], info["width"], info["height"]))

    def shoot_tool(self, name):
        """The main window together with every menu it has open."""
        self.shoot(name, union(window_rectangles("orvanecfg.exe")))

    def main_click(self, point):
        """A click at a client point of the main window, or on the middle of its control of that text."""
        if isinstance(point, str):
            point = self.window.centre(point)
        info = self.window.info()
        click_at(info["x"] + point[0], info["y"] + point[1])

    def open_function_menu(self, row):
        """Opens the function menu of a row; returns the screen point of its top left corner."""
        self.main_click((FUNCTION_BUTTON_X, ROW_TOPS[row] + FUNCTION_BUTTON_HEIGHT // 2))
        time.sleep(0.5)
        info = self.window.info()
        return info["x"] + FUNCTION_BUTTON_LEFT, info["y"] + ROW_TOPS[row]

    def choose(self, row, item):
        menu_x, menu_y = self.open_function_menu(row)
        click_at(menu_x + MENU_ITEM_WIDTH // 2, menu_y + MENU_ITEM_HEIGHT * item + MENU_ITEM_HEIGHT // 2)

    def open_sub_menu(self, row, item):
        """Opens the sub-menu of an item; returns the screen point of its first entry."""
        menu_x, menu_y = self.open_function_menu(row)
        item_y = menu_y + MENU_ITEM_HEIGHT * item + MENU_ITEM_HEIGHT // 2
        move_to(menu_x + MENU_ITEM_WIDTH // 2, item_y)
        move_to(menu_x + MENU_ITEM_WIDTH // 2 + 20, item_y)
        time.sleep(0.5)
        return menu_x + MENU_ITEM_WIDTH + MENU_ITEM_WIDTH // 2, item_y + 1

    def dialog(self, title):
        """Waits for a dialog and gives it the keyboard focus."""
        if not wait_for_window(title, 20):
            sys.exit("the dialog %r did not open" % title)
        time.sleep(1.0)
        Window(title).focus()

    def click_control(self, title, text, kind=None):
        window = Window(title)
        info, control = window.info(), window.control(text, kind)
        if not info or not control:
            sys.exit("%r has no control %r" % (title, text))
        click_at(info["x"] + control["x"] + control["width"] // 2, info["y"] + control["y"] + control["height"] // 2)

    def cancel(self, title):
        self.click_control(title, CANCEL)
        if not wait_until_gone(title, 10):
            sys.exit("the dialog %r stayed open" % title)

    def pages(self):
        for page, name in enumerate(["page1-buttons.png", "page2-dpi.png", "page3-lighting.png"]):
            self.main_click(PAGE_TABS[page])
            move_to(*AWAY)
            self.shoot_window(name, TITLE)
        self.main_click(PAGE_TABS[0])

    def key_dialogs(self):
        def single_key():
            xdotool("key", "F5")

        def combination():
            xdotool("keydown", "Control_L")
            xdotool("key", "c")
            xdotool("keyup", "Control_L")

        self.shoot_key_dialog(4, SINGLE_KEY_ITEM, "Press a key to assign", "single-key.png", single_key)
        self.shoot_key_dialog(4, KEY_COMBINATION_ITEM, "Key Combination", "key-combination.png", combination)
        # The fourth row holds the factory profile's rapid-fire button.
        self.shoot_key_dialog(3, RAPID_FIRE_ITEM, "Rapid Fire", "rapid-fire.png", lambda: None)

    def shoot_key_dialog(self, row, item, title, name, type_keys):
        self.choose(row, item)
        self.dialog(title)
        type_keys()
        move_to(*AWAY)
        self.shoot_window(name, title)
        self.cancel(title)

    def macro_editor(self):
        click_at(*self.open_sub_menu(1, MACRO_ITEM))
        self.dialog(EDITOR_TITLE)
        self.click_control(EDITOR_TITLE, NEW_MACRO, "Button")
        self.dialog(NAME_BOX_TITLE)
        xdotool("type", "--delay", 80, MACRO_NAME)
        move_to(*AWAY)
        self.shoot_window("text-input.png", NAME_BOX_TITLE)
        xdotool("key", "Return")
        if not wait_until_gone(NAME_BOX_TITLE, 10):
            sys.exit("the name box stayed open")
        time.sleep(0.5)

        # Recorded with a fixed delay, so that every run records the same events.
        self.click_control(EDITOR_TITLE, FIXED_DELAY_BOX, "Button")
        self.click_control(EDITOR_TITLE, RECORD, "Button")
        xdotool("key", "--delay", 150, *MACRO_KEYS)
        time.sleep(0.5)
        self.click_control(EDITOR_TITLE, STOP, "Button")
        self.click_control(EDITOR_TITLE, MOUSE_CLICK, "Button")
        # The first entry of the mouse button menu, which opens under the button's left end.
        editor = Window(EDITOR_TITLE)
        info, button = editor.info(), editor.control(MOUSE_CLICK, "Button")
        click_at(info["x"] + button["x"] + MENU_ITEM_WIDTH // 2,
                 info["y"] + button["y"] + button["height"] + MENU_ITEM_HEIGHT // 2)
        move_to(*AWAY)
        self.shoot_window("macro-editor.png", EDITOR_TITLE)
        self.click_control(EDITOR_TITLE, OK)
        if not wait_until_gone(EDITOR_TITLE, 10):
            sys.exit("the macro editor stayed open")

    def function_menu(self):
        # The macro sub-menu: the editor's entry and the macro recorded above.
        first_entry = self.open_sub_menu(1, MACRO_ITEM)
        move_to(first_entry[0], first_entry[1] + MENU_ITEM_HEIGHT)
        self.shoot_tool("function-menu.png")
        # A click on the window's surface closes the menu.
        self.main_click((300, 600))

    def warning(self):
        self.main_click(RESET)
        self.dialog("Reset Profile")
        move_to(*AWAY)
        self.shoot_window("warning.png", "Reset Profile")
        self.cancel("Reset Profile")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    output = os.path.abspath(sys.argv[1])
    os.makedirs(output, exist_ok=True)
    photographer = Photographer(output)
    try:
        photographer.start()
        photographer.pages()
        photographer.key_dialogs()
        photographer.macro_editor()
        photographer.function_menu()
        photographer.warning()
    finally:
        photographer.stop()


if __name__ == "__main__":
    main()

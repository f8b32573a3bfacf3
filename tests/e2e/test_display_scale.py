"""The tool at 100%, 150% and 200% display scale: the Wine prefix's LogPixels set to 96, 144 and
192 before the tool starts. At every scale the main window and the warning box have their 96 DPI
size scaled, every control its 96 DPI rectangle scaled edge by edge, and the same clicks, made at
the scaled points, write the same profile files."""
import os
import time
import unittest

from PIL import Image

from harness import (BIN, TITLE, WARNING_SIZE, WM_CLOSE, ToolTestCase, point_documents_at, read_ini, stop_service, wait_until,
                     wait_until_gone, wine, xdotool)

DPIS = (96, 144, 192)
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"

# 96 DPI client points and sizes: every click is made at its point scaled, so these are points,
# not the controls' texts the other tests find them by.
MAIN_SIZE = (1024, 700)
PROFILE_TABS = [(210 + 115 * i, 54) for i in range(5)]
PAGE_TABS = [(430, 100), (570, 100), (710, 100)]
RESET = (265, 665)
WARNING_OK = (181, 232)
APPLY = (465, 665)
ACCELERATION_RIGHT_END = (967, 228)
POLLING_1000 = (898, 449)
STAGE_2_BOX = (390, 213)
COLOUR_PICTURE = (210, 282)
PICKED_POINT = (313, 356)
FUNCTION_BUTTON_LEFT, ROW_TOP, ROW_STEP = 520, 200, 28
ITEM_WIDTH, ITEM_HEIGHT = 170, 24
BASIC = 9
# The thumbs of the sliders stand where their value puts them, within a pixel or two of the
# scaled place; everything else is laid out exactly.
THUMB_TOLERANCE = 2


def scaled(value, dpi):
    """The program's rounding: value x dpi / 96 to the nearest pixel, halves away from zero."""
    product = value * dpi
    return (product + 48) // 96 if product >= 0 else -((-product + 48) // 96)


def set_suffix(dpi):
    return {96: "", 144: "@1.5x", 192: "@2x"}[dpi]


class DisplayScaleTest(ToolTestCase):
    def tearDown(self):
        wine("reg", "delete", DESKTOP_KEY, "/v", "LogPixels", "/f")
        super().tearDown()

    def click(self, window, point, dpi):
        window.click(scaled(point[0], dpi), scaled(point[1], dpi))

    def choose_basic_function(self, window, dpi, row, sub_item):
        """Opens a row's function menu, rests on the basic item and clicks one of its sub-items."""
        s = lambda v: scaled(v, dpi)
        self.click(window, (FUNCTION_BUTTON_LEFT + 74, ROW_TOP + 10 + ROW_STEP * row), dpi)
        time.sleep(0.5)
        main = window.info()
        menu_x = main["x"] + s(FUNCTION_BUTTON_LEFT)
        menu_y = main["y"] + s(ROW_TOP + ROW_STEP * row)
        item_y = menu_y + s(ITEM_HEIGHT) * BASIC + s(ITEM_HEIGHT) // 2
        xdotool("mousemove", "--sync", menu_x + s(ITEM_WIDTH) // 2, item_y)
        time.sleep(0.8)
        sub_y = menu_y + s(ITEM_HEIGHT) * BASIC + s(1) + s(ITEM_HEIGHT) * sub_item + s(ITEM_HEIGHT) // 2
        sub_x = menu_x + s(ITEM_WIDTH) + s(ITEM_WIDTH) // 2
        xdotool("mousemove", "--sync", sub_x, sub_y)
        time.sleep(0.3)
        xdotool("mousemove", "--sync", sub_x + 1, sub_y)
        time.sleep(0.2)
        xdotool("click", "1")
        time.sleep(0.5)

    def applies(self):
        return [line for line in self.service_log() if line.startswith("received WM_SERVICE_APPLY")]

    def run_at(self, dpi):
        """Starts the tool at `dpi` with fresh factory profiles, looks at it, clicks through it and
        applies; returns what a test compares between scales."""
        documents = os.path.join(self.documents, str(dpi))
        os.makedirs(documents)
        point_documents_at(documents)
        self.data_folder = os.path.join(documents, "Orvane")
        wine("reg", "add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")
        process, window = self.start_tool()
        self.assertTrue(wait_until(lambda: "sent WM_DEVICE_SETTING 0 0" in self.service_log()), self.service_log())
        time.sleep(1.0)
        info = window.info()
        children = window.children()

        self.click(window, PROFILE_TABS[1], dpi)
        # The second row: its menu fits below it on the screen at every scale, so it opens there.
        self.choose_basic_function(window, dpi, 1, 1)
        self.click(window, ACCELERATION_RIGHT_END, dpi)
        self.click(window, POLLING_1000, dpi)
        self.click(window, PAGE_TABS[1], dpi)
        self.click(window, STAGE_2_BOX, dpi)
        self.click(window, PAGE_TABS[2], dpi)
        self.click(window, PICKED_POINT, dpi)
        before = len(self.applies())
        self.click(window, APPLY, dpi)
        self.assertTrue(wait_until(lambda: len(self.applies()) > before, 30), self.service_log())
        time.sleep(1.0)
        profiles = [read_ini(os.path.join(self.data_folder, "RSProfile%d.pfd" % n)) for n in range(1, 6)]

        self.click(window, RESET, dpi)
        self.assertTrue(wait_until(lambda: window.shown_dialog() is not None), "no warning box")
        warning = window.shown_dialog()
        xdotool("mousemove", "--sync", warning["x"] + scaled(WARNING_OK[0], dpi),
                warning["y"] + scaled(WARNING_OK[1], dpi))
        time.sleep(0.2)
        xdotool("click", "1")
        self.assertTrue(wait_until(lambda: window.shown_dialog() is None), "the warning box stays open")

        window.post(WM_CLOSE)
        self.assertTrue(wait_until_gone(TITLE, 20))
        process.wait(timeout=30)
        stop_service()
        return {"size": (info["width"], info["height"]), "children": children, "profiles": profiles,
                "warning": (warning["width"], warning["height"])}

    def assert_layout_scaled(self, base, shown, dpi):
        self.assertEqual(tuple(scaled(v, dpi) for v in MAIN_SIZE), shown["size"], dpi)
        self.assertEqual(tuple(scaled(v, dpi) for v in WARNING_SIZE), shown["warning"], dpi)
        self.assertEqual(len(base["children"]), len(shown["children"]), dpi)
        for before, after in zip(base["children"], shown["children"]):
            edges = (before["x"], before["y"], before["x"] + before["width"], before["y"] + before["height"])
            wanted = tuple(scaled(v, dpi) for v in edges)
            actual = (after["x"], after["y"], after["x"] + after["width"], after["y"] + after["height"])
            thumb = before["class"] == "OrvaneSkinControl" and before["text"] == ""
            tolerance = THUMB_TOLERANCE if thumb else 0
            for want, got in zip(wanted, actual):
                self.assertLessEqual(abs(want - got), tolerance, (dpi, before, after))
            # Visibility is not compared: the device labels blink for a while after the start.
            self.assertEqual((before["class"], before["text"]), (after["class"], after["text"]), dpi)

    def assert_same_clicks(self, base, shown, dpi):
        picture = Image.open(os.path.join(BIN, "images", "0409", "background",
                                          "RGB%s.png" % set_suffix(dpi))).convert("RGB")
        red, green, blue = picture.getpixel((scaled(PICKED_POINT[0], dpi) - scaled(COLOUR_PICTURE[0], dpi),
                                             scaled(PICKED_POINT[1], dpi) - scaled(COLOUR_PICTURE[1], dpi)))
        for number, (before, after) in enumerate(zip(base["profiles"], shown["profiles"]), 1):
            expected = {section: dict(values) for section, values in before.items()}
            if number == 2:
                expected["GROUP"]["LedColor1"] = str(red | green << 8 | blue << 16)
            self.assertEqual(expected, after, "profile %d at %d dpi" % (number, dpi))

    def test_every_scale_lays_out_the_same_window_and_clicks_do_the_same(self):
        base = self.run_at(96)
        group = base["profiles"][1]["GROUP"]
        self.assertEqual(("1", "4", "1"), (group["GroupID"], group["Acceleration"], group["PollingRate"]))
        self.assertEqual("18", base["profiles"][1]["ButtonAssigned_2"]["ButtonFunc"])
        for dpi in DPIS[1:]:
            shown = self.run_at(dpi)
            self.assert_layout_scaled(base, shown, dpi)
            self.assert_same_clicks(base, shown, dpi)


if __name__ == "__main__":
    unittest.main()

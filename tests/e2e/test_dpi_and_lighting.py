"""Pages 2 and 3 used as a person would: DPI sliders dragged and clicked, stages linked and
unlinked, a colour picked from the picture, lighting options chosen, then applied; checked through
the profile files, the simulator's log and the window's controls."""
import os
import struct
import time
import unittest

from PIL import Image

from harness import BIN, PAGE_TABS, MainWindowCase, screenshot, xdotool

STAGE_COLUMN = 125
LINK_TOGGLES = ["Link X and Y %d" % stage for stage in range(1, 6)]
DPI_X_VALUE_LABELS = [(x + 16, 468) for x in (243, 369, 494, 619, 744)]
COLOUR_PICTURE = (210, 282)
PICKED_POINT = (313, 356)
SWATCH = (550, 330)
FLASH_SPEED_SLOW = (671, 466)
DIRECTION_SECOND = (808, 442)
BREATHING_MODE = (501, 223)
BREATH_SPEED_FAST = (671, 418)


def thumb_centre(slider_left, slider_width, code):
    """Where a DPI slider (bar 235 to 450 high, 13-pixel thumb, positions 2 to 80) shows a code."""
    position = 82 - code
    top = 235 + (215 - 13) * (position - 2) // 78
    return slider_left + slider_width // 2, top + 6


def linked_thumb(stage, code):
    return thumb_centre(252 + STAGE_COLUMN * stage, 48, code)


def x_thumb(stage, code):
    return thumb_centre(252 + STAGE_COLUMN * stage, 24, code)


def y_thumb(stage, code):
    return thumb_centre(276 + STAGE_COLUMN * stage, 24, code)


def stages(profile):
    """The five DPI stages of a profile file as (Enabled, X, Y, Linked)."""
    raw = bytes.fromhex(profile["GROUP"]["DPIStageValue"][:160])
    values = struct.unpack("<20i", raw)
    return [values[4 * s:4 * s + 4] for s in range(5)]


class DpiAndLightingTest(MainWindowCase):
    def drag(self, start, end):
        """A real drag with the left button: press, move in steps, release."""
        info = self.window.info()
        xdotool("mousemove", "--sync", info["x"] + start[0], info["y"] + start[1])
        time.sleep(0.1)
        xdotool("mousedown", "1")
        time.sleep(0.1)
        for step in (1, 2, 3, 4):
            x = start[0] + (end[0] - start[0]) * step // 4
            y = start[1] + (end[1] - start[1]) * step // 4
            xdotool("mousemove", "--sync", info["x"] + x, info["y"] + y)
            time.sleep(0.05)
        xdotool("mouseup", "1")
        time.sleep(0.3)

    def visible_text_at(self, point):
        for child in self.window.children():
            if child["visible"] and child["x"] <= point[0] < child["x"] + child["width"] and \
                    child["y"] <= point[1] < child["y"] + child["height"]:
                return child["text"]
        return None

    def assert_applied(self):
        log = self.service_log()
        self.assertTrue(any(line.startswith("received WM_SERVICE_APPLY") and "complete-files=5" in line
                            for line in log), log)
        self.assertIn("sent WM_DEVICE_SETTING 15 0", log)

    def test_dpi_stages_dragged_linked_and_pressed_in_place(self):
        before = stages(self.profile(1))
        self.assertEqual([(1, 8, 8, 1), (1, 16, 16, 1), (1, 24, 24, 1)], [tuple(s) for s in before[:3]],
                         "the factory stages are linked")
        self.window.click_control(PAGE_TABS[1])

        self.drag(linked_thumb(0, 8), (linked_thumb(0, 8)[0], linked_thumb(0, 8)[1] - 100))
        top = linked_thumb(4, 80)
        self.window.click(*top)

        self.window.click_control(LINK_TOGGLES[1])
        self.drag(x_thumb(1, 16), (x_thumb(1, 16)[0], x_thumb(1, 16)[1] + 60))

        self.window.click_control(LINK_TOGGLES[2])
        self.drag(y_thumb(2, 24), (y_thumb(2, 24)[0], y_thumb(2, 24)[1] - 50))
        self.window.click_control(LINK_TOGGLES[2])

        shown = [self.visible_text_at(point) for point in DPI_X_VALUE_LABELS]
        self.apply_and_wait()
        self.assert_applied()

        after = [tuple(s) for s in stages(self.profile(1))]
        moved = after[0]
        self.assertEqual(1, moved[3])
        self.assertEqual(moved[1], moved[2], "a linked slider moves X and Y together")
        self.assertGreater(moved[1], 8)
        self.assertEqual(str(moved[1] * 100), shown[0])
        unlinked = after[1]
        self.assertEqual(0, unlinked[3])
        self.assertLess(unlinked[1], 16)
        self.assertEqual(16, unlinked[2], "the Y slider stayed")
        self.assertEqual((1, 24, 24, 1), after[2], "linking copies X into Y")
        self.assertEqual((1, 80, 80, 1), after[4], "a press on a thumb without moving it changes nothing")
        self.assertEqual("8000", shown[4])
        for number in range(2, 6):
            self.assertEqual([tuple(s) for s in stages(self.profile(number))][:3], [tuple(s) for s in before[:3]])

    def test_colour_picked_and_lighting_options_chosen(self):
        picture = Image.open(os.path.join(BIN, "images", "0409", "background", "RGB.png")).convert("RGB")
        red, green, blue = picture.getpixel((PICKED_POINT[0] - COLOUR_PICTURE[0], PICKED_POINT[1] - COLOUR_PICTURE[1]))
        self.window.click_control(PAGE_TABS[2])
        self.assertEqual("2", self.profile(1)["GROUP"]["LedMode1"], "the factory mode shows flashing and direction")

        self.window.click(*PICKED_POINT)
        time.sleep(0.5)
        shot = os.path.join(self.documents, "picked.png")
        screenshot(shot)
        info = self.window.info()
        swatch = Image.open(shot).convert("RGB").getpixel((info["x"] + SWATCH[0], info["y"] + SWATCH[1]))
        self.assertEqual((red, green, blue), swatch, "the swatch shows the picked colour")

        self.window.click(*FLASH_SPEED_SLOW)
        self.window.click(*DIRECTION_SECOND)
        self.window.click(*BREATHING_MODE)
        self.window.click(*BREATH_SPEED_FAST)
        self.apply_and_wait()
        self.assert_applied()

        lighting = self.profile(1)["GROUP"]
        self.assertEqual(str(red | green << 8 | blue << 16), lighting["LedColor1"])
        self.assertEqual("1", lighting["LedMode1"])
        self.assertEqual("1", lighting["FlashState1"])
        self.assertEqual("1", lighting["LedDirect1"])
        self.assertEqual("8", lighting["BreathState1"])
        self.assertEqual("0", self.profile(2)["GROUP"]["LedDirect1"], "only the shown profile changes")


if __name__ == "__main__":
    unittest.main()

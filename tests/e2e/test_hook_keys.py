"""Real keys typed in X reach a window through the input hook library KBHook.dll."""
import os
import unittest

from harness import BIN, ToolTestCase, Window, wait_for_window, wait_until, xdotool

WATCH_TITLE = "KBHook watch"
VK_LSHIFT, VK_RCONTROL, VK_A = 160, 163, 65
RELEASED, EXTENDED = 0x80, 0x01


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def is_subsequence(wanted, events):
    remaining = iter(events)
    return all(event in remaining for event in wanted)


class HookKeysTest(ToolTestCase):
    def read_lines(self, kind):
        """The watch log's lines of one kind ("key" or "typed"), without the kind."""
        if not os.path.exists(self.log):
            return []
        with open(self.log) as lines:
            return [line.rstrip("\n").partition(" ")[2] for line in lines if line.startswith(kind + " ")]

    def read_events(self):
        return [tuple(int(part) for part in line.split()) for line in self.read_lines("key")]

    def test_typed_keys_arrive_with_side_specific_codes_and_release_flags(self):
        self.log = os.path.join(self.documents, "keys.txt")
        self.start(os.path.join(BIN, "hookwatch.exe"), windows_path(self.log))
        self.assertTrue(wait_for_window(WATCH_TITLE), "hookwatch.exe did not open its window")
        Window(WATCH_TITLE).focus()

        xdotool("key", "Shift_L", "Control_R", "a")

        wanted = [(VK_LSHIFT, 0), (VK_LSHIFT, RELEASED), (VK_RCONTROL, EXTENDED),
                  (VK_RCONTROL, EXTENDED | RELEASED), (VK_A, 0), (VK_A, RELEASED)]
        self.assertTrue(wait_until(lambda: is_subsequence(wanted, self.read_events())),
                        "reported: %s" % self.read_events())
        # The hook passes every key on: the watch window's edit field got the letter.
        self.assertTrue(wait_until(lambda: "a" in self.read_lines("typed")),
                        "typed: %s" % self.read_lines("typed"))


if __name__ == "__main__":
    unittest.main()

"""The real keyhop watches the keys on its X server and opens what the
preferences file binds to them, once per press."""

import os
import signal
import time
import unittest

from harness import Desktop, read_text, stop, wait_until, write_preferences


class ShortcutsTest(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop().__enter__()
        self.addCleanup(self.desktop.close)
        program, self.marker = self.desktop.marker_program()
        self.missing = os.path.join(self.desktop.root, "gone away")
        write_preferences(self.desktop, [("F5", "", "", "", "X", "marker program", program),
                                         ("F6", "", "", "", "", "gone away", self.missing)])
        self.keyhop = self.desktop.start_keyhop(wait=True)
        time.sleep(0.5)

    def tearDown(self):
        self.assertEqual(stop(self.keyhop, signal.SIGTERM), 0)

    def hold(self, keys, seconds):
        self.desktop.xdotool("keydown", *keys)
        time.sleep(seconds)
        self.desktop.xdotool("keyup", *reversed(keys))

    def launches(self):
        """How often the marker program has run so far."""
        return len(read_text(self.marker).splitlines())

    def assertLaunches(self, count):
        """The marker has run count times, and no more come after a while."""
        wait_until(lambda: self.launches() >= count, timeout=5)
        time.sleep(0.5)
        self.assertEqual(self.launches(), count)

    def test_command_f5_opens_its_item_once_per_press(self):
        self.hold(["Super_L", "F5"], 0.1)
        self.assertLaunches(1)
        self.hold(["Super_L", "F5"], 2.0)
        self.assertLaunches(2)
        # F5 a while after a Command tap is another combination.
        self.desktop.xdotool("key", "Super_L")
        time.sleep(1)
        self.hold(["F5"], 0.1)
        self.assertLaunches(2)

    def test_a_missing_item_shows_one_message_and_launches_nothing(self):
        self.assertEqual(self.desktop.window_ids("Keyhop"), [])
        # Shifted text and a Control shortcut typed before are let go.
        self.desktop.xdotool("key", "e", "shift+d", "ctrl+s")
        time.sleep(1)
        self.hold(["F6"], 0.1)
        self.assertTrue(wait_until(lambda: self.desktop.window_ids("Keyhop")),
                        "no message shown")
        # The watcher waits in the message box: more presses bring no more boxes.
        self.hold(["F6"], 0.1)
        self.hold(["F6"], 0.5)
        time.sleep(0.3)
        self.assertEqual(len(self.desktop.window_ids("Keyhop")), 1)
        self.assertEqual(self.launches(), 0)
        self.assertIsNone(self.keyhop.poll())


if __name__ == "__main__":
    unittest.main()

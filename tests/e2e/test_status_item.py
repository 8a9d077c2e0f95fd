"""The tray icon and its menu on a real tray host (trayer), and start-up
without one."""

import os
import time
import unittest

from harness import Desktop, wait_until

# A line Keyhop never writes: gone from the file once Keyhop rewrote it.
STALE = "STALE = 1\n"


class TrayTest(unittest.TestCase):
    def start(self, desktop):
        self.preferences = os.path.join(desktop.config, "Keyhop")
        with open(self.preferences, "w") as file:
            file.write(STALE)
        return desktop.start_keyhop()

    def assert_quit_in_order(self, keyhop):
        self.assertEqual(keyhop.wait(timeout=10), 0)
        with open(self.preferences) as file:
            self.assertNotIn(STALE, file.read())

    def test_the_icon_sits_in_the_tray_and_its_menu_quits(self):
        with Desktop() as desktop:
            keyhop = self.start(desktop)

            def windows():
                """Keyhop's visible windows but its tool tip."""
                found = desktop.xdotool("search", "--onlyvisible", "--classname", "keyhop")
                return [window for window in found.stdout.split() if "TOOLTIP" not in desktop.run(
                    ["xprop", "-id", window, "_NET_WM_WINDOW_TYPE"]).stdout]

            icons = wait_until(windows, timeout=10)
            self.assertEqual(len(icons), 1, "one tray icon and no other window")
            tree = desktop.run(["xwininfo", "-root", "-tree"]).stdout
            self.assertIn(hex(int(icons[0])), tree[tree.index('("panel" "trayer")'):],
                          "the icon sits in trayer's panel")
            desktop.xdotool("mousemove", "--window", icons[0], "10", "10")
            desktop.xdotool("click", "1")
            self.assertTrue(wait_until(lambda: len(windows()) > 1, timeout=10),
                            "a click on the icon opens its menu")
            # Mapped is not yet listening: give the menu a moment to take the keyboard.
            time.sleep(0.3)
            # About, Preferences, then Quit: the separator is skipped.
            desktop.xdotool("key", "Down", "Down", "Down", "Return")
            self.assert_quit_in_order(keyhop)

    def test_without_a_tray_host_it_says_so_and_quits_once_dismissed(self):
        with Desktop(tray=False) as desktop:
            keyhop = self.start(desktop)
            # Keyhop gives a tray host a few seconds to appear first.
            boxes = wait_until(lambda: desktop.window_ids("^Keyhop$"), timeout=15)
            self.assertEqual(len(boxes), 1, "one message box")
            self.assertIsNone(keyhop.poll(), "it waits for the message to be dismissed")
            desktop.xdotool("windowfocus", "--sync", boxes[0])
            desktop.xdotool("key", "Return")
            self.assert_quit_in_order(keyhop)


if __name__ == "__main__":
    unittest.main()

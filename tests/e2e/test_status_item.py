"""The tray icon and its menu on a real tray host (trayer), and start-up
without one."""

import time
import unittest

# The other end-to-end tests take the tray's helpers from here too.
from harness import (STALE, Desktop, preferences_path, read_text, visible_keyhop_windows,
                     wait_until, window_type, write_preferences)


class TrayTest(unittest.TestCase):
    def start_with_tray_icon(self, desktop, rows=()):
        """Starts keyhop with those shortcuts and returns it with the window of its tray icon."""
        write_preferences(desktop, rows)
        keyhop = desktop.start_keyhop()
        icons = wait_until(lambda: visible_keyhop_windows(desktop), timeout=10)
        self.assertEqual(len(icons), 1, "one tray icon and no other window")
        tree = desktop.run(["xwininfo", "-root", "-tree"]).stdout
        self.assertIn(hex(int(icons[0])), tree[tree.index('("panel" "trayer")'):],
                      "the icon sits in trayer's panel")
        return keyhop, icons[0]

    def open_menu(self, desktop, icon):
        """Clicks the icon and returns the window of the menu it opens."""
        desktop.xdotool("mousemove", "--window", icon, "11", "12", "click", "1")
        menus = wait_until(lambda: [window for window in visible_keyhop_windows(desktop)
                                    if window != icon
                                    and "TOOLTIP" not in window_type(desktop, window)], timeout=10)
        self.assertTrue(menus, "a click on the icon opens its menu")
        # Mapped is not yet listening: give the menu a moment to take the keyboard.
        time.sleep(0.3)
        return menus[0]

    def assert_quit_in_order(self, keyhop, desktop):
        self.assertEqual(keyhop.wait(timeout=10), 0)
        self.assertNotIn(STALE, read_text(preferences_path(desktop)))

    def test_the_icon_sits_in_the_tray_and_its_menu_quits(self):
        with Desktop() as desktop:
            keyhop, icon = self.start_with_tray_icon(desktop)
            self.open_menu(desktop, icon)
            # About, Preferences, then Quit: the separator is skipped.
            desktop.xdotool("key", "Down", "Down", "Down", "Return")
            self.assert_quit_in_order(keyhop, desktop)

    def test_without_a_tray_host_it_says_so_and_quits_once_dismissed(self):
        with Desktop(tray=False) as desktop:
            write_preferences(desktop)
            keyhop = desktop.start_keyhop()
            # Keyhop gives a tray host a few seconds to appear first.
            boxes = wait_until(lambda: desktop.window_ids("^Keyhop$"), timeout=15)
            self.assertEqual(len(boxes), 1, "one message box")
            self.assertIsNone(keyhop.poll(), "it waits for the message to be dismissed")
            desktop.xdotool("windowfocus", "--sync", boxes[0])
            desktop.xdotool("key", "Return")
            self.assert_quit_in_order(keyhop, desktop)


if __name__ == "__main__":
    unittest.main()

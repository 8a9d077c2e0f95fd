"""The tray icon and its menu on a real tray host (trayer), and start-up
without one."""

import os
import time
import unittest

from harness import Desktop, read_text, wait_until

# A line Keyhop never writes: gone from the file once Keyhop rewrote it.
STALE = "STALE = 1\n"


def visible_keyhop_windows(desktop):
    return desktop.xdotool("search", "--onlyvisible", "--classname", "keyhop").stdout.split()


def is_tool_tip(desktop, window):
    return "TOOLTIP" in desktop.run(["xprop", "-id", window, "_NET_WM_WINDOW_TYPE"]).stdout


class TrayTest(unittest.TestCase):
    def start(self, desktop):
        self.preferences = os.path.join(desktop.config, "Keyhop")
        with open(self.preferences, "w") as file:
            file.write(STALE)
        return desktop.start_keyhop()

    def start_with_tray_icon(self, desktop):
        """Starts keyhop and returns it with the window of its tray icon."""
        keyhop = TrayTest.start(self, desktop)
        icons = wait_until(lambda: visible_keyhop_windows(desktop), timeout=10)
        self.assertEqual(len(icons), 1, "one tray icon and no other window")
        tree = desktop.run(["xwininfo", "-root", "-tree"]).stdout
        self.assertIn(hex(int(icons[0])), tree[tree.index('("panel" "trayer")'):],
                      "the icon sits in trayer's panel")
        return keyhop, icons[0]

    def open_menu(self, desktop, icon):
        """Clicks the icon and returns the window of the menu it opens."""
        desktop.xdotool("mousemove", "--window", icon, "10", "10", "click", "1")
        menus = wait_until(lambda: [window for window in visible_keyhop_windows(desktop)
                                    if window != icon and not is_tool_tip(desktop, window)],
                           timeout=10)
        self.assertTrue(menus, "a click on the icon opens its menu")
        # Mapped is not yet listening: give the menu a moment to take the keyboard.
        time.sleep(0.3)
        return menus[0]

    def assert_quit_in_order(self, keyhop):
        self.assertEqual(keyhop.wait(timeout=10), 0)
        self.assertNotIn(STALE, read_text(self.preferences))

    def test_the_icon_sits_in_the_tray_and_its_menu_quits(self):
        with Desktop() as desktop:
            keyhop, icon = self.start_with_tray_icon(desktop)
            self.open_menu(desktop, icon)
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

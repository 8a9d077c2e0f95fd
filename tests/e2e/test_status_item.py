"""The tray icon and its menu on a real tray host (trayer), and start-up
without one."""

import unittest

from harness import STALE, Desktop, preferences_path, read_text, wait_until, write_preferences


class TrayTest(unittest.TestCase):
    def assert_quit_in_order(self, keyhop, desktop):
        self.assertEqual(keyhop.wait(timeout=10), 0)
        self.assertNotIn(STALE, read_text(preferences_path(desktop)))

    def test_the_icon_sits_in_the_tray_and_its_menu_quits(self):
        with Desktop() as desktop:
            write_preferences(desktop)
            keyhop, icon = desktop.start_with_tray_icon()
            desktop.open_tray_menu(icon)
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

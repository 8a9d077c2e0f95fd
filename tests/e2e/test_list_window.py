"""The shortcut list window and the editor in the real keyhop, clicked at
their controls' places (plus the menu bar's height on the list window)."""

import os
import re
import stat
import time
import unittest

from harness import Desktop, stop, wait_until
from test_status_item import preferences_path, visible_keyhop_windows, window_type, \
    write_preferences


class ListWindowTest(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop().__enter__()
        self.addCleanup(self.desktop.close)
        self.marker = os.path.join(self.desktop.root, "launched")
        self.program = os.path.join(self.desktop.root, "marker program")
        with open(self.program, "w") as file:
            file.write(f"#!/bin/sh\necho \"$0\" >> '{self.marker}'\n")
        os.chmod(self.program, stat.S_IRWXU)

    def start(self, rows=None):
        """Starts keyhop (with those shortcuts written first) and waits for its tray icon."""
        if rows is not None:
            write_preferences(self.desktop, rows)
        self.keyhop = self.desktop.start_keyhop()
        icons = wait_until(lambda: visible_keyhop_windows(self.desktop), timeout=10)
        self.assertEqual(len(icons), 1)
        self.icon = icons[0]

    def quit(self):
        self.assertEqual(stop(self.keyhop), 0)
        with open(preferences_path(self.desktop)) as file:
            return file.read()

    def new_window(self, known=()):
        """Waits for a visible Keyhop window other than the icon, a tool tip or those known."""
        def found():
            return [w for w in visible_keyhop_windows(self.desktop)
                    if w != self.icon and w not in known
                    and "TOOLTIP" not in window_type(self.desktop, w)]
        windows = wait_until(found, timeout=10)
        self.assertTrue(windows, "no new window")
        time.sleep(0.3)
        return windows[0]

    def gone(self, window):
        return wait_until(lambda: window not in visible_keyhop_windows(self.desktop))

    def geometry(self, window):
        text = self.desktop.xdotool("getwindowgeometry", window).stdout
        return tuple(map(int, re.search(r"Position: (\d+),(\d+).*Geometry: (\d+)x(\d+)", text,
                                        re.S).groups()))

    def tray_menu(self):
        """Opens the tray menu; returns its window."""
        self.desktop.xdotool("mousemove", "--window", self.icon, "11", "12")
        self.desktop.xdotool("click", "1")
        return self.new_window()

    def tray_menu_height(self):
        menu = self.tray_menu()
        height = self.geometry(menu)[3]
        self.desktop.xdotool("key", "Escape")
        self.gone(menu)
        return height

    def list_window(self):
        """Waits for the list window; its id and the height of its menu bar."""
        window = self.new_window()
        self.menu_bar = self.geometry(window)[3] - 320
        return window

    def open_preferences(self):
        self.tray_menu()
        self.desktop.xdotool("key", "Down", "Down", "Return")
        return self.list_window()

    def click(self, window, x, y):
        self.desktop.xdotool("mousemove", "--window", window, str(x), str(y))
        self.desktop.xdotool("click", "1")

    def dismiss_message(self, known):
        box = self.new_window(known)
        self.assertEqual(self.desktop.window_ids("^Keyhop$").count(box), 1)
        self.desktop.xdotool("windowfocus", "--sync", box)
        self.desktop.xdotool("key", "Return")
        self.gone(box)

    def launches(self):
        if not os.path.exists(self.marker):
            return 0
        with open(self.marker) as file:
            return len(file.read().splitlines())

    def test_preferences_shows_the_window_at_its_design_and_minimum_size(self):
        self.start([])
        window = self.open_preferences()
        self.assertEqual(self.geometry(window)[2], 460)
        self.assertTrue(10 < self.menu_bar < 60, self.menu_bar)
        hints = self.desktop.run(["xprop", "-id", window, "WM_NORMAL_HINTS"]).stdout
        self.assertIn(f"minimum size: 460 by {320 + self.menu_bar}", hints)

    def test_a_new_shortcut_works_at_once_and_joins_the_tray_menu_at_ok(self):
        self.start([])
        menu_height = self.tray_menu_height()
        window = self.open_preferences()
        self.click(window, 80, 180 + self.menu_bar)  # New shortcut
        editor = self.new_window([window])
        self.click(editor, 100, 40)  # Shift
        self.click(editor, 130, 130)  # Select application/file
        dialog = self.new_window([window, editor])
        self.desktop.xdotool("windowfocus", "--sync", dialog)
        self.desktop.xdotool("type", "--delay", "20", self.program)
        self.desktop.xdotool("key", "Return")
        self.gone(dialog)
        self.click(editor, 425, 170)  # Ok
        self.gone(editor)
        self.desktop.xdotool("keydown", "Shift_L", "F1")
        time.sleep(0.1)
        self.desktop.xdotool("keyup", "F1", "Shift_L")
        self.assertTrue(wait_until(lambda: self.launches() == 1, timeout=5))
        self.assertEqual(self.tray_menu_height(), menu_height)
        self.click(window, 425, 300 + self.menu_bar)  # Ok
        self.gone(window)
        self.assertGreater(self.tray_menu_height(), menu_height)
        self.assertIn("SHIFTKEY0 = X\nCONTROLKEY0 = \nOPTIONKEY0 = \nCOMMANDKEY0 = \n"
                      f"FILENAME0 = marker program\nFILEABSOLUTEPATH0 = {self.program}\n",
                      self.quit())

    def test_a_missing_items_key_selects_its_row_which_remove_then_drops(self):
        missing = os.path.join(self.desktop.root, "gone away")
        self.start([("F5", "", "", "", "X", "marker program", self.program),
                    ("F6", "", "", "", "", "gone away", missing)])
        self.desktop.xdotool("keydown", "F6")
        time.sleep(0.1)
        self.desktop.xdotool("keyup", "F6")
        self.dismiss_message([])
        window = self.list_window()
        self.click(window, 370, 180 + self.menu_bar)  # Remove shortcut
        self.click(window, 425, 300 + self.menu_bar)  # Ok
        self.gone(window)
        stored = self.quit()
        self.assertNotIn(missing, stored)
        self.assertIn(f"FILEABSOLUTEPATH0 = {self.program}\n", stored)

    def test_the_login_box_adds_and_removes_the_autostart_entry(self):
        self.start([])
        window = self.open_preferences()
        autostart = os.path.join(self.desktop.config, "autostart")
        entries = lambda: os.listdir(autostart) if os.path.isdir(autostart) else []
        self.click(window, 20, 225 + self.menu_bar)
        self.dismiss_message([window])
        self.assertEqual(len(entries()), 1)
        with open(os.path.join(autostart, entries()[0])) as file:
            self.assertIn(os.path.realpath(os.environ["KEYHOP_BINARY"]), file.read())
        self.click(window, 20, 225 + self.menu_bar)
        self.dismiss_message([window])
        self.assertEqual(entries(), [])

    def test_the_window_keeps_its_place_and_size_across_a_restart(self):
        self.start([])
        window = self.open_preferences()
        self.desktop.xdotool("windowmove", window, "200", "150")
        self.desktop.xdotool("windowsize", window, "600", str(400 + self.menu_bar))
        wanted = (200, 150, 600, 400 + self.menu_bar)
        self.assertTrue(wait_until(lambda: self.geometry(window) == wanted))
        time.sleep(0.3)
        stored = self.quit()
        self.assertIn("MAINWINDOWLEFT = 200\n", stored)
        self.assertIn("MAINWINDOWWIDTH = 600\nMAINWINDOWHEIGHT = 400\n", stored)
        self.start()
        window = self.open_preferences()
        self.assertTrue(wait_until(lambda: self.geometry(window) == wanted), self.geometry(window))


if __name__ == "__main__":
    unittest.main()

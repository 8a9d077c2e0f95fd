"""The list window and the editor in the real keyhop, clicked at their controls' places."""

import os
import re
import time
import unittest

from harness import Desktop, preferences_path, read_text, stop, visible_keyhop_windows, \
    wait_until, write_preferences


class ListWindowTest(unittest.TestCase):
    def setUp(self):
        # A test that needs a real window manager says so in its name.
        self.desktop = Desktop(window_manager="window_manager" in self._testMethodName).__enter__()
        self.addCleanup(self.desktop.close)
        self.xdotool = self.desktop.xdotool
        self.program, self.marker = self.desktop.marker_program()

    def start(self, rows=None):
        if rows is not None:
            write_preferences(self.desktop, rows)
        self.keyhop, self.icon = self.desktop.start_with_tray_icon()

    def quit(self):
        self.assertEqual(stop(self.keyhop), 0)
        return read_text(preferences_path(self.desktop))

    def new_window(self, *known):
        return self.desktop.new_window(self.icon, *known)

    def gone(self, window):
        self.assertTrue(wait_until(lambda: window not in visible_keyhop_windows(self.desktop)))

    def click_until_gone(self, window, x, y):
        # A window blocked by a modal dialog that has just gone drops a click
        # until the dialog's loop has ended: click again until it takes.
        for _ in range(10):
            self.click(window, x, y)
            if wait_until(lambda: window not in visible_keyhop_windows(self.desktop), timeout=1):
                return
        self.fail("the window stayed")

    def geometry(self, window):
        text = self.xdotool("getwindowgeometry", window).stdout
        return tuple(map(int, re.search(r"(-?\d+),(-?\d+).*\s(\d+)x(\d+)", text, re.S).groups()))

    def tray_menu_height(self, *known):
        menu = self.desktop.open_tray_menu(self.icon, *known)
        height = self.geometry(menu)[3]
        self.xdotool("key", "Escape")
        self.gone(menu)
        return height

    def list_window(self):
        self.desktop.open_tray_menu(self.icon)
        self.xdotool("key", "Down", "Down", "Return")
        window = self.new_window()
        self.menu_bar = self.geometry(window)[3] - 320
        return window

    def click(self, window, x, y):
        self.xdotool("mousemove", "--window", window, str(x), str(y), "click", "1")

    def test_size_login_box_and_place_kept_across_a_restart(self):
        self.start([])
        window = self.list_window()
        # Nothing stored: the window system's place and the design size.
        self.assertEqual(self.geometry(window)[:3], (0, 0, 460))
        hints = self.desktop.run(["xprop", "-id", window, "WM_NORMAL_HINTS"]).stdout
        self.assertIn(f"minimum size: 460 by {320 + self.menu_bar}", hints)
        autostart = os.path.join(self.desktop.config, "autostart")
        for entries in (1, 0):
            self.click(window, 20, 225 + self.menu_bar)  # the login pane's box
            box = self.new_window(window)
            self.xdotool("windowfocus", "--sync", box, "key", "Return")
            self.gone(box)
            self.assertEqual(len(os.listdir(autostart)), entries)
        wanted = (200, 150, 600, 400 + self.menu_bar)
        self.xdotool("windowmove", window, "200", "150", "windowsize", window, "600", str(wanted[3]))
        self.assertTrue(wait_until(lambda: self.geometry(window) == wanted))
        time.sleep(0.3)
        self.assertIn("MAINWINDOWWIDTH = 600\nMAINWINDOWHEIGHT = 400\n", self.quit())
        self.start()
        window = self.list_window()
        self.assertTrue(wait_until(lambda: self.geometry(window) == wanted))

    def test_a_new_shortcut_works_at_once_and_joins_the_tray_menu_at_ok(self):
        self.start([])
        window = self.list_window()
        self.click(window, 80, 180 + self.menu_bar)  # New shortcut
        editor = self.new_window(window)
        self.click(editor, 100, 40)  # Shift
        self.click(editor, 130, 130)  # Select application/file
        dialog = self.new_window(window, editor)
        self.xdotool("windowfocus", "--sync", dialog, "type", "--delay", "20", self.program)
        self.xdotool("key", "Return")
        self.gone(dialog)
        self.click_until_gone(editor, 425, 170)  # Ok
        self.xdotool("keydown", "Shift_L", "F1", "sleep", "0.1", "keyup", "F1", "Shift_L")
        self.assertTrue(wait_until(lambda: os.path.exists(self.marker), timeout=5))
        # The tray menu changes only at the list window's Ok.
        menu_height = self.tray_menu_height(window)
        self.click(window, 425, 300 + self.menu_bar)  # Ok
        self.gone(window)
        self.assertGreater(self.tray_menu_height(), menu_height)
        self.assertIn("SHIFTKEY0 = X\nCONTROLKEY0 = \nOPTIONKEY0 = \nCOMMANDKEY0 = \n"
                      f"FILENAME0 = marker program\nFILEABSOLUTEPATH0 = {self.program}\n",
                      self.quit())

    def test_under_a_window_manager_the_open_key_list_takes_escape_then_the_editor(self):
        self.start([])
        window = self.list_window()
        self.click(window, 80, 180 + self.menu_bar)  # New shortcut
        editor = self.new_window(window)
        self.assertEqual(self.desktop.run(["xprop", "-id", editor, "_NET_WM_NAME"]).stdout,
                         '_NET_WM_NAME(UTF8_STRING) = \n')
        self.click(editor, 50, 40)  # the function key list
        key_list = self.new_window(window, editor)
        self.xdotool("key", "Escape")
        self.gone(key_list)
        time.sleep(0.3)
        self.assertIn(editor, visible_keyhop_windows(self.desktop))
        self.xdotool("key", "Escape")
        self.gone(editor)
        self.click(window, 425, 300 + self.menu_bar)  # Ok
        self.gone(window)
        self.assertEqual(stop(self.keyhop), 0)

    def test_a_name_and_path_that_are_not_utf8_are_written_back_as_they_were(self):
        name = os.fsdecode(b"caf\xe9.sh")  # Latin-1, from an older disk
        path = os.path.join(self.desktop.root, name)
        self.start([("F5", "", "", "", "", name, path)])
        window = self.list_window()
        self.click(window, 425, 300 + self.menu_bar)  # Ok
        self.gone(window)
        self.assertIn(f"FILENAME0 = {name}\nFILEABSOLUTEPATH0 = {path}\n", self.quit())


if __name__ == "__main__":
    unittest.main()

"""The tray icon and its menu on a real tray host (trayer), and start-up
without one."""

import os
import stat
import time
import unittest

from harness import Desktop, stop, wait_until


# A line that Keyhop never writes: gone from the file once Keyhop rewrote it.
STALE = "STALE = 1\n"


def write_preferences(desktop, rows=()):
    keys = ("FUNCTIONKEY", "SHIFTKEY", "CONTROLKEY", "OPTIONKEY", "COMMANDKEY", "FILENAME",
            "FILEABSOLUTEPATH")
    with open(preferences_path(desktop), "w") as file:
        file.write(STALE)
        for n, row in enumerate(rows):
            file.write("".join(f"{key}{n} = {cell}\n" for key, cell in zip(keys, row)))


def preferences_path(desktop):
    return os.path.join(desktop.config, "Keyhop")


def preferences_rewritten(desktop):
    with open(preferences_path(desktop)) as file:
        return STALE not in file.read()


def visible_keyhop_windows(desktop):
    return desktop.xdotool("search", "--onlyvisible", "--classname", "keyhop").stdout.split()


def window_type(desktop, window):
    return desktop.run(["xprop", "-id", window, "_NET_WM_WINDOW_TYPE"]).stdout


def read_text(path):
    """The file's text; "" while it does not exist."""
    try:
        with open(path) as file:
            return file.read()
    except FileNotFoundError:
        return ""


class TrayTest(unittest.TestCase):
    def start_with_tray_icon(self, desktop, rows=()):
        """Starts keyhop with those shortcuts and returns it with the window of its tray icon."""
        write_preferences(desktop, rows)
        keyhop = desktop.start_keyhop()
        windows = wait_until(lambda: visible_keyhop_windows(desktop), timeout=10)
        self.assertEqual(len(windows), 1, "one tray icon and no other window")
        tree = desktop.run(["xwininfo", "-root", "-tree"]).stdout
        panel = tree[tree.index('("panel" "trayer")'):]
        self.assertIn(hex(int(windows[0])), panel, "the icon sits in trayer's panel")
        return keyhop, windows[0]

    def open_menu(self, desktop, icon):
        """Clicks the icon and returns the window of the menu it opens."""
        desktop.xdotool("mousemove", "--window", icon, "11", "12")
        desktop.xdotool("click", "1")
        menus = wait_until(
            lambda: [w for w in visible_keyhop_windows(desktop)
                     if w != icon and "TOOLTIP" not in window_type(desktop, w)], timeout=10)
        self.assertTrue(menus, "a click on the icon opens its menu")
        # Mapped is not yet listening: give the menu a moment to take the keyboard.
        time.sleep(0.3)
        return menus[0]

    def test_icon_has_a_tool_tip_and_opens_its_menu(self):
        with Desktop() as desktop:
            keyhop, icon = self.start_with_tray_icon(desktop)
            desktop.xdotool("mousemove", "--window", icon, "10", "10")
            tips = wait_until(
                lambda: [w for w in visible_keyhop_windows(desktop)
                         if "TOOLTIP" in window_type(desktop, w)], timeout=10)
            self.assertTrue(tips, "resting on the icon shows its tool tip")
            menu = self.open_menu(desktop, icon)
            desktop.xdotool("key", "Escape")
            self.assertTrue(wait_until(lambda: menu not in visible_keyhop_windows(desktop)))
            self.assertIsNone(keyhop.poll())
            self.assertEqual(stop(keyhop), 0)

    def test_quit_in_the_menu_quits_in_order(self):
        with Desktop() as desktop:
            keyhop, icon = self.start_with_tray_icon(desktop)
            self.open_menu(desktop, icon)
            # About, Preferences, then Quit: separators are skipped.
            desktop.xdotool("key", "Down", "Down", "Down", "Return")
            self.assertEqual(keyhop.wait(timeout=10), 0)
            self.assertTrue(preferences_rewritten(desktop))

    def test_a_shortcut_entry_launches_its_item(self):
        with Desktop() as desktop:
            marker = os.path.join(desktop.root, "launched")
            program = os.path.join(desktop.root, "marker program")
            with open(program, "w") as file:
                file.write(f"#!/bin/sh\necho \"$0\" >> '{marker}'\n")
            os.chmod(program, stat.S_IRWXU)
            keyhop, icon = self.start_with_tray_icon(
                desktop, [("F7", "X", "", "", "", "marker program", program)])
            self.open_menu(desktop, icon)
            # About, Preferences, Quit; the disabled heading is skipped.
            desktop.xdotool("key", "Down", "Down", "Down", "Down", "Return")
            self.assertTrue(wait_until(lambda: read_text(marker), timeout=10), "nothing launched")
            self.assertEqual(read_text(marker), program + "\n")
            self.assertIsNone(keyhop.poll())
            self.assertEqual(stop(keyhop), 0)

    def test_without_a_tray_host_it_says_so_and_quits_once_dismissed(self):
        with Desktop(tray=False) as desktop:
            write_preferences(desktop)
            keyhop = desktop.start_keyhop()
            # Keyhop gives a tray host a few seconds to appear first.
            boxes = wait_until(lambda: desktop.window_ids("^Keyhop$"), timeout=15)
            self.assertEqual(len(boxes), 1, "one message box")
            self.assertIn("DIALOG", window_type(desktop, boxes[0]))
            self.assertIsNone(keyhop.poll(), "it waits for the message to be dismissed")
            desktop.xdotool("windowfocus", "--sync", boxes[0])
            desktop.xdotool("key", "Return")
            self.assertEqual(keyhop.wait(timeout=10), 0)
            self.assertTrue(preferences_rewritten(desktop))


if __name__ == "__main__":
    unittest.main()

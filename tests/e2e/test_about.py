"""The About window from the tray menu: its fade as the X server sees it, a
click on the maker's address, and a quit while it shows."""

import os
import stat
import time
import unittest

import test_status_item
from harness import Desktop, stop, wait_until

# Every transparency the window shows, in order: in, the wait at 5, out.
FADE = list(range(255, 0, -10)) + list(range(0, 260, 10))


def transparencies(desktop):
    """The transparency of each shown Keyhop window that has an opacity, by window."""
    shown = {}
    for window in test_status_item.visible_keyhop_windows(desktop):
        line = desktop.run(["xprop", "-id", window, "_NET_WM_WINDOW_OPACITY"]).stdout
        if "=" in line:
            shown[window] = 255 - round(int(line.split("=")[1]) * 255 / 0xFFFFFFFF)
    return shown


def is_subsequence(values, sequence):
    rest = iter(sequence)
    return all(value in rest for value in values)


class BrowserDesktop(Desktop):
    """A desktop whose web browser only notes the addresses it is given."""

    def __init__(self):
        super().__init__()
        self.bin = os.path.join(self.root, "bin")
        self.opened = os.path.join(self.root, "opened")
        os.makedirs(self.bin)
        browser = os.path.join(self.bin, "xdg-open")
        with open(browser, "w") as file:
            file.write(f"#!/bin/sh\necho \"$1\" >> '{self.opened}'\n")
        os.chmod(browser, stat.S_IRWXU)

    @property
    def env(self):
        env = super().env
        env["PATH"] = self.bin + os.pathsep + env["PATH"]
        return env


class AboutTest(unittest.TestCase):
    def open_about(self, desktop):
        keyhop, icon = test_status_item.TrayTest.start_with_tray_icon(self, desktop)
        test_status_item.TrayTest.open_menu(self, desktop, icon)
        desktop.xdotool("key", "Down", "Return")
        panels = wait_until(lambda: transparencies(desktop), timeout=10)
        self.assertEqual(len(panels), 1, "one window with an opacity: the About window")
        return keyhop, next(iter(panels))

    def test_fades_in_waits_fades_out_and_opens_the_address(self):
        with BrowserDesktop() as desktop:
            keyhop, panel = self.open_about(desktop)

            seen, clicked = [], False
            deadline = time.monotonic() + 20
            while time.monotonic() < deadline:
                value = transparencies(desktop).get(panel)
                if value is None:
                    break
                if not seen or seen[-1] != value:
                    seen.append(value)
                if value == 5 and not clicked:
                    # The address, in the middle of the bottom line.
                    desktop.xdotool("mousemove", "--window", panel, "150", "80", "click", "1")
                    clicked = True
            self.assertIsNone(transparencies(desktop).get(panel), "the window closed itself")
            self.assertTrue(is_subsequence(seen, FADE), seen)
            self.assertIn(5, seen, "the wait shows the last fade-in step")
            self.assertGreater(len(seen), 5, seen)
            opened = wait_until(lambda: test_status_item.read_text(desktop.opened))
            self.assertEqual(opened, os.environ["KEYHOP_WEB_ADDRESS"] + "\n")
            self.assertIsNone(keyhop.poll())
            self.assertEqual(stop(keyhop), 0)

    def test_quitting_while_it_fades_ends_it_with_keyhop(self):
        with Desktop() as desktop:
            keyhop, _ = self.open_about(desktop)
            self.assertEqual(stop(keyhop), 0)


if __name__ == "__main__":
    unittest.main()

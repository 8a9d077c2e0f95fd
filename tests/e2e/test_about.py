"""The About window from the tray menu, as the X server sees it."""

import os
import unittest
from unittest import mock

from harness import Desktop, read_text, stop, visible_keyhop_windows, wait_until, \
    write_preferences

# Every transparency the window shows, in order: in, the wait at 5, out.
FADE = list(range(255, 0, -10)) + list(range(0, 260, 10))


def transparencies(desktop):
    shown = {}
    for window in visible_keyhop_windows(desktop):
        line = desktop.run(["xprop", "-id", window, "_NET_WM_WINDOW_OPACITY"]).stdout
        if "=" in line:
            shown[window] = 255 - round(int(line.split("=")[1]) * 255 / 0xFFFFFFFF)
    return shown


class AboutTest(unittest.TestCase):
    def open_about(self, desktop):
        write_preferences(desktop)
        keyhop, icon = desktop.start_with_tray_icon()
        desktop.open_tray_menu(icon)
        desktop.xdotool("key", "Down", "Return")
        panels = wait_until(lambda: transparencies(desktop), timeout=10)
        self.assertEqual(len(panels), 1, "one window with an opacity: the About window")
        return keyhop, next(iter(panels))

    def test_fades_in_waits_fades_out_and_opens_the_address(self):
        with Desktop() as desktop:
            # The web browser only notes the address it is given.
            browser, opened = (os.path.join(desktop.root, name) for name in ("xdg-open", "opened"))
            with open(browser, "w") as file:
                file.write(f"#!/bin/sh\necho \"$1\" > '{opened}'\n")
            os.chmod(browser, 0o755)
            with mock.patch.dict(os.environ, PATH=desktop.root + os.pathsep + os.environ["PATH"]):
                keyhop, panel = self.open_about(desktop)
            seen = []  # each value once, as it changes
            def closed():
                value = transparencies(desktop).get(panel)
                if value is not None and seen[-1:] != [value]:
                    seen.append(value)
                    if value == 5:  # the wait: click the address
                        desktop.xdotool("mousemove", "--window", panel, "150", "80", "click", "1")
                return value is None
            self.assertTrue(wait_until(closed, timeout=20), "the window closes itself")
            rest = iter(FADE)
            self.assertTrue(all(value in rest for value in seen), seen)
            self.assertTrue(5 in seen and len(seen) > 5, "the steps in, the wait at 5, the steps out")
            self.assertEqual(wait_until(lambda: read_text(opened)),
                             os.environ["KEYHOP_WEB_ADDRESS"] + "\n")
            self.assertEqual(stop(keyhop), 0)

    def test_under_a_window_manager_it_stays_off_taskbars_and_ends_with_keyhop(self):
        with Desktop(window_manager=True) as desktop:
            keyhop, panel = self.open_about(desktop)
            shown = desktop.run(["xprop", "-id", panel, "_NET_WM_STATE", "_NET_WM_NAME"]).stdout
            self.assertIn("_NET_WM_STATE_SKIP_TASKBAR", shown)
            self.assertIn("_NET_WM_STATE_SKIP_PAGER", shown)
            self.assertIn('_NET_WM_NAME(UTF8_STRING) = \n', shown)
            # Quitting while it fades ends it with Keyhop.
            self.assertEqual(stop(keyhop), 0)

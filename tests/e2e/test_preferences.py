"""The real keyhop reads its preferences file at launch and writes it back at quit."""

import os
import re
import signal
import unittest

from harness import Desktop, handles_signal, stop, wait_until

ROW_KEYS = ("FUNCTIONKEY", "SHIFTKEY", "CONTROLKEY", "OPTIONKEY", "COMMANDKEY", "FILENAME",
            "FILEABSOLUTEPATH")


def row_lines(n, cells, separator=" = ", end="\n"):
    return "".join(f"{key}{n}{separator}{cell}{end}" for key, cell in zip(ROW_KEYS, cells))


class PreferencesTest(unittest.TestCase):
    def test_the_file_is_rewritten_in_order_at_quit(self):
        # Hand-edited: CRLF line ends, comments, no blanks around "=", blanks
        # around values, an older version's lines, and a row after a gap.
        stored = ("# edited by hand\r\n"
                  "APPLICATIONNAME=Keyhop\r\n"
                  "APPLICATIONVERSION = 0.9\r\n"
                  "MAINWINDOWLEFT = 40\r\n"
                  "MAINWINDOWTOP=-1\r\n"
                  "\r\n"
                  "MAINWINDOWWIDTH = 500\r\n"
                  + row_lines(0, ("F5", "", "", "", "X", "  Text = Editor  ", "/usr/bin/editor"),
                              separator="=", end="\r\n")
                  + row_lines(1, ("F12", "X", "", "X", "", "Home", " /home/me "), end="\r\n")
                  + row_lines(3, ("F1", "", "", "", "", "Gone", "/gone"), end="\r\n")
                  + "CHECKFORUPDATE = True\r\n")
        expected = ("APPLICATIONNAME = Keyhop\n"
                    "APPLICATIONVERSION = 1.0\n"
                    "MAINWINDOWLEFT = 40\n"
                    "MAINWINDOWTOP = -1\n"
                    "MAINWINDOWWIDTH = 500\n"
                    "MAINWINDOWHEIGHT = -1\n"
                    + row_lines(0, ("F5", "", "", "", "X", "Text = Editor", "/usr/bin/editor"))
                    + row_lines(1, ("F12", "X", "", "X", "", "Home", "/home/me"))
                    + "CHECKFORUPDATE = True\n")
        with Desktop() as desktop:
            path = os.path.join(desktop.config, "Keyhop")
            with open(path, "w", newline="") as file:
                file.write(stored)
            keyhop = desktop.start_keyhop()
            self.assertTrue(wait_until(lambda: handles_signal(keyhop), timeout=10),
                            "keyhop did not reach its event loop")
            self.assertEqual(stop(keyhop, signal.SIGTERM), 0)
            with open(path, newline="") as file:
                self.assertEqual(file.read(), expected)
            self.assertEqual(os.listdir(desktop.config), ["Keyhop"])

    def test_a_first_launch_shows_the_list_window_and_writes_the_defaults(self):
        with Desktop() as desktop:
            keyhop = desktop.start_keyhop()
            self.assertTrue(wait_until(lambda: handles_signal(keyhop), timeout=10))
            windows = wait_until(lambda: desktop.xdotool(
                "search", "--onlyvisible", "--pid", str(keyhop.pid)).stdout.split())
            # The list window at its design size, its menu bar above the
            # content area (the tray icon may be a window too).
            geometries = [desktop.xdotool("getwindowgeometry", window).stdout for window in windows]
            self.assertTrue(any(re.search(r"Geometry: 460x3[2-5]\d", text) for text in geometries),
                            geometries)
            self.assertEqual(stop(keyhop, signal.SIGTERM), 0)
            with open(os.path.join(desktop.config, "Keyhop"), newline="") as file:
                self.assertEqual(file.read(), "APPLICATIONNAME = Keyhop\n"
                                              "APPLICATIONVERSION = 1.0\n"
                                              "MAINWINDOWLEFT = -1\n"
                                              "MAINWINDOWTOP = -1\n"
                                              "MAINWINDOWWIDTH = -1\n"
                                              "MAINWINDOWHEIGHT = -1\n"
                                              "CHECKFORUPDATE = False\n")


if __name__ == "__main__":
    unittest.main()

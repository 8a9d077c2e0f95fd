"""The real keyhop saves its preferences when its display goes, and runs once per user."""

import os
import unittest

from harness import Desktop, preferences_path, read_text, stop, wait_until


def stacking(desktop):
    """The top-level windows' ids, topmost first."""
    tree = desktop.run(["xwininfo", "-root", "-children"]).stdout
    return [int(line.split()[0], 16) for line in tree.splitlines()
            if line.strip().startswith("0x")]

DEFAULTS = ("APPLICATIONNAME = Keyhop\nAPPLICATIONVERSION = 1.0\nMAINWINDOWLEFT = -1\n"
            "MAINWINDOWTOP = -1\nMAINWINDOWWIDTH = -1\nMAINWINDOWHEIGHT = -1\n"
            "CHECKFORUPDATE = False\n")


class PreferencesTest(unittest.TestCase):
    def test_losing_the_x_server_saves_like_a_quit_even_with_a_window_open(self):
        with Desktop() as desktop:
            keyhop = desktop.start_keyhop(wait=True)
            # A first launch opens the list window.
            self.assertTrue(wait_until(lambda: desktop.xdotool(
                "search", "--onlyvisible", "--pid", str(keyhop.pid)).stdout.split()))
            # The session ends by ending its X server.
            xvfb = next(process for process in desktop.processes if process.args[0] == "Xvfb")
            xvfb.kill()
            xvfb.wait()
            self.assertEqual(keyhop.wait(timeout=10), 0)
            self.assertEqual(read_text(preferences_path(desktop)), DEFAULTS)

    def test_a_second_start_brings_the_running_one_forward_and_a_killed_one_stops_none(self):
        with Desktop() as desktop:
            first = desktop.start_keyhop(wait=True)
            # A first launch opens the list window; another program's window covers it.
            ids = wait_until(lambda: desktop.xdotool(
                "search", "--onlyvisible", "--pid", str(first.pid)).stdout.split())
            window = next(w for w in stacking(desktop) if str(w) in ids)
            desktop.start(["xmessage", "other"])
            covering = int(wait_until(lambda: desktop.window_ids("xmessage"))[0])
            desktop.xdotool("windowfocus", "--sync", str(covering))

            def second_start_raises():
                self.assertEqual(desktop.start_keyhop().wait(timeout=1), 0)
                order = stacking(desktop)
                return order.index(window) < order.index(covering)
            # Qt takes a loss of focus for real only after a moment; until
            # then Keyhop is in front and a second start has nothing to do.
            self.assertTrue(wait_until(second_start_raises, interval=0.2))
            self.assertFalse(os.path.exists(preferences_path(desktop)))
            first.kill()
            first.wait()
            self.assertEqual(stop(desktop.start_keyhop(wait=True)), 0)
            self.assertEqual(read_text(preferences_path(desktop)), DEFAULTS)


if __name__ == "__main__":
    unittest.main()

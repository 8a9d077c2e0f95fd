"""The real keyhop saves its preferences when its display goes, and runs once per user."""

import fcntl
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
            # The lock and its socket in a config folder of a path longer
            # than a socket's address holds.
            desktop.runtime = None
            desktop.config = os.path.join(desktop.root, "c" * (150 - len(desktop.root) - 1))
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

    def test_a_lock_that_cannot_be_had_in_the_runtime_folder_is_had_in_the_config_folder(self):
        for in_the_way in ("folder", "link"):
            with self.subTest(in_the_way), Desktop() as desktop:
                runtime_lock = os.path.join(desktop.runtime, "Keyhop.lock")
                elsewhere = os.path.join(desktop.root, "elsewhere")
                if in_the_way == "folder":
                    os.mkdir(runtime_lock)
                else:
                    os.symlink(elsewhere, runtime_lock)
                # Not a socket that Keyhop left: it stays as it is.
                socket_name = os.path.join(desktop.config, "Keyhop.socket")
                with open(socket_name, "w") as file:
                    file.write("kept")
                first = desktop.start_keyhop(wait=True)
                self.assertEqual(desktop.start_keyhop().wait(timeout=2), 0)
                self.assertIsNone(first.poll())
                self.assertEqual(stop(first), 0)
                self.assertEqual(read_text(socket_name), "kept")
                self.assertFalse(os.path.lexists(elsewhere))
        # With no lock to be had anywhere, Keyhop runs and says so.
        with Desktop() as desktop:
            for folder in (desktop.runtime, desktop.config):
                os.mkdir(os.path.join(folder, "Keyhop.lock"))
            keyhop = desktop.start_keyhop(wait=True)
            self.assertIn("No lock could be had", wait_until(lambda: read_text(desktop.logs[-1])))
            self.assertEqual(stop(keyhop), 0)

    def test_a_runtime_folder_that_others_share_is_not_used(self):
        with Desktop() as desktop:
            desktop.runtime = os.path.join(desktop.root, "shared")
            os.mkdir(desktop.runtime)
            os.chmod(desktop.runtime, 0o1777)
            # Another process holds a lock of Keyhop's name there.
            with open(os.path.join(desktop.runtime, "Keyhop.lock"), "w") as lock:
                fcntl.flock(lock, fcntl.LOCK_EX)
                keyhop = desktop.start_keyhop(wait=True)
                self.assertEqual(stop(keyhop), 0)
            self.assertEqual(read_text(preferences_path(desktop)), DEFAULTS)


if __name__ == "__main__":
    unittest.main()

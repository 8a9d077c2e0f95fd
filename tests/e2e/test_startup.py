"""The real keyhop starts, keeps running, and quits in order on SIGTERM."""

import signal
import time
import unittest

from harness import Desktop, stop


class StartupTest(unittest.TestCase):
    def test_runs_until_asked_to_quit(self):
        for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            with self.subTest(signal=sig.name), Desktop() as desktop:
                keyhop = desktop.start_keyhop()
                time.sleep(1.0)
                self.assertIsNone(keyhop.poll(), "keyhop ended on its own")
                started = time.monotonic()
                self.assertEqual(stop(keyhop, sig, timeout=2.0), 0)
                self.assertLess(time.monotonic() - started, 2.0)


if __name__ == "__main__":
    unittest.main()

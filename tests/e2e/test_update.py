"""The update check of the real keyhop, built to ask a loopback server of the test's own."""

import errno
import os
import signal
import socket
import threading
import time
import unittest

from harness import Desktop, stop, wait_until


class UpdateCheckTest(unittest.TestCase):
    def test_a_new_version_is_announced_and_a_quit_with_the_message_open_is_orderly(self):
        # The port is fixed at build time: another build's test may hold it for a while.
        deadline = time.monotonic() + 120
        while True:
            try:
                listener = socket.create_server(
                    ("127.0.0.1", int(os.environ["KEYHOP_UPDATE_PORT"])))
                break
            except OSError as error:
                if error.errno != errno.EADDRINUSE or time.monotonic() >= deadline:
                    raise
                time.sleep(0.2)
        self.addCleanup(listener.close)

        def answer():
            connection, _ = listener.accept()
            with connection:
                connection.recv(4096)
                connection.sendall(b"HTTP/1.0 200 OK\r\n\r\nKeyhop 99.0\n")

        threading.Thread(target=answer, daemon=True).start()
        with Desktop() as desktop:
            with open(os.path.join(desktop.config, "Keyhop"), "w") as file:
                file.write("CHECKFORUPDATE = True\n")
            keyhop = desktop.start_keyhop(os.environ["KEYHOP_LOOPBACK_BINARY"])
            # The message box is the only window titled with the bare name.
            self.assertTrue(wait_until(lambda: desktop.window_ids("^Keyhop$"), timeout=10),
                            "no message was shown")
            self.assertEqual(stop(keyhop, signal.SIGTERM, timeout=2.0), 0)


if __name__ == "__main__":
    unittest.main()

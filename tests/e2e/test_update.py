"""The update check of the real keyhop, built to ask a loopback server of the test's own."""

import errno
import os
import signal
import socket
import threading
import time
import unittest

from harness import Desktop, handles_signal, stop, wait_until

KEYHOP_LOOPBACK = os.environ.get("KEYHOP_LOOPBACK_BINARY", "")
PORT = int(os.environ.get("KEYHOP_UPDATE_PORT", "0"))


def listen(timeout=120.0):
    """The port is fixed at build time: another build's test may hold it for a while."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            return socket.create_server(("127.0.0.1", PORT))
        except OSError as error:
            if error.errno != errno.EADDRINUSE or time.monotonic() >= deadline:
                raise
            time.sleep(0.2)


class UpdateCheckTest(unittest.TestCase):
    def test_a_reply_with_another_version_shows_the_message(self):
        listener = listen()
        self.addCleanup(listener.close)
        header = []

        def serve():
            connection, _ = listener.accept()
            with connection:
                received = b""
                while b"\r\n\r\n" not in received and (data := connection.recv(4096)):
                    received += data
                header.append(received)
                connection.sendall(b"HTTP/1.0 200 OK\r\n\r\nKeyhop 99.0\n")

        server = threading.Thread(target=serve, daemon=True)
        server.start()
        with Desktop() as desktop:
            with open(os.path.join(desktop.config, "Keyhop"), "w") as file:
                file.write("CHECKFORUPDATE = True\n")
            keyhop = desktop.start([KEYHOP_LOOPBACK])
            self.assertTrue(wait_until(lambda: handles_signal(keyhop), timeout=10))
            # The message box is the only window titled with the bare name.
            self.assertTrue(wait_until(lambda: desktop.window_ids("^Keyhop$"), timeout=10),
                            "no message was shown")
            lines = header[0].split(b"\r\n")
            self.assertEqual(lines[0], b"GET /keyhop/version.txt HTTP/1.0")
            self.assertEqual(sorted(lines[1:]), [b"", b"", b"Accept-Language: en", b"Accept: */*",
                                                 f"Host: 127.0.0.1:{PORT}".encode(),
                                                 b"User-Agent: Keyhop"])
            # Quitting while the message is open is still an orderly quit.
            self.assertEqual(stop(keyhop, signal.SIGTERM, timeout=2.0), 0)
        server.join(timeout=5)


if __name__ == "__main__":
    unittest.main()

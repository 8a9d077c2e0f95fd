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
VERSION = os.environ.get("KEYHOP_VERSION", "")


class VersionServer:
    """Listens on the port the build names; answers each request with reply, or never
    when reply is None, and records the bytes each connection sent."""

    def __init__(self, reply):
        self.reply = reply
        self.requests = []
        self.served = threading.Event()
        self._stopping = threading.Event()
        self._listener = self._listen()
        self._listener.settimeout(0.1)
        self._thread = threading.Thread(target=self._serve)
        self._thread.start()

    @staticmethod
    def _listen(timeout=120.0):
        # The port is fixed at build time: another build's test may hold it for a while.
        deadline = time.monotonic() + timeout
        while True:
            try:
                return socket.create_server(("127.0.0.1", PORT))
            except OSError as error:
                if error.errno != errno.EADDRINUSE or time.monotonic() >= deadline:
                    raise
                time.sleep(0.2)

    def close(self):
        self._stopping.set()
        self._thread.join()
        self._listener.close()

    def _serve(self):
        while not self._stopping.is_set():
            try:
                connection, _ = self._listener.accept()
            except socket.timeout:
                continue
            with connection:
                connection.settimeout(0.1)
                self.requests.append(b"")
                while b"\r\n\r\n" not in self.requests[-1] and self._receive(connection):
                    pass
                if self.reply is not None:
                    connection.sendall(self.reply)
                    connection.shutdown(socket.SHUT_WR)
                # Whatever else comes, until the client closes.
                while self._receive(connection):
                    pass
            self.served.set()

    def _receive(self, connection):
        while not self._stopping.is_set():
            try:
                data = connection.recv(4096)
            except socket.timeout:
                continue
            self.requests[-1] += data
            return bool(data)
        return False


def message_boxes(desktop):
    # The message box is the only window titled with the bare name.
    return desktop.window_ids("^Keyhop$")


class UpdateCheckTest(unittest.TestCase):
    def launch(self, desktop, check_for_update="True"):
        with open(os.path.join(desktop.config, "Keyhop"), "w") as file:
            file.write(f"CHECKFORUPDATE = {check_for_update}\n")
        keyhop = desktop.start([KEYHOP_LOOPBACK])
        self.assertTrue(wait_until(lambda: handles_signal(keyhop), timeout=10),
                        "keyhop did not reach its event loop")
        return keyhop

    def serve(self, reply):
        server = VersionServer(reply)
        self.addCleanup(server.close)
        return server

    def test_a_reply_with_another_version_shows_the_message(self):
        server = self.serve(b"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nKeyhop 99.0\n")
        with Desktop() as desktop:
            keyhop = self.launch(desktop)
            self.assertTrue(wait_until(lambda: message_boxes(desktop), timeout=10),
                            "no message was shown")
            head, _, body = server.requests[0].partition(b"\r\n\r\n")
            lines = head.split(b"\r\n")
            self.assertEqual(lines[0], b"GET /keyhop/version.txt HTTP/1.0")
            self.assertEqual(sorted(lines[1:]), [b"Accept-Language: en", b"Accept: */*",
                                                 f"Host: 127.0.0.1:{PORT}".encode(),
                                                 b"User-Agent: Keyhop"])
            self.assertEqual(body, b"")
            # Quitting while the message is open is still an orderly quit.
            self.assertEqual(stop(keyhop, signal.SIGTERM, timeout=2.0), 0)

    def test_a_reply_with_the_running_version_shows_nothing(self):
        server = self.serve(f"HTTP/1.0 200 OK\r\n\r\nKeyhop {VERSION}\n".encode())
        with Desktop() as desktop:
            keyhop = self.launch(desktop)
            self.assertTrue(server.served.wait(timeout=10), "no request came")
            # A message would follow the reply at once.
            time.sleep(1.0)
            self.assertEqual(message_boxes(desktop), [])
            self.assertEqual(stop(keyhop, signal.SIGTERM), 0)

    def test_the_option_off_sends_nothing(self):
        server = self.serve(b"HTTP/1.0 200 OK\r\n\r\nKeyhop 99.0\n")
        with Desktop() as desktop:
            keyhop = self.launch(desktop, check_for_update="False")
            time.sleep(1.0)
            self.assertEqual(stop(keyhop, signal.SIGTERM), 0)
            self.assertEqual(server.requests, [])

    def test_quit_while_the_request_hangs_is_at_once_and_in_order(self):
        server = self.serve(None)
        with Desktop() as desktop:
            keyhop = self.launch(desktop)
            self.assertTrue(wait_until(lambda: server.requests and b"\r\n\r\n" in server.requests[0],
                                       timeout=10), "no request came")
            started = time.monotonic()
            self.assertEqual(stop(keyhop, signal.SIGTERM, timeout=2.0), 0)
            self.assertLess(time.monotonic() - started, 2.0)
            with open(os.path.join(desktop.config, "Keyhop")) as file:
                written = file.read()
            self.assertTrue(written.startswith("APPLICATIONNAME = Keyhop\n"), written)
            self.assertIn("CHECKFORUPDATE = True\n", written)


if __name__ == "__main__":
    unittest.main()

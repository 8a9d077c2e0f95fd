"""The real keyhop on a private X display: each Desktop has its own Xvfb, a tray
host (trayer) unless told otherwise, a window manager (openbox) when asked, and
a temporary HOME with the XDG folders; every process it starts is stopped by
its process id when it closes."""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

KEYHOP = os.environ.get("KEYHOP_BINARY", "")


def wait_until(predicate, timeout=5.0, interval=0.02):
    """Polls predicate until it is true or the time is up; returns its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(interval)


# A line Keyhop never writes: gone from the preferences file once Keyhop rewrote it.
STALE = "STALE = 1\n"


def preferences_path(desktop):
    return os.path.join(desktop.config, "Keyhop")


def write_preferences(desktop, rows=()):
    """The preferences file: the stale line, then one shortcut a row of seven cells."""
    keys = ("FUNCTIONKEY", "SHIFTKEY", "CONTROLKEY", "OPTIONKEY", "COMMANDKEY", "FILENAME",
            "FILEABSOLUTEPATH")
    with open(preferences_path(desktop), "w", errors="surrogateescape") as file:
        file.write(STALE + "".join(f"{key}{n} = {cell}\n"
                                   for n, row in enumerate(rows) for key, cell in zip(keys, row)))


def read_text(path):
    """The file's text as stored, line ends and bytes; "" while it does not exist."""
    try:
        with open(path, newline="", errors="surrogateescape") as file:
            return file.read()
    except FileNotFoundError:
        return ""


def visible_keyhop_windows(desktop):
    # xdotool lists a window twice when the tray host reparents it mid-search.
    found = desktop.xdotool("search", "--onlyvisible", "--classname", "keyhop").stdout.split()
    return list(dict.fromkeys(found))


def window_type(desktop, window):
    return desktop.run(["xprop", "-id", window, "_NET_WM_WINDOW_TYPE"]).stdout


class Desktop:
    def __init__(self, tray=True, window_manager=False):
        self.tray = tray
        self.window_manager = window_manager
        self.processes = []
        self.logs = []
        self.root = tempfile.mkdtemp(prefix="keyhop-e2e-")
        self.home = os.path.join(self.root, "home")
        self.config = os.path.join(self.home, ".config")
        self.data = os.path.join(self.home, ".local", "share")
        # $XDG_RUNTIME_DIR; None leaves it unset.
        self.runtime = self.root
        for folder in (self.config, self.data):
            os.makedirs(folder)
        self.display = None

    def __enter__(self):
        # -noreset: by default the server resets whenever its last client
        # leaves, and a client connecting in that moment is turned away.
        read_end, write_end = os.pipe()
        self.processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(write_end)
        with os.fdopen(read_end, "rb") as pipe:
            self.display = ":" + pipe.readline().decode().strip()
        if self.display == ":":
            raise RuntimeError("Xvfb did not start")
        if self.window_manager:
            self.start(["openbox", "--sm-disable"])
            if not wait_until(lambda: selection_owned(self.display, "WM_S0"), timeout=10):
                raise RuntimeError("the window manager did not start")
        if self.tray:
            self.start(["trayer", "--edge", "top", "--align", "right", "--widthtype", "request"])
            # Keyhop looks for the owner of the tray selection, as every tray client does.
            if not wait_until(lambda: selection_owned(self.display, "_NET_SYSTEM_TRAY_S0"),
                              timeout=10):
                raise RuntimeError("the tray host did not start")
        return self

    def __exit__(self, *exc):
        self.close()

    @property
    def env(self):
        env = dict(PATH=os.environ.get("PATH", "/usr/bin:/bin"), HOME=self.home,
                   DISPLAY=self.display, XDG_CONFIG_HOME=self.config, XDG_DATA_HOME=self.data,
                   LANG="C.UTF-8", QT_QPA_PLATFORM="xcb")
        if self.runtime:
            env["XDG_RUNTIME_DIR"] = self.runtime
        # Sanitizer builds are run with their options.
        env.update({name: value for name, value in os.environ.items()
                    if name in ("ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS")})
        return env

    def marker_program(self):
        """The paths of "marker program", which adds its path to "launched" each time it runs,
        and of "launched"."""
        program, marker = (os.path.join(self.root, name) for name in ("marker program", "launched"))
        with open(program, "w") as file:
            file.write(f"#!/bin/sh\necho \"$0\" >> '{marker}'\n")
        os.chmod(program, 0o700)
        return program, marker

    def start(self, argv, stderr=subprocess.DEVNULL):
        """Starts a process on this desktop; it is stopped when the desktop closes."""
        self.processes.append(subprocess.Popen(
            argv, env=self.env, stdout=subprocess.DEVNULL, stderr=stderr))
        return self.processes[-1]

    def start_keyhop(self, binary=KEYHOP, wait=False):
        # Its standard error is kept, shown at close and read there for a
        # sanitizer's report, which fails the test even where the exit
        # status goes unchecked.
        log = os.path.join(self.root, f"keyhop-{len(self.processes)}.stderr")
        with open(log, "wb") as stderr:
            keyhop = self.start([binary], stderr=stderr)
        self.logs.append(log)
        if wait and not wait_until(lambda: handles_signal(keyhop), timeout=10):
            raise AssertionError("keyhop did not reach its event loop")
        return keyhop

    def start_with_tray_icon(self):
        """Starts keyhop; returns it and the window of its icon, the one window, in trayer's panel."""
        keyhop = self.start_keyhop()
        icons = wait_until(lambda: visible_keyhop_windows(self), timeout=10)
        tree = self.run(["xwininfo", "-root", "-tree"]).stdout
        if len(icons) != 1 or hex(int(icons[0])) not in tree[tree.index('("panel" "trayer")'):]:
            raise AssertionError(f"not one window, the icon in trayer's panel: {icons}")
        return keyhop, icons[0]

    def new_window(self, *known):
        """A visible keyhop window, tooltips and the known ones aside."""
        windows = wait_until(lambda: [w for w in visible_keyhop_windows(self) if w not in known
                                      and "TOOLTIP" not in window_type(self, w)], timeout=10)
        if not windows:
            raise AssertionError("no new window")
        # Mapped is not yet listening: give it a moment to take the keyboard.
        time.sleep(0.3)
        return windows[0]

    def open_tray_menu(self, icon, *known):
        self.xdotool("mousemove", "--window", icon, "11", "12", "click", "1")
        return self.new_window(icon, *known)

    def run(self, argv, timeout=10):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=timeout)

    def xdotool(self, *args):
        return self.run(["xdotool", *args])

    def window_ids(self, name):
        """The ids of visible windows whose title matches name."""
        return self.xdotool("search", "--onlyvisible", "--name", name).stdout.split()

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.processes.clear()
        reports = []
        for log in self.logs:
            with open(log, errors="replace") as file:
                text = file.read()
            sys.stderr.write(text)
            if re.search(r"ERROR: \w+Sanitizer|runtime error:", text):
                reports.append(text)
        self.logs.clear()
        shutil.rmtree(self.root, ignore_errors=True)
        if reports:
            raise AssertionError("keyhop's sanitizer report:\n" + "\n".join(reports))


def selection_owned(display, selection):
    """Whether some client owns the X selection on the display."""
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XGetSelectionOwner.restype = ctypes.c_ulong
    x11.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    connection = x11.XOpenDisplay(display.encode())
    if not connection:
        return False
    try:
        atom = x11.XInternAtom(connection, selection.encode(), 0)
        return x11.XGetSelectionOwner(connection, atom) != 0
    finally:
        x11.XCloseDisplay(connection)


def handles_signal(process, sig=signal.SIGTERM):
    """Whether the process has installed its own handler for sig (its event loop is up)."""
    try:
        with open(f"/proc/{process.pid}/status") as status:
            for line in status:
                if line.startswith("SigCgt:"):
                    return bool(int(line.split()[1], 16) & (1 << (sig - 1)))
    except FileNotFoundError:
        pass
    return False


def stop(process, sig=signal.SIGTERM, timeout=5.0):
    """Sends sig and waits; returns the exit status, or None when it did not end in time."""
    process.send_signal(sig)
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        return None

#!/usr/bin/env python3
"""Keyhop's key watcher against a 10 ms poller and a key-grabbing daemon, in one run.

Keyhop (with a tray host, as on a desktop: without one it never starts its key
watcher), the reference poller (reference/poller.c) and sxhkd each run on a private
Xvfb of their own, so that each X server's cost is its one client's. All three bind
Super+F5 to the same static program (reference/stamp.c), which writes the time as
its first act. Measured: CPU and wake-ups (context switches) of the process at idle,
its X server's CPU at idle, resident memory, key-down to program-start latency
(Super+F5 pressed through XTest, reference/inject.c, held 200 ms, on each in turn
at random phases), and the process's CPU while Super+F5 is held for 2 s.

sxhkd is Debian's package of that name (apt-get install sxhkd); without it its row
is left out. Run by hand after a build, never by ctest:
    bench/keywatch_bench.py [--build build] [--settle 40] [--idle 30] [--presses 40]
"""

import argparse
import os
import random
import shutil
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from harness import Desktop, handles_signal, wait_until, write_preferences  # noqa: E402


def tasks(pid):
    try:
        return os.listdir(f"/proc/{pid}/task")
    except FileNotFoundError:
        return []


def cpu_ns(pid):
    """Time on a CPU of every thread of the process so far, in nanoseconds."""
    total = 0
    for task in tasks(pid):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                total += int(stat.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass
    return total


def wake_ups(pid):
    """Voluntary context switches of every thread so far: one per sleep that ended."""
    total = 0
    for task in tasks(pid):
        try:
            with open(f"/proc/{pid}/task/{task}/status") as status:
                for line in status:
                    if line.startswith("voluntary_ctxt_switches:"):
                        total += int(line.split()[1])
        except (FileNotFoundError, ProcessLookupError):
            pass
    return total


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def stamps(path):
    if not os.path.exists(path):
        return []
    with open(path) as file:
        return [float(line) for line in file.read().split()]


def usage(pids, seconds):
    """CPU (% of one core) and wake-ups per second of each process over the seconds."""
    cpu = {pid: cpu_ns(pid) for pid in pids}
    wakes = {pid: wake_ups(pid) for pid in pids}
    started = time.monotonic_ns()
    time.sleep(seconds)
    elapsed = time.monotonic_ns() - started
    return {pid: (100.0 * (cpu_ns(pid) - cpu[pid]) / elapsed,
                  (wake_ups(pid) - wakes[pid]) * 1e9 / elapsed) for pid in pids}


def syscalls_per_second(pid, seconds=5):
    """System calls of the process per second at idle, counted by strace (None without it)."""
    if shutil.which("strace") is None:
        return None
    result = subprocess.run(["timeout", "-s", "INT", str(seconds), "strace", "-f", "-c", "-p",
                             str(pid)], capture_output=True, text=True)
    if "Operation not permitted" in result.stderr:
        return None
    for line in result.stderr.splitlines():
        fields = line.split()
        if fields and fields[-1] == "total":
            return int(fields[3]) / seconds if len(fields) >= 5 else 0.0
    return 0.0


class Contender:
    """One program on its own desktop, with Super+F5 bound to the stamp program."""

    def __init__(self, name, tray):
        self.name = name
        self.desktop = Desktop(tray=tray).__enter__()
        # The first process of a desktop is its X server.
        self.server = self.desktop.processes[0].pid
        self.stamps = os.path.join(self.desktop.root, "stamps")
        self.process = None
        self.injector = None

    def start(self, argv, env=None, **kwargs):
        """Starts a process on the desktop, stopped when it closes."""
        process = subprocess.Popen(argv, env=dict(self.desktop.env, **(env or {})), text=True,
                                   stderr=subprocess.DEVNULL, **kwargs)
        self.desktop.processes.append(process)
        return process

    def inject(self, helpers):
        self.injector = self.start([os.path.join(helpers, "bench_inject")],
                                   stdin=subprocess.PIPE, stdout=subprocess.PIPE)

    def command(self, line):
        self.injector.stdin.write(line + "\n")
        self.injector.stdin.flush()
        return self.injector.stdout.readline()

    def press(self, hold=0.2):
        """Presses Super+F5; gives the seconds from key-down to the program's start."""
        before = len(stamps(self.stamps))
        down = int(self.command("d")) / 1e9
        wait_until(lambda: len(stamps(self.stamps)) > before, timeout=2.0, interval=0.0005)
        started = stamps(self.stamps)
        time.sleep(max(0.0, down + hold - time.time()))
        self.command("u")
        return started[before] - down if len(started) > before else None

    def close(self):
        self.desktop.close()


def start_keyhop(build, stamp):
    keyhop = Contender("Keyhop", tray=True)
    write_preferences(keyhop.desktop, [("F5", "", "", "", "X", "stamp", stamp)])
    keyhop.process = keyhop.start([os.path.join(build, "keyhop")],
                                  env={"STAMP_FILE": keyhop.stamps}, stdout=subprocess.DEVNULL)
    if not wait_until(lambda: handles_signal(keyhop.process), timeout=10):
        raise RuntimeError("Keyhop did not reach its event loop")
    return keyhop


def start_poller(helpers, stamp):
    poller = Contender("poller", tray=False)
    poller.process = poller.start(
        [os.path.join(helpers, "bench_reference_poller"), stamp, poller.stamps],
        stdout=subprocess.PIPE)
    poller.process.stdout.readline()
    return poller


def start_sxhkd(stamp):
    sxhkd = Contender("sxhkd", tray=False)
    config = os.path.join(sxhkd.desktop.root, "sxhkdrc")
    with open(config, "w") as file:
        file.write(f"super + F5\n    {stamp} {sxhkd.stamps}\n")
    sxhkd.process = sxhkd.start(["sxhkd", "-c", config], env={"SHELL": "/bin/sh"},
                                stdout=subprocess.DEVNULL)
    return sxhkd


def summary(latencies):
    found = sorted(x * 1000 for x in latencies if x is not None)
    missed = sum(1 for x in latencies if x is None)
    if not found:
        return f"none of {missed}"
    p90 = found[min(len(found) - 1, int(round(0.9 * (len(found) - 1))))]
    text = f"{statistics.median(found):5.2f} {p90:5.2f} {found[-1]:5.2f}"
    return text + (f" ({missed} missed)" if missed else "")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build", help="the build folder")
    parser.add_argument("--idle", type=float, default=30.0, help="seconds of idle measurement")
    # Qt does a one-off piece of work some 30 s after start (a cache flush):
    # not the key watcher's, so it is left out of the idle figures.
    parser.add_argument("--settle", type=float, default=40.0,
                        help="seconds to wait after start before measuring")
    parser.add_argument("--presses", type=int, default=40, help="presses for each program")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    helpers = os.path.join(build, "bench")
    stamp = os.path.join(helpers, "bench_stamp")

    contenders = []
    try:
        contenders.append(start_keyhop(build, stamp))
        contenders.append(start_poller(helpers, stamp))
        if shutil.which("sxhkd"):
            contenders.append(start_sxhkd(stamp))
        else:
            print("sxhkd not installed (apt-get install sxhkd): left out")
        time.sleep(args.settle)

        print(f"idle for {args.idle:.0f} s ...", flush=True)
        pids = [c.process.pid for c in contenders] + [c.server for c in contenders]
        idle = usage(pids, args.idle)
        calls = {c.name: syscalls_per_second(c.process.pid) for c in contenders}

        print(f"{args.presses} presses each ...", flush=True)
        latencies = {c.name: [] for c in contenders}
        for c in contenders:
            c.inject(helpers)
        for _ in range(args.presses):
            for c in random.sample(contenders, len(contenders)):
                latencies[c.name].append(c.press())
                time.sleep(random.uniform(0.05, 0.15))

        print("Super+F5 held 2 s on each ...", flush=True)
        held = {}
        for c in contenders:
            c.command("d")
            time.sleep(0.1)
            held[c.name] = usage([c.process.pid], 2.0)[c.process.pid]
            c.command("u")
        rss = {c.name: resident_kib(c.process.pid) for c in contenders}
        launches = {c.name: len(stamps(c.stamps)) for c in contenders}
    finally:
        for c in contenders:
            c.close()

    print()
    print(f"{'':8} {'idle CPU':>9} {'wake/s':>7} {'syscall/s':>9} {'its Xvfb':>9} {'RSS':>9}"
          f"  {'launch ms: median p90 max':>26} {'held CPU':>9} {'wake/s':>7}  launches")
    for c in contenders:
        cpu, wakes = idle[c.process.pid]
        rate = calls[c.name]
        print(f"{c.name:8} {cpu:8.3f}% {wakes:7.1f} "
              f"{'-' if rate is None else f'{rate:.1f}':>9} {idle[c.server][0]:8.3f}% "
              f"{rss[c.name] / 1024:5.1f} MiB  {summary(latencies[c.name]):>26} "
              f"{held[c.name][0]:8.3f}% {held[c.name][1]:7.1f}  {launches[c.name]}"
              f" for {args.presses + 1} presses")


if __name__ == "__main__":
    main()

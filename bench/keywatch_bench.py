#!/usr/bin/env python3
"""Keyhop's key watcher against the reference 10 ms poller, side by side in one run.

Keyhop and the reference poller (reference/poller.c) each run on a private Xvfb of
their own, so that each X server's cost is its one client's. Both bind Super+F5 to
the same static program (reference/stamp.c), which writes the time as its first act.
Measured: CPU at idle (the process, all its threads, and its X server), resident
memory, requests to the X server per idle tick (with strace, when it can attach),
and key-down to program-start latency, pressing Super+F5 through XTest
(reference/inject.c) alternately on both, held 200 ms, at random phases of the tick.

Run by hand after a build, never by ctest:
    bench/keywatch_bench.py [--build build] [--idle 30] [--presses 40]
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
from harness import Desktop, handles_signal, wait_until  # noqa: E402

ROW_KEYS = ("FUNCTIONKEY", "SHIFTKEY", "CONTROLKEY", "OPTIONKEY", "COMMANDKEY", "FILENAME",
            "FILEABSOLUTEPATH")


def cpu_ns(pid):
    """Time on a CPU of every thread of the process so far, in nanoseconds."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                total += int(stat.read().split()[0])
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


def socket_writes_per_tick(pid, seconds=5):
    """Writes to sockets (each X request batch is one) per 10 ms tick, counted by strace."""
    if shutil.which("strace") is None:
        return None
    result = subprocess.run(
        ["timeout", "-s", "INT", str(seconds), "strace", "-f", "-c", "-e",
         "trace=write,writev,sendmsg,sendto", "-p", str(pid)],
        capture_output=True, text=True)
    calls = 0
    for line in result.stderr.splitlines():
        fields = line.split()
        if fields and fields[-1] in ("write", "writev", "sendmsg", "sendto"):
            calls += int(fields[3])
    if "attach" in result.stderr and "Operation not permitted" in result.stderr:
        return None
    return calls / (seconds * 100)


def press(injector, stamp_file, hold=0.2):
    """Presses Super+F5; gives the seconds from key-down to the program's start."""
    before = len(stamps(stamp_file))
    injector.stdin.write("d\n")
    injector.stdin.flush()
    down = int(injector.stdout.readline()) / 1e9
    deadline = time.monotonic() + 2.0
    while len(stamps(stamp_file)) == before and time.monotonic() < deadline:
        time.sleep(0.0005)
    started = stamps(stamp_file)
    time.sleep(max(0.0, down + hold - time.time()))
    injector.stdin.write("u\n")
    injector.stdin.flush()
    injector.stdout.readline()
    return started[-1] - down if len(started) > before else None


def summary(latencies):
    found = sorted(x * 1000 for x in latencies if x is not None)
    missed = sum(1 for x in latencies if x is None)
    if not found:
        return f"no launch ({missed} presses missed)"
    p90 = found[min(len(found) - 1, int(round(0.9 * (len(found) - 1))))]
    text = (f"median {statistics.median(found):5.2f} ms, p90 {p90:5.2f} ms, "
            f"max {found[-1]:5.2f} ms")
    return text + (f", {missed} missed" if missed else "")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build", help="the build folder")
    parser.add_argument("--idle", type=float, default=30.0, help="seconds of idle measurement")
    parser.add_argument("--presses", type=int, default=40, help="presses for each program")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    helpers = os.path.join(build, "bench")
    keyhop_binary = os.path.join(build, "keyhop")

    with Desktop(tray=False) as keyhop_desktop, Desktop(tray=False) as poller_desktop:
        stamp = os.path.join(helpers, "bench_stamp")
        keyhop_stamps = os.path.join(keyhop_desktop.root, "stamps")
        poller_stamps = os.path.join(poller_desktop.root, "stamps")
        with open(os.path.join(keyhop_desktop.config, "Keyhop"), "w") as file:
            cells = ("F5", "", "", "", "X", "stamp", stamp)
            file.write("".join(f"{key}0 = {cell}\n" for key, cell in zip(ROW_KEYS, cells)))
        keyhop = keyhop_desktop.start([keyhop_binary],
                                      env=dict(keyhop_desktop.env, STAMP_FILE=keyhop_stamps))
        poller = poller_desktop.start(
            [os.path.join(helpers, "bench_reference_poller"), stamp, poller_stamps],
            stdout=subprocess.PIPE, text=True)
        poller.stdout.readline()
        wait_until(lambda: handles_signal(keyhop), timeout=10)
        time.sleep(2.0)

        # The first process of a desktop is its X server.
        measured = {"keyhop": keyhop.pid, "keyhop's Xvfb": keyhop_desktop.processes[0].pid,
                    "poller": poller.pid, "poller's Xvfb": poller_desktop.processes[0].pid}
        print(f"idle for {args.idle:.0f} s ...", flush=True)
        before = {name: cpu_ns(pid) for name, pid in measured.items()}
        started = time.monotonic_ns()
        time.sleep(args.idle)
        elapsed = time.monotonic_ns() - started
        idle = {name: 100.0 * (cpu_ns(pid) - before[name]) / elapsed
                for name, pid in measured.items()}

        print(f"{args.presses} presses each ...", flush=True)
        injectors = {
            name: desktop.start([os.path.join(helpers, "bench_inject")], stdin=subprocess.PIPE,
                                stdout=subprocess.PIPE, text=True)
            for name, desktop in (("keyhop", keyhop_desktop), ("poller", poller_desktop))}
        latencies = {"keyhop": [], "poller": []}
        files = {"keyhop": keyhop_stamps, "poller": poller_stamps}
        for _ in range(args.presses):
            order = ["keyhop", "poller"]
            random.shuffle(order)
            for name in order:
                latencies[name].append(press(injectors[name], files[name]))
                time.sleep(random.uniform(0.05, 0.15))

        writes = {name: socket_writes_per_tick(measured[name]) for name in ("keyhop", "poller")}
        rss = {name: resident_kib(measured[name]) for name in ("keyhop", "poller")}

    print()
    print(f"{'':10} {'idle CPU':>9} {'its Xvfb':>9} {'RSS':>9}  key-down to program start")
    for name in ("keyhop", "poller"):
        print(f"{name:10} {idle[name]:8.3f}% {idle[name + chr(39) + 's Xvfb']:8.3f}% "
              f"{rss[name] / 1024:6.1f} MiB  {summary(latencies[name])}")
    ratio = idle["keyhop"] / idle["poller"] if idle["poller"] > 0 else float("inf")
    print(f"idle CPU, keyhop / poller: {ratio:.2f}")
    for name, rate in writes.items():
        if rate is not None:
            print(f"{name}: {rate:.2f} socket writes per idle tick (strace)")
    found = {name: [x for x in values if x is not None] for name, values in latencies.items()}
    if found["keyhop"] and found["poller"]:
        difference = (statistics.median(found["keyhop"]) -
                      statistics.median(found["poller"])) * 1000
        print(f"median latency, keyhop - poller: {difference:+.2f} ms")

if __name__ == "__main__":
    main()

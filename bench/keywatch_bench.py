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
import signal
import statistics
import subprocess
import sys
import tempfile
import time

ROW_KEYS = ("FUNCTIONKEY", "SHIFTKEY", "CONTROLKEY", "OPTIONKEY", "COMMANDKEY", "FILENAME",
            "FILEABSOLUTEPATH")


def start_xvfb(processes):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    processes.append(xvfb)
    with os.fdopen(read_end, "rb") as pipe:
        number = pipe.readline().decode().strip()
    if not number:
        sys.exit("Xvfb did not start")
    return xvfb, ":" + number


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


def handles_sigterm(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("SigCgt:"):
                return bool(int(line.split()[1], 16) & (1 << (signal.SIGTERM - 1)))
    return False


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

    processes = []
    root = tempfile.mkdtemp(prefix="keyhop-bench-")
    try:
        keyhop_x, keyhop_display = start_xvfb(processes)
        poller_x, poller_display = start_xvfb(processes)
        stamp = os.path.join(helpers, "bench_stamp")
        keyhop_stamps = os.path.join(root, "keyhop.stamps")
        poller_stamps = os.path.join(root, "poller.stamps")

        home = os.path.join(root, "home")
        config = os.path.join(home, ".config")
        os.makedirs(config)
        with open(os.path.join(config, "Keyhop"), "w") as file:
            cells = ("F5", "", "", "", "X", "stamp", stamp)
            file.write("".join(f"{key}0 = {cell}\n" for key, cell in zip(ROW_KEYS, cells)))
        keyhop_env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home,
                      "XDG_CONFIG_HOME": config, "XDG_DATA_HOME": os.path.join(home, "data"),
                      "XDG_RUNTIME_DIR": root, "DISPLAY": keyhop_display, "LANG": "C.UTF-8",
                      "QT_QPA_PLATFORM": "xcb", "STAMP_FILE": keyhop_stamps}
        keyhop = subprocess.Popen([keyhop_binary], env=keyhop_env, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        processes.append(keyhop)
        poller = subprocess.Popen([os.path.join(helpers, "bench_reference_poller"), stamp,
                                   poller_stamps], env={"DISPLAY": poller_display},
                                  stdout=subprocess.PIPE, text=True)
        processes.append(poller)
        poller.stdout.readline()
        deadline = time.monotonic() + 10
        while not handles_sigterm(keyhop.pid) and time.monotonic() < deadline:
            time.sleep(0.05)
        time.sleep(2.0)

        measured = {"keyhop": keyhop.pid, "keyhop's Xvfb": keyhop_x.pid,
                    "poller": poller.pid, "poller's Xvfb": poller_x.pid}
        print(f"idle for {args.idle:.0f} s ...", flush=True)
        before = {name: cpu_ns(pid) for name, pid in measured.items()}
        started = time.monotonic_ns()
        time.sleep(args.idle)
        elapsed = time.monotonic_ns() - started
        idle = {name: 100.0 * (cpu_ns(pid) - before[name]) / elapsed
                for name, pid in measured.items()}

        print(f"{args.presses} presses each ...", flush=True)
        injectors = {}
        for name, display in (("keyhop", keyhop_display), ("poller", poller_display)):
            injectors[name] = subprocess.Popen(
                [os.path.join(helpers, "bench_inject")], env={"DISPLAY": display},
                stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
            processes.append(injectors[name])
        latencies = {"keyhop": [], "poller": []}
        files = {"keyhop": keyhop_stamps, "poller": poller_stamps}
        for _ in range(args.presses):
            order = ["keyhop", "poller"]
            random.shuffle(order)
            for name in order:
                latencies[name].append(press(injectors[name], files[name]))
                time.sleep(random.uniform(0.05, 0.15))

        writes = {name: socket_writes_per_tick(measured[name]) for name in ("keyhop", "poller")}

        print()
        print(f"{'':10} {'idle CPU':>9} {'its Xvfb':>9} {'RSS':>9}  key-down to program start")
        for name in ("keyhop", "poller"):
            print(f"{name:10} {idle[name]:8.3f}% {idle[name + chr(39) + 's Xvfb']:8.3f}% "
                  f"{resident_kib(measured[name]) / 1024:6.1f} MiB  {summary(latencies[name])}")
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
    finally:
        for process in reversed(processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Starts a program and prints, once it has shown a window and gone idle, the milliseconds from
launch to idle, its resident memory in KiB and the CPU milliseconds it used until idle; then ends
it.

Usage: idle_probe.py COMMAND [ARGUMENTS...]

The probe looks at the program from outside, so any two programs are measured alike:
- its CPU time is the sum of the on-CPU nanoseconds of all its threads (/proc/PID/task/*/schedstat),
  sampled every millisecond;
- it is busy at a sample when it used at least a quarter of one core over the last 20 ms;
- it is idle when it has not been busy for 300 ms and one of its top-level windows is mapped
  (xdotool, by the window's _NET_WM_PID); short flickers such as a blinking caret stay far below
  the busy level;
- the time to idle is the last sample with any CPU use inside the last busy window, the moment
  its start-up work ended, and the CPU time is the program's CPU time then (on a machine shared
  with other work this is steadier than the wall time); the resident
  memory (VmRSS) is read when idleness is confirmed.
"""

import os
import signal
import subprocess
import sys
import time

SAMPLE_S = 0.001
BUSY_WINDOW_NS = 20_000_000
BUSY_SHARE = 0.25
QUIET_NS = 300_000_000
GIVE_UP_NS = 60_000_000_000


def cpu_ns(pid):
    total = 0
    try:
        tasks = os.listdir(f"/proc/{pid}/task")
    except FileNotFoundError:
        return None
    for task in tasks:
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass
    return total


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def has_mapped_window(pid):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    return bool(found.stdout.strip())


def main():
    t0 = time.monotonic_ns()
    program = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    samples = []  # (time, cpu) pairs of the last busy window
    busy_until = t0
    last_work = t0  # the last sample at which the program used any CPU
    busy_cpu = 0
    last_cpu = 0
    try:
        while True:
            time.sleep(SAMPLE_S)
            now = time.monotonic_ns()
            cpu = cpu_ns(program.pid)
            if cpu is None or program.poll() is not None:
                sys.exit(f"idle_probe: {sys.argv[1]} ended before it went idle")
            if samples and cpu > samples[-1][1]:
                last_work = now
                last_cpu = cpu
            samples.append((now, cpu))
            while samples[0][0] < now - BUSY_WINDOW_NS:
                samples.pop(0)
            span = now - samples[0][0]
            if span > 0 and cpu - samples[0][1] >= BUSY_SHARE * BUSY_WINDOW_NS:
                busy_until = last_work
                busy_cpu = last_cpu
            if now - busy_until >= QUIET_NS and has_mapped_window(program.pid):
                print((busy_until - t0) // 1_000_000, resident_kib(program.pid),
                      busy_cpu // 1_000_000)
                return
            if now - t0 > GIVE_UP_NS:
                sys.exit(f"idle_probe: {sys.argv[1]} never went idle")
    finally:
        if program.poll() is None:
            program.send_signal(signal.SIGKILL)
            program.wait()


if __name__ == "__main__":
    main()

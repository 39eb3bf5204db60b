#!/usr/bin/env python3
"""Figures on a real X server with a window manager and a tray: the start of
the program to its docked duck, its idle memory, a second start handing over
to it, and desktop_probe's latencies and memory after many cycles. Prints
"figure <name> <median> <unit>"."""
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from picker_e2e import Desktop, docked_tray_icon, wait_for  # noqa: E402

BINARY, PROBE = sys.argv[1], sys.argv[2]


def resident_megabytes(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return 0.0


def main():
    with Desktop() as desktop:
        starts, idle = [], []
        # The first start also fills fontconfig's cache, if it is cold: left out.
        for run in range(8):
            started = time.monotonic()
            program = subprocess.Popen([BINARY], env=desktop.env)
            wait_for("the duck in the tray", lambda: docked_tray_icon(desktop), timeout=20, poll=0.002)
            if run > 0:
                starts.append((time.monotonic() - started) * 1000.0)
            time.sleep(1.0)
            idle.append(resident_megabytes(program.pid))
            program.terminate()
            program.wait(5)
        # A later start hands its request to the running program and exits.
        program = subprocess.Popen([BINARY], env=desktop.env)
        wait_for("the duck in the tray", lambda: docked_tray_icon(desktop), timeout=20)
        handovers = []
        for _ in range(10):
            started = time.monotonic()
            subprocess.run([BINARY, "--show"], env=desktop.env, check=True)
            handovers.append((time.monotonic() - started) * 1000.0)
        program.terminate()
        program.wait(5)
        print("figure start_to_tray_icon %.4g ms" % statistics.median(starts))
        print("figure second_start_to_exit %.4g ms" % statistics.median(handovers))
        print("figure idle_rss %.4g MB" % statistics.median(idle))
        sys.stdout.flush()
        subprocess.run([PROBE], env=desktop.env, check=True)


if __name__ == "__main__":
    main()

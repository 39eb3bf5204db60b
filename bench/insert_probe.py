#!/usr/bin/python3
"""Figures of a picker that types its choice into another window
(zindozindo --insert), on X11 (Xvfb, openbox) and on sway: from the picker's
close to the text in a GTK field of the probe's own, which stamps each change
with the wall clock, and what the program holds after many inserts. On sway
the close is the program's own xdg_toplevel.destroy in its protocol log
(WAYLAND_DEBUG, stamped with the wall clock in milliseconds, kept to 32 bits);
on X11 it comes 0.3 s after the Enter that chose, by design, which is timed
from before xdotool runs, so it errs long by that tool's start. Prints
"figure <name> <median> <unit>". Runs under Debian's python3 (GTK)."""
import json
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from desktop import Desktop, Sway, stop, wait_for, written  # noqa: E402
from measures import megabytes  # noqa: E402

BINARY = sys.argv[1]
CYCLES = int(sys.argv[2]) if len(sys.argv) > 2 else 21
FIELD = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e", "text_field.py")
CLOSE_DELAY_NS = 300_000_000


def threads(pid):
    with open("/proc/%d/status" % pid) as status:
        return next(int(line.split()[1]) for line in status if line.startswith("Threads:"))


def wayland_milliseconds(nanoseconds):
    return nanoseconds // 1000 % (1 << 32) / 1000.0


def closed_in(log, since):
    """When the program's protocol log has its picker's toplevel go, after `since` (ms)."""
    for line in written(log).splitlines():
        found = re.match(rb"^\[\s*(\d+\.\d+)\]\s+-> xdg_toplevel@\d+\.destroy\(\)", line)
        if found and float(found[1]) >= since:
            return float(found[1])
    return None


def inserts(env, field_focused, picker_focused, press_return, named):
    typed, log = tempfile.TemporaryFile(), tempfile.TemporaryFile()
    field = subprocess.Popen(["/usr/bin/python3", FIELD, "Target Field"], env=env, stdout=typed,
                             stderr=subprocess.DEVNULL)
    changes = lambda: [line.split() for line in written(typed).splitlines()]
    wayland = "WAYLAND_DISPLAY" in env
    program = subprocess.Popen([BINARY, "--background"], env=dict(env, WAYLAND_DEBUG="client") if wayland else env,
                               stderr=log)
    try:
        wait_for("the program to serve", lambda: any(name.endswith(".socket") for name in
                                                     os.listdir(env["XDG_RUNTIME_DIR"])))
        after, held = [], []
        for cycle in range(CYCLES):
            wait_for("the field to have the keyboard", field_focused)
            subprocess.run([BINARY, "--insert"], env=env, check=True)
            wait_for("the picker to have the keyboard", picker_focused)
            before = len(changes())
            chose = time.time_ns()
            press_return()
            arrived = int(wait_for("the emoji in the field", lambda: changes()[before:], poll=0.001)[0][0])
            if wayland:
                closed = wait_for("the close in the log", lambda: closed_in(log, wayland_milliseconds(chose)))
                after.append(wayland_milliseconds(arrived) - closed)
            else:
                after.append((arrived - chose - CLOSE_DELAY_NS) / 1e6)
            if cycle in (0, CYCLES - 1):
                held.append((megabytes(program.pid, "smaps_rollup", "Pss:"), threads(program.pid)))
        print("figure %sinsert_after_close %.3g ms" % (named, statistics.median(after)))
        print("figure %sinsert_after_close_max %.3g ms" % (named, max(after)))
        print("figure %spss_growth_over_%d_inserts %.3g MB" % (named, CYCLES - 1, held[1][0] - held[0][0]))
        print("figure %sthreads_after_%d_inserts %d threads (after the first: %d)" %
              (named, CYCLES, held[1][1], held[0][1]))
    finally:
        stop(program)
        stop(field)


def on_x11():
    desktop = Desktop()
    try:
        active = lambda: desktop.run("xdotool", "getactivewindow").strip()
        target = lambda: desktop.run("xdotool", "search", "--name", "Target Field").strip()
        inserts(desktop.env, lambda: target() and active() == target(),
                lambda: active() in desktop.run("xdotool", "search", "--name", "Select Emoji").split(),
                lambda: desktop.run("xdotool", "key", "Return"), "")
    finally:
        desktop.close()


def on_sway():
    sway = Sway()
    # The headless compositor has no keyboard: a virtual one stands in for the person's, idle all along.
    keyboard = subprocess.Popen(["wtype", "-s", "3600000", " "], env=sway.env)
    try:
        def focused():
            def find(node):
                if node.get("focused"):
                    return node.get("name")
                return next(filter(None, map(find, node.get("nodes", []) + node.get("floating_nodes", []))), None)
            return find(json.loads(sway.run("swaymsg", "--raw", "-t", "get_tree")))
        inserts(dict(sway.env, GDK_BACKEND="wayland"), lambda: focused() == "Target Field",
                lambda: focused() == "\U0001F986 ZindoZindo - Select Emoji",
                lambda: sway.run("wtype", "-k", "Return"), "wayland_")
    finally:
        stop(keyboard)
        sway.close()


if __name__ == "__main__":
    on_x11()
    on_sway()

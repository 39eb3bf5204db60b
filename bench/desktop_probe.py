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
from desktop import Desktop, wait_for  # noqa: E402
from measures import IDLE_SECONDS, WORDS, megabytes, percentile  # noqa: E402

BINARY, PROBE, KEY_PROBE = sys.argv[1:4]
VISIBLE = 72  # the cells of the first nine rows, which the 480-point grid shows


def as_a_person_sees_it(desktop):
    """Exec to the first paint of a picker with no program running, and key to
    painted grid in a fresh program, measured from outside by key_probe."""
    starts = []
    for run in range(11):  # the first also fills fontconfig's cache, if cold: left out
        _, milliseconds, pid = subprocess.run([KEY_PROBE, "start", BINARY, "--show"], env=desktop.env,
                                              capture_output=True, text=True, check=True).stdout.split()
        if run > 0:
            starts.append(float(milliseconds))
        os.kill(int(pid), 15)
        wait_for("the program to end", lambda: not os.path.exists("/proc/%s/stat" % pid) or
                 open("/proc/%s/stat" % pid).read().split()[2] == "Z")
    print("figure exec_to_painted_picker %.4g ms" % statistics.median(starts))
    for language in ["", "de", "ja"]:
        typing(desktop, language)


def typing(desktop, language):
    """Key to painted grid, and memory, in a language; English when none. The
    figures of another language are named after it: de_key_to_painted_grid_p90."""
    env = dict(desktop.env, LANGUAGE=language, LC_ALL="C.UTF-8")
    named = language + "_" if language else ""
    # Three fresh programs, so that the 90th percentile of the keys that bring new emoji is not one key.
    every, fresh, opened, used = [], [], [], []
    for _ in range(3):
        program = subprocess.Popen([BINARY, "--show"], env=env)
        window = desktop.picker()
        time.sleep(1.0)  # a person looks at the picker before typing
        opened.append(megabytes(program.pid, "smaps_rollup", "Pss:"))
        desktop.run("xdotool", "windowactivate", "--sync", window)
        lines = subprocess.run([KEY_PROBE, "keys", window, *WORDS], env=desktop.env, capture_output=True,
                               text=True, check=True).stdout.splitlines()
        seen = set(subprocess.run([BINARY, "--search", ""], env=env, capture_output=True).stdout.split(b"\n")[:VISIBLE])
        for line in lines:
            _, term, milliseconds = line.split()
            shown = set(subprocess.run([BINARY, "--search", "" if term == "-" else term], env=env,
                                       capture_output=True).stdout.split(b"\n")[:VISIBLE])
            every.append(float(milliseconds))
            if shown - seen:
                fresh.append(float(milliseconds))
            seen |= shown
        used.append(megabytes(program.pid, "smaps_rollup", "Pss:"))
        program.terminate()
        program.wait(5)
    print("figure %skey_to_painted_grid_median %.3g ms" % (named, statistics.median(every)))
    print("figure %skey_to_painted_grid_p90 %.3g ms" % (named, percentile(every, 0.9)))
    print("figure %snew_emoji_key_to_painted_grid_median %.3g ms" % (named, statistics.median(fresh)))
    print("figure %snew_emoji_key_to_painted_grid_p90 %.3g ms" % (named, percentile(fresh, 0.9)))
    print("figure %skeys_measured %d keys (%d bringing new emoji)" % (named, len(every), len(fresh)))
    print("figure %spss_picker_open %.3g MB" % (named, statistics.median(opened)))
    print("figure %spss_after_use %.3g MB" % (named, statistics.median(used)))

def shortcut(desktop):
    """zindozindo --show to the end of the first paint of the picker's grid, with the program running."""
    return float(subprocess.run([KEY_PROBE, "start", BINARY, "--show"], env=desktop.env, capture_output=True, text=True,
                                check=True).stdout.split()[1])


def idle_weight(desktop, scale):
    """PSS before the first picker, with it open, and once the program has idled after its close;
    at scale 1 also the shortcut after that idle time, which finds only the first screen drawn."""
    named = "" if scale == 1 else "scale%d_" % scale
    env = dict(desktop.env, QT_SCALE_FACTOR=str(scale))
    program = subprocess.Popen([BINARY, "--background"], env=env)
    pss = lambda: megabytes(program.pid, "smaps_rollup", "Pss:")  # noqa: E731
    try:
        wait_for("the duck in the tray", desktop.ducks)
        time.sleep(1.0)
        before = pss()
        subprocess.run([BINARY, "--show"], env=env, check=True)
        picker = desktop.focused_picker()
        time.sleep(1.0)
        opened = pss()
        desktop.close_picker(picker)
        time.sleep(IDLE_SECONDS)
        idled = pss()
        after_idle = []
        for _ in range(5 if scale == 1 else 0):
            after_idle.append(shortcut(desktop))
            desktop.close_picker(desktop.picker())
            time.sleep(IDLE_SECONDS)
    finally:
        program.terminate()
        program.wait(5)
        wait_for("the duck to go", lambda: not desktop.ducks())
    print("figure %spss_before_first_picker %.3g MB" % (named, before))
    print("figure %spss_first_picker_open %.3g MB" % (named, opened))
    print("figure %spss_idle_after_picker %.3g MB" % (named, idled))
    if after_idle:
        print("figure shortcut_after_idle_to_painted_picker %.4g ms" % statistics.median(after_idle))


def main():
    desktop = Desktop()
    # The first XTest key makes the XTEST keyboard the core one, and every
    # client reloads its keymap then: a person's keyboard never does that
    # to the picker, so it happens here before any program starts.
    desktop.run("xdotool", "key", "shift")
    desktop.start_tray()
    try:
        starts, idle, idle_pss = [], [], []
        # The first start also fills fontconfig's cache, if it is cold: left out.
        for run in range(8):
            started = time.monotonic()
            program = subprocess.Popen([BINARY], env=desktop.env)
            wait_for("the duck in the tray", desktop.ducks, poll=0.002)
            if run > 0:
                starts.append((time.monotonic() - started) * 1000.0)
            time.sleep(1.0)
            idle.append(megabytes(program.pid, "status", "VmRSS:"))
            idle_pss.append(megabytes(program.pid, "smaps_rollup", "Pss:"))
            program.terminate()
            program.wait(5)
            wait_for("the duck to go", lambda: not desktop.ducks())
        # A later start hands its request to the running program and exits.
        program = subprocess.Popen([BINARY, "--background"], env=desktop.env)
        wait_for("the duck in the tray", desktop.ducks)
        time.sleep(1.0)
        # The first press of the day: nothing of a picker drawn yet.
        first = shortcut(desktop)
        handovers = []
        for _ in range(10):
            started = time.monotonic()
            subprocess.run([BINARY, "--show"], env=desktop.env, check=True)
            handovers.append((time.monotonic() - started) * 1000.0)
        # The shortcut as people use it daily: the program runs already, the last picker has closed
        # after its copy, and a while has passed since.
        daily = []
        for _ in range(11):
            desktop.close_picker(desktop.picker())
            time.sleep(1.0)
            daily.append(shortcut(desktop))
        program.terminate()
        program.wait(5)
        print("figure start_to_tray_icon %.4g ms" % statistics.median(starts))
        print("figure second_start_to_exit %.4g ms" % statistics.median(handovers))
        print("figure shortcut_to_painted_picker %.4g ms" % statistics.median(daily))
        print("figure first_shortcut_to_painted_picker %.4g ms" % first)
        print("figure idle_rss %.4g MB" % statistics.median(idle))
        print("figure idle_pss %.4g MB" % statistics.median(idle_pss))
        as_a_person_sees_it(desktop)
        for scale in (1, 2):
            idle_weight(desktop, scale)
        sys.stdout.flush()
        subprocess.run([PROBE], env=desktop.env, check=True)
    finally:
        desktop.close()


if __name__ == "__main__":
    main()

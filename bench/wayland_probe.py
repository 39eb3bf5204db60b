#!/usr/bin/env python3
"""Figures on Wayland, on the sway desktop the suite starts: memory in swaybar's
tray, with a picker open and after use; exec to the picker's first buffer; key
to the next frame. Times come from the client library's protocol log
(WAYLAND_DEBUG=client), whose stamps are the wall clock in milliseconds, kept
to 32 bits: the program's log for its frames, and wtype's for its keys, both
read from outside the program. Prints "figure <name> <median> <unit>"."""
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Sway, stop, wait_for, written  # noqa: E402
from measures import IDLE_SECONDS, WORDS, megabytes, percentile  # noqa: E402

BINARY = sys.argv[1]
STAMP = re.compile(rb"^\[\s*(\d+)\.(\d+)\]\s+(.*)$")


def stamp_now():
    return (time.time_ns() // 1000) % (1 << 32) / 1000.0


def protocol(log):
    """(milliseconds, message) of each line of a protocol log."""
    for line in written(log).splitlines():
        found = STAMP.match(line)
        if found:
            yield int(found[1]) + int(found[2]) / 1000.0, found[3]


def frames(log):
    """When each buffer was attached to a surface and committed."""
    attached = set()
    for stamp, message in protocol(log):
        found = re.match(rb"-> (wl_surface@\d+)\.(attach\(wl_buffer@|commit\(\))", message)
        if found and found[2].startswith(b"attach"):
            attached.add(found[1])
        elif found and found[1] in attached:
            attached.discard(found[1])
            yield stamp


def started(sway, *arguments):
    log = tempfile.TemporaryFile()
    program = subprocess.Popen([BINARY, *arguments], env=dict(sway.env, WAYLAND_DEBUG="client"), stderr=log)
    return program, log


def main():
    sway = Sway()
    try:
        idle = []
        for _ in range(3):
            program, log = started(sway)
            wait_for("the duck in the tray", sway.tray_items)
            time.sleep(1.0)
            idle.append(megabytes(program.pid, "smaps_rollup", "Pss:"))
            stop(program)
            wait_for("the duck to go", lambda: not sway.tray_items())

        # The shortcut as people use it daily: the program runs already, the last picker has closed
        # after its copy, and a while has passed since.
        # Then what it weighs once idle after them, and the shortcut after that idle time.
        program, log = started(sway, "--background")
        wait_for("the duck in the tray", sway.tray_items)
        time.sleep(1.0)
        before = megabytes(program.pid, "smaps_rollup", "Pss:")
        shortcuts, after_idle = [], []
        for press in range(15):
            time.sleep(1.0 if press < 12 else IDLE_SECONDS)
            if press == 12:
                idled = megabytes(program.pid, "smaps_rollup", "Pss:")
            begun = stamp_now()
            subprocess.run([BINARY, "--show"], env=sway.env, check=True)
            (shortcuts if press < 12 else after_idle).append(wait_for("the picker's first frame", lambda: next(
                (stamp for stamp in frames(log) if stamp >= begun), None), poll=0.005) - begun)
            sway.run("swaymsg", '[app_id="io.github.zindozindo.zindozindo"] kill')
            wait_for("the picker to go", lambda: not sway.pickers())
        stop(program)
        wait_for("the duck to go", lambda: not sway.tray_items())

        starts = []
        for run in range(11):  # the first may fill fontconfig's cache: left out
            begun = stamp_now()
            program, log = started(sway, "--show")
            first = wait_for("the first frame", lambda: next(frames(log), None), poll=0.005)
            if run > 0:
                starts.append(first - begun)
            stop(program)
            wait_for("the picker to go", lambda: not sway.pickers())

        opened, used, keys = [], [], []
        for _ in range(3):
            program, log = started(sway, "--show")
            wait_for("the picker", sway.pickers)
            time.sleep(1.0)  # a person looks at the picker before typing
            opened.append(megabytes(program.pid, "smaps_rollup", "Pss:"))
            for word in WORDS:
                shown = len(list(frames(log)))
                typed = tempfile.TemporaryFile()
                # One run a word: each run of wtype sends the focused window a keymap of its own.
                subprocess.run(["wtype", "-s", "300", "-d", "150", word, *["-k", "BackSpace"] * len(word)],
                               env=dict(sway.env, WAYLAND_DEBUG="client"), stderr=typed)
                presses = [stamp for stamp, message in protocol(typed) if re.search(rb"\.key\(\d+, \d+, 1\)", message)]
                painted = wait_for("the frames after the keys", lambda: (lambda new: new if len(new) >= len(presses)
                                   else None)(list(frames(log))[shown:]))
                keys += [min(stamp for stamp in painted if stamp >= pressed) - pressed for pressed in presses
                         if any(stamp >= pressed for stamp in painted)]
            used.append(megabytes(program.pid, "smaps_rollup", "Pss:"))
            stop(program)
            wait_for("the picker to go", lambda: not sway.pickers())

        print("figure wayland_idle_pss_in_tray %.3g MB" % statistics.median(idle))
        print("figure wayland_exec_to_first_buffer %.4g ms" % statistics.median(starts))
        print("figure wayland_shortcut_to_first_buffer %.4g ms" % statistics.median(shortcuts[1:]))
        print("figure wayland_first_shortcut_to_first_buffer %.4g ms" % shortcuts[0])
        print("figure wayland_shortcut_after_idle_to_first_buffer %.4g ms" % statistics.median(after_idle))
        print("figure wayland_pss_before_first_picker %.3g MB" % before)
        print("figure wayland_pss_idle_after_pickers %.3g MB" % idled)
        print("figure wayland_pss_picker_open %.3g MB" % statistics.median(opened))
        print("figure wayland_pss_after_use %.3g MB" % statistics.median(used))
        print("figure wayland_key_to_frame_median %.3g ms" % statistics.median(keys))
        print("figure wayland_key_to_frame_p90 %.3g ms" % percentile(keys, 0.9))
    finally:
        sway.close()


if __name__ == "__main__":
    main()

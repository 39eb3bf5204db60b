#!/usr/bin/env python3
"""The picker at Qt's scale factor 2 against the same picker at 1, screenshot
against screenshot: the same frames in points, and emoji drawn from the font at
twice the pixels rather than a small bitmap blown up."""
import os
import re
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from picker_e2e import BINARY, Desktop, docked_tray_icon, wait_for  # noqa: E402

# Full cells of a full grid: 8 columns, the 8 rows that fit the viewport, 44
# points square, 52 apart, the first 32 points in and 71 down in the window.
CELLS = [(32 + 52 * column, 71 + 52 * row) for row in range(8) for column in range(8)]
# Drawn anew at twice the pixels, a picture scores about 1 in `detail_beyond`;
# the same bitmap blown up to that size, smoothly or not, scores under a half.
SHARP = 0.75


class Picture:
    """A grey-scale screenshot, a byte a pixel."""

    def __init__(self, width, height, pixels, green_share=0.0):
        assert len(pixels) == width * height
        self.width, self.height, self.pixels = width, height, pixels
        self.green_share = green_share  # of the "✅"'s green, where the colours were known

    def row(self, y):
        return self.pixels[y * self.width:(y + 1) * self.width]

    def crop(self, x, y, width, height):
        return Picture(width, height, b"".join(self.row(y + dy)[x:x + width] for dy in range(height)))

    def halved(self):
        """Each 2 × 2 block's mean: what the picture would be at half the pixels."""
        means = bytearray()
        for y in range(0, self.height - 1, 2):
            top, bottom = self.row(y), self.row(y + 1)
            means.extend((top[x] + top[x + 1] + bottom[x] + bottom[x + 1] + 2) // 4
                         for x in range(0, self.width - 1, 2))
        return Picture(self.width // 2, self.height // 2, bytes(means))

    def mean_difference(self, other):
        return sum(abs(a - b) for a, b in zip(self.pixels, other.pixels)) / len(self.pixels)

    def edge_energy(self):
        """Squared steps between neighbours: large where edges are steep."""
        energy = 0
        for y in range(self.height):
            row = self.row(y)
            energy += sum((a - b) ** 2 for a, b in zip(row, row[1:]))
            if y + 1 < self.height:
                energy += sum((a - b) ** 2 for a, b in zip(row, self.row(y + 1)))
        return energy

    def energy_within_blocks(self):
        """Edge energy inside 2 × 2 blocks only. A bitmap doubled in size has
        little there: its steps are spread across the blocks."""
        energy = 0
        for y in range(0, self.height - 1, 2):
            top, bottom = self.row(y), self.row(y + 1)
            for x in range(0, self.width - 1, 2):
                a, b, c, d = top[x], top[x + 1], bottom[x], bottom[x + 1]
                energy += (a - b) ** 2 + (c - d) ** 2 + (a - c) ** 2 + (b - d) ** 2
        return energy

    def detail_beyond(self, half):
        """How much finer than `half`, a picture with half the pixels a side,
        this one is."""
        return self.energy_within_blocks() / half.edge_energy()


def screenshot(desktop, window, crop=None):
    """The window, or a part of it given as (x, y, width, height) in its pixels,
    in grey."""
    info = desktop.run("xwininfo", "-id", window)
    origin_x, origin_y, width, height = (int(re.search(name + r":\s+(\d+)", info)[1]) for name in (
        "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
    x, y, width, height = crop or (0, 0, width, height)
    rgb = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, origin_x + x,
                                                                                 origin_y + y), "-depth", "8", "rgb:-"],
                         env=desktop.env, capture_output=True, check=True).stdout
    pixels = [rgb[i:i + 3] for i in range(0, len(rgb), 3)]
    return Picture(width, height, bytes((299 * r + 587 * g + 114 * b) // 1000 for r, g, b in pixels),
                   sum(1 for r, g, b in pixels if g > r + 30 and g > b + 30) / len(pixels))


def tray_icon_window(desktop):
    if docked_tray_icon(desktop) is None:
        return None
    return re.search(r'(0x[0-9a-f]+) "[^"]*": \("zindozindo" "ZindoZindo"\)\s+\d+x\d+',
                     desktop.run("xwininfo", "-root", "-tree"))[1]


class HighDpiEndToEndTest(unittest.TestCase):
    def picker_at(self, scale):
        """Screenshots of the picker with its grid drawn, of the duck in the
        tray, and of the "✅" over the first cell at its greenest once that is clicked."""
        with Desktop(screen="2560x1600") as desktop:
            program = subprocess.Popen([BINARY, "--show"], env=dict(desktop.env, QT_SCALE_FACTOR=str(scale)),
                                       stderr=subprocess.DEVNULL)

            def picker_window():
                found = desktop.run("xdotool", "search", "--name", "Select Emoji").split()
                return found[0] if found else None

            def drawn(window):
                shot = screenshot(desktop, window)
                return shot if len(set(shot.pixels)) > 64 else None

            try:
                duck = screenshot(desktop, wait_for("the duck", lambda: tray_icon_window(desktop)))
                window = wait_for("the picker", picker_window)
                picker = wait_for("the grid", lambda: drawn(window))
                x, y = CELLS[0]
                desktop.run("xdotool", "mousemove", "--window", window, str((x + 22) * scale), str((y + 22) * scale),
                            "click", "1")
                check_mark = [(x + 10) * scale, (y + 10) * scale, 24 * scale, 24 * scale]
                flashes = []
                while picker_window() is not None:
                    flashes.append(screenshot(desktop, window, check_mark))
            finally:
                program.terminate()
                program.wait(5)
        self.assertTrue(flashes, "the picker stayed open for the flash")
        return picker, duck, max(flashes, key=lambda shot: shot.green_share)

    def test_scale_two_keeps_the_frames_in_points_and_draws_sharp_emoji(self):
        one, _, flash_one = self.picker_at(1)
        two, duck_two, flash_two = self.picker_at(2)
        self.assertEqual((one.width, one.height), (500, 580))
        self.assertEqual((two.width, two.height), (1000, 1160))
        # The field, the grid's frame, the scroll bar and the credits where they were.
        self.assertLess(two.halved().mean_difference(one), 4)

        smalls = [one.crop(x, y, 44, 44) for x, y in CELLS]
        for cell, (x, y) in enumerate(CELLS):
            large = two.crop(2 * x, 2 * y, 88, 88)
            halved = large.halved()
            nearest = min(range(len(smalls)), key=lambda other: halved.mean_difference(smalls[other]))
            self.assertEqual(nearest, cell, "each cell is the one at scale 1, in its place")
            self.assertGreater(large.detail_beyond(smalls[cell]), SHARP, "sharp at %d, %d" % (x, y))

        self.assertGreater(duck_two.detail_beyond(duck_two.halved()), SHARP, "the duck drawn at the tray's pixels")
        for flash in (flash_one, flash_two):
            self.assertGreater(flash.green_share, 0.2, "the flash was caught")
        self.assertGreater(flash_two.detail_beyond(flash_one), SHARP, "the check mark drawn at twice the pixels")


if __name__ == "__main__":
    unittest.main()

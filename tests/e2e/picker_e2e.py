#!/usr/bin/python3
"""The picker as a user meets it on X11: a tray that starts after the program,
the duck clicked and keys typed with xdotool, AT-SPI on a D-Bus session of its
own, the clipboard read by xclip after the picker has closed, twice the pixels
without a colour emoji font, and starts racing. Runs under Debian's python3,
which has pyatspi."""
import os
import subprocess
import sys
import tempfile
import unittest
import warnings

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import BINARY, Desktop, results, session_bus, start, stop, wait_for, written  # noqa: E402

bus, os.environ["DBUS_SESSION_BUS_ADDRESS"] = session_bus()
import pyatspi  # noqa: E402  (reads the bus address when imported)

warnings.filterwarnings("ignore", category=DeprecationWarning, module="pyatspi")


def tearDownModule():
    stop(bus)


class PickerEndToEndTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(screen="2560x1600")

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def start(self, *arguments, **env):
        return start(self, dict(self.desktop.env, **env), *arguments)

    def grid(self, window):
        x, y, _, _ = self.desktop.geometry(window)
        return self.desktop.screenshot(x + 20, y + 50, 460, 480)

    def open_picker(self, then_type=None):
        self.desktop.click_duck()
        window = self.desktop.picker()
        before = wait_for("the grid", lambda: (lambda shot: shot if len(set(shot)) > 16 else None)(self.grid(window)))
        if then_type:
            self.desktop.run("xdotool", "type", "--delay", "20", then_type)
            wait_for("the grid to change", lambda: self.grid(window) != before)
        return window

    def test_1_a_user_meets_the_duck_late_copies_with_mouse_and_keys_starts_it_again_and_quits(self):
        desktop = self.desktop
        program = self.start(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        window = desktop.picker()  # no tray yet: a picker at once
        desktop.start_tray()
        desktop.close_picker(window)
        self.assertEqual(len(desktop.ducks()), 1, "the tray that started later has the duck")

        window = self.open_picker("polar")
        self.assertIn('"\U0001F986 ZindoZindo - Select Emoji"', desktop.run("xprop", "-id", window, "_NET_WM_NAME"))
        x, y, _, _ = desktop.geometry(window)  # one row hangs 44 points into a 100-point document
        desktop.run("xdotool", "mousemove", str(x + 20 + 34), str(y + 50 + 1 + 44 + 22), "click", "1")
        desktop.close_picker()
        # Joined by U+200D and ending in U+FE0F: exact bytes, after the picker has closed.
        self.assertEqual(desktop.clipboard(), "\U0001F43B\u200D\u2744\uFE0F".encode())

        self.open_picker("bear")  # the field has the focus when the picker opens
        desktop.run("xdotool", "key", "--delay", "30", "Down", "Right", "space")
        desktop.close_picker()
        self.assertEqual(desktop.clipboard(), results("bear")[1])

        # A screen reader sees the grid as a list of buttons named by their emoji, and presses one.
        self.open_picker("dog")
        expected = [emoji.decode() for emoji in results("dog")]
        application = wait_for("the program on the AT-SPI bus", lambda: next(
            (found for found in pyatspi.Registry.getDesktop(0) if found and found.name == "ZindoZindo"), None))
        grid = lambda: pyatspi.findDescendant(application, lambda node: node.getRole() == pyatspi.ROLE_LIST) or []
        wait_for("the grid for dog", lambda: [(button.getRole(), button.name) for button in grid()] ==
                 [(pyatspi.ROLE_PUSH_BUTTON, emoji) for emoji in expected])
        grid()[1].queryAction().doAction(0)
        desktop.close_picker()
        self.assertEqual(desktop.clipboard(), expected[1].encode())

        # A right click on 👍 shows its skin tones beside it; a click on the darkest copies that form.
        window = self.open_picker("thumbs")
        x, y, _, _ = desktop.geometry(window)
        desktop.run("xdotool", "mousemove", str(x + 20 + 34), str(y + 50 + 1 + 44 + 22), "click", "3")
        dark = wait_for("the skin tones", lambda: pyatspi.findDescendant(
            application, lambda node: node.name == "\U0001F44D\U0001F3FF" and node.getRole() == pyatspi.ROLE_PUSH_BUTTON))
        box = dark.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        desktop.run("xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")
        desktop.close_picker()
        self.assertEqual(desktop.clipboard(), "\U0001F44D\U0001F3FF".encode())

        events = tempfile.TemporaryFile()
        self.addCleanup(events.close)
        # Launch messages go to the root window, to clients watching its properties.
        watcher = subprocess.Popen(["xev", "-root", "-event", "property"], env=desktop.env, stdout=events)
        self.addCleanup(stop, watcher)
        wait_for("xev", lambda: desktop.run("xprop", "-root", "-f", "ZINDO", "8s", "-set", "ZINDO", "1") or
                 b"ZINDO" in written(events))
        for arguments, env in [((), {}), (("--show",), {"DESKTOP_STARTUP_ID": "zindo-e2e_TIME1234"})]:
            self.assertEqual(subprocess.run([BINARY, *arguments], env=dict(desktop.env, **env)).returncode, 0)
            window = desktop.picker()
            self.assertEqual(len(desktop.ducks()), 1, "no second duck")
            if not arguments:
                desktop.close_picker(window)
        # The launcher's id marks the picker, so the launch it waits for can end.
        self.assertIn('"zindo-e2e_TIME1234"', desktop.run("xprop", "-id", window, "_NET_STARTUP_ID"))
        wait_for("the end of the launch", lambda: b"(_NET_STARTUP_INFO_BEGIN)" in written(events))
        # The shortcut pressed again: a new picker in place of the open one, and in front.
        self.assertEqual(subprocess.run([BINARY, "--show"], env=desktop.env).returncode, 0)
        wait_for("one picker, the active window", lambda: desktop.run("xdotool", "search", "--name", "Select Emoji")
                 .split() == [desktop.run("xdotool", "getactivewindow").strip()] != [window])

        ours = lambda: set(desktop.run("xdotool", "search", "--onlyvisible", "--class", "zindozindo").split())
        before = ours()
        desktop.click_duck(3)
        x, y, _, _ = desktop.geometry(wait_for("the menu", lambda: (list(ours() - before) or [0])[0]))
        desktop.run("xdotool", "mousemove", str(x + 20), str(y + 12), "click", "1")  # its first item: a picker
        wait_for("a picker from the menu", lambda: len(desktop.run("xdotool", "search", "--name", "Select Emoji")
                                                       .split()) == 2)
        before = ours()
        desktop.click_duck(3)
        x, y, width, height = desktop.geometry(wait_for("the menu", lambda: (list(ours() - before) or [0])[0]))
        desktop.run("xdotool", "mousemove", str(x + 20), str(y + height - 12), "click", "1")  # its last: Quit
        self.assertEqual(program.wait(10), 0, "Quit ends the program with pickers open")
        self.assertEqual(written(self.errors).decode().count("\n"), 1, "one line: no tray at the start")
        self.assertEqual(subprocess.run([BINARY, "--search", b"\xff"], capture_output=True).returncode, 2, "a mistake")

    def test_2_at_twice_the_pixels_the_frames_stay_in_points_and_no_colour_font_gets_one_warning(self):
        fonts = os.path.join(os.path.dirname(os.path.abspath(__file__)), "without-colour-emoji.conf")
        self.start("--show", QT_SCALE_FACTOR="2", FONTCONFIG_FILE=fonts)
        self.assertEqual(self.desktop.geometry(self.desktop.picker())[2:], [1000, 1160])
        self.assertEqual(written(self.errors).decode().count("colour emoji font"), 1)

    def test_4_a_picker_asked_to_insert_types_its_choice_exactly_into_the_window_that_had_the_keyboard(self):
        desktop = self.desktop
        typed = tempfile.TemporaryFile()
        self.addCleanup(typed.close)
        field = subprocess.Popen(["/usr/bin/python3", os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                  "text_field.py"), "Target Field"], env=desktop.env, stdout=typed)
        self.addCleanup(stop, field)
        target = wait_for("the field", lambda: desktop.run("xdotool", "search", "--name", "Target Field").strip())
        desktop.run("xdotool", "windowactivate", "--sync", target)
        key_map = desktop.run("xmodmap", "-pke")
        text = lambda: (written(typed).split() or [b""])[-1]  # the last change's text

        self.start("--show", "--insert")  # no program runs yet: it starts with the picker
        desktop.focused_picker()
        desktop.run("xdotool", "type", "--delay", "30", "polar")
        desktop.run("xdotool", "key", "Return")
        bear = "\U0001F43B\u200D\u2744\uFE0F".encode()
        wait_for("the bear in the field", lambda: text() == bear.hex().encode())
        self.assertEqual(desktop.clipboard(), bear)
        # Dismissed with Esc: nothing typed; the next picker, asked over the socket, types only its own.
        for keys in (["Escape"], ["d", "o", "g", "Return"]):
            wait_for("the field to have the keyboard back", lambda: desktop.run("xdotool", "getactivewindow").strip()
                     == target)
            self.assertEqual(subprocess.run([BINARY, "--insert"], env=desktop.env).returncode, 0)
            desktop.focused_picker()
            desktop.run("xdotool", "key", "--delay", "30", *keys)
            desktop.close_picker()
        wait_for("the dog after the bear", lambda: text() == (bear + results("dog")[0]).hex().encode())
        wait_for("the key map put back", lambda: desktop.run("xmodmap", "-pke") == key_map)

    def test_3_launches_and_starts_at_the_same_instant_leave_one_program_one_duck_and_one_picker(self):
        desktop = self.desktop
        if desktop.tray is None or desktop.tray.poll() is not None:
            desktop.start_tray()
        pickers = lambda: desktop.run("xdotool", "search", "--name", "Select Emoji").split()
        # Launched from the desktop's menu with a tray up: a focused picker beside the duck; launched again, one.
        entry = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data",
                             "io.github.zindozindo.zindozindo.desktop")
        command = next(line[len("Exec="):].split() for line in open(entry) if line.startswith("Exec="))
        launched, first = [], []
        for _ in range(2):
            launched.append(subprocess.Popen([BINARY, *command[1:]], env=desktop.env, stderr=subprocess.DEVNULL))
            wait_for("one focused picker", lambda: pickers() == [desktop.run("xdotool", "getactivewindow").strip()]
                     != first)
            first = pickers()
        wait_for("the duck", desktop.ducks)
        [stop(program) for program in launched]
        wait_for("the program to go", lambda: not pickers() and not desktop.ducks())
        for arguments in [["--show", None], ["--show", None] * 2, ["--show", "--show", None, None] * 2]:
            gate, opening = os.pipe()  # every start waits at the gate until all have started, then all go at once
            starts = [subprocess.Popen(["sh", "-c", 'read go <&%d && exec "$@"' % gate, "start", BINARY] +
                                       ([argument] if argument else []), env=desktop.env, pass_fds=[gate],
                                       stderr=subprocess.DEVNULL) for argument in arguments]
            os.write(opening, b"go\n" * len(starts))
            os.close(gate), os.close(opening)
            wait_for("the starts that lost to end", lambda: sum(start.poll() is None for start in starts) == 1)
            self.assertEqual([start.returncode for start in starts if start.poll() is not None], [0] * (len(starts) - 1))
            wait_for("the duck", desktop.ducks)
            wait_for("one picker, whatever --show came last", lambda: len(pickers()) == 1)
            self.assertEqual(len(desktop.ducks()), 1, "one duck for %s" % arguments)
            [stop(start) for start in starts if start.poll() is None]
            wait_for("the program to go", lambda: not pickers() and not desktop.ducks())


if __name__ == "__main__":
    unittest.main()

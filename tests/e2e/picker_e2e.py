#!/usr/bin/env python3
"""The picker as a user meets it: on a real X server with a window manager and
a tray, clicked and typed into with xdotool, the clipboard read by xclip."""
import ctypes
import os
import re
import socket
import subprocess
import sys
import tempfile
import time
import unittest

BINARY = os.environ.get("ZINDO_BINARY", "build/zindozindo")
SCREENSHOT = os.environ.get("ZINDO_SCREENSHOT")  # where to keep a picture of the picker, if anywhere


def wait_for(what, probe, timeout=10.0, poll=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = probe()
        if result:
            return result
        time.sleep(poll)
    raise AssertionError("timed out waiting for " + what)


def written(file):
    """What a child has written to the file so far. Read without moving the
    offset the child shares, or its next line would land at the start."""
    return os.pread(file.fileno(), os.fstat(file.fileno()).st_size, 0)


def results(term):
    """What the program finds for the term, in grid order, as exact bytes."""
    return subprocess.run([BINARY, "--search", term], capture_output=True).stdout.split(b"\n")[:-1]


def tray_is_running(display):
    """Whether a tray host owns the display's tray selection, as a program starting now would see."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XGetSelectionOwner.restype = ctypes.c_ulong
    x11.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    connection = x11.XOpenDisplay(display.encode())
    try:
        return x11.XGetSelectionOwner(connection, x11.XInternAtom(connection, b"_NET_SYSTEM_TRAY_S0", 0)) != 0
    finally:
        x11.XCloseDisplay(connection)


def docked_tray_icon(desktop):
    """The centre of the duck's icon in the tray, once it is docked and has a size."""
    tree = desktop.run("xwininfo", "-root", "-tree")
    match = re.search(r'\("zindozindo" "ZindoZindo"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)', tree)
    if not match or int(match[1]) < 8:
        return None
    width, height, x, y = map(int, match.groups())
    return x + width // 2, y + height // 2


class Desktop:
    """Xvfb on a display of its own choosing, openbox and, unless told not to, trayer."""

    def __init__(self, tray=True, screen="1280x800"):
        self.with_tray = tray
        self.screen = screen

    def __enter__(self):
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", self.screen + "x24",
                                      "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as display:
            self.env = dict(os.environ, DISPLAY=":" + display.readline().strip())
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env["QT_QPA_PLATFORM"] = "xcb"
        self.runtime = tempfile.TemporaryDirectory()
        self.env["XDG_RUNTIME_DIR"] = self.runtime.name
        self.helpers = [subprocess.Popen(["openbox"], env=self.env, stderr=subprocess.DEVNULL)]
        wait_for("the window manager", lambda: "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        if self.with_tray:
            self.start_tray()
        return self

    def start_tray(self):
        self.helpers.append(subprocess.Popen(["trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                                              "--height", "32"], env=self.env, stderr=subprocess.DEVNULL))
        wait_for("the tray", lambda: tray_is_running(self.env["DISPLAY"]))

    def __exit__(self, *exc):
        for process in reversed(self.helpers + [self.xvfb]):
            process.terminate()
            process.wait(5)
        self.runtime.cleanup()

    def run(self, *command):
        return subprocess.run(command, env=self.env, capture_output=True, text=True).stdout

    def clipboard(self):
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env, capture_output=True).stdout


class EndToEndTest(unittest.TestCase):
    """Starts the program as a user would, on a desktop of its own."""
    tray = True

    def setUp(self):
        self.desktop = Desktop(self.tray).__enter__()
        self.errors = tempfile.TemporaryFile()
        self.picker = subprocess.Popen([BINARY], env=self.desktop.env, stderr=self.errors)

    def tearDown(self):
        if self.picker.poll() is None:
            self.picker.kill()
        self.picker.wait(5)
        self.desktop.__exit__()
        self.errors.close()

    def stderr(self):
        return written(self.errors).decode()

    def tray_icon_centre(self):
        return wait_for("the duck in the tray", lambda: docked_tray_icon(self.desktop))

    def picker_window(self):
        found = self.desktop.run("xdotool", "search", "--name", "Select Emoji").split()
        return found[0] if found else None

    def window_origin(self, window):
        info = self.desktop.run("xwininfo", "-id", window)
        return (int(re.search(r"Absolute upper-left X:\s+(\d+)", info)[1]),
                int(re.search(r"Absolute upper-left Y:\s+(\d+)", info)[1]))

    def grid_picture(self, window):
        x, y = self.window_origin(window)
        return subprocess.run(["import", "-window", "root", "-crop", "460x480+%d+%d" % (x + 20, y + 50), "rgb:-"],
                              env=self.desktop.env, capture_output=True).stdout

    def open_picker(self):
        x, y = self.tray_icon_centre()
        self.desktop.run("xdotool", "mousemove", str(x), str(y), "click", "1")
        window = wait_for("the picker window", self.picker_window)
        wait_for("the grid", lambda: len(set(self.grid_picture(window))) > 16)
        return window

    def click_first_cell(self, window, count):
        x, y = self.window_origin(window)
        # Rows hang from the content height; a short document is at least 100 points high.
        content_height = (count + 7) // 8 * 52 + 24
        top = max(content_height, 100) - content_height + 20
        self.desktop.run("xdotool", "mousemove", str(x + 20 + 12 + 22), str(y + 50 + 1 + top + 22), "click", "1")

    def close_with_the_window_manager(self, window):
        self.desktop.run("xdotool", "windowactivate", "--sync", window, "key", "alt+F4")
        wait_for("the picker to close", lambda: self.picker_window() is None)


class PickerEndToEndTest(EndToEndTest):
    def test_a_user_opens_the_picker_searches_and_copies(self):
        window = self.open_picker()
        self.assertEqual(self.desktop.run("xprop", "-id", window, "_NET_WM_NAME").strip(),
                         '_NET_WM_NAME(UTF8_STRING) = "\U0001F986 ZindoZindo - Select Emoji"')
        info = self.desktop.run("xwininfo", "-id", window)
        self.assertIn("Width: 500", info)
        self.assertIn("Height: 580", info)
        if SCREENSHOT:
            subprocess.run(["import", "-window", window, SCREENSHOT], env=self.desktop.env, check=True)

        # Joined by U+200D and ending in U+FE0F: the polar bear.
        for term in ["polar", "family"]:
            if term != "polar":
                window = self.open_picker()
            before = self.grid_picture(window)
            self.desktop.run("xdotool", "windowactivate", "--sync", window)
            self.desktop.run("xdotool", "type", "--delay", "20", term)
            wait_for("the grid to change", lambda: self.grid_picture(window) != before)
            found = results(term)
            expected = found[0]
            self.click_first_cell(window, len(found))
            clicked = time.monotonic()
            time.sleep(0.15)
            still_open = self.picker_window() is not None
            self.assertLess(time.monotonic() - clicked, 0.3, "the machine is too slow to see 0.2 s")
            self.assertTrue(still_open, "closed before 0.2 s")
            wait_for("the picker to close", lambda: self.picker_window() is None, timeout=1.0)
            self.assertEqual(self.desktop.clipboard(), expected, "the copy outlives the picker")
        self.assertEqual(results("polar")[0], "\U0001F43B\u200D\u2744\uFE0F".encode())

    def test_the_keyboard_alone_searches_moves_copies_and_closes(self):
        # Typed at once: the field has the focus when the picker opens.
        found = results("bear")
        for keys, expected in [(["Return"], found[0]), (["Down", "Right", "space"], found[1])]:
            window = self.open_picker()
            before = self.grid_picture(window)
            self.desktop.run("xdotool", "type", "--delay", "20", "bear")
            wait_for("the grid to change", lambda: self.grid_picture(window) != before)
            self.desktop.run("xdotool", "key", "--delay", "30", *keys)
            wait_for("the picker to close", lambda: self.picker_window() is None, timeout=2.0)
            self.assertEqual(self.desktop.clipboard(), expected)
        self.open_picker()
        self.desktop.run("xdotool", "type", "--delay", "20", "dog")
        self.desktop.run("xdotool", "key", "--delay", "30", "Escape", "Escape")
        wait_for("Esc, Esc to close the picker", lambda: self.picker_window() is None)

    def test_quit_in_the_tray_menu_ends_the_process_cleanly_with_a_picker_open(self):
        self.open_picker()
        x, y = self.tray_icon_centre()
        self.desktop.run("xdotool", "mousemove", str(x), str(y), "click", "3")
        menu = wait_for("the menu", lambda: self.desktop.run("xdotool", "search", "--onlyvisible", "--class",
                                                             "zindozindo").split())
        self.assertTrue(menu)
        time.sleep(0.2)
        self.desktop.run("xdotool", "key", "Down", "Return")
        self.assertEqual(self.picker.wait(5), 0)

    def test_closing_the_picker_keeps_the_duck_and_sigterm_ends_cleanly(self):
        self.close_with_the_window_manager(self.open_picker())
        time.sleep(0.5)
        self.assertIsNone(self.picker.poll(), "the duck stays after its picker closes")
        self.open_picker()
        self.picker.terminate()
        self.assertEqual(self.picker.wait(5), 0)
        self.assertEqual(self.stderr(), "")


class SingleInstanceEndToEndTest(EndToEndTest):
    """A later start, or --show, opens a picker in the running program."""

    def socket_path(self):
        display = re.sub(r"[^A-Za-z0-9.-]", "_", self.desktop.env["DISPLAY"])
        return os.path.join(self.desktop.env["XDG_RUNTIME_DIR"], "zindozindo-%s.socket" % display)

    def start_again(self, *arguments, **env):
        return subprocess.run([BINARY, *arguments], env=dict(self.desktop.env, **env), timeout=5).returncode

    def ducks(self):
        """Our small windows: tray icons, not pickers."""
        sizes = re.findall(r'\("zindozindo" "ZindoZindo"\)\s+(\d+)x(\d+)', self.desktop.run("xwininfo", "-root", "-tree"))
        return sum(1 for width, height in sizes if int(width) <= 64 and int(height) <= 64)

    def test_a_second_start_and_show_open_a_picker_in_the_running_program(self):
        self.tray_icon_centre()
        for arguments in [(), ("--show",)]:
            self.assertEqual(self.start_again(*arguments), 0)
            window = wait_for("the picker window", self.picker_window)
            self.assertEqual(self.ducks(), 1, "no second duck")
            self.close_with_the_window_manager(window)
        self.assertIsNone(self.picker.poll())
        mode = os.stat(self.socket_path()).st_mode
        self.assertEqual(mode & 0o077, 0, "only the user may reach the running program")

    def test_a_launchers_startup_id_marks_the_picker_and_ends_the_launch(self):
        self.tray_icon_centre()
        with tempfile.TemporaryFile() as root_events:
            # Launch messages go to the root window, to clients watching its properties.
            watcher = subprocess.Popen(["xev", "-root", "-event", "property"], env=self.desktop.env,
                                       stdout=root_events)
            time.sleep(0.3)
            self.assertEqual(self.start_again("--show", DESKTOP_STARTUP_ID="zindo-e2e_TIME1234"), 0)
            window = wait_for("the picker window", self.picker_window)
            self.assertEqual(self.desktop.run("xprop", "-id", window, "_NET_STARTUP_ID").strip(),
                             '_NET_STARTUP_ID(UTF8_STRING) = "zindo-e2e_TIME1234"')
            wait_for("the end of the launch", lambda: b"(_NET_STARTUP_INFO_BEGIN)" in written(root_events))
            watcher.terminate()
            watcher.wait(5)

    def test_garbage_on_the_socket_is_ignored(self):
        self.tray_icon_centre()
        for garbage in [b"\x00\xff" * 40000, b"show\x07now\n", b"quit\n", b"show"]:
            with socket.socket(socket.AF_UNIX) as client:
                client.connect(self.socket_path())
                try:
                    client.sendall(garbage)
                except BrokenPipeError:
                    pass
        time.sleep(0.5)
        self.assertIsNone(self.picker_window(), "nothing well-formed was asked")
        self.assertIsNone(self.picker.poll())
        self.assertEqual(self.start_again("--show"), 0)
        wait_for("the picker window", self.picker_window)


class StaleSocketEndToEndTest(EndToEndTest):
    def setUp(self):
        # What a crashed run leaves: a socket file nobody listens on.
        self.desktop = Desktop().__enter__()
        display = re.sub(r"[^A-Za-z0-9.-]", "_", self.desktop.env["DISPLAY"])
        with socket.socket(socket.AF_UNIX) as stale:
            stale.bind(os.path.join(self.desktop.env["XDG_RUNTIME_DIR"], "zindozindo-%s.socket" % display))
        self.errors = tempfile.TemporaryFile()
        self.picker = subprocess.Popen([BINARY, "--show"], env=self.desktop.env, stderr=self.errors)

    def test_show_starts_the_program_over_a_stale_socket_and_serves_it(self):
        self.close_with_the_window_manager(wait_for("the picker window", self.picker_window))
        self.tray_icon_centre()
        self.assertEqual(subprocess.run([BINARY], env=self.desktop.env, timeout=5).returncode, 0)
        wait_for("the picker window", self.picker_window)
        self.assertEqual(self.stderr(), "")


class WithoutTrayEndToEndTest(EndToEndTest):
    tray = False

    def test_a_picker_opens_at_once_and_its_close_ends_the_process(self):
        self.close_with_the_window_manager(wait_for("the picker window", self.picker_window))
        self.assertEqual(self.picker.wait(5), 0)
        self.assertIn("no system tray", self.stderr())

    def test_a_copy_stays_pasteable_until_another_program_copies(self):
        window = wait_for("the picker window", self.picker_window)
        wait_for("the grid", lambda: len(set(self.grid_picture(window))) > 16)
        self.click_first_cell(window, len(results("")))
        wait_for("the picker to close", lambda: self.picker_window() is None, timeout=1.0)
        time.sleep(0.3)
        self.assertIsNone(self.picker.poll(), "the program serves its copy")
        self.assertEqual(self.desktop.clipboard(), results("")[0])
        subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=b"other", env=self.desktop.env, check=True)
        self.assertEqual(self.picker.wait(5), 0)

    def test_a_tray_that_starts_later_gets_the_duck(self):
        window = wait_for("the picker window", self.picker_window)
        self.desktop.start_tray()
        self.tray_icon_centre()
        self.close_with_the_window_manager(window)
        time.sleep(0.5)
        self.assertIsNone(self.picker.poll(), "with a tray the duck stays")
        self.open_picker()


class WithoutColourEmojiFontTest(unittest.TestCase):
    def test_one_warning_and_the_program_still_runs(self):
        with tempfile.TemporaryDirectory() as fonts:
            config = os.path.join(fonts, "fonts.conf")
            with open(config, "w") as out:
                out.write('<?xml version="1.0"?><fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>'
                          '<cachedir>%s</cachedir></fontconfig>' % fonts)
            env = dict(os.environ, QT_QPA_PLATFORM="offscreen", FONTCONFIG_FILE=config, XDG_RUNTIME_DIR=fonts)
            with tempfile.TemporaryFile() as errors:
                program = subprocess.Popen([BINARY], env=env, stderr=errors)
                # Offscreen has no tray: the picker it opens instead says the program got that far.
                wait_for("the start", lambda: b"no system tray" in written(errors))
                program.terminate()
                self.assertEqual(program.wait(5), 0)
                warnings = [line for line in written(errors).decode().splitlines() if "colour emoji font" in line]
        self.assertEqual(len(warnings), 1, warnings)


if __name__ == "__main__":
    unittest.main()

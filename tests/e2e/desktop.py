"""What the end-to-end tests share: the program, waiting for a condition, an X
desktop of their own (Xvfb, openbox and trayer) and a Wayland one (sway on its
headless backend, with swaybar's StatusNotifierItem tray)."""
import ctypes
import glob
import json
import os
import re
import subprocess
import sys
import tempfile
import time

BINARY = os.environ.get("ZINDO_BINARY", "build/zindozindo")


def wait_for(what, probe, timeout=20.0, poll=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = probe()
        if result:
            return result
        time.sleep(poll)
    raise AssertionError("timed out waiting for " + what)


def written(file):
    """What a child has written to the file so far, read without moving the offset it shares."""
    return os.pread(file.fileno(), os.fstat(file.fileno()).st_size, 0)


def stop(process):
    process.terminate()
    process.wait(10)


def session_bus():
    """A D-Bus session daemon of its own, and its address."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"], stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, text=True)
    with bus.stdout:
        return bus, bus.stdout.readline().strip()


def start(test, env, *arguments):
    """The program, its stderr kept in test.errors; killed if still running when the test ends."""
    test.errors = tempfile.TemporaryFile()
    test.addCleanup(test.errors.close)
    program = subprocess.Popen([BINARY, *arguments], env=env, stderr=test.errors)
    test.addCleanup(lambda: program.poll() is None and (program.kill(), program.wait()))
    return program


def results(term):
    """What the program finds for the term, in grid order, as exact bytes."""
    return subprocess.run([BINARY, "--search", term], capture_output=True).stdout.split(b"\n")[:-1]


def tray_is_running(display):
    """Whether a tray host owns the display's tray selection, as a program starting now would see."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = x11.XInternAtom.restype = x11.XGetSelectionOwner.restype = ctypes.c_void_p
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XGetSelectionOwner.argtypes = x11.XCloseDisplay.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
    connection = x11.XOpenDisplay(display.encode())
    try:
        return bool(x11.XGetSelectionOwner(connection, x11.XInternAtom(connection, b"_NET_SYSTEM_TRAY_S0", 0)))
    finally:
        x11.XCloseDisplay(connection, None)


class Desktop:
    """Xvfb on a display of its own choosing with openbox; trayer when asked."""

    def __init__(self, screen="1280x800"):
        self.tray = self.window_manager = self.xvfb = None
        self.last_click = 0.0
        self.runtime = tempfile.TemporaryDirectory()
        try:
            display = self.start_xvfb(screen)
            self.env = dict(os.environ, DISPLAY=":" + display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=self.runtime.name)
            self.env.pop("WAYLAND_DISPLAY", None)
            self.window_manager = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                                   stderr=subprocess.DEVNULL)
            wait_for("the window manager", lambda: "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        except BaseException:
            self.close()  # nothing left behind to hold the test runner's output open
            raise

    def start_xvfb(self, screen):
        """Xvfb's display number, once it accepts clients. Seen once, under load: an Xvfb that ended
        before it named a display; its own words go to stderr and another one is started."""
        for _ in range(3):
            read, write = os.pipe()
            with tempfile.TemporaryFile() as errors:
                self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", screen + "x24",
                                              "-nolisten", "tcp"], pass_fds=[write], stdout=subprocess.DEVNULL,
                                             stderr=errors)
                os.close(write)
                with os.fdopen(read) as numbers:
                    display = numbers.readline().strip()
                if display:
                    return display
                self.xvfb.wait(10)
                sys.stderr.write("Xvfb ended without a display:\n%s\n" % written(errors).decode(errors="replace"))
        raise AssertionError("Xvfb would not start")

    def start_tray(self):
        self.tray = subprocess.Popen(["trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                                      "--height", "32"], env=self.env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        wait_for("the tray", lambda: tray_is_running(self.env["DISPLAY"]))

    def close(self):
        for process in filter(None, [self.tray, self.window_manager, self.xvfb]):
            stop(process)
        self.runtime.cleanup()

    def run(self, *command, **env):
        return subprocess.run(command, env=dict(self.env, **env), capture_output=True, text=True).stdout

    def clipboard(self):
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env, capture_output=True).stdout

    def ducks(self):
        """Our tray icons, docked and sized, as (x, y, width, height)."""
        found = re.findall(r'\("zindozindo" "ZindoZindo"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)',
                           self.run("xwininfo", "-root", "-tree"))
        return [(int(x), int(y), int(w), int(h)) for w, h, x, y in found if 8 <= int(w) <= 64 and int(h) <= 64]

    def click_duck(self, button=1):
        # Two clicks within Qt's double-click time are one double click, which opens nothing more.
        time.sleep(max(0.0, self.last_click + 0.6 - time.monotonic()))
        x, y, width, height = wait_for("the duck in the tray", self.ducks)[0]
        self.run("xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", str(button))
        self.last_click = time.monotonic()

    def picker(self):
        return wait_for("a picker", lambda: (self.run("xdotool", "search", "--name", "Select Emoji").split() or [0])[0])

    def focused_picker(self):
        """The picker, once it has the keyboard."""
        return wait_for("the picker to have the keyboard", lambda: (lambda picker: picker if self.run(
            "xdotool", "getactivewindow").strip() == picker else None)(self.picker()))

    def close_picker(self, window=None):
        """Closes the window with the window manager's alt+F4, or waits for the open picker to close."""
        if window:
            self.run("xdotool", "windowactivate", "--sync", window, "key", "alt+F4")
        wait_for("the picker to close", lambda: not self.run("xdotool", "search", "--name", "Select Emoji"))

    def geometry(self, window):
        info = self.run("xwininfo", "-id", window)
        return [int(re.search(name + r":\s+(-?\d+)", info)[1])
                for name in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]

    def screenshot(self, x, y, width, height):
        """Raw RGB bytes of a part of the screen."""
        return subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, x, y), "-depth",
                               "8", "rgb:-"], env=self.env, capture_output=True, check=True).stdout


class Sway:
    """sway on its headless backend with swaybar's tray, on a D-Bus session of its own."""

    def __init__(self):
        self.runtime = tempfile.TemporaryDirectory()
        config = os.path.join(self.runtime.name, "sway.conf")
        with open(config, "w") as out:
            out.write("xwayland disable\nbar {\n    tray_output *\n}\n")
        self.bus, address = session_bus()
        self.env = {key: value for key, value in os.environ.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
        self.env.update(XDG_RUNTIME_DIR=self.runtime.name, DBUS_SESSION_BUS_ADDRESS=address, QT_QPA_PLATFORM="wayland",
                        WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman")
        # sway will not run as root; in a user namespace of its own it is not.
        user = ["unshare", "--user", "--map-user=1000", "--map-group=1000"] if os.geteuid() == 0 else []
        self.sway = subprocess.Popen(user + ["sway", "--config", config], env=self.env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        found = lambda pattern: glob.glob(os.path.join(self.runtime.name, pattern))
        wait_for("sway", lambda: found("sway-ipc.*.sock") and found("wayland-*[0-9]"))
        self.env.update(WAYLAND_DISPLAY=os.path.basename(found("wayland-*[0-9]")[0]),
                        SWAYSOCK=found("sway-ipc.*.sock")[0])
        wait_for("the tray", lambda: "StatusNotifierWatcher" in self.run("dbus-send", "--session", "--print-reply",
                 "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus.ListNames"))

    def close(self):
        stop(self.sway)
        stop(self.bus)
        self.runtime.cleanup()

    def run(self, *command, **env):
        return subprocess.run(command, env=dict(self.env, **env), capture_output=True, text=True).stdout

    def pickers(self):
        """The picker windows, by title and by the app_id desktops find the desktop entry with."""
        def names(node):
            yield node.get("name"), node.get("app_id")
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                yield from names(child)
        tree = json.loads(self.run("swaymsg", "--raw", "--type", "get_tree"))
        picker = ("\U0001F986 ZindoZindo - Select Emoji", "io.github.zindozindo.zindozindo")
        return [name for name in names(tree) if name == picker]

    def tray_items(self, **env):
        """The items the bar shows, as bus name and object path."""
        return [item.split('"')[0] for item in self.run(
            "dbus-send", "--session", "--print-reply", "--dest=org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
            "org.freedesktop.DBus.Properties.Get", "string:org.kde.StatusNotifierWatcher",
            "string:RegisteredStatusNotifierItems", **env).split('string "')[1:]]

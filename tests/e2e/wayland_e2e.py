#!/usr/bin/env python3
"""The picker on Qt's Wayland platform: under sway on its headless backend, with
swaybar's StatusNotifierItem tray on a D-Bus session of its own, keys typed by
wtype through the compositor, and the clipboard read by wl-paste."""
import glob
import json
import os
import signal
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import BINARY, results, wait_for, written  # noqa: E402

TITLE = "\U0001F986 ZindoZindo - Select Emoji"

WATCHER = ["--dest=org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher", "org.freedesktop.DBus.Properties.Get",
           "string:org.kde.StatusNotifierWatcher", "string:RegisteredStatusNotifierItems"]


class Compositor:
    """sway on memory buffers, with a bar that hosts tray items unless told not to."""

    def __init__(self, tray=True):
        self.with_tray = tray

    def __enter__(self):
        self.runtime = tempfile.TemporaryDirectory()
        config = os.path.join(self.runtime.name, "sway.conf")
        with open(config, "w") as out:
            out.write("xwayland disable\n" + ("bar {\n    tray_output *\n}\n" if self.with_tray else ""))
        self.bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                                    stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.env = {key: value for key, value in os.environ.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
        self.env.update(XDG_RUNTIME_DIR=self.runtime.name, DBUS_SESSION_BUS_ADDRESS=self.bus.stdout.readline().strip(),
                        QT_QPA_PLATFORM="wayland", WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1",
                        WLR_RENDERER="pixman")
        # sway will not run as root; in a user namespace of its own it is not.
        user = ["unshare", "--user", "--map-user=1000", "--map-group=1000"] if os.geteuid() == 0 else []
        self.sway = subprocess.Popen(user + ["sway", "--config", config], env=self.env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        wait_for("sway", lambda: glob.glob(os.path.join(self.runtime.name, "sway-ipc.*.sock")) and
                 glob.glob(os.path.join(self.runtime.name, "wayland-*[0-9]")))
        self.env["WAYLAND_DISPLAY"] = os.path.basename(glob.glob(os.path.join(self.runtime.name, "wayland-*[0-9]"))[0])
        self.env["SWAYSOCK"] = glob.glob(os.path.join(self.runtime.name, "sway-ipc.*.sock"))[0]
        if self.with_tray:
            wait_for("the tray", lambda: "StatusNotifierWatcher" in self.bus_call(
                "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus.ListNames"))
        return self

    def __exit__(self, *exc):
        for process in (self.sway, self.bus):
            process.terminate()
            process.wait(5)
        self.bus.stdout.close()
        self.runtime.cleanup()

    def run(self, *command, **options):
        return subprocess.run(command, env=self.env, capture_output=True, **options)

    def bus_call(self, *arguments):
        return self.run("dbus-send", "--session", "--print-reply", *arguments, text=True).stdout

    def tray_items(self):
        """The items the bar shows, as bus name and object path."""
        reply = self.bus_call(*WATCHER)
        return [line.split('"')[1].split("/", 1) for line in reply.splitlines() if 'string "' in line]

    def click_tray_item(self, item):
        """What swaybar sends for a left click on the item."""
        service, path = item
        self.run("dbus-send", "--session", "--type=method_call", "--dest=" + service, "/" + path,
                 "org.kde.StatusNotifierItem.Activate", "int32:0", "int32:0", check=True)

    def windows(self):
        def names(node):
            yield node.get("name")
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                yield from names(child)

        tree = self.run("swaymsg", "--raw", "--type", "get_tree", text=True).stdout
        return [name for name in names(json.loads(tree)) if name == TITLE] if tree else []

    def type(self, text, *keys):
        # The pause lets the focused window take wtype's keymap before the first key.
        self.run("wtype", "-s", "300", text, *[argument for key in keys for argument in ("-k", key)], check=True)

    def clipboard(self):
        return self.run("wl-paste", "--no-newline").stdout


class WaylandEndToEndTest(unittest.TestCase):
    tray = True

    def setUp(self):
        self.compositor = Compositor(self.tray).__enter__()
        self.errors = tempfile.TemporaryFile()
        # The protocol log (WAYLAND_DEBUG) shows what the program asks of the compositor.
        self.program = subprocess.Popen([BINARY], env=dict(self.compositor.env, WAYLAND_DEBUG="1"),
                                        stderr=self.errors)

    def tearDown(self):
        if self.program.poll() is None:
            self.program.kill()
        self.program.wait(10)
        self.compositor.__exit__()
        self.errors.close()

    def messages(self):
        """What the program told the user: its stderr less the protocol log."""
        return [line for line in written(self.errors).splitlines() if not line.startswith(b"[")]

    def copy_by_keyboard(self, term):
        """Types the term into the open picker, copies the first result with
        Enter, and waits for the picker to close."""
        wait_for("the picker", self.compositor.windows)
        self.compositor.type(term, "Return")
        wait_for("the picker to close", lambda: not self.compositor.windows())


class WithTrayWaylandTest(WaylandEndToEndTest):
    def test_the_duck_docks_a_click_and_keys_copy_and_show_passes_the_launchers_token(self):
        items = wait_for("the duck in the tray", self.compositor.tray_items)
        self.assertEqual(len(items), 1)
        for term in ["polar", "family"]:
            self.compositor.click_tray_item(items[0])
            self.copy_by_keyboard(term)
            # Joined by U+200D and, for the bear, ending in U+FE0F: exact bytes or nothing.
            self.assertEqual(self.compositor.clipboard(), results(term)[0], "the copy outlives the picker")
        self.assertEqual(results("polar")[0], "\U0001F43B\u200D\u2744\uFE0F".encode())

        show = subprocess.run([BINARY, "--show"], env=dict(self.compositor.env, XDG_ACTIVATION_TOKEN="zindo-token"))
        self.assertEqual(show.returncode, 0)
        wait_for("the picker", self.compositor.windows)
        wait_for("the token handed to the compositor", lambda: b'.activate("zindo-token", wl_surface' in
                 written(self.errors))
        self.assertEqual(len(self.compositor.tray_items()), 1, "no second duck")
        self.program.send_signal(signal.SIGTERM)
        self.assertEqual(self.program.wait(10), 0)
        self.assertEqual(self.messages(), [], "nothing shown to the user")


class WithoutTrayWaylandTest(WaylandEndToEndTest):
    tray = False

    def test_a_picker_opens_at_once_and_the_program_serves_its_copy_until_another_program_copies(self):
        self.copy_by_keyboard("dog")
        self.assertIsNone(self.program.poll(), "the program serves its copy")
        self.assertEqual(self.compositor.clipboard(), results("dog")[0])
        # wl-copy stays behind to serve its copy: it must not hold our pipes.
        subprocess.run(["wl-copy", "other"], env=self.compositor.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True)
        self.assertEqual(self.program.wait(10), 0)
        # The one line that says why a picker opened, and nothing from Qt.
        self.assertEqual([line for line in self.messages() if b"no system tray" not in line], [])


if __name__ == "__main__":
    unittest.main()

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


def session_bus():
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"], stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, text=True)
    return bus, bus.stdout.readline().strip()


class WaylandEndToEndTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.runtime = tempfile.TemporaryDirectory()
        config = os.path.join(cls.runtime.name, "sway.conf")
        with open(config, "w") as out:
            out.write("xwayland disable\nbar {\n    tray_output *\n}\n")
        cls.bus, address = session_bus()
        cls.env = {key: value for key, value in os.environ.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
        cls.env.update(XDG_RUNTIME_DIR=cls.runtime.name, DBUS_SESSION_BUS_ADDRESS=address, QT_QPA_PLATFORM="wayland",
                       WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman")
        # sway will not run as root; in a user namespace of its own it is not.
        user = ["unshare", "--user", "--map-user=1000", "--map-group=1000"] if os.geteuid() == 0 else []
        cls.sway = subprocess.Popen(user + ["sway", "--config", config], env=cls.env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
        found = lambda pattern: glob.glob(os.path.join(cls.runtime.name, pattern))
        wait_for("sway", lambda: found("sway-ipc.*.sock") and found("wayland-*[0-9]"))
        cls.env.update(WAYLAND_DISPLAY=os.path.basename(found("wayland-*[0-9]")[0]),
                       SWAYSOCK=found("sway-ipc.*.sock")[0])
        wait_for("the tray", lambda: "StatusNotifierWatcher" in cls.command("dbus-send", "--session", "--print-reply",
                 "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus.ListNames"))

    @classmethod
    def tearDownClass(cls):
        for process in (cls.sway, cls.bus):
            process.terminate()
            process.wait(10)
        cls.bus.stdout.close()
        cls.runtime.cleanup()

    @classmethod
    def command(cls, *command, **env):
        return subprocess.run(command, env=dict(cls.env, **env), capture_output=True, text=True).stdout

    def start(self, **env):
        """The program, with the protocol log (WAYLAND_DEBUG) that shows what it asks of the compositor."""
        self.errors = tempfile.TemporaryFile()
        self.addCleanup(self.errors.close)
        program = subprocess.Popen([BINARY], env=dict(self.env, WAYLAND_DEBUG="1", **env), stderr=self.errors)
        self.addCleanup(lambda: program.poll() is None and program.kill())
        return program

    def messages(self):
        """What the program told the user: its stderr less the protocol log."""
        return [line for line in written(self.errors).splitlines() if not line.startswith(b"[")]

    def pickers(self):
        def names(node):
            yield node.get("name")
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                yield from names(child)
        return [name for name in names(json.loads(self.command("swaymsg", "--raw", "--type", "get_tree"))) if name == TITLE]

    def tray_items(self):
        """The items the bar shows, as bus name and object path."""
        return [item.split('"')[0] for item in self.command(
            "dbus-send", "--session", "--print-reply", "--dest=org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
            "org.freedesktop.DBus.Properties.Get", "string:org.kde.StatusNotifierWatcher",
            "string:RegisteredStatusNotifierItems").split('string "')[1:]]

    def copy_by_keyboard(self, term):
        """Types the term into the open picker and copies the first result with Enter."""
        wait_for("the picker", self.pickers)
        # The pause lets the focused window take wtype's keymap before the first key.
        self.command("wtype", "-s", "300", term, "-k", "Return")
        wait_for("the picker to close", lambda: not self.pickers())
        return self.command("wl-paste", "--no-newline").encode()

    def test_the_duck_docks_a_click_and_keys_copy_and_show_passes_the_launchers_token(self):
        program = self.start()
        items = wait_for("the duck in the tray", self.tray_items)
        self.assertEqual(len(items), 1)
        service, path = items[0].split("/", 1)
        for term in ["polar", "family"]:
            # What swaybar sends for a left click on the item.
            self.command("dbus-send", "--session", "--type=method_call", "--dest=" + service, "/" + path,
                     "org.kde.StatusNotifierItem.Activate", "int32:0", "int32:0")
            # Joined by U+200D and, for the bear, ending in U+FE0F: exact bytes, after the picker has closed.
            self.assertEqual(self.copy_by_keyboard(term), results(term)[0])

        show = subprocess.run([BINARY, "--show"], env=dict(self.env, XDG_ACTIVATION_TOKEN="zindo-token"))
        self.assertEqual(show.returncode, 0)
        wait_for("the token handed to the compositor", lambda: b'.activate("zindo-token", wl_surface' in
                 written(self.errors))
        wait_for("the picker", self.pickers)
        self.assertEqual(len(self.tray_items()), 1, "no second duck")
        program.send_signal(signal.SIGTERM)
        self.assertEqual(program.wait(10), 0)
        self.assertEqual(self.messages(), [], "nothing shown to the user")

    def test_without_a_tray_a_picker_opens_at_once_and_its_copy_is_served_until_another_program_copies(self):
        bus, address = session_bus()  # a session with no tray on it
        self.addCleanup(lambda: (bus.terminate(), bus.wait(10), bus.stdout.close()))
        program = self.start(DBUS_SESSION_BUS_ADDRESS=address)
        self.assertEqual(self.copy_by_keyboard("dog"), results("dog")[0])
        # wl-copy stays behind to serve its copy: it must not hold our pipes.
        subprocess.run(["wl-copy", "other"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.assertEqual(program.wait(10), 0)
        # The one line that says why a picker opened, and nothing from Qt.
        self.assertEqual([line for line in self.messages() if b"no system tray" not in line], [])


if __name__ == "__main__":
    unittest.main()

#!/usr/bin/env python3
"""The picker on Qt's Wayland platform: under sway on its headless backend, with
swaybar's StatusNotifierItem tray on a D-Bus session of its own, keys typed by
wtype through the compositor, and the clipboard read by wl-paste."""
import glob
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import BINARY, Sway, results, session_bus, start, stop, wait_for, written  # noqa: E402


class WaylandEndToEndTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Sway()
        cls.env, cls.runtime = cls.desktop.env, cls.desktop.runtime
        cls.command, cls.pickers, cls.tray_items = cls.desktop.run, cls.desktop.pickers, cls.desktop.tray_items

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def messages(self):
        """What the program told the user: its stderr less the protocol log (WAYLAND_DEBUG)."""
        return [line for line in written(self.errors).splitlines() if not line.startswith(b"[")]

    def call_item(self, item, *call, **env):
        service, path = item.split("/", 1)
        return self.command("dbus-send", "--session", "--print-reply", "--dest=" + service, "/" + path, *call, **env)

    def menu_labels(self, item, **env):
        """The labels of the item's menu, in order, as a tray reads them (GNOME's shows it on a left click)."""
        menu = self.call_item(item, "org.freedesktop.DBus.Properties.Get", "string:org.kde.StatusNotifierItem",
                              "string:Menu", **env).split('object path "')[1].split('"')[0]
        layout = self.call_item(item.split("/")[0] + menu, "com.canonical.dbusmenu.GetLayout", "int32:0", "int32:-1",
                                "array:string:", **env)
        return re.findall(r'string "label"\s+variant\s+string "([^"]*)"', layout)

    def copy_by_keyboard(self, term):
        """Types the term into the open picker and copies the first result with Enter."""
        wait_for("the picker", self.pickers)
        # The pause lets the focused window take wtype's keymap before the first key.
        self.command("wtype", "-s", "300", term, "-k", "Return")
        wait_for("the picker to close", lambda: not self.pickers())
        return self.command("wl-paste", "--no-newline").encode()

    def test_without_a_tray_then_with_one_the_picker_copies_exact_bytes_and_show_passes_the_launchers_token(self):
        bus, address = session_bus()  # a session with no tray on it
        self.addCleanup(stop, bus)
        program = start(self, dict(self.env, WAYLAND_DEBUG="1", DBUS_SESSION_BUS_ADDRESS=address))
        self.assertEqual(self.copy_by_keyboard("dog"), results("dog")[0])
        # wl-copy stays behind to serve its copy: it must not hold our pipes.
        subprocess.run(["wl-copy", "other"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.assertEqual(program.wait(10), 0, "the copy was served until another program copied")
        self.assertEqual([line for line in self.messages() if b"no system tray" not in line], [])

        # Started at login before the panel's tray: no picker, yet it serves --show, and the duck comes with the tray.
        program = start(self, dict(self.env, WAYLAND_DEBUG="1", DBUS_SESSION_BUS_ADDRESS=address), "--background")
        wait_for("the program to serve", lambda: glob.glob(os.path.join(self.runtime.name, "zindozindo-*.socket")))
        self.assertNotIn(b".get_toplevel(", written(self.errors), "no window")
        self.assertEqual(subprocess.run([BINARY, "--show"], env=self.env).returncode, 0)
        self.assertEqual(self.copy_by_keyboard("dog"), results("dog")[0])
        bar = subprocess.Popen(["swaybar", "-b", "bar-0"], env=dict(self.env, DBUS_SESSION_BUS_ADDRESS=address),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(stop, bar)
        item = wait_for("the duck in the tray that came", lambda: self.tray_items(DBUS_SESSION_BUS_ADDRESS=address))[0]
        self.assertEqual(self.menu_labels(item, DBUS_SESSION_BUS_ADDRESS=address), ["Select Emoji", "Quit ZindoZindo"])
        stop(program)

        program = start(self, dict(self.env, WAYLAND_DEBUG="1"))
        item = wait_for("the duck in the tray", self.tray_items)[0]
        # What swaybar sends for a left click on the item. The bear is joined by U+200D and ends in U+FE0F.
        self.call_item(item, "org.kde.StatusNotifierItem.Activate", "int32:0", "int32:0")
        self.assertEqual(self.copy_by_keyboard("polar"), results("polar")[0])
        self.call_item(item, "org.kde.StatusNotifierItem.Activate", "int32:0", "int32:0")
        wait_for("the picker", self.pickers)
        # The shortcut's start takes the place of the open picker.
        show = subprocess.run([BINARY, "--show"], env=dict(self.env, XDG_ACTIVATION_TOKEN="zindo-token"))
        self.assertEqual(show.returncode, 0)
        wait_for("the token handed to the compositor", lambda: b'.activate("zindo-token", wl_surface' in
                 written(self.errors))
        wait_for("one picker", lambda: len(self.pickers()) == 1 and written(self.errors).count(b".get_toplevel(") == 3)
        self.assertEqual(len(self.tray_items()), 1, "one duck")
        # Our windows are raster widgets: no GPU driver for them (libEGL.so.1 itself is linked by Qt's GUI library).
        with open("/proc/%d/maps" % program.pid) as maps:
            self.assertEqual(re.findall(r"\S*(?:libEGL_\w+|_dri|libgbm|libLLVM|libGLX_\w+)\S*\.so\S*", maps.read()), [])
        program.terminate()
        self.assertEqual(program.wait(10), 0)
        self.assertEqual(self.messages(), [], "nothing shown to the user")

    def test_a_picker_asked_to_insert_types_its_choice_through_a_virtual_keyboard_that_then_goes(self):
        typed = tempfile.TemporaryFile()
        self.addCleanup(typed.close)
        field = subprocess.Popen(["/usr/bin/python3", os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                  "text_field.py"), "Target Field"], env=dict(self.env, GDK_BACKEND="wayland"),
                                 stdout=typed, stderr=subprocess.DEVNULL)
        self.addCleanup(stop, field)
        # The headless compositor has no keyboard: a virtual one stands in for the person's, idle all along.
        keyboard = subprocess.Popen(["wtype", "-s", "3600000", " "], env=self.env)
        self.addCleanup(stop, keyboard)
        keyboards = lambda: [device for device in json.loads(self.command("swaymsg", "--raw", "-t", "get_inputs"))
                             if device["type"] == "keyboard"]
        wait_for("the keyboard", keyboards)
        wait_for("the field to have the keyboard", lambda: '"Target Field"' in self.command(
            "swaymsg", "-t", "get_tree") and self.focused() == "Target Field")
        text = lambda: (written(typed).split() or [b""])[-1]
        start(self, self.env, "--show", "--insert")
        self.assertEqual(self.copy_by_keyboard("polar"), results("polar")[0])
        wait_for("the bear in the field", lambda: text() == results("polar")[0].hex().encode())
        # Dismissed with Esc: nothing typed; the next picker types only its own.
        for keys in (["-k", "Escape"], ["dog", "-k", "Return"]):
            wait_for("the field to have the keyboard back", lambda: self.focused() == "Target Field")
            self.assertEqual(subprocess.run([BINARY, "--insert"], env=self.env).returncode, 0)
            wait_for("the picker to have the keyboard", lambda: self.focused() == "\U0001F986 ZindoZindo - Select Emoji")
            self.command("wtype", "-s", "300", *keys)
            wait_for("the picker to close", lambda: not self.pickers())
        wait_for("the dog after the bear", lambda: text() == (results("polar")[0] + results("dog")[0]).hex().encode())
        wait_for("no keyboard of ours left", lambda: len(keyboards()) == 1)

    def focused(self):
        """The title of the window that has the keyboard."""
        def find(node):
            if node.get("focused"):
                return node.get("name")
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                found = find(child)
                if found:
                    return found
        return find(json.loads(self.command("swaymsg", "--raw", "-t", "get_tree")))


if __name__ == "__main__":
    unittest.main()

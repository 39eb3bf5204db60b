#!/usr/bin/python3
"""The picker through a screen reader's eyes: the AT-SPI registry on a D-Bus
session of its own lists the grid's buttons, and pressing one copies it.
Runs under Debian's python3, which has pyatspi."""
import os
import subprocess
import sys
import unittest
import warnings

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import BINARY, Desktop, results, wait_for  # noqa: E402

bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"], stdout=subprocess.PIPE,
                       stderr=subprocess.DEVNULL, text=True)
os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
import pyatspi  # noqa: E402  (reads the bus address when imported)

warnings.filterwarnings("ignore", category=DeprecationWarning, module="pyatspi")


def find_application(name):
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == name:
            return application
    return None


class AccessibilityEndToEndTest(unittest.TestCase):
    def setUp(self):
        # No tray: the picker opens at once.
        self.desktop = Desktop()
        self.desktop.env["DBUS_SESSION_BUS_ADDRESS"] = os.environ["DBUS_SESSION_BUS_ADDRESS"]
        self.desktop.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.picker = subprocess.Popen([BINARY], env=self.desktop.env, stderr=subprocess.DEVNULL)

    def tearDown(self):
        self.picker.terminate()
        self.picker.wait(10)
        self.desktop.close()

    def grid_buttons(self, application):
        grid = pyatspi.findDescendant(application, lambda node: node.getRole() == pyatspi.ROLE_LIST)
        return [button for button in grid if button.getRole() == pyatspi.ROLE_PUSH_BUTTON]

    def test_a_screen_reader_lists_the_grid_and_presses_a_button(self):
        window = self.desktop.picker()
        application = wait_for("the program on the AT-SPI bus", lambda: find_application("ZindoZindo"))
        self.desktop.run("xdotool", "windowactivate", "--sync", window, "type", "--delay", "20", "dog")
        expected = [emoji.decode() for emoji in results("dog")]
        buttons = wait_for("the grid for dog", lambda: (lambda found: found if [b.name for b in found] == expected
                                                         else None)(self.grid_buttons(application)))
        self.assertEqual(buttons[1].description, "\U0001F436, dog, puppy, pet, face, animal")
        action = buttons[1].queryAction()
        self.assertEqual(action.getName(0), "Press")
        action.doAction(0)
        self.desktop.close_picker()
        self.assertEqual(self.desktop.clipboard().decode(), expected[1])


if __name__ == "__main__":
    try:
        unittest.main()
    finally:
        bus.terminate()
        bus.wait(5)
        bus.stdout.close()

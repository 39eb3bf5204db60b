#!/usr/bin/python3
"""A GTK text field to type into, for the end-to-end tests and the benchmarks:
a window titled by its argument, whose entry writes a line on stdout at every
change: the wall clock in nanoseconds, a space, its whole text in hex."""
import sys
import time

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import Gtk  # noqa: E402

window = Gtk.Window(title=sys.argv[1])
entry = Gtk.Entry()
entry.connect("changed", lambda field: print(time.time_ns(), field.get_text().encode().hex(), flush=True))
window.add(entry)
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()

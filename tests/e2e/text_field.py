#!/usr/bin/python3
"""A GTK text field for the end-to-end tests to type into: a window titled by
its argument, whose entry writes its whole text, in hex, on a line of stdout
at every change."""
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import Gtk  # noqa: E402

window = Gtk.Window(title=sys.argv[1])
entry = Gtk.Entry()
entry.connect("changed", lambda field: print(field.get_text().encode().hex(), flush=True))
window.add(entry)
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()

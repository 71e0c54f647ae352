#!/usr/bin/python3
# A window of another program that takes dropped text: it answers every drag
# with the effect it was started with (copy or move), writes the text of the
# drop to a file and shows it.
# Usage: DropTarget.py copy|move OUTFILE X Y
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, Gtk  # noqa: E402

effect = Gdk.DragAction.MOVE if sys.argv[1] == "move" else Gdk.DragAction.COPY
out = sys.argv[2]

window = Gtk.Window(title="drop target")
window.move(int(sys.argv[3]), int(sys.argv[4]))
window.set_default_size(240, 140)
label = Gtk.Label(label="drop here")
window.add(label)
window.drag_dest_set(Gtk.DestDefaults.DROP | Gtk.DestDefaults.HIGHLIGHT, [], Gdk.DragAction.COPY | Gdk.DragAction.MOVE)
window.drag_dest_add_text_targets()


def on_motion(widget, context, x, y, time):
    Gdk.drag_status(context, effect, time)
    return True


def on_received(widget, context, x, y, data, info, time):
    text = data.get_text() or ""
    label.set_text(text)
    with open(out, "w", encoding="utf-8") as f:
        f.write(text)


window.connect("drag-motion", on_motion)
window.connect("drag-data-received", on_received)
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()

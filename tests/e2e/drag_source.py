#!/usr/bin/python3
"""A window that offers files to drag, as a file manager does.

    drag_source.py FILE...

A FILE that starts with "file:" is offered as the address it is (a file on
another computer); any other is a path, in whatever bytes it has.

Shows a small window at the top left corner of the screen; a drag that
starts on it carries the files as text/uri-list, through the X server's
drag-and-drop protocol (XDND) like any drag between two programs. Prints
"ready" once it is shown, "began" when a drag starts, "accepted" when the
window under the pointer says it takes the drop, "failed" when no window took
it, and ends after the drag or after a minute.
"""

import pathlib
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, GLib, Gtk  # noqa: E402

WIDTH, HEIGHT = 160, 80


def main():
    uris = [name if name.startswith("file:") else pathlib.Path(name).resolve().as_uri() for name in sys.argv[1:]]
    window = Gtk.Window(title="drag source")
    window.set_default_size(WIDTH, HEIGHT)
    window.move(0, 0)
    area = Gtk.EventBox()
    area.add(Gtk.Label(label=f"{len(uris)} file(s)"))
    window.add(area)

    area.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY)
    area.drag_source_add_uri_targets()
    area.connect("drag-data-get", lambda _w, _c, selection, _i, _t: selection.set_uris(uris))
    def began(_widget, context):
        print("began", flush=True)
        context.connect("action-changed", lambda _c, action: print("accepted" if action else "refused", flush=True))

    area.connect("drag-begin", began)
    area.connect("drag-failed", lambda *_: print("failed", flush=True) or False)
    area.connect("drag-end", lambda *_: GLib.timeout_add(300, Gtk.main_quit))
    window.connect("destroy", Gtk.main_quit)
    GLib.timeout_add_seconds(60, Gtk.main_quit)

    def shown(*_):
        print("ready", flush=True)

    window.connect("map-event", shown)
    window.show_all()
    Gtk.main()


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes down what a screen reader hears from the window, one line per event, flushed at once:
"focus<TAB>role<TAB>name" when an object takes the focus, "notification<TAB>name" when a
notification is shown (the window's announcements), "name<TAB>role<TAB>name" when a name changes.
Runs until killed. Usage: a11y_listener.py <log file>"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

log = open(sys.argv[1], "w", encoding="utf-8", buffering=1)


def write(*fields):
    log.write("\t".join(str(f).replace("\n", " ") for f in fields) + "\n")


def on_event(event):
    source = event.source
    try:
        role = source.get_role_name()
        name = source.get_name()
    except Exception:  # an object gone before it was read
        return
    if event.type.startswith("object:state-changed:focused") and event.detail1 == 1:
        write("focus", role, name)
    elif event.type.startswith("object:state-changed:showing") and event.detail1 == 1:
        if source.get_role() == Atspi.Role.NOTIFICATION:
            write("notification", name)
    elif event.type.startswith("object:property-change:accessible-name"):
        write("name", role, name)


listener = Atspi.EventListener.new(on_event)
for kind in ("object:state-changed:focused", "object:state-changed:showing",
             "object:property-change:accessible-name"):
    listener.register(kind)
write("ready")
Atspi.event_main()

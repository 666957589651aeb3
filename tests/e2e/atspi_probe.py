#!/usr/bin/python3
# Reads the running game through AT-SPI as a screen reader does, on the session bus of its
# environment. Commands on stdin, one a line; each answer ends with a line ".".
#   tree      every element of the game's windows, read afresh: depth, role, name, states, text
#   outline   the same without the cells of tables, which a walk may meet half-changed while the
#             program refills them: asked for a child it no longer has, Qt warns on stderr
#   events    the events heard since the last call: type, role, name
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

STATES = {
    Atspi.StateType.FOCUSED: "focused",
    Atspi.StateType.PRESSED: "pressed",
    Atspi.StateType.CHECKED: "checked",
    Atspi.StateType.SHOWING: "showing",
}
heard = []


def line(text):
    sys.stdout.write(text.replace("\n", "\\n") + "\n")


def describe(obj):
    obj.clear_cache()
    states = obj.get_state_set()
    marks = [word for state, word in STATES.items() if states.contains(state)]
    text = ""
    if "Text" in obj.get_interfaces():
        text = Atspi.Text.get_text(obj, 0, Atspi.Text.get_character_count(obj))
    return "%s|%s|%s|%s" % (obj.get_role_name(), obj.get_name(), ",".join(marks), text)


TABLES = ("table", "tree table", "tree")


def walk(obj, depth, cells=True):
    try:
        line("%d|%s" % (depth, describe(obj)))
        if not cells and obj.get_role_name() in TABLES:
            return
        for i in range(obj.get_child_count()):
            child = obj.get_child_at_index(i)
            if child is not None:
                walk(child, depth + 1, cells)
    except GLib.Error as error:
        line("%d|error|%s||" % (depth, error.message))


def tree(cells=True):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "handfall":
            for j in range(app.get_child_count()):
                walk(app.get_child_at_index(j), 0, cells)


def on_event(event):
    try:
        heard.append("%s|%s|%s" % (event.type, event.source.get_role_name(), event.source.get_name()))
    except GLib.Error:
        pass


def on_command(source, condition):
    command = sys.stdin.readline().strip()
    if command == "" or command == "quit":
        Atspi.event_quit()
        return False
    if command == "tree":
        tree()
    elif command == "outline":
        tree(cells=False)
    elif command == "events":
        for event in heard:
            line(event)
        heard.clear()
    line(".")
    sys.stdout.flush()
    return True


listener = Atspi.EventListener.new(on_event)
for kind in ("object:state-changed:showing", "object:state-changed:checked",
             "object:property-change:accessible-name", "object:state-changed:focused"):
    listener.register(kind)
GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_command)
line("ready")
sys.stdout.flush()
Atspi.event_main()

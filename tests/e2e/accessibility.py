#!/usr/bin/python3
"""What a screen reader sees of the calendar, through AT-SPI.

  accessibility.py tree APP            prints the accessible tree of APP's windows
  accessibility.py find APP ROLE NAME  succeeds when a showing object has that role and name
  accessibility.py press APP ROLE NAME runs that object's first action ("press")
  accessibility.py text APP ROLE NAME  prints the object's text (its text interface)

APP is the application's AT-SPI name; ROLE the role's name as AT-SPI spells it ("link",
"push button"). Exit status 0: done; 1: not found or no such action; 2: no such application.
"""
import sys

import pyatspi


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def describe(node):
    states = node.getState()
    marks = [label for s, label in ((pyatspi.STATE_SHOWING, "showing"), (pyatspi.STATE_FOCUSABLE, "focusable"),
                                (pyatspi.STATE_EDITABLE, "editable"), (pyatspi.STATE_READ_ONLY, "read-only"),
                                (pyatspi.STATE_HAS_POPUP, "has popup"))
             if states.contains(s)]
    try:
        action = node.queryAction()
        actions = [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        actions = []
    out = f'{node.getRoleName()} "{node.name}"'
    if marks:
        out += " [" + ", ".join(marks) + "]"
    if actions:
        out += " actions: " + ", ".join(actions)
    return out


def find(app, role, name):
    for node, _ in walk(app):
        if node.getRoleName() == role and node.name == name and node.getState().contains(pyatspi.STATE_SHOWING):
            return node
    return None


def main(argv):
    command, app_name = argv[1], argv[2]
    app = application(app_name)
    if app is None:
        print(f"no application {app_name!r} on the accessibility bus", file=sys.stderr)
        return 2
    if command == "tree":
        for node, depth in walk(app):
            print("  " * depth + describe(node))
        return 0
    node = find(app, argv[3], argv[4])
    if node is None:
        return 1
    if command == "find":
        print(describe(node))
        return 0
    if command == "press":
        action = node.queryAction()
        if action.nActions < 1:
            return 1
        return 0 if action.doAction(0) else 1
    if command == "text":
        text = node.queryText()
        print(text.getText(0, -1))
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))

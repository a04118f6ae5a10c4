#!/usr/bin/python3
"""Reads a running Kovalin program's windows over the accessibility bus, as a screen reader does, and lists
every input, list and result box with the name it is read by. Fails when one has no name.

    accessible_names.py PROGRAM [--open-main]

--open-main: the program is VT_Kovalin; choose degree 2 in its new-equation dialog, press OK and read the
main window too.
"""
import sys
import time

import pyatspi

INPUT_ROLES = {
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_DOCUMENT_TEXT,
}


def find_app(name, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.3)
    sys.exit(f"{name} never appeared on the accessibility bus")


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def inputs_of(window):
    """(role, name) of each input of the window; a combo box's own text part is named with it."""
    found = []
    for node, _ in walk(window):
        role = node.getRole()
        if role not in INPUT_ROLES:
            continue
        parent = node.parent
        if parent is not None and parent.getRole() in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SCROLL_PANE) \
                and role != pyatspi.ROLE_LIST:
            continue
        if role == pyatspi.ROLE_SCROLL_BAR and not node.getState().contains(pyatspi.STATE_FOCUSABLE):
            continue  # the bars a scrolling view brings along
        found.append((node.getRoleName(), node.name))
    return found


def report(window):
    print(f"== {window.name}")
    unnamed = 0
    for role, name in inputs_of(window):
        print(f"   {role:12} {name!r}")
        unnamed += not name.strip()
    return unnamed


def by_name(window, role, name):
    for node, _ in walk(window):
        if node.getRole() == role and node.name == name:
            return node
    sys.exit(f"no {role} named {name!r} in {window.name}")


def open_main(app):
    dialog = app.getChildAtIndex(0)
    degree = by_name(dialog, pyatspi.ROLE_COMBO_BOX, "Degree of equation")
    # The drop-down list's entries sit in its list; choosing the second is degree 2.
    for node, _ in walk(degree):
        if node.getRole() == pyatspi.ROLE_LIST:
            node.querySelection().selectChild(1)
            break
    ok = by_name(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK")
    ok.queryAction().doAction(0)
    end = time.time() + 10
    while time.time() < end:
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and window.name.startswith("Kovalin - Equation Solver"):
                return window
        time.sleep(0.3)
    sys.exit("the main window never opened")


def main():
    app = find_app(sys.argv[1])
    time.sleep(1)
    unnamed = 0
    for i in range(app.childCount):
        unnamed += report(app.getChildAtIndex(i))
    if "--open-main" in sys.argv[2:]:
        unnamed += report(open_main(app))
    if unnamed:
        sys.exit(f"{unnamed} input(s) without a name")
    print("every input has a name")


if __name__ == "__main__":
    main()

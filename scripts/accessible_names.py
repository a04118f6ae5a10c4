#!/usr/bin/python3
"""Reads a running Kovalin program's windows over the accessibility bus, as a screen reader does, and lists
every input, list and result box with the name it is read by. Fails when one has no name.

    accessible_names.py PID [--open-main]

--open-main: the program is VT_Kovalin; choose degree 2 in its new-equation dialog, press OK and read the
main window too; then type x^2 - 3x + 2 into its boxes, press Ctrl+E in a coefficient box (a real key press)
and read the results window that opens.
"""
import subprocess
import sys
import time

import pyatspi

INPUT_ROLES = {
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_DOCUMENT_TEXT,
}


def find_app(pid, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == pid and app.childCount > 0:
                return app
        time.sleep(0.3)
    sys.exit(f"process {pid} never appeared on the accessibility bus")


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
        if parent is not None and parent.getRole() == pyatspi.ROLE_COMBO_BOX:
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
    # As the user does: Tab to the list, then the arrow keys (the first press chooses 1, the next 2). Xvfb runs
    # no window manager, so the dialog's window is given the keyboard first.
    windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(app.get_process_id())],
                             capture_output=True, text=True).stdout.split()
    for window in windows:
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=False)
    for _ in range(20):
        if degree.getState().contains(pyatspi.STATE_FOCUSED):
            break
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        time.sleep(0.2)
    else:
        sys.exit("the Tab key never reached the degree list")
    subprocess.run(["xdotool", "key", "Down", "Down"], check=True)
    time.sleep(0.5)
    ok = by_name(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK")
    ok.queryAction().doAction(0)
    end = time.time() + 10
    while time.time() < end:
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and window.name.startswith("Kovalin - Equation Solver"):
                return window
        time.sleep(0.3)
    shown = [app.getChildAtIndex(i).name for i in range(app.childCount)]
    sys.exit(f"the main window never opened; windows: {shown}")


def solve_with_ctrl_e(app, main_window):
    """Types the coefficients from the leading box on, goes back into a box and presses Ctrl+E there."""
    for window in subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Equation Solver"],
                                 capture_output=True, text=True).stdout.split():
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=False)
    time.sleep(0.5)
    for keys in (["type", "1"], ["key", "Tab"], ["type", "--", "-3"], ["key", "Tab"], ["type", "2"],
                 ["key", "shift+Tab"], ["key", "ctrl+e"]):
        subprocess.run(["xdotool", *keys], check=True)
        time.sleep(0.2)
    end = time.time() + 10
    while time.time() < end:
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and window.name != main_window.name and window.getState().contains(
                    pyatspi.STATE_SHOWING) and not window.name.startswith("Kovalin -  [New"):
                return window
        time.sleep(0.3)
    boxes = [(n.name, n.queryText().getText(0, -1)) for n, _ in walk(main_window)
             if n.getRole() == pyatspi.ROLE_TEXT and n.name.startswith("Coefficient")]
    shown = [app.getChildAtIndex(i).name for i in range(app.childCount)]
    sys.exit(f"Ctrl+E in a coefficient box opened no results window; boxes {boxes}, windows {shown}")


def main():
    app = find_app(int(sys.argv[1]))
    time.sleep(1)
    unnamed = 0
    for i in range(app.childCount):
        unnamed += report(app.getChildAtIndex(i))
    if "--open-main" in sys.argv[2:]:
        main_window = open_main(app)
        unnamed += report(main_window)
        results = solve_with_ctrl_e(app, main_window)
        unnamed += report(results)
        roots = by_name(results, pyatspi.ROLE_LIST, "Roots")
        print("   roots listed:", [roots.getChildAtIndex(i).name for i in range(roots.childCount)])
    if unnamed:
        sys.exit(f"{unnamed} input(s) without a name")
    print("every input has a name")


if __name__ == "__main__":
    main()

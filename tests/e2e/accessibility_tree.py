#!/usr/bin/python3
# Walks the accessibility tree of a running Motorhall over AT-SPI as a screen reader does, checks
# the names and roles the window gives its controls, then puts a vehicle into the empty local
# folder and presses the local pane's Refresh button through its Press action: the "Local Files"
# list must then show it. accessibility_tree.py <local folder> <vehicle file>. Exit code 0 when
# everything was found as expected; each fault is printed.
import os
import shutil
import sys
import time

import pyatspi

BUTTONS = ["Choose the local folder", "Choose the navigator folder", "Find the navigator",
           "Refresh the local files", "Refresh the navigator's files", "Minimise", "Close"]


def find_application(timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            for window in app:
                if window is not None and window.name == "Motorhall":
                    return window
        time.sleep(0.5)
    return None


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def list_named(window, name):
    for node, _ in walk(window):
        if node.getRole() == pyatspi.ROLE_LIST and node.name == name:
            return node
    return None


def main():
    local_folder, vehicle = sys.argv[1], sys.argv[2]
    window = find_application(30)
    if window is None:
        print("no window named Motorhall on the accessibility bus")
        return 1
    faults = []
    nodes = list(walk(window))
    buttons = {n.name: n for n, _ in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
    for name in BUTTONS:
        if name not in buttons:
            faults.append("no button named %r (buttons: %s)" % (name, sorted(buttons)))
    lists = {n.name: n for n, _ in nodes if n.getRole() == pyatspi.ROLE_LIST}
    for name in ("Local Files", "Garmin Files"):
        if name not in lists:
            faults.append("no list named %r" % name)
    garmin = lists.get("Garmin Files")
    if garmin is not None:
        items = [child for child in garmin if child is not None]
        if not items:
            faults.append("the Garmin list has no items")
        for item in items:
            if item.getRole() != pyatspi.ROLE_LIST_ITEM or ", GARMIN BITMAP 01, " not in item.name:
                faults.append("list item %r with role %s" % (item.name, item.getRoleName()))
    local = lists.get("Local Files")
    if local is not None and local.childCount != 0:
        faults.append("the empty local folder shows %d items" % local.childCount)
    unnamed_fillers = [n for n, _ in nodes if n.getRole() == pyatspi.ROLE_FILLER and not n.name]
    print("%d objects, %d unnamed fillers" % (len(nodes), len(unnamed_fillers)))
    refresh = buttons.get("Refresh the local files")
    if refresh is not None:
        action = refresh.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if "Press" not in names and "press" not in names:
            faults.append("Refresh offers no Press action: %s" % names)
        else:
            index = names.index("Press" if "Press" in names else "press")
            shutil.copy(vehicle, os.path.join(local_folder, "Pressed.srf"))
            if not action.doAction(index):
                faults.append("the Press action of Refresh failed")
            deadline = time.monotonic() + 20
            names = []
            while time.monotonic() < deadline:
                local = list_named(window, "Local Files")
                names = [c.name for c in local if c is not None] if local is not None else []
                if names:
                    break
                time.sleep(0.3)
            if not names or not names[0].startswith("Pressed.srf, "):
                faults.append("after Press the local list shows %s" % names)
    for fault in faults:
        print(fault)
    if not faults:
        print("the window, its buttons and its lists are named; Refresh was pressed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

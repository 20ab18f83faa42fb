"""The AT-SPI side of scripts/check-atspi: what a screen reader finds in the running window, and whether the Secure
Access switch works through the bus."""
import json
import sys
import time

import pyatspi

AGENT_LOG = sys.argv[1]
APP_NAME = "vexaui"


def wait_for(what, probe, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"check-atspi: timed out waiting for {what}")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        child = desktop.getChildAtIndex(index)
        if child is not None and child.childCount > 0:
            return child
    return None


def walk(node, depth=0, lines=None, nameless=None):
    lines = [] if lines is None else lines
    nameless = [] if nameless is None else nameless
    state = node.getState()
    if not state.contains(pyatspi.STATE_SHOWING) and depth > 1:
        return lines, nameless
    role = node.getRoleName()
    lines.append("  " * depth + f"{role}: {node.name!r}" + (f" ({node.description})" if node.description else ""))
    if state.contains(pyatspi.STATE_FOCUSABLE) and not node.name:
        nameless.append(f"{role} at depth {depth}")
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            walk(child, depth + 1, lines, nameless)
    return lines, nameless


def find(node, predicate):
    if predicate(node):
        return node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            found = find(child, predicate)
            if found is not None:
                return found
    return None


def requests():
    try:
        with open(AGENT_LOG, encoding="utf-8") as log:
            return [json.loads(line) for line in log if line.strip()]
    except FileNotFoundError:
        return []


def toggle_requests():
    return [r for r in requests() if "enable_secconn_status" in json.dumps(r)]


def press(node):
    actions = node.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    actions.doAction(names.index("press"))
    time.sleep(1)


def visible_button(app, *names):
    wanted = [name.lower() for name in names]
    return find(app, lambda n: n.getRoleName() == "push button" and (n.name or "").lower() in wanted
                and n.getState().contains(pyatspi.STATE_SHOWING))


def dump(app, screen):
    lines, nameless = walk(app)
    print(f"== {screen}")
    print("\n".join(lines))
    return [f"{screen}: {item}" for item in nameless]


def main():
    app = wait_for("the window on the accessibility bus", application)
    wait_for("the window to show", lambda: find(app, lambda n: n.getRoleName() == "frame"
                                                 and n.getState().contains(pyatspi.STATE_SHOWING)))
    switch = wait_for(
        "the Secure Access switch",
        lambda: find(app, lambda n: n.name == "Secure Access" and n.getRoleName() in ("check box", "toggle button")
                     and n.getState().contains(pyatspi.STATE_ENABLED)))
    nameless = dump(app, "home")

    before = len(toggle_requests())
    actions = switch.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    if "toggle" not in names:
        sys.exit(f"check-atspi: the switch offers {names}, not toggle")
    actions.doAction(names.index("toggle"))
    wait_for("the agent to receive the switch's request", lambda: len(toggle_requests()) > before, 10)
    print(f"check-atspi: the switch's toggle action reached the agent: {toggle_requests()[-1]}")
    wait_for("the switch to show the agent's answer", lambda: switch.getState().contains(pyatspi.STATE_CHECKED), 10)
    print("check-atspi: the switch reports checked once the agent connected")

    press(wait_for("the Settings button", lambda: visible_button(app, "Settings")))
    nameless += dump(app, "settings")
    for row in (("Notification", "Notifications"), ("View all devices",), ("Feedback",)):
        button = visible_button(app, *row)
        if button is None:
            continue
        press(button)
        nameless += dump(app, row[-1])
        press(wait_for("the Back button", lambda: visible_button(app, "Back")))
    if nameless:
        sys.exit("check-atspi: focusable objects without a name:\n  " + "\n  ".join(nameless))
    print("check-atspi: every focusable object on every screen has a name")


main()

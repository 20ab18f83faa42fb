"""The driver of scripts/check-orca: plays each change a blind user must hear and waits for Orca to speak it.

Expected texts come from the translation catalogue (the source text in English, its translation otherwise), found
by a pattern rather than quoted, so that a reworded message still finds its line. Spoken text is compared loosely:
case, blanks and punctuation aside. Each row waits for its line with a bounded timeout and then checks that the
line was not spoken twice for the one change."""
import os
import re
import subprocess
import sys
import time
import unicodedata
import xml.etree.ElementTree as ElementTree

import pyatspi
from gi.repository import GLib

LANGUAGE = sys.argv[1]
WORK = os.environ["ORCA_WORK"]
BUILD = os.environ["VEXAUI_BUILD"]
SPOKEN = os.path.join(WORK, "spoken.log")
AGENT_PORT = 8004
failures = []


def fail(message):
    earlier = "".join(f"\n  {failure}" for failure in failures)
    sys.exit(f"check-orca [{LANGUAGE}]: {message}{earlier}")


def wait_for_maybe(probe, seconds):
    """What probe finds within the time, or None."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    return None


def wait_for(what, probe, seconds=20):
    return wait_for_maybe(probe, seconds) or fail(f"timed out waiting for {what}")


def catalogue():
    if LANGUAGE == "en":
        return None
    tree = ElementTree.parse(f"resources/translations/vexaui_{LANGUAGE}.ts")
    return {m.findtext("source"): (m.findtext("translation") or "") for m in tree.iter("message")}


CATALOGUE = catalogue()
ENGLISH_SOURCES = [m.findtext("source") for m in
                   ElementTree.parse("resources/translations/vexaui_es.ts").iter("message")]


class Said(str):
    """A text the agent gives (a gateway's place, a peer's name): heard as it is in every language."""


class Opening(str):
    """A pattern whose text is heard from its first sentence on: speech-dispatcher speaks each sentence apart."""


def translated(source):
    return source if CATALOGUE is None else CATALOGUE.get(source) or source


def texts(pattern):
    """The window's texts for the English source texts that match pattern, in the window's language, each as its
    parts between placeholders."""
    if isinstance(pattern, Said):
        return [(loose(pattern),)]
    found = []
    for source in ENGLISH_SOURCES:
        if source and re.fullmatch(pattern, source):
            text = translated(source)
            if isinstance(pattern, Opening):
                text = re.split(r"(?<=[.!?])\s", text, maxsplit=1)[0]
            found.append(tuple(loose(part) for part in re.split(r"%[0-9n]", text) if loose(part)))
    if not found:
        fail(f"no text in the catalogue matches {pattern!r}")
    return found


def holds(line, parts):
    at = 0
    for part in parts:
        at = line.find(part, at)
        if at < 0:
            return False
        at += len(part)
    return True


def times(line, parts):
    return line.count(parts[0]) if len(parts) == 1 else int(holds(line, parts))


def loose(text):
    text = unicodedata.normalize("NFC", text).casefold()
    return " ".join("".join(c if c.isalnum() else " " for c in text).split())


class Speech:
    def __init__(self):
        self.seen = 0

    def lines(self):
        with open(SPOKEN, encoding="utf-8", errors="replace") as log:
            return [line.rstrip("\n") for line in log]

    def mark(self):
        self.seen = len(self.lines())

    def since_mark(self):
        return self.lines()[self.seen:]

    def quiet(self, seconds=1.5, longest=15):
        """Waits until nothing more is spoken for a while: what a step before a row says is not the row's."""
        deadline = time.monotonic() + longest
        count, since = len(self.lines()), time.monotonic()
        while time.monotonic() < deadline and time.monotonic() - since < seconds:
            time.sleep(0.1)
            if len(self.lines()) != count:
                count, since = len(self.lines()), time.monotonic()

    def heard(self, pattern, seconds=15):
        """Waits for a line that holds one of the texts pattern names; returns it."""
        wanted = texts(pattern)

        def probe():
            for line in self.since_mark():
                if any(holds(loose(line), w) for w in wanted):
                    return line
            return None

        return wait_for_maybe(probe, seconds)


speech = Speech()


def start_agent(scenario="enrolled"):
    """The stand-in agent on the window's port; another check on this machine may hold it for a while."""
    deadline = time.monotonic() + 180
    while True:
        agent = subprocess.Popen([f"{BUILD}/agentsim/vexa-agent-sim", "--scenario", scenario, "--port",
                                  str(AGENT_PORT), "--log", os.path.join(WORK, f"agent-{LANGUAGE}-{scenario}.jsonl")],
                                 stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                 text=True, bufsize=1)
        first = agent.stdout.readline()
        if first.startswith("listening"):
            return agent
        agent.wait()
        if time.monotonic() > deadline:
            fail(f"the agent's port {AGENT_PORT} stayed busy")
        time.sleep(2)


def console(agent, command):
    agent.stdin.write(command + "\n")
    agent.stdin.flush()


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        child = desktop.getChildAtIndex(index)
        if child is not None and child.get_process_id() == pid and child.childCount > 0:
            return child
    return None


def find(node, predicate):
    """The first object under node, node included, that predicate holds for. A list drops its rows when new ones
    come: an object gone while it is being looked at is passed over, as if it had never been there."""
    try:
        if predicate(node):
            return node
        children = [node.getChildAtIndex(index) for index in range(node.childCount)]
    except GLib.GError:
        return None
    for child in children:
        if child is not None:
            found = find(child, predicate)
            if found is not None:
                return found
    return None


def focus_window(app, pid):
    """Gives the main window the keyboard, as a click would; there is no window manager to do it. The splash screen
    comes and goes first, so this is retried until the frame says it is active."""
    for wid in subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], capture_output=True,
                              text=True).stdout.split():
        subprocess.run(["xdotool", "windowfocus", wid], check=False, capture_output=True)
    time.sleep(0.2)
    return find(app, lambda n: n.getRoleName() == "frame" and n.getState().contains(pyatspi.STATE_ACTIVE))


def action(node, name):
    actions = node.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    actions.doAction(names.index(name))


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def row(title, play, *patterns, once=True, seconds=15, unheard=()):
    """One change: play it, wait for each pattern's line in turn, then check none was spoken twice and none of
    Orca's own words in unheard was spoken."""
    speech.mark()
    play()
    lines = []
    for pattern in patterns:
        line = speech.heard(pattern, seconds)
        if line is None:
            failures.append(f"{title}: nothing like {texts(pattern)} was spoken; heard {speech.since_mark()}")
            print(f"FAIL {title}")
            return
        lines.append(line)
    if once:
        # Whatever repeats comes in the same burst; the next row's own line shows the burst is over.
        settle_until = time.monotonic() + 1.5
        while time.monotonic() < settle_until:
            time.sleep(0.1)
        for pattern in patterns:
            wanted = texts(pattern)
            count = sum(max(times(loose(line), w) for w in wanted) for line in speech.since_mark())
            if count > 1:
                failures.append(f"{title}: spoken {count} times: {speech.since_mark()}")
                print(f"FAIL {title} (repeated)")
                return
    for words in unheard:
        if any(holds(loose(line), (loose(words),)) for line in speech.since_mark()):
            failures.append(f"{title}: {words!r} was spoken: {speech.since_mark()}")
            print(f"FAIL {title} ({words!r})")
            return
    print(f"ok   {title}: {' | '.join(lines)}")


def focused(app):
    return find(app, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED))


def showing_button(app, pattern):
    """The push button a user can reach whose name is the window's text for pattern."""
    names = [" ".join(parts) for parts in texts(pattern)]

    def usable(node):
        state = node.getState()
        return (node.getRoleName() == "push button" and loose(node.name) in names
                and state.contains(pyatspi.STATE_SHOWING) and state.contains(pyatspi.STATE_FOCUSABLE))
    found = wait_for_maybe(lambda: find(app, usable), 20)
    if not found:
        buttons = []
        find(app, lambda n: n.getRoleName() == "push button" and buttons.append(
            f"{n.name} {[pyatspi.stateToString(x) for x in n.getState().getStates()]}") and False)
        fail(f"no usable button {pattern!r} among {buttons}")
    return found


def lands_on(app, what, predicate):
    """Fails the row unless the keyboard ends up where predicate says."""
    if wait_for_maybe(lambda: (lambda node: node is not None and predicate(node))(focused(app)), 5):
        return
    node = focused(app)
    failures.append(f"{what}: the keyboard is on {node.getRoleName() + ' ' + node.name if node else 'nothing'}")
    print(f"FAIL {what} (focus)")


def focus_comes_back(app, agent, switch):
    """The switch the keyboard was on goes with the agent's link and gets the keyboard back when it returns. Orca
    says nothing for focus that comes back to where it was: the state is what is heard."""
    switch.queryComponent().grabFocus()
    time.sleep(1)
    row("agent gone again", lambda: console(agent, "disconnect"), r"Application service unavailable")
    row("back: the keyboard on the switch again", lambda: None, r"You're connected!", seconds=30)
    lands_on(app, "back: the keyboard on the switch again", lambda node: node.getRoleName() == "check box")


def heard_across(title, pattern, seconds=15):
    """A text Orca speaks in several utterances (one a sentence): found in the lines since the mark, joined."""
    wanted = texts(pattern)
    if wait_for_maybe(lambda: any(holds(loose(" ".join(speech.since_mark())), w) for w in wanted), seconds):
        print(f"ok   {title}: {' | '.join(speech.since_mark())}")
        return
    failures.append(f"{title}: nothing like {wanted} was spoken; heard {speech.since_mark()}")
    print(f"FAIL {title}")


def settings_and_feedback(app, pid):
    """Settings and its feedback form: each screen read by its name with the control the keyboard lands on; the
    refused form says why with the field; the ticket read from the box; back at the row the form was opened from."""
    showing_button(app, r"Settings").queryComponent().grabFocus()
    time.sleep(1)
    row("Settings opened", lambda: key("Return"), r"Settings", r"Back")
    lands_on(app, "Settings opened", lambda node: node.getRoleName() == "push button")
    showing_button(app, r"Feedback").queryComponent().grabFocus()
    time.sleep(1)
    row("feedback opened", lambda: key("Return"), r"Feedback", r"SUBJECT")
    lands_on(app, "feedback opened", lambda node: node.getRoleName() == "text")
    submit = showing_button(app, r"Submit")
    submit.queryComponent().grabFocus()
    time.sleep(1)
    # The field is read with what is wrong with it; the line under it is not read again on its own.
    row("feedback refused", lambda: key("Return"), r"Enter a subject\.")
    lands_on(app, "feedback refused", lambda node: node.getRoleName() == "text")
    subprocess.run(["xdotool", "type", "--delay", "50", "Orca"], check=True)
    submit.queryComponent().grabFocus()
    time.sleep(1)
    speech.mark()
    key("Return")
    heard_across("feedback sent", r"Your feedback has been submitted\. Ticket ID: %1")
    time.sleep(1.5)
    result = texts(r"Your feedback has been submitted\. Ticket ID: %1")[0][0]
    if loose(" ".join(speech.since_mark())).count(result) > 1:
        failures.append(f"feedback sent: the result spoken twice: {speech.since_mark()}")
        print("FAIL feedback sent (repeated)")
    # Without a window manager nothing gives the window the keyboard back when the box goes: the driver does.
    row("box closed: back at the feedback row", lambda: (key("Return"), time.sleep(1), focus_window(app, pid)),
        r"Feedback")
    lands_on(app, "box closed: back at the feedback row", lambda node: loose(node.name) in
             [" ".join(parts) for parts in texts(r"Feedback")])


def sub_screen_and_back(app):
    """A sub-screen read by its title with Back, where the keyboard lands; Back at the row it was opened from. (The
    gateway screen, whose Apply leads home, is not offered by the shipped brand: its test is in-process.)"""
    showing_button(app, r"View all devices").queryComponent().grabFocus()
    time.sleep(1)
    row("peer devices opened", lambda: key("Return"), r"Peer Devices", r"Back")
    lands_on(app, "peer devices opened", lambda node: node.getRoleName() == "push button")
    row("back at the peer devices row", lambda: key("Escape"), r"View all devices")


def enrollment():
    """A new device: approval pending, then approved: each screen read by its purpose with the first control."""
    agent = start_agent("approval-required")
    window = start_window("orcaenroll")
    try:
        app = wait_for("the window on the accessibility bus", lambda: application(window.pid))
        wait_for("the window to take the keyboard", lambda: focus_window(app, window.pid))
        time.sleep(3)
        row("approval pending", lambda: console(agent, "scan"), r"Activation is pending.*",
            r"Check activation status", seconds=30)
        lands_on(app, "approval pending", lambda node: node.getRoleName() == "push button")
        row("enrollment finished", lambda: console(agent, "approve"), r"Secure Access", seconds=30)
        # The home screen's headline is read with the screen where it has three words or more (Orca's rule for a
        # panel's texts), and is not told again as news.
        headline = texts(r"You're not connected")[0][0]
        if loose(" ".join(speech.since_mark())).count(headline) > 1:
            failures.append(f"enrollment finished: the headline spoken twice: {speech.since_mark()}")
            print("FAIL enrollment finished (headline repeated)")
        lands_on(app, "enrollment finished", lambda node: node.getRoleName() == "check box")
    finally:
        window.terminate()
        window.wait()
        agent.kill()
        agent.wait()


def showing(app, role, source):
    """The showing object of that role named by the window's text for source."""
    name = translated(source)
    return find(app, lambda n: n.getRoleName() == role and n.name == name
                and n.getState().contains(pyatspi.STATE_SHOWING))


def press(app, source):
    button = wait_for(f"the {source!r} button", lambda: showing(app, "push button", source))
    action(button, "press")


def open_list(app, row_caption, title):
    """From the settings page, the sub-screen of that row, once its list has rows."""
    press(app, row_caption)
    wait_for(f"the {title!r} list", lambda: (lambda rows: rows and rows.childCount > 0)(
        showing(app, "list", title)))
    speech.quiet()


def enter_list(app):
    """Tab from the sub-screen's Back button into its list, as the keyboard enters it. An opened sub-screen has the
    keyboard on its Back button already."""
    back = translated("Back")
    if not wait_for_maybe(lambda: (lambda node: node is not None and node.name == back)(focused(app)), 5):
        showing(app, "push button", "Back").queryComponent().grabFocus()
        time.sleep(0.5)
    key("Tab")


def list_rows(app, agent):
    """The lists of the settings screens: entering one reads the row the keyboard is on, the first Down reads the
    next one, a gateway is neither "checked" nor named twice, findings are headings and items without "bullet",
    and a peer's copy is confirmed."""
    console(agent, "gateway use fra-01")
    console(agent, "generate findings 1")
    time.sleep(1)
    press(app, "Settings")

    open_list(app, "Access Gateway", "Preferred Gateway")
    row("entering the gateway list", lambda: enter_list(app), Said("Frankfurt 1, DE"), r"In use",
        unheard=("checked", "Frankfurt 1, DE, Frankfurt 1"))
    row("first Down in the gateway list", lambda: key("Down"), Said("Frankfurt 2, DE"), unheard=("checked",))
    press(app, "Back")

    open_list(app, "Notifications", "Notifications")
    row("entering the findings list", lambda: enter_list(app), r"Programs", Said("heading"))
    row("a findings heading", lambda: key("Down"), r"Malicious Applications Installed", Said("heading"))
    row("a finding", lambda: key("Down"), Said("program-finding-1"), unheard=("bullet",))
    press(app, "Back")

    open_list(app, "View all devices", "Peer Devices")
    row("entering the peer list", lambda: enter_list(app), Said("ws-0142.acme-industries.vexa"))
    row("first Down in the peer list", lambda: key("Down"), Said("ws-0187.acme-industries.vexa"))
    row("a peer's address copied", lambda: key("Return"), r"Copied")
    press(app, "Back")


def start_window(user):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               LANGUAGE=LANGUAGE, LC_ALL="C.UTF-8" if LANGUAGE == "en" else f"{LANGUAGE}_ES.UTF-8",
               LANG="C.UTF-8" if LANGUAGE == "en" else f"{LANGUAGE}_ES.UTF-8")
    log = open(os.path.join(WORK, f"vexaui-{LANGUAGE}-{user}.log"), "w")
    return subprocess.Popen([f"{BUILD}/vexaui", "-a", "true", "-u", f"{user}{LANGUAGE}"], env=env,
                            stdout=log, stderr=subprocess.STDOUT)


def qr_rows():
    """A device not enrolled, on the QR screen: its purpose and its code area are heard with its one control."""
    agent = start_agent("default")
    window = start_window("orcaqr")
    try:
        app = wait_for("the window on the accessibility bus", lambda: application(window.pid))
        wait_for("the QR screen", lambda: showing(app, "push button", "Regenerate QR"))
        row("the QR screen's purpose and code", lambda: wait_for("the window to take the keyboard",
                                                                  lambda: focus_window(app, window.pid)),
            r"Activation by QR code", Opening(r"Scan the code below with your phone\..*"),
            r"QR code ready to scan|Waiting for a new code")
    finally:
        window.terminate()
        window.wait()
        agent.kill()
        agent.wait()


def main():
    agent = start_agent()
    window = start_window("orca")
    try:
        app = wait_for("the window on the accessibility bus", lambda: application(window.pid))
        switch = wait_for("the Secure Access switch", lambda: find(
            app, lambda n: n.getRoleName() == "check box" and n.getState().contains(pyatspi.STATE_ENABLED)))
        wait_for("the window to take the keyboard", lambda: focus_window(app, window.pid))
        speech.mark()

        # "You're connecting..." lasts until the agent's first phase, a few milliseconds later: by the time Orca asks
        # for the text, the phase is there. The phases and the end are heard.
        row("switch on by its AT-SPI action", lambda: action(switch, "toggle"), r"Creating session",
            r"You're connected!")
        row("switch off by Space", lambda: (switch.queryComponent().grabFocus(), key("space")),
            r"You're not connected")
        row("on by the agent", lambda: console(agent, "tunnel up"), r"You're connected!", seconds=20)
        row("network blocked", lambda: console(agent, "notice block"), r"Internet access is blocked\.")
        row("network enabled", lambda: console(agent, "notice enable"), r"Internet access is enabled\.")
        row("network to be blocked", lambda: console(agent, "notice warn 600"),
            r"Internet access will be blocked at %1\.")
        # The agent drops the link rather than stopping: a stopped agent frees the port, which another stand-in on
        # this machine may take before ours is back. The switch, which has the keyboard since Space, is neither on
        # nor off while the link is down, and the window's next attempt (5 s later) finds the agent again.
        row("agent gone", lambda: console(agent, "disconnect"), r"Application service unavailable",
            unheard=("not checked",))
        row("agent back", lambda: None, r"You're connected!", seconds=30)
        focus_comes_back(app, agent, switch)
        list_rows(app, agent)
        # The lists end on Settings; the next rows start at home.
        wait_for("the settings page", lambda: showing(app, "push button", "Access Gateway"))
        press(app, "Back")
        settings_and_feedback(app, window.pid)
        sub_screen_and_back(app)
    finally:
        window.terminate()
        window.wait()
        agent.kill()
        agent.wait()
    enrollment()
    qr_rows()
    print("\n".join(speech.lines()), file=open(os.path.join(WORK, f"all-{LANGUAGE}.txt"), "w"))
    if failures:
        fail(f"{len(failures)} row(s) not heard as they should be:")


main()

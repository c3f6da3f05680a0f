#!/usr/bin/env python3
"""Plays part of a game through the AT-SPI tree, as a screen reader sees it.

Run by tests/a11y/run-check inside a private session bus with the accessibility
registry and the game already started. It rolls, holds a die, rolls again and
writes a line, all through the tree's own actions, and checks after each step
that the dice, the counters, a free line's hint and the announcements agree with
one another and with the rules. Exits non-zero with the reason on any mismatch.
"""

import re
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 20.0


def fail(message):
    print("a11y check FAILED: " + message, file=sys.stderr)
    sys.exit(1)


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, probe):
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        pump(0.2)
    fail("timed out waiting for " + what)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def game_window():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "Tolmir":
            for window in app:
                if window is not None and window.getRoleName() == "frame":
                    return window
    return None


def find(window, role, pattern):
    regex = re.compile(pattern)
    return [n for n in descendants(window) if n.getRoleName() == role and regex.fullmatch(n.name)]


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "Toggle", "toggle"):
            action.doAction(i)
            return
    fail("no press action on " + node.name)


def dice(window):
    """The five dice as (value, held), left to right, read from their names and states."""
    found = {}
    for node in find(window, "check box", r"Die [1-5], [1-6]"):
        key, value = re.fullmatch(r"Die ([1-5]), ([1-6])", node.name).groups()
        held = node.getState().contains(pyatspi.STATE_CHECKED)
        found[int(key)] = (int(value), held)
    if sorted(found) != [1, 2, 3, 4, 5]:
        fail("expected five dice named 'Die N, V', found %r" % sorted(found))
    return [found[k] for k in range(1, 6)]


def die_node(window, key):
    return find(window, "check box", r"Die %d, [1-6]" % key)[0]


def label(window, pattern):
    nodes = find(window, "label", pattern)
    if len(nodes) != 1:
        fail("expected one label matching %r, found %r" % (pattern, [n.name for n in nodes]))
    return nodes[0].name


def score_cell(window, line):
    """The score cell of a sheet line, read through the table interface."""
    sheet = [n for n in descendants(window) if n.getRoleName() == "table"][0]
    table = sheet.queryTable()
    for row in range(table.nRows):
        # The score cell names its line; the label cell says nothing.
        name = table.getAccessibleAt(row, 1).name
        if name.split(", ")[0] == line:
            return name
    fail("no sheet line " + line)


class Announcements:
    """Names of the notification object as sent with its events."""

    def __init__(self):
        self.heard = []
        pyatspi.Registry.registerEventListener(
            self.on_event, "object:property-change:accessible-name", "object:state-changed:showing"
        )

    def on_event(self, event):
        try:
            if event.source.getRoleName() == "notification" and (
                event.type.startswith("object:state-changed:showing") and event.detail1 == 1
            ):
                self.heard.append(event.source.name)
        except Exception:  # the source may be gone; nothing to hear then
            pass

    def expect(self, pattern):
        regex = re.compile(pattern)
        heard = wait_for(
            "an announcement matching %r (heard %r)" % (pattern, self.heard),
            lambda: [h for h in self.heard if regex.fullmatch(h)],
        )
        self.heard.clear()
        return heard[-1]


def check_roll(window, announcements, roll):
    said = announcements.expect(r"Roll %d: [1-6]( [1-6]){4}, total \d+(; held [1-6]( [1-6])*)?" % roll)
    values = [v for v, _ in dice(window)]
    held = [v for v, h in dice(window) if h]
    expected = "Roll %d: %s, total %d" % (roll, " ".join(map(str, values)), sum(values))
    if held:
        expected += "; held " + " ".join(map(str, held))
    if said != expected:
        fail("announcement %r disagrees with the dice %r" % (said, dice(window)))
    if label(window, r"Hand Total: \d+") != "Hand Total: %d" % sum(values):
        fail("hand total does not match the dice %r" % values)
    if label(window, r"Rolls: \d") != "Rolls: %d" % roll:
        fail("roll counter is not %d" % roll)
    # A number line would score its number times the dice that show it.
    for number in range(1, 7):
        expected = "%d, free, would score %d" % (number, number * values.count(number))
        spoken = score_cell(window, str(number))
        if spoken != expected:
            fail("line %d says %r, expected %r" % (number, spoken, expected))
    return values


def main():
    window = wait_for("the game's window in the tree", game_window)
    roll_button = wait_for("the Roll Dice button", lambda: find(window, "push button", "Roll Dice"))[0]
    announcements = Announcements()
    if [n.name for n in find(window, "label", "Held")]:
        fail("a hidden Held label is exposed")

    press(roll_button)
    first = check_roll(window, announcements, 1)

    press(die_node(window, 1))
    announcements.expect(r"Die 1, %d, held" % first[0])
    if dice(window)[0] != (first[0], True):
        fail("die 1 is not shown held")
    if len(find(window, "label", "Held")) != 1:
        fail("the shown Held label is not exposed exactly once")

    press(roll_button)
    second = check_roll(window, announcements, 2)
    if second[0] != first[0]:
        fail("the held die changed its value")

    # Write the line "6" through the Game menu, as Ctrl+F6 does.
    items = find(window, "menu item", "6")
    if not items:
        fail("no menu item for the line 6")
    press(items[0])
    score = 6 * second.count(6)
    announcements.expect(r"6: %d written\. Total %d" % (score, score))
    if score_cell(window, "6") != "6, %d" % score:
        fail("the written line does not read %d" % score)
    if any(held for _, held in dice(window)) or label(window, r"Rolls: \d") != "Rolls: 0":
        fail("the new turn is not shown")
    print("a11y check passed: dice %r then %r, line 6 written with %d" % (first, second, score))


if __name__ == "__main__":
    main()

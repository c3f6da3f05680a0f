#!/usr/bin/env python3
"""Plays a whole game by keys only while Orca listens, and checks what it says.

Run by tests/orca/run-orca-check inside a private session bus with the
accessibility registry, a window manager and Orca already started; the game's
path is the argument and Orca's debug log is $ORCA_LOG. The game is the test
build tolmir_fixed_dice, whose clock is fixed (TOLMIR_TEST_CLOCK_MS; the game
that ships reads no such variable) so that its first roll is five of a kind: the
fanfare that then blocks the window must not swallow what is said. Every key is
followed by a wait, with a time limit, for Orca to say what the key did, and
what Orca said is compared with the game's state as its accessibility tree
shows it. At the end the review, the About box and the help are read. Exits
non-zero with the reason on the first mismatch.
"""

import os
import re
import signal
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree

import pyatspi

WAIT = 20.0
SHORTCUTS = {
    "1": "ctrl+F1", "2": "ctrl+F2", "3": "ctrl+F3", "4": "ctrl+F4", "5": "ctrl+F5",
    "6": "ctrl+F6", "Straight": "ctrl+s", "Full": "ctrl+f", "High": "ctrl+h",
    "Low": "ctrl+l", "Tolmir": "ctrl+j",
}
SHEET = ["1", "2", "3", "4", "5", "6", "Sub-Total", "Bonus", "Straight", "Full", "High",
         "Low", "Tolmir", "Total"]
WRITABLE = [line for line in SHEET if line in SHORTCUTS]
TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources",
                            "translations")
# The other language a short game is played in.
OTHER_LANGUAGE = "de"


def fail(message):
    print("orca check FAILED: " + message, file=sys.stderr)
    sys.exit(1)


# The game's random generator, to find a clock whose first roll is five of a kind.
def first_roll(ms):
    seed, values = ms, []
    for _ in range(5):
        seed = (seed * 134775813 + 1) % 2**32
        values.append(1 + (seed * 6 >> 32))
    return values


def five_of_a_kind_clock():
    for ms in range(12 * 3600 * 1000, 24 * 3600 * 1000):
        if len(set(first_roll(ms))) == 1:
            return ms
    fail("no clock gives five of a kind")


class Speech:
    """What Orca has said, read from its debug log."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.heard = []
        self.before = []  # what was said before the last expected utterance

    def read(self):
        try:
            with open(self.path, "rb") as log:
                log.seek(self.offset)
                data = log.read()
        except FileNotFoundError:
            return
        complete = data[: data.rfind(b"\n") + 1]
        self.offset += len(complete)
        for line in complete.decode("utf-8", errors="replace").splitlines():
            found = re.search(r"SPEECH OUTPUT: '(.*)'", line)
            if found and found.group(1).strip():
                self.heard.append(found.group(1))

    def forget(self):
        self.read()
        self.heard.clear()

    def expect(self, pattern, what, wait=WAIT):
        """Waits for an utterance matching pattern; returns its match."""
        regex = re.compile(pattern)
        end = time.monotonic() + wait
        while time.monotonic() < end:
            self.read()
            for i, said in enumerate(self.heard):
                found = regex.search(said)
                if found:
                    self.before = self.heard[:i]
                    del self.heard[: i + 1]
                    return found
            time.sleep(0.05)
        fail("after %s Orca did not say /%s/; it said %r" % (what, pattern, self.heard))


def expect_all(speech, patterns, what):
    """Waits until each pattern has matched an utterance, in any order."""
    found = {}
    end = time.monotonic() + WAIT
    while time.monotonic() < end and len(found) < len(patterns):
        speech.read()
        for pattern in patterns:
            for said in speech.heard:
                match = re.search(pattern, said)
                if match and pattern not in found:
                    found[pattern] = match
        time.sleep(0.05)
    missing = [p for p in patterns if p not in found]
    if missing:
        fail("after %s Orca did not say %r; it said %r" % (what, missing, speech.heard))
    speech.heard.clear()
    return [found[p] for p in patterns]


def key(chord):
    """Presses a chord as a person does: modifiers first, a little time between."""
    keys = chord.split("+")
    for k in keys:
        subprocess.run(["xdotool", "keydown", k], check=True)
        time.sleep(0.04)
    for k in reversed(keys):
        subprocess.run(["xdotool", "keyup", k], check=True)
        time.sleep(0.04)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Tolmir":
            return app
    return None


def wait_for(what, probe):
    end = time.monotonic() + WAIT
    while time.monotonic() < end:
        try:
            found = probe()
        except Exception:  # the tree changes under the probe
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail("timed out waiting for " + what)


def main_window():
    for window in application() or []:
        if window is not None and window.getRoleName() == "frame":
            return window
    return None


def dialog(title):
    for window in application() or []:
        if window is not None and window.getRoleName() == "dialog" and window.name == title:
            if window.getState().contains(pyatspi.STATE_SHOWING):
                return window
    return None


def alert(title):
    for window in application() or []:
        if window is not None and window.getRoleName() == "alert" and window.name == title:
            return window
    return None


class Game:
    def __init__(self, window):
        self.window = window

    def nodes(self, role, pattern):
        """The nodes of a role whose names match, each with the name it had:
        the game answers while it plays a sound, so names may change meanwhile."""
        regex = re.compile(pattern)
        found = []
        for node in descendants(self.window):
            if node.getRoleName() == role:
                match = regex.fullmatch(node.name or "")
                if match:
                    found.append((node, match))
        return found

    def dice(self):
        found = {}
        for node, match in self.nodes("check box", r"Die ([1-5]), ([1-6])"):
            number, value = match.groups()
            found[int(number)] = (int(value), node.getState().contains(pyatspi.STATE_CHECKED))
        if sorted(found) != [1, 2, 3, 4, 5]:
            fail("expected five dice, found %r" % sorted(found))
        return [found[n] for n in range(1, 6)]

    def label(self, pattern):
        nodes = self.nodes("label", pattern)
        if len(nodes) != 1:
            fail("expected one label %r, found %r" % (pattern, [m.group(0) for _, m in nodes]))
        return nodes[0][1].group(0)

    def sheet(self):
        """The score cells as the reader names them, by line (each names its own)."""
        tables = [n for n in descendants(self.window) if n.getRoleName() == "table"]
        if not tables:
            fail("no score sheet in the tree")
        table = tables[0].queryTable()
        cells = [table.getAccessibleAt(r, 1).name for r in range(table.nRows)]
        return {name.split(", ")[0]: name for name in cells}


class Player:
    def __init__(self, game, speech):
        self.game = game
        self.speech = speech
        self.rolls = 0
        self.line = 0  # the sheet's current line

    def press(self, chord, pattern, what=None):
        self.speech.forget()
        key(chord)
        return self.speech.expect(pattern, what or chord)

    def check_roll(self, found):
        said = [int(v) for v in found.group(2).split()]
        values = [v for v, _ in self.game.dice()]
        if said != values:
            fail("Orca said the dice %r, the dice show %r" % (said, values))
        if int(found.group(3)) != sum(values):
            fail("Orca said total %s for the dice %r" % (found.group(3), values))
        if self.game.label(r"Hand Total: \d+") != "Hand Total: %d" % sum(values):
            fail("the hand total does not show %d" % sum(values))
        if self.game.label(r"Rolls: \d") != "Rolls: %d" % self.rolls:
            fail("the roll counter does not show %d" % self.rolls)
        held = [v for v, h in self.game.dice() if h]
        said_held = [int(v) for v in (found.group(4) or "").split()]
        if said_held != held:
            fail("Orca said the held dice %r, the held dice are %r" % (said_held, held))
        sheet = self.game.sheet()
        for number in range(1, 7):
            if sheet[str(number)].startswith("%d, free" % number):
                expected = "%d, free, would score %d" % (number, number * values.count(number))
                if sheet[str(number)] != expected:
                    fail("line %d reads %r, expected %r" % (number, sheet[str(number)], expected))
        return values

    def roll(self):
        self.rolls += 1
        found = self.press("alt+r", r"Roll (%d): ((?:[1-6] ?){5}), total (\d+)"
                           r"(?:; held ((?:[1-6] ?)+))?" % self.rolls)
        return self.check_roll(found)

    def hold(self, number):
        value, held = self.game.dice()[number - 1]
        self.press("F%d" % number, r"Die %d, %d, (held|released)" % (number, value))
        if self.game.dice()[number - 1] != (value, not held):
            fail("F%d did not toggle die %d" % (number, number))

    def written(self, found, line):
        score, total = int(found.group(1)), int(found.group(2))
        sheet = self.game.sheet()
        if sheet[line] != "%s, %d" % (line, score):
            fail("Orca said %s: %d written, the sheet reads %r" % (line, score, sheet[line]))
        if sheet["Total"] != "Total, %d" % total:
            fail("Orca said total %d, the sheet reads %r" % (total, sheet["Total"]))
        self.rolls = 0
        return score

    def write_by_shortcut(self, line):
        found = self.press(SHORTCUTS[line], r"%s: (\d+) written\. Total (\d+)" % re.escape(line))
        return self.written(found, line)

    def free_lines(self):
        sheet = self.game.sheet()
        return [line for line in WRITABLE if sheet[line].startswith(line + ", free")]

    def best_free_line(self):
        sheet = self.game.sheet()
        best, best_score = None, -1
        for line in WRITABLE:
            found = re.fullmatch(r"%s, free, would score (\d+)" % re.escape(line), sheet[line])
            if found and int(found.group(1)) > best_score:
                best, best_score = line, int(found.group(1))
        if best is None:
            fail("no free line shows a hint: %r" % sheet)
        return best

    def write_by_sheet(self, line):
        """Walks the sheet's current line to line with Up or Down, then Enter."""
        sheet = self.game.sheet()
        target = SHEET.index(line)
        while self.line != target:
            step = 1 if target > self.line else -1
            self.line += step
            name = SHEET[self.line]
            self.press("Down" if step > 0 else "Up", re.escape(sheet[name]), "moving to " + name)
            if any(said.rstrip(". ") == name for said in self.speech.before):
                fail("line %s was said twice: %r" % (name, self.speech.before + [sheet[name]]))
        found = self.press("Return", r"%s: (\d+) written\. Total (\d+)" % re.escape(line))
        return self.written(found, line)

    def play_turn(self, by_sheet):
        values = self.roll()
        most = max(range(1, 7), key=values.count)
        if values.count(most) >= 2 and values.count(most) < 5:
            for number, value in enumerate(values, start=1):
                if value == most:
                    self.hold(number)
            self.roll()
        line = self.best_free_line()
        return self.write_by_sheet(line) if by_sheet else self.write_by_shortcut(line)


def main():
    # Stopped from outside (a time limit), the game is still ended below.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("orca check stopped"))
    game_path = sys.argv[1]
    speech = Speech(os.environ["ORCA_LOG"])
    wait_for("Orca to start speaking", lambda: speech.read() or speech.heard)

    clock = five_of_a_kind_clock()
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=os.path.join(os.environ["WORK"], "sound"),
               TOLMIR_TEST_CLOCK_MS=str(clock))
    with open(os.path.join(os.environ["WORK"], "game.log"), "w") as log:
        game_process = subprocess.Popen([game_path], env=env, stdout=log, stderr=log)
    try:
        play(Player(Game(wait_for("the game's window", main_window)), speech))
    finally:
        end(game_process)

    # The same game in another language, from a desktop set to it.
    wait_for("the first game to leave the desktop", lambda: application() is None)
    with open(os.path.join(os.environ["WORK"], "game-%s.log" % OTHER_LANGUAGE), "w") as log:
        game_process = subprocess.Popen([game_path], env=dict(env, LANGUAGE=OTHER_LANGUAGE),
                                        stdout=log, stderr=log)
    try:
        play_in(Texts(OTHER_LANGUAGE), Game(wait_for("the game's window", main_window)), speech)
    finally:
        end(game_process)


def end(game_process):
    game_process.terminate()
    try:
        game_process.wait(10)
    except subprocess.TimeoutExpired:
        game_process.kill()


def play(player):
    speech = player.speech
    speech.expect(r"Roll Dice", "the start of the game")

    # Turn 1: five of a kind on the first roll; the fanfare blocks the window.
    values = player.roll()
    if len(set(values)) != 1:
        fail("the fixed clock did not roll five of a kind: %r" % values)
    first = player.write_by_shortcut("Tolmir")

    # Turn 2: a hold, a write, its undo, nothing more to undo, the write again.
    player.roll()
    player.hold(1)
    player.roll()
    line = player.best_free_line()
    player.write_by_shortcut(line)
    found = player.press("ctrl+z", r"%s: (\d+) undone\. Total (\d+)\. Roll (2): ((?:[1-6] ?){5}), "
                         r"total (\d+)" % re.escape(line))
    if player.game.sheet()[line] != "%s, free, would score %s" % (line, found.group(1)):
        fail("after the undo line %s reads %r" % (line, player.game.sheet()[line]))
    player.press("ctrl+z", r"Nothing to undo")
    player.write_by_shortcut(line)

    # Turn 3: the roll key and a write key pressed together, while the roll sound
    # plays: the write takes the new hand (before the roll it would be refused).
    number = next(line for line in player.free_lines() if line.isdigit())
    speech.forget()
    key("alt+r")
    time.sleep(0.2)
    key(SHORTCUTS[number])
    rolled = speech.expect(r"Roll (1): ((?:[1-6] ?){5}), total (\d+)", "alt+r")
    values = [int(v) for v in rolled.group(2).split()]
    found = speech.expect(r"%s: (\d+) written\. Total (\d+)" % number,
                          SHORTCUTS[number] + " during the roll")
    if int(found.group(1)) != int(number) * values.count(int(number)):
        fail("line %s got %s from the dice %r" % (number, found.group(1), values))
    player.written(found, number)

    # Turn 4: a written line refuses with a word.
    player.roll()
    player.press(SHORTCUTS["Tolmir"], r"Tolmir is already written")
    player.write_by_shortcut(player.best_free_line())

    # The menus by F10 and Alt: the first menu, the arrows, High Scores opened and
    # closed.
    player.press("F10", r"File", "F10")
    player.press("Right", r"Game", "Right on the menu bar")
    player.press("Escape", r"Roll Dice", "Escape on the menu bar")
    player.press("alt", r"File", "Alt alone")
    player.press("Escape", r"Roll Dice", "Escape on the menu bar")
    player.press("F10", r"File", "F10")
    player.press("Return", r"New Game", "Enter on File")
    player.press("Down", r"High Scores", "Down in the File menu")
    player.press("Return", r"High Scores", "Enter on High Scores")
    wait_for("the High Scores dialog", lambda: dialog("High Scores"))
    player.press("Return", r"Roll Dice", "Enter in High Scores")

    # The sheet from its own focus: Tab reaches it, the arrows read its lines.
    player.press("Tab", r"1, ", "Tab to the sheet")
    turn = 5
    while len(player.free_lines()) > 1:
        player.play_turn(by_sheet=turn % 2 == 1)
        turn += 1

    # The last line ends the game: the total and the high score are said, the
    # prompt says it too, and the High Scores list reads the new row.
    values = player.roll()
    line = player.best_free_line()
    speech.forget()
    key(SHORTCUTS[line])
    # In order: the write and the end of the game, then the name prompt.
    written = speech.expect(r"%s: (\d+) written\. Total (\d+)\. Game over\. Total (\d+), "
                            r"a new high score" % re.escape(line), "the last line")
    if any(re.search(r"Player|New high score", said) for said in speech.before):
        fail("the name prompt was said before the end of the game: %r" % speech.before)
    _, prompt = expect_all(speech, [r"Player", r"New high score: (\d+)"], "the last line")
    total = int(written.group(2))
    if int(written.group(3)) != total or int(prompt.group(1)) != total:
        fail("the end of the game said totals %s, %s and %s" % (
            written.group(2), written.group(3), prompt.group(1)))
    if player.game.sheet()["Total"] != "Total, %d" % total:
        fail("the sheet's total is not %d" % total)
    wait_for("the name prompt", lambda: dialog("Tolmir"))
    speech.forget()
    for letter in "Ann":
        key(letter if letter.islower() else "shift+" + letter.lower())
    speech.forget()
    key("Return")
    expect_all(speech, [r"High Scores dialog", r"^Ann\b", r"^%d\b" % total],
               "Enter in the name prompt")
    wait_for("the High Scores dialog", lambda: dialog("High Scores"))
    player.press("Return", r"Roll Dice|Tolmir", "Enter in High Scores")

    read_review(player)
    check_about(player)
    read_help(player)
    rolls = alt_r_never_arms_the_menu_bar(player)
    print("orca check passed: a whole game with five of a kind (%d), total %d; %d rolls with "
          "alt+r" % (first, total, rolls))


def spoken(said):
    """An utterance without the speech settings that Orca logs after it."""
    return re.sub(r"'\s*\[?\{.*$", "", said).strip()


def open_menu_item(player, menu_keys):
    """F10, then each (key, what Orca says) of menu_keys, then Enter."""
    player.press("F10", r"File", "F10")
    for chord, said in menu_keys:
        player.press(chord, said, chord + " in the menus")
    player.speech.forget()
    key("Return")


def read_review(player):
    """Review Game opens by itself once the advisor's table is worked out (which
    may take a while) and says its first row; its rows read one by one, each
    cell with its column."""
    speech = player.speech
    open_menu_item(player, [("Right", r"Game"), ("Return", r"Undo"), ("Up", r"Review Game")])
    speech.expect(r"Review Game dialog", "Enter on Review Game", 240)
    review = wait_for("the Review Game dialog", lambda: dialog("Review Game"))
    tree = wait_for("the review's list", lambda: next(
        n for n in descendants(review) if n.getRoleName() == "tree"))
    table = tree.queryTable()
    rows = [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)]
            for r in range(table.nRows)]
    # The first row is said as the review opens.
    expect_all(speech, [re.escape(cell) for cell in rows[0]], "the review's opening")
    # The list opens on its first row: Down reads the next ones, Up comes back.
    for number, chord in [(1, "Down"), (2, "Down"), (3, "Down"), (2, "Up"), (1, "Up"),
                          (0, "Up")]:
        row = rows[number]
        if not re.fullmatch(r"(Turn|Roll) \d+", row[0]) or not re.fullmatch(
                r"Dice (?:[1-6] ?){5}", row[1]):
            fail("row %d of the review does not say the roll and the dice: %r" % (number, row))
        speech.forget()
        key(chord)
        expect_all(speech, [re.escape(cell) for cell in row], "%s to row %d" % (chord, number))
    player.press("Escape", r"Roll Dice|Tolmir|Total", "Escape in Review Game")
    wait_for("Review Game to close", lambda: dialog("Review Game") is None)


def check_about(player):
    """The About box says the product and its version first; Tab stays on Ok."""
    speech = player.speech
    open_menu_item(player, [("Left", r"Help"), ("Return", r"Help"), ("Up", r"About")])
    speech.expect(r"About Tolmir, Version 1\.0 dialog", "Enter on About")
    speech.expect(r"Ok push button", "the About box's focus")
    speech.forget()
    key("Tab")
    time.sleep(1.0)
    speech.read()
    if any(re.search(r"Cancel|Help", said) for said in speech.heard):
        fail("Tab in the About box reached an unseen button: %r" % speech.heard)
    player.press("Escape", r"Roll Dice|Tolmir", "Escape in the About box")


def help_text():
    for window in application() or []:
        if window is not None and (window.name or "").endswith("Tolmir Help"):
            return window, next(n for n in descendants(window) if n.getRoleName() == "text")
    return None


def read_help(player):
    """The help is read line by line with the arrows, a table cell after cell,
    and a link followed by Tab and Enter says the new topic's title."""
    speech = player.speech
    open_menu_item(player, [("Left", r"Help"), ("Return", r"Help")])
    speech.expect(r"How to Play Tolmir - Tolmir Help frame", "Enter on Help")
    speech.expect(r"How to Play Tolmir", "the help's first line")
    window, text = wait_for("the help's text", help_text)
    for _ in range(3):
        said = spoken(player.press("Down", r".+", "Down in the help").group(0))
        caret = text.queryText()
        line = caret.getTextAtOffset(caret.caretOffset, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
        if said != line.strip():
            fail("Down in the help said %r on the line %r" % (said, line))
    # The table of keys, from below: Up until its first key, then Down reads
    # the cell beside it, not the key below.
    player.press("ctrl+End", r".+", "ctrl+End in the help")
    for _ in range(60):
        if spoken(player.press("Up", r".+", "Up in the help").group(0)) == "Alt+R":
            break
    else:
        fail("Up in the help never reached the key Alt+R")
    player.press("Down", r"^roll the dice", "Down from Alt+R")
    player.press("Tab", r"selected", "Tab to a link")
    speech.forget()
    key("Return")
    title = spoken(speech.expect(r"notification (.+)", "Enter on a link").group(1)).rstrip(".")
    if window.name != "%s - Tolmir Help" % title:
        fail("the link said %r, the help window is %r" % (title, window.name))
    player.press("Escape", r"Roll Dice|Tolmir", "Escape in the help")


def alt_r_never_arms_the_menu_bar(player, count=100):
    """Rolls count times with Alt+R at a human pace, three rolls a game, die 1
    held after the first. No roll may leave the menu bar with the keyboard:
    Orca would say "File" (or "Game"), and a Down after it "New Game"."""
    speech = player.speech
    player.press("alt+r", r"This game is over", "alt+r after the game")
    for done in range(count):
        if done % 3 == 0:
            if done > 0:
                player.press("ctrl+n", r"really want to start a new game", "ctrl+n")
            wait_for("the question", lambda: alert("Information"))
            time.sleep(0.3)
            player.press("y", r"New game", "Yes to a new game")
            player.rolls = 0
        player.roll()
        heard = speech.before + speech.heard
        if done % 3 == 0:
            player.hold(1)
            heard += speech.before + speech.heard
        time.sleep(0.2)
        key("Down")
        time.sleep(0.4)
        speech.read()
        heard += speech.heard
        armed = [said for said in heard if re.match(r"(File|Game|New Game)\b", said)]
        if armed:
            fail("roll %d with alt+r armed the menu bar: Orca said %r" % (done + 1, armed))
        speech.forget()
    return count


class Texts:
    """The game's texts in a language, as its translation file has them."""

    def __init__(self, language):
        self.language = language
        self.table = {}
        root = ElementTree.parse(os.path.join(TRANSLATIONS, "tolmir_%s.ts" % language)).getroot()
        for context in root.iter("context"):
            for message in context.iter("message"):
                self.table[(context.findtext("name"), message.findtext("source"))] = \
                    message.findtext("translation")

    def __call__(self, context, source):
        return self.table[(context, source)]

    def line(self, line):
        """A sheet line's label: the numbers and Tolmir are the same everywhere."""
        return self.table.get(("ScoreSheet", line), line)

    def pattern(self, context, source, *groups):
        """The text as a pattern whose %1, %2 ... are the given groups."""
        text = re.escape(self(context, source))
        for number, group in enumerate(groups, start=1):
            text = text.replace("%%%d" % number, group)
        return text


def play_in(texts, game, speech):
    """A whole game with the desktop in another language: one roll a turn, each
    hand written where the sheet's hints say it scores most. What Orca says, the
    sheet's names, the end of the game and Qt's own question box are in that
    language."""
    where = " in " + texts.language
    roll_caption = texts("TfrmMain", "&Roll Dice")
    roll_key = "alt+" + roll_caption[roll_caption.index("&") + 1].lower()
    speech.expect(re.escape(roll_caption.replace("&", "")), "the start" + where)
    rolled = texts.pattern("GameSession", "Roll %1: %2, total %3", r"1", r"((?:[1-6] ?){5})",
                           r"(\d+)")
    total = texts.pattern("GameSession", "Total %1", r"(\d+)")
    free = texts("TScoreGrid", "%1, free")
    for turn in range(len(WRITABLE)):
        speech.forget()
        key(roll_key)
        values = [int(v) for v in speech.expect(rolled, roll_key + where).group(1).split()]
        sheet = game.sheet()
        best, best_score = None, -1
        for line in WRITABLE:
            label = texts.line(line)
            hint = texts.pattern("TScoreGrid", "%1, would score %2", re.escape(free), r"(\d+)")
            found = re.fullmatch(hint.replace("%1", re.escape(label)), sheet.get(label, ""))
            if found and int(found.group(1)) > best_score:
                best, best_score = line, int(found.group(1))
        if best is None:
            fail("no free line%s shows a hint: %r" % (where, sheet))
        if best in "123456" and best_score != int(best) * values.count(int(best)):
            fail("line %s%s offers %d for the dice %r" % (best, where, best_score, values))
        speech.forget()
        key(SHORTCUTS[best])
        written = texts.pattern("GameSession", "%1: %2 written. %3", re.escape(texts.line(best)),
                                r"(\d+)", total)
        found = speech.expect(written, SHORTCUTS[best] + where)
        if int(found.group(1)) != best_score:
            fail("line %s%s was written with another score than its hint %d" % (
                best, where, best_score))
    # The end of the game, said with the last write or after it: a place in the
    # table asks for the name, else the reason is said; either in the language.
    high_score = texts.pattern("GameSession", "Game over. Total %1, a new high score", r"\d+")
    over = "%s|%s" % (high_score,
                      texts.pattern("GameSession", "Game over. Total %1: %2", r"\d+", r".+"))
    ended = re.search(over, found.string) or speech.expect(over, "the last line" + where)
    if re.search(high_score, ended.group(0)):
        speech.expect(re.escape(texts("GameSession", "Player: ").strip()), "the name prompt" + where)
        wait_for("the name prompt", lambda: dialog("Tolmir"))
        for letter in "ann":
            key(letter)
        speech.forget()
        key("Return")
        title = texts("TfrmHighScores", "High Scores")
        wait_for("the high scores" + where, lambda: dialog(title))
        speech.expect(re.escape(title), "Enter in the name prompt" + where)
        speech.forget()
        key("Return")
    # Qt's own buttons speak the language too.
    wait_for("the main window again", lambda: dialog(texts("TfrmHighScores", "High Scores")) is None)
    speech.forget()
    key("ctrl+n")
    speech.expect(re.escape(texts("GameSession", "Do you really want to start a new game?")),
                  "ctrl+n" + where)
    yes = {"de": "Ja", "fr": "Oui", "es": "S\u00ed", "it": "S\u00ec", "nl": "Ja", "pl": "Tak",
           "pt_BR": "Sim"}[texts.language]
    speech.expect(r"\b%s\b" % yes, "the question's button" + where)
    speech.forget()
    key("Escape")
    print("orca check passed in %s: a whole game, its end and Qt's question box" % texts.language)


if __name__ == "__main__":
    main()

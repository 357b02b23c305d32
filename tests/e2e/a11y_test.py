#!/usr/bin/python3
"""What a screen reader hears of the real program, read through AT-SPI as a blind player meets it.

Runs inside a D-Bus session of its own (dbus-run-session, which the test's command gives it), with
Xvfb and openbox; the program starts from a fresh folder with Qt's accessibility bridge on
(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1). A listener, a process of its own, writes every AT-SPI event
of the program as it comes: a line of JSON with the event's type and its source's role and name.

Played with the keyboard alone: "Avvio", "Tre automobili"; the new turn must be heard with its
clue; Space picks a car up and is heard; F1 gives a hint, heard with the sentence it quotes; Alt+C
judges the row, heard with the new counts. The clue can be reached with Tab and offers its text
through AT-SPI's text interface. Then the language is switched in the game window (Alt+L, the
English item): the same turn must stay, its cars named in English at the same places, and the
clue is written anew in English.

Every wait is for a condition, with a deadline. Exits with 77 (skipped) without pyatspi or
dbus-run-session.

usage: dbus-run-session -- python3 a11y_test.py PROGRAM_FOLDER
"""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2e_test as e2e  # noqa: E402  (the fresh program folder, the display)
from e2e_test import fail, until  # noqa: E402

SKIPPED = 77
LISTENER = r'''
import json, sys, pyatspi
out = open(sys.argv[1], "a", buffering=1)
def heard(event):
    try:
        source = event.source
        role, name = source.getRoleName(), source.name
        app = source.getApplication().name
    except Exception:
        return
    out.write(json.dumps({"type": event.type, "role": role, "name": name, "app": app}) + "\n")
for kind in ("object:state-changed:showing", "object:property-change:accessible-name", "focus:"):
    pyatspi.Registry.registerEventListener(heard, kind)
out.write(json.dumps({"type": "ready"}) + "\n")
pyatspi.Registry.start()
'''


def language_texts(path, section, keys):
    """Values of some keys of one section of a language file (Windows-1252, quotes dropped)."""
    found, current = {}, None
    with open(path, "rb") as f:
        for raw in f.read().decode("cp1252").splitlines():
            line = raw.strip()
            if line.startswith("["):
                current = line[1:line.find("]")].lower() if "]" in line else line[1:].lower()
            elif current == section.lower() and "=" in line:
                key, value = line.split("=", 1)
                value = value.strip()
                if len(value) >= 2 and value[0] == value[-1] == '"':
                    value = value[1:-1]
                if key.strip() in keys and key.strip() not in found:
                    found[key.strip()] = value
    return found


class Events:
    def __init__(self, path):
        self.path, self.seen = path, 0

    def all(self):
        with open(self.path, encoding="utf-8") as f:
            return [json.loads(line) for line in f if line.strip()]

    def new(self):
        events = self.all()
        fresh = events[self.seen:]
        return fresh

    def mark(self):
        self.seen = len(self.all())

    def wait(self, what, match, timeout=20):
        """The first event since the mark that matches; fails at the deadline."""
        found = [None]
        def look():
            for e in self.new():
                if e.get("app", "").lower() == "parcolo" and match(e):
                    found[0] = e
                    return e
            return None
        return until(lambda: "%s: not heard; the program said since: %s" % (
            what, [(e["role"], e["name"]) for e in self.new() if e.get("app", "").lower() == "parcolo"][-12:]), look, timeout)


def alert(e):
    """An announcement: the window's alert shows with a text."""
    return e["type"] == "object:state-changed:showing" and e["role"] == "alert" and e["name"].strip()


def new_alert(last):
    """An announcement other than the last one heard."""
    return lambda e: alert(e) and e["name"] != last["name"]


def main():
    source = sys.argv[1]
    if not shutil.which("dbus-run-session") or subprocess.run(
            ["/usr/bin/python3", "-c", "import pyatspi"], capture_output=True).returncode != 0:
        print("SKIP: pyatspi or dbus-run-session is not installed")
        sys.exit(SKIPPED)
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)

    work = tempfile.mkdtemp(prefix="parcolo-a11y-")
    folder = e2e.fresh_program_folder(source, work)
    runtime = os.path.join(work, "run")
    os.makedirs(runtime, mode=0o700)
    events_file = os.path.join(work, "events.jsonl")
    open(events_file, "w").close()
    program_log = os.path.join(work, "program.log")
    processes = []
    display = None
    started = time.monotonic()
    try:
        display = e2e.Display(work, True)  # Xvfb and openbox
        processes.append(display)
        env = display.env({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "XDG_RUNTIME_DIR": runtime,
                           "XDG_CONFIG_HOME": os.path.join(work, "config"),
                           "XDG_DATA_HOME": os.path.join(work, "data")})
        listener_log = os.path.join(work, "listener.log")
        processes.append(subprocess.Popen(["/usr/bin/python3", "-c", LISTENER, events_file], env=env,
                                          stdout=subprocess.DEVNULL, stderr=open(listener_log, "wb")))
        events = Events(events_file)
        until(lambda: "the AT-SPI listener did not start", lambda: any(e["type"] == "ready" for e in events.all()))

        def key(*names):
            subprocess.run(["xdotool", "key", "--delay", "60"] + list(names), env=env, check=True)

        def window(title):
            until("no window titled %r" % title, lambda: subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title], env=env,
                capture_output=True).stdout.strip())

        program = subprocess.Popen([os.path.join(folder, "parcolo")], env=env, stdout=subprocess.DEVNULL,
                                   stderr=open(program_log, "wb"))
        processes.append(program)
        window("Parcolo")
        events.mark()
        key("alt+a")
        window("Parcolo - menu")
        events.mark()
        key("alt+t")
        window("Parcolo - tre automobili")
        turn = events.wait("the new turn", alert)
        print("heard a new turn:", turn["name"])

        # The car with the focus, picked up with Space.
        events.mark()
        key("space")
        picked = events.wait("a car picked up", new_alert(turn))
        print("heard:", picked["name"])
        key("Escape")

        # A hint: what it crosses out and the sentence it quotes.
        events.mark()
        key("F1")
        hint = events.wait("the hint", new_alert(picked))
        if "«" not in hint["name"]:
            fail("the hint was heard without its sentence: %r" % hint["name"])
        print("heard the hint:", hint["name"])

        # The judgement with the new counts.
        events.mark()
        key("alt+c")
        judged = events.wait("the judgement", new_alert(hint))
        if "1" not in judged["name"]:
            fail("the judgement did not say the new count: %r" % judged["name"])
        print("heard the judgement:", judged["name"])

        # The clue: Tab reaches it, and its text can be read through the text interface.
        events.mark()
        clue = [None]
        def focused_clue():
            for _ in range(40):
                key("Tab")
                for e in events.new():
                    if e.get("app", "").lower() == "parcolo" and e["type"].startswith("focus") and e["role"] == "label":
                        clue[0] = e
                        return True
            return False
        until("Tab never reached the clue", focused_clue, timeout=60)
        text = read_clue_text(env)
        if not text or text.replace("\n", " ").strip() != clue[0]["name"].strip():
            fail("the clue's text %r is not its name %r" % (text, clue[0]["name"]))
        print("the clue is reached with Tab and read as text:", text.replace("\n", " / "))
        if clue[0]["name"].strip() not in turn["name"]:
            fail("the new turn was heard without its clue: %r" % turn["name"])

        # The language switched in the game window: the same turn, in English.
        italian = language_texts(os.path.join(folder, "Italiano.lng"), "Strings", {"%04d" % k for k in range(145, 155)})
        english = language_texts(os.path.join(folder, "English.lng"), "Strings", {"%04d" % k for k in range(145, 155)})
        to_english = {italian["%04d" % k]: english["%04d" % k] for k in range(145, 155)}
        before = cars(env, car_names(os.path.join(folder, "Italiano.lng")), set(italian.values()))
        events.mark()
        key("alt+l")
        def english_item():
            for e in events.new():
                if e.get("app", "").lower() == "parcolo" and e["type"].startswith("focus") and "menu item" in e["role"]:
                    if e["name"] == "English":
                        return True
            key("Down")
            return False
        until("the game window's language menu has no English item", english_item, timeout=15)
        key("Return")
        english_title = language_texts(os.path.join(folder, "English.lng"), "FormAuto3", {"FormAuto3.Caption"})
        window(english_title["FormAuto3.Caption"])
        english_cars = car_names(os.path.join(folder, "English.lng"))
        after = until(lambda: "the cars were not named anew", lambda: (lambda c: c != before and c)(cars(env, english_cars, set(english.values()))))
        expected = sorted((to_english.get(colour, "?"), place) for colour, place in before)
        if sorted(after) != expected:
            fail("the turn changed with the language: before %s, after %s" % (before, after))
        new_clue = read_clue_text(env)
        if not new_clue or new_clue == text:
            fail("the clue was not written anew in English: %r" % new_clue)
        print("the language switched in the game: the same cars at the same places, the clue in English:",
              new_clue.replace("\n", " / "))
    finally:
        for p in reversed(processes):
            if p is display:
                display.close()
                continue
            p.terminate()
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                p.kill()
        e2e.remove_work(work)
    print("PASS in %.0f s" % (time.monotonic() - started))


READER = r'''
import json, sys, pyatspi
def walk(node, depth=0):
    if depth > 12 or node is None:
        return
    yield node
    for i in range(node.childCount):
        try:
            yield from walk(node.getChildAtIndex(i), depth + 1)
        except Exception:
            pass
desktop = pyatspi.Registry.getDesktop(0)
app = next(a for a in desktop if a and a.name.lower() == "parcolo")
what = sys.argv[1]
out = []
for node in walk(app):
    try:
        role, name = node.getRoleName(), node.name
    except Exception:
        continue
    if what == "clue" and role == "label" and node.getState().contains(pyatspi.STATE_FOCUSABLE):
        text = node.queryText()
        out.append(text.getText(0, text.characterCount))
    elif what == "cars" and role == "push button" and node.getState().contains(pyatspi.STATE_SHOWING):
        out.append(name)
print(json.dumps(out))
'''


def ask(env, what):
    r = subprocess.run(["/usr/bin/python3", "-c", READER, what], env=env, capture_output=True, text=True, timeout=60)
    try:
        return json.loads(r.stdout)
    except ValueError:
        return []


def read_clue_text(env):
    texts = ask(env, "clue")
    return texts[0] if texts else None


def car_names(language_file):
    """How a language names a car for screen readers (key 0212: %1 the colour, %2 the place), as a
    pattern that reads both back."""
    template = language_texts(language_file, "Strings", {"0212"}).get("0212", "%1, %2")
    pattern = re.escape(template).replace("%1", "(?P<colour>.+?)").replace("%2", "(?P<place>[0-9]+)")
    return re.compile("^" + pattern + "$")


def cars(env, names, colours):
    """The cars of the row as (colour, place), read back from their names (the note pad's pictures
    may be named alike: only names of a colour of the language count)."""
    out = []
    for name in ask(env, "cars"):
        m = names.match(name)
        if m and m.group("colour") in colours:
            out.append((m.group("colour"), int(m.group("place"))))
    return sorted(out)


if __name__ == "__main__":
    main()

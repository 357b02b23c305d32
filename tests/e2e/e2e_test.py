#!/usr/bin/python3
"""Plays the real program in a real X server (Xvfb), driven with xdotool, as a newcomer would.

Copies the program folder, starts parcolo, goes through "Avvio" to "Tre automobili", drags one car
onto another and checks from screenshots that the two pictures changed places, wins the turn by
trying the orders with drags and "Conferma" until the count of right answers goes up, leaves with
"Esci" -> Yes and quits from the menu; no lock file stays behind. Every window's frame must cover
the screen exactly.

With --wm the same runs under a window manager (openbox, started here), whose frames and title
bars the windows must keep on the screen; "Avvio", "Tre automobili" and the information box's
"Chiudi" are double-clicked (one whole window each, nothing underneath clicked), and the
information box is opened and closed over a game, which must keep its turn. Without --wm a second
copy started while one runs must show the already-running box and end without any other window, and a copy
whose only window another program destroys (xdotool windowclose) must end.

With --wayland the program runs as a Wayland client of weston (started here with its X11 output
inside Xvfb, so xdotool's input reaches the focused client and screenshots of the X root show the
compositor's output). A Wayland client cannot be asked where its windows are, so they are found
on the screenshots: every window must show the whole of its frame, bottom edge included, on the
screen (below the compositor's panel); the counts of the status bar must be seen to change; a key
must work right after a drag; and the leaving question must open over its window and stay over it
when the window is clicked. Exits with 77 (skipped) where weston is not installed.

Every wait is for a condition, with a deadline.

usage: e2e_test.py PROGRAM_FOLDER [--wm | --wayland]
"""

import io
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops, ImageFilter, ImageStat

SCREEN = (1280, 800)
MENU_BAR = 20  # about the height of a menu bar; targets are large enough not to mind a few pixels
GAME = "Parcolo - .* automobili"

AVVIO = ((2280, 4560, 4065, 1305), (8745, 6705), 0)
MENU = (7515, 5535)
TRE = ((1800, 480, 4215, 735), MENU, MENU_BAR)
ESCI = ((1920, 4560, 4215, 735), MENU, MENU_BAR)
CHIUDI = ((5640, 5280, 2655, 975), (8535, 6420), 0)
CLIENT3 = (8625, 6495)
CONFERMA = ((5040, 5040, 1665, 870), CLIENT3, MENU_BAR)

# The frame Qt draws round its windows under a compositor that draws none (weston): left, top
# (the title bar), right, bottom.
DECORATION = (3, 30, 3, 3)
# weston as a player has it, less what moves by itself: no clock, no animations, no screen lock.
WESTON_INI = """[core]
idle-time=0

[shell]
background-color=0xff1f3f5f
clock-format=none
animation=none
close-animation=none
startup-animation=none
focus-animation=none
locking=false
"""
SKIPPED = 77


LOGS = []  # (process, log file) of every copy started


def fail(message):
    print("FAIL:", message)
    for process, log in LOGS:
        print("%s %d: %s" % (os.path.basename(process.args[0]), process.pid,
                             "running" if process.poll() is None else "ended with %s" % process.poll()))
        try:
            with open(log, "rb") as f:
                print(f.read()[-3000:].decode("utf-8", "replace"))
        except OSError:
            pass
    sys.exit(1)


def until(what, condition, timeout=20):
    """The condition's first true value, asked again and again until the deadline; without what,
    None at the deadline instead of failing."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            if what is None:
                return None
            fail(what() if callable(what) else what)
        time.sleep(0.05)


class Display:
    def __init__(self, work, wm):
        read, write = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "%dx%dx24" % SCREEN, "-nolisten", "tcp", "-noreset"],
            pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)  # Xvfb writes its display number once it takes clients
            if not chunk:
                fail("Xvfb did not start")
            number += chunk
        os.close(read)
        self.name = ":" + number.decode().strip()
        self.wm = None
        if wm:
            ready = os.path.join(work, "wm-ready")
            self.wm = subprocess.Popen(["openbox", "--startup", "touch " + ready], env=self.env(),
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            until("openbox did not start", lambda: os.path.exists(ready))

    def env(self, extra=None):
        env = dict(os.environ, DISPLAY=self.name, QT_QPA_PLATFORM="xcb")
        env.update(extra or {})
        return env

    def program_env(self, extra=None):
        return self.env(extra)

    def run(self, *args, check=True):
        r = subprocess.run(list(map(str, args)), env=self.env(), capture_output=True, text=True)
        if check and r.returncode != 0:
            fail("%s: %s" % (" ".join(map(str, args)), r.stderr))
        return r.stdout

    def xdotool(self, *args, check=True):
        return self.run("xdotool", *args, check=check).split()

    def windows(self, title, pid):
        return self.xdotool("search", "--all", "--onlyvisible", "--pid", pid, "--name", "^%s$" % title, check=False)

    def wait_window(self, title, pid):
        return until("no window titled %r" % title, lambda: (self.windows(title, pid) or [None])[0])

    def wait_gone(self, window):
        until("window %s stayed" % window, lambda: "IsViewable" not in self.run("xwininfo", "-id", window, check=False))

    def client(self, window):
        """The window's inside on the screen: x, y, width, height."""
        info = self.run("xwininfo", "-id", window)
        field = {k.strip(): v.strip() for k, v in (l.split(":", 1) for l in info.splitlines() if ":" in l)}
        return tuple(int(field[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def frame(self, window):
        """The window with the frame the window manager put around it: x, y, width, height."""
        x, y, w, h = self.client(window)
        extents = self.run("xprop", "-id", window, "_NET_FRAME_EXTENTS").partition("=")[2]
        left, right, top, bottom = (int(v) for v in extents.split(",")) if extents.strip() else (0, 0, 0, 0)
        return x - left, y - top, w + left + right, h + top + bottom

    def fills_screen(self, window, title):
        """Waits until the frame covers the screen exactly (the window manager frames late)."""
        seen = []
        def right():
            seen.append(self.frame(window))
            return seen[-1] == (0, 0) + SCREEN
        until(lambda: "%r has the frame %s, not the screen %s" % (title, seen[-1], SCREEN), right, timeout=10)

    def show(self, title, pid):
        window = self.wait_window(title, pid)
        self.fills_screen(window, title)
        return window

    def click(self, point, repeat=1):
        self.xdotool("mousemove", int(point[0]), int(point[1]), "click", "--repeat", repeat, "--delay", 1, 1)

    def drag(self, start, end):
        steps = []
        for i in range(1, 13):
            steps += ["mousemove", int(start[0] + (end[0] - start[0]) * i / 12), int(start[1] + (end[1] - start[1]) * i / 12)]
        self.xdotool("mousemove", int(start[0]), int(start[1]), "mousedown", 1, *steps, "mouseup", 1)

    def key(self, name):
        self.xdotool("key", name)

    def screenshot(self):
        shot = subprocess.run(["import", "-window", "root", "png:-"], env=self.env(), capture_output=True, check=True)
        return Image.open(io.BytesIO(shot.stdout)).convert("RGB")

    def close(self):
        for p in (self.wm, self.server):
            if p:
                p.terminate()
                p.wait()


class WaylandDisplay(Display):
    """Xvfb with weston inside it; the program is a Wayland client of weston. Windows are known
    by their rectangles on the screen (x, y, width, height of the inside), found on screenshots."""

    def __init__(self, work, runtime):
        super().__init__(work, False)
        self.weston = None
        try:
            self.start_weston(work, runtime)
        except SystemExit:  # a failure to start leaves no server behind
            self.close()
            raise

    def start_weston(self, work, runtime):
        self.work, self.runtime, self.socket = work, runtime, "wayland-parcolo"
        ini = os.path.join(work, "weston.ini")
        with open(ini, "w") as f:
            f.write(WESTON_INI)
        log = os.path.join(work, "weston.log")
        self.weston = subprocess.Popen(
            ["weston", "--config=" + ini, "--backend=x11-backend.so", "--use-pixman", "--socket=" + self.socket,
             "--width=%d" % SCREEN[0], "--height=%d" % SCREEN[1]],
            env=self.env({"XDG_RUNTIME_DIR": runtime}), stdout=subprocess.DEVNULL, stderr=open(log, "wb"))
        LOGS.append((self.weston, log))
        until("weston did not start", lambda: os.path.exists(os.path.join(runtime, self.socket)))
        # The desktop is ready once its panel is drawn along the top.
        bottom = (SCREEN[0] // 2, SCREEN[1] - 1)
        self.desktop = self.settled("weston showed no desktop",
                                    lambda shot: shot.getpixel((SCREEN[0] // 2, 2)) != shot.getpixel(bottom))
        self.panel = 0
        while self.desktop.getpixel((SCREEN[0] // 2, self.panel)) != self.desktop.getpixel(bottom):
            self.panel += 1
        self.last = self.desktop

    def program_env(self, extra=None):
        env = dict(os.environ, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=self.socket, XDG_RUNTIME_DIR=self.runtime)
        env.pop("DISPLAY", None)
        env.update(extra or {})
        return env

    def settled(self, what, condition=lambda shot: True, timeout=20):
        """The first screenshot that equals the one before it and meets the condition."""
        last = [None]
        def ready():
            shot = self.screenshot()
            still = last[0] is not None and ImageChops.difference(shot, last[0]).getbbox() is None
            last[0] = shot
            return still and condition(shot) and shot
        return until(what, ready, timeout)

    def covered(self, shot):
        """What the program's windows cover of the screen below the panel: x, y, width, height."""
        mask = ImageChops.difference(shot, self.desktop).convert("L").point(lambda v: 255 if v > 8 else 0)
        mask.paste(0, (0, 0, SCREEN[0], self.panel))
        box = mask.getbbox()
        return box and (box[0], box[1], box[2] - box[0], box[3] - box[1])

    def client(self, window):
        return window

    def show(self, title, pid=None):
        """Waits for the next window, which must cover the room the panel leaves (the program's
        windows fill the screen) and show the whole of its frame; returns its inside."""
        work_area = (0, self.panel, SCREEN[0], SCREEN[1] - self.panel)
        title_bar = (0, self.panel, SCREEN[0], self.panel + DECORATION[1])
        def new_window(shot):
            # A new title, not a menu that dropped down on the window before.
            return (difference(shot.crop(title_bar), self.last.crop(title_bar)) > 0.5
                    and self.covered(shot) == work_area)
        shot = self.settled(lambda: "%r did not come to fill the screen below the panel (it covers %s of %s)"
                            % (title, self.covered(self.screenshot()), work_area), new_window)
        self.last = shot
        if os.environ.get("PARCOLO_E2E_KEEP"):
            shot.save(os.path.join(self.work, "%s.png" % title))
        x, y, w, h = work_area
        # Qt draws the frame; where the window runs off the screen its bottom edge is missing and the
        # last row on the screen is the window's inside, not the frame's colour (its left edge's).
        edge = shot.getpixel((x + 1, y + h // 2))
        bottom = shot.crop((x + DECORATION[0], y + h - DECORATION[3], x + w - DECORATION[2], y + h))
        off = sum(1 for p in bottom.getdata() if max(abs(a - b) for a, b in zip(p, edge)) > 12)
        if off > bottom.width * bottom.height // 50:
            fail("the bottom of %r lies below the screen: the last rows on the screen are not its frame's "
                 "bottom edge (%d of %d pixels differ from its edge colour %s)" % (title, off, bottom.width * bottom.height, edge))
        left, top, right, low = DECORATION
        return x + left, y + top, w - left - right, h - top - low

    def question(self, window, before, title, over):
        """Waits for a message box; with over, checks that it lies over the window and stays over
        it when the window is clicked, and gives it the keyboard (a new box has it already).
        before: the screen just before it was asked for."""
        x, y, w, h = window
        def found(shot):
            # What changed below the window's menu bar, less thin lines (a focus frame that went).
            mask = ImageChops.difference(shot, before).convert("L").point(lambda v: 255 if v > 12 else 0)
            mask.paste(0, (0, 0, SCREEN[0], y + MENU_BAR + 4))
            box = mask.filter(ImageFilter.MinFilter(9)).getbbox()
            return box and (max(box[0] - 4, 0), max(box[1] - 4, 0), min(box[2] + 4, SCREEN[0]), min(box[3] + 4, SCREEN[1]))
        opened = self.settled("no question %r opened" % title, found)
        if not over:
            self.last = opened
            return
        box = found(opened)
        frame = (x - DECORATION[0], y - DECORATION[1], x + w + DECORATION[2], y + h + DECORATION[3])
        if not (frame[0] <= box[0] and frame[1] <= box[1] and box[2] <= frame[2] and box[3] <= frame[3]):
            fail("the question %r at %s does not lie over its window %s" % (title, box, frame))
        # A click on the window (which the question blocks) raises the window: a question that is
        # not the window's own then goes behind it, out of sight.
        corners = [(x + 30, y + MENU_BAR + 30), (x + w - 30, y + MENU_BAR + 30), (x + 30, y + h - 60), (x + w - 30, y + h - 60)]
        mid = ((box[0] + box[2]) / 2, (box[1] + box[3]) / 2)
        self.click(max(corners, key=lambda c: (c[0] - mid[0]) ** 2 + (c[1] - mid[1]) ** 2))
        now = self.settled("the screen did not settle").crop(box)
        if difference(now, opened.crop(box)) * 4 > difference(now, before.crop(box)):
            fail("the question %r went behind its window when the window was clicked" % title)
        if os.environ.get("PARCOLO_E2E_KEEP"):
            before.save(os.path.join(self.work, "before the %s.png" % title))
            opened.save(os.path.join(self.work, "%s over its window.png" % title))
        print("the question %r opened over its window and stayed over it" % title)
        self.click((box[0] + 12, (box[1] + box[3]) // 2))  # into the box, beside its text: the keyboard
        self.last = self.settled("the screen did not settle")

    def close(self):
        if self.weston:
            self.weston.terminate()
            self.weston.wait()
        super().close()


def at(window, design, client, top):
    """Screen point of a design point (twips) in a window of that design client size."""
    x, y, w, h = window
    return x + design[0] / client[0] * w, y + top + design[1] / client[1] * (h - top)


def centre(window, target):
    rect, client, top = target
    return at(window, (rect[0] + rect[2] / 2, rect[1] + rect[3] / 2), client, top)


def box(window, rect, inset=0.15):
    (x0, y0), (x1, y1) = at(window, rect[:2], CLIENT3, MENU_BAR), at(window, (rect[0] + rect[2], rect[1] + rect[3]), CLIENT3, MENU_BAR)
    dx, dy = (x1 - x0) * inset, (y1 - y0) * inset
    return int(x0 + dx), int(y0 + dy), int(x1 - dx), int(y1 - dy)


def difference(a, b):
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3


def menu_item_right_of(image, window, first_end):
    """Screen x of the first text in the window's menu bar that starts right of first_end."""
    x0, y0 = window[:2]
    row = image.crop((x0, y0 + 2, x0 + window[2], y0 + MENU_BAR - 4)).convert("L")
    dark = [any(row.getpixel((x, y)) < 110 for y in range(row.height)) for x in range(row.width)]
    x = first_end
    while x < len(dark) and not dark[x]:
        x += 1
    return x0 + x + 10


def menu_bar_items(image, window):
    """Screen x of each text in the window's menu bar (dark runs apart by more than a blank)."""
    x0, y0 = window[:2]
    row = image.crop((x0, y0 + 2, x0 + window[2], y0 + MENU_BAR - 4)).convert("L")
    dark = [any(row.getpixel((x, y)) < 110 for y in range(row.height)) for x in range(row.width)]
    starts, gap = [], 99
    for x, d in enumerate(dark):
        if d and gap > 12:
            starts.append(x0 + x + 10)
        gap = 0 if d else gap + 1
    return starts


class Player:
    def __init__(self, display, program, env):
        self.d = display
        # What the program says goes to a log that a failure prints, with how the program ended.
        self.log = os.path.join(env.get("XDG_RUNTIME_DIR", "/tmp"), "program-%d.log" % len(LOGS))
        self.process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=open(self.log, "wb"))
        self.pid = str(self.process.pid)
        LOGS.append((self.process, self.log))

    def show(self, title):
        return self.d.show(title, self.pid)

    def no_question(self):
        if self.d.windows("Parcolo", self.pid):
            fail("a question opened that nobody asked for")

    def game_windows(self):
        return self.d.windows(GAME, self.pid)

    def slots(self, game):
        return [box(self.d.client(game), (left, 1200, 2655, 975)) for left in (120, 3000, 5880)]

    def play(self, game):
        """Swaps the first two cars, sees them change places, then wins the turn."""
        d, window = self.d, self.d.client(game)
        slot = self.slots(game)
        shot = [None]
        def cars_differ():
            shot[0] = d.screenshot()
            return difference(shot[0].crop(slot[0]), shot[0].crop(slot[1])) >= 5
        until("the first two cars look alike", cars_differ)
        a, b = shot[0].crop(slot[0]), shot[0].crop(slot[1])
        centres = [((s[0] + s[2]) / 2, (s[1] + s[3]) / 2) for s in slot]
        d.drag(centres[0], centres[1])
        # Each slot now shows the other car: much closer to that car's picture than to its own
        # (the slots lie a pixel apart in rounding, so the match is close, not exact).
        def swapped():
            shot[0] = d.screenshot()
            a2, b2 = shot[0].crop(slot[0]), shot[0].crop(slot[1])
            return difference(a2, b) <= difference(a2, a) / 3 and difference(b2, a) <= difference(b2, b) / 3
        until("the two cars did not change places", swapped)
        print("swap seen")
        # A key right after the drag: Ctrl+Z puts the two cars back; then the same drag again.
        d.key("ctrl+z")
        def back():
            shot[0] = d.screenshot()
            a2, b2 = shot[0].crop(slot[0]), shot[0].crop(slot[1])
            return difference(a2, a) <= difference(a2, b) / 3 and difference(b2, b) <= difference(b2, a) / 3
        until("Ctrl+Z right after a drag did not put the cars back: the window lost the keyboard", back)
        d.drag(centres[0], centres[1])
        until("the two cars did not change places again", swapped)
        print("a key worked right after a drag")

        # Walk all six orders of the three cars by swapping neighbours, and confirm each until
        # the count of right answers (status bar panel 1) changes; a wrong one changes panel 2.
        x, y, w, h = window
        panel1 = (x + 2, y + h - 26, x + 110, y + h - 6)
        panel2 = (x + 358, y + h - 26, x + 466, y + h - 6)
        for swap in [None, 1, 0, 1, 0, 1]:
            if swap is not None:
                before = shot[0].crop(slot[swap])
                d.drag(centres[swap], centres[swap + 1])
                def moved():
                    shot[0] = d.screenshot()
                    return difference(shot[0].crop(slot[swap]), before) > 5
                until("a drag moved no car", moved)
            right, wrong = shot[0].crop(panel1), shot[0].crop(panel2)
            d.click(centre(window, CONFERMA))
            def judged():
                shot[0] = d.screenshot()
                if difference(shot[0].crop(panel1), right) > 0.5:
                    return "right"
                return difference(shot[0].crop(panel2), wrong) > 0.5 and "wrong"
            if until("Conferma counted nothing", judged) == "right":
                print("a right answer raised the count of right answers")
                return shot[0]
        fail("no order of the three cars was accepted")

    def question(self, window, before, title, over):
        """Waits for a message box of the program; with over, checks that it opens over the window."""
        if isinstance(self.d, WaylandDisplay):
            self.d.question(window, before, title, over)
        else:
            self.d.wait_window("Parcolo", self.pid)

    def leave_game(self, game, shot):
        """'Esci' in the menu bar, right of 'Azzera conteggio' and its blanks, then Yes."""
        window = self.d.client(game)
        esci = (menu_item_right_of(shot, window, 150), window[1] + MENU_BAR // 2)
        self.d.xdotool("mousemove", int(esci[0]), int(esci[1]))
        before = self.d.screenshot()
        self.d.click(esci)
        self.question(window, before, "leaving question", True)
        self.d.key("Return")  # Yes
        return self.show("Parcolo - menu")

    def open_info(self, menu):
        window = self.d.client(menu)
        # "Informazioni", after "Partita"
        self.d.click((menu_bar_items(self.d.screenshot(), window)[1], window[1] + MENU_BAR // 2))
        self.d.key("Down")
        self.d.key("Down")  # "about"
        self.d.key("Return")
        return self.show("Informazioni su Parcolo")

    def quit(self, menu, runtime):
        window = self.d.client(menu)
        esci = centre(window, ESCI)
        self.d.xdotool("mousemove", int(esci[0]), int(esci[1]))
        before = self.d.screenshot()
        self.d.click(esci)
        self.question(window, before, "exit question", False)
        self.d.key("Return")
        try:
            code = self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            fail("the program did not end after Esci -> Yes")
        if code != 0:
            fail("the program ended with status %d" % code)
        if os.path.exists(os.path.join(runtime, "parcolo.lock")):
            fail("the single-copy lock stayed behind")
        print("quit from the menu; no lock left")


def turn_area(d, game):
    """The cars and the clue of a three-car game window, as now on the screen."""
    window = d.client(game)
    rect = box(window, (120, 1200, 8535, 975), inset=0)
    clue = box(window, (120, 3960, 4815, 1935), inset=0)
    shot = d.screenshot()
    return shot.crop(rect), shot.crop(clue)


def info_over_a_game(p, menu, runtime):
    """The information box, left open, comes over a game and closes: the game keeps its turn."""
    d = p.d
    info = p.open_info(menu)
    d.xdotool("windowactivate", "--sync", menu)
    d.fills_screen(menu, "Parcolo - menu")
    d.click(centre(d.client(menu), TRE))
    game = p.show("Parcolo - tre automobili")
    slot = p.slots(game)
    until("the game did not paint its cars", lambda: (lambda s: difference(s.crop(slot[0]), s.crop(slot[1])) >= 5)(d.screenshot()))
    before = turn_area(d, game)
    d.xdotool("windowactivate", "--sync", info)
    d.fills_screen(info, "Informazioni su Parcolo")
    d.click(centre(d.client(info), CHIUDI))
    d.wait_gone(info)
    now = [None]
    def same_turn():
        now[0] = turn_area(d, game)
        return difference(now[0][0], before[0]) < 1 and difference(now[0][1], before[1]) < 1
    until(lambda: "the game lost its turn when the information box over it closed (cars %.1f, clue %.1f apart)"
          % (difference(now[0][0], before[0]), difference(now[0][1], before[1])), same_turn, timeout=5)
    print("the information box opened and closed over a game; the turn stayed")
    return game


def remove_work(work):
    """The test's folder goes, unless PARCOLO_E2E_KEEP asks to keep it for a look."""
    if os.environ.get("PARCOLO_E2E_KEEP"):
        print("kept", work)
    else:
        shutil.rmtree(work, ignore_errors=True)


def fresh_program_folder(source, work):
    """A copy of what an installed program folder holds, in work/programma, speaking Italian."""
    folder = os.path.join(work, "programma")
    os.makedirs(folder)
    for name in os.listdir(source):
        path = os.path.join(source, name)
        if name in ("immagini", "suoni"):
            shutil.copytree(path, os.path.join(folder, name))
        elif name in ("parcolo", "libparcolo_sound.so", "parcolo.pdf") or name.endswith(".lng"):
            shutil.copy2(path, folder)
    with open(os.path.join(folder, "LangSetting.ini"), "wb") as f:
        f.write(b"[Language]\r\nCurrentLanguage=Italiano\r\n")
    return folder


def main():
    source = sys.argv[1]
    wm = "--wm" in sys.argv[2:]
    wayland = "--wayland" in sys.argv[2:]
    if wayland and not shutil.which("weston"):
        print("SKIP: weston is not installed")
        sys.exit(SKIPPED)
    work = tempfile.mkdtemp(prefix="parcolo-e2e-")
    folder = fresh_program_folder(source, work)
    program = os.path.join(folder, "parcolo")
    runtime = os.path.join(work, "run")
    os.makedirs(runtime, mode=0o700)
    display = WaylandDisplay(work, runtime) if wayland else Display(work, wm)
    # A user's own language setting would outrank the folder's: the player's folder is private too.
    # So are the player's data folder (the statistics) and configuration folder.
    env = display.program_env({"XDG_RUNTIME_DIR": runtime, "XDG_CONFIG_HOME": os.path.join(work, "config"),
                               "XDG_DATA_HOME": os.path.join(work, "data")})
    clicks = 2 if wm else 1  # under the window manager the buttons are double-clicked
    started = time.monotonic()
    try:
        p = Player(display, program, env)
        start = p.show("Parcolo")
        display.click(centre(display.client(start), AVVIO), clicks)
        menu = p.show("Parcolo - menu")
        if wm:
            # "Chiudi" double-clicked: the second click must not reach the menu's "Esci" under it.
            info = p.open_info(menu)
            display.click(centre(display.client(info), CHIUDI), 2)
            display.wait_gone(info)
        if wayland:
            info = p.open_info(menu)
            display.click(centre(info, CHIUDI))
            menu = p.show("Parcolo - menu")
        display.click(centre(display.client(menu), TRE), clicks)
        game = p.show("Parcolo - tre automobili")
        if not wayland:
            p.no_question()
            if len(p.game_windows()) != 1:
                fail("more than one game window: %s" % p.game_windows())
        shot = p.play(game)
        menu = p.leave_game(game, shot)
        if wm:
            game = info_over_a_game(p, menu, runtime)
            menu = p.leave_game(game, display.screenshot())
        p.quit(menu, runtime)
        # The turn solved outlives the program, in the player's own data folder.
        with open(os.path.join(work, "data", "Parcolo", "statistics.json"), encoding="utf-8") as f:
            kinds = json.load(f)["kinds"]
        if not any(k["cars"] == 3 and k["solved"] >= 1 for k in kinds):
            fail("the statistics kept no solved three-car turn: %s" % kinds)

        if not wm and not wayland:
            # A second copy while one runs: only the "Error" box, then it ends.
            first = Player(display, program, env)
            first.show("Parcolo")
            second = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            # The box's title is the language's (key 0236), "Error" without it.
            title = "Error"
            with open(os.path.join(folder, "Italiano.lng"), "rb") as f:
                for line in f.read().decode("cp1252").splitlines():
                    if line.startswith("0236="):
                        title = line.split("=", 1)[1].strip().strip('"')
            display.wait_window(title, str(second.pid))
            others = [w for w in display.xdotool("search", "--all", "--onlyvisible", "--pid", second.pid, "--name", ".", check=False)
                      if display.xdotool("getwindowname", w) != title.split()]
            if others:
                fail("the second copy showed more than its Error box: %s" % [display.xdotool("getwindowname", w) for w in others])
            display.key("Return")
            try:
                code = second.wait(timeout=10)
            except subprocess.TimeoutExpired:
                fail("the second copy did not end")
            if code != 0 or first.process.poll() is not None:
                fail("second copy status %s, first copy still running: %s" % (code, first.process.poll() is None))
            print("a second copy showed its Error box and ended")
            first.process.terminate()
            first.process.wait()

            # Another program destroys the only window: the program ends, it does not run on unseen.
            alone = Player(display, program, env)
            display.xdotool("windowclose", alone.show("Parcolo"))
            try:
                code = alone.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                fail("the program ran on without a window after its window was destroyed")
            if code != 0:
                fail("the program ended with status %d after its window was destroyed" % code)
            print("a window destroyed by another program ended the program")
    finally:
        display.close()
        remove_work(work)
    print("PASS in %.0f s" % (time.monotonic() - started))


if __name__ == "__main__":
    main()

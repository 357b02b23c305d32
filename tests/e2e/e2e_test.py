#!/usr/bin/python3
"""Plays the real program in a real X server (Xvfb), driven with xdotool.

Copies the program folder, starts parcolo, clicks "Avvio", opens "Tre automobili", drags one car
onto another and checks from screenshots that the two pictures changed places, wins the turn by
trying the orders with drags and "Conferma" until the count of right answers goes up, leaves
with "Esci" -> Yes and quits from the menu. Then a second copy started while one runs must show the
"Error" box and end without any other window.

usage: e2e_test.py PROGRAM_FOLDER
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops, ImageStat

SCREEN = (1280, 800)
MENU_BAR = 20  # about the height of a menu bar; targets are large enough not to mind a few pixels


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


class Display:
    def __init__(self):
        read, write = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "%dx%dx24" % SCREEN, "-nolisten", "tcp"],
            pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                fail("Xvfb did not start")
            number += chunk
        os.close(read)
        self.name = ":" + number.decode().strip()

    def env(self, extra=None):
        env = dict(os.environ, DISPLAY=self.name, QT_QPA_PLATFORM="xcb")
        env.update(extra or {})
        return env

    def xdotool(self, *args, check=False):
        r = subprocess.run(["xdotool", *map(str, args)], env=self.env(), capture_output=True, text=True)
        if check and r.returncode != 0:
            fail("xdotool %s: %s" % (" ".join(map(str, args)), r.stderr))
        return r.stdout.split()

    def wait_window(self, title, pid=None, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            args = ["search", "--onlyvisible", "--name", "^%s$" % title]
            if pid:
                args = ["search", "--all", "--onlyvisible", "--pid", pid, "--name", "^%s$" % title]
            found = self.xdotool(*args)
            if found:
                time.sleep(0.5)  # let it paint
                return found[0]
            time.sleep(0.1)
        fail("no window titled %r" % title)

    def click(self, x, y):
        self.xdotool("mousemove", int(x), int(y), check=True)
        time.sleep(0.2)
        self.xdotool("click", 1, check=True)
        time.sleep(0.5)

    def drag(self, start, end):
        self.xdotool("mousemove", int(start[0]), int(start[1]), check=True)
        time.sleep(0.2)
        self.xdotool("mousedown", 1, check=True)
        time.sleep(0.3)
        for i in range(1, 13):
            x = start[0] + (end[0] - start[0]) * i / 12
            y = start[1] + (end[1] - start[1]) * i / 12
            self.xdotool("mousemove", int(x), int(y), check=True)
            time.sleep(0.05)
        time.sleep(0.3)
        self.xdotool("mouseup", 1, check=True)
        time.sleep(0.7)

    def key(self, name):
        self.xdotool("key", name, check=True)
        time.sleep(0.7)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env(), check=True)
        return Image.open(path).convert("RGB")

    def close(self):
        self.server.terminate()
        self.server.wait()


def at(design, client, top=0):
    """Screen point of a design point (twips) in a full-screen window of that design client size."""
    x = design[0] / client[0] * SCREEN[0]
    y = top + design[1] / client[1] * (SCREEN[1] - top)
    return x, y


def centre(rect, client, top=0):
    return at((rect[0] + rect[2] / 2, rect[1] + rect[3] / 2), client, top)


def box(rect, client, top=0, inset=0.15):
    (x0, y0), (x1, y1) = at(rect[:2], client, top), at((rect[0] + rect[2], rect[1] + rect[3]), client, top)
    dx, dy = (x1 - x0) * inset, (y1 - y0) * inset
    return int(x0 + dx), int(y0 + dy), int(x1 - dx), int(y1 - dy)


def difference(a, b):
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3


def menu_item_right_of(image, first_end):
    """x of the first text in the menu bar row that starts right of first_end."""
    row = image.crop((0, 2, SCREEN[0], MENU_BAR - 4)).convert("L")
    dark = [any(row.getpixel((x, y)) < 110 for y in range(row.height)) for x in range(row.width)]
    x = first_end
    while x < len(dark) and not dark[x]:
        x += 1
    return x + 10


def main():
    source = sys.argv[1]
    work = tempfile.mkdtemp(prefix="parcolo-e2e-")
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
    program = os.path.join(folder, "parcolo")
    display = Display()
    runtime = os.path.join(work, "run")
    os.makedirs(runtime, mode=0o700)
    env = display.env({"XDG_RUNTIME_DIR": runtime})
    try:
        first = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        display.wait_window("Parcolo", str(first.pid))
        display.click(*centre((2280, 4560, 4065, 1305), (8745, 6705)))  # "Avvio"
        display.wait_window("Parcolo - menu", str(first.pid))
        display.click(*centre((1800, 480, 4215, 735), (7515, 5535), MENU_BAR))  # "Tre automobili"
        display.wait_window("Parcolo - tre automobili", str(first.pid))

        client = (8625, 6495)
        slot0 = box((120, 1200, 2655, 975), client, MENU_BAR)
        slot1 = box((3000, 1200, 2655, 975), client, MENU_BAR)
        before = display.screenshot(os.path.join(work, "before.png"))
        a, b = before.crop(slot0), before.crop(slot1)
        if difference(a, b) < 5:
            fail("the first two cars look alike before the drag")
        display.drag(centre((120, 1200, 2655, 975), client, MENU_BAR), centre((3000, 1200, 2655, 975), client, MENU_BAR))
        after = display.screenshot(os.path.join(work, "after.png"))
        a2, b2 = after.crop(slot0), after.crop(slot1)
        # Each slot now shows the other car: much closer to that car's picture than to its own
        # (the slots lie a pixel apart in rounding, so the match is close, not exact).
        if difference(a2, b) > difference(a2, a) / 3 or difference(b2, a) > difference(b2, b) / 3:
            fail("the two cars did not change places (%.1f, %.1f; they differ by %.1f)" % (difference(a2, b), difference(b2, a), difference(a, b)))
        print("swap seen: %.1f and %.1f from the other car's picture" % (difference(a2, b), difference(b2, a)))

        # Win the turn: walk all six orders of the three cars by swapping neighbours, and
        # confirm each until the count of right answers (status bar panel 1) changes.
        slots = [centre((left, 1200, 2655, 975), client, MENU_BAR) for left in (120, 3000, 5880)]
        conferma = centre((5040, 5040, 1665, 870), client, MENU_BAR)
        panel1 = (0, SCREEN[1] - 30, 330, SCREEN[1] - 4)
        right_before = after.crop(panel1)
        won = False
        for swap in [None, 1, 0, 1, 0, 1]:
            if swap is not None:
                display.drag(slots[swap], slots[swap + 1])
            display.click(*conferma)
            shot = display.screenshot(os.path.join(work, "confirm.png"))
            if difference(shot.crop(panel1), right_before) > 0.5:
                won = True
                break
        if not won:
            fail("no order of the three cars was accepted")
        print("a right answer raised the count of right answers")
        after = shot

        # "Esci" in the menu bar, right of "Azzera conteggio" and its blanks.
        esci = menu_item_right_of(after, 150)
        display.click(esci, MENU_BAR // 2)
        display.wait_window("Parcolo", str(first.pid))  # the leaving question
        display.key("Return")  # Yes
        display.wait_window("Parcolo - menu", str(first.pid))
        display.click(*centre((1920, 4560, 4215, 735), (7515, 5535), MENU_BAR))  # "Esci"
        display.wait_window("Parcolo", str(first.pid))  # the exit question
        display.key("Return")
        try:
            code = first.wait(timeout=10)
        except subprocess.TimeoutExpired:
            fail("the program did not end after Esci -> Yes")
        if code != 0:
            fail("the program ended with status %d" % code)
        print("left the game and quit from the menu")

        # A second copy while one runs: only the "Error" box, then it ends.
        first = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        display.wait_window("Parcolo", str(first.pid))
        second = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        display.wait_window("Error", str(second.pid))
        others = [w for w in display.xdotool("search", "--all", "--onlyvisible", "--pid", second.pid, "--name", ".")
                  if display.xdotool("getwindowname", w) != ["Error"]]
        if others:
            fail("the second copy showed more than its Error box: %s" % [display.xdotool("getwindowname", w) for w in others])
        display.key("Return")
        try:
            code = second.wait(timeout=10)
        except subprocess.TimeoutExpired:
            fail("the second copy did not end")
        if code != 0 or first.poll() is not None:
            fail("second copy status %s, first copy still running: %s" % (code, first.poll() is None))
        print("a second copy showed its Error box and ended")
        first.terminate()
        first.wait()
    finally:
        display.close()
        if os.environ.get("PARCOLO_E2E_KEEP"):
            print("kept", work)
        else:
            shutil.rmtree(work, ignore_errors=True)
    print("PASS")


if __name__ == "__main__":
    main()

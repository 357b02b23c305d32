#!/usr/bin/python3
"""Hands faster than the program: access keys pressed a millisecond apart, then a storm of input.

The real program runs in a real X server under openbox (--wm), or as a Wayland client of weston
(--wayland), started as the end-to-end test starts them (e2e_test.py, imported).

1. Every ordered pair of the main menu's access keys (Alt and the letter after "&" in the captions
   of section [FormMenu] of Italiano.lng, a key with itself included), pressed about a millisecond
   apart on the menu; then every pair of a three-car game window's keys (its captions in
   [FormAuto3], F1 and Ctrl+Z) on the game. A button reached by its access key is clicked a tenth
   of a second later, from a timer that fires inside whatever event loop runs then (a question's,
   a translation's): the second key lands long before the first one's click. The X server's own
   times of the key presses (XInput 2 raw events) show how far apart they came; a pair that came
   more than 10 ms apart (the X server served others between them) is pressed again.
2. A storm: a fixed number of random events drawn from a fixed seed (PARCOLO_STORM_SEED overrides
   it), in bursts at machine speed with 0 to 30 ms between events: the access keys of every window
   in every language file, Return, Escape, Tab, Space, arrows, F1, undo and redo, clicks and
   double clicks anywhere (under weston also double clicks on a title bar, clicks on its maximise
   button, and drags of a window's edge while it is not maximised). At the end the program is led
   back to the menu and quits through its exit question.

Throughout, and after every pair: the program runs, or has ended with status 0 (someone said Yes
to the exit question or closed its last window; it is started again); its output holds no
sanitizer report and no sign of a crash; it never shows two game windows at once. One abort is
not the program's and is counted, not failed: libwayland's "wl_proxy_unref" assertion, a protocol
object released twice inside Qt 6.4's Wayland client (WAYLAND_CLIENT_FAULT).

After each pair the test waits until the program has done all the keys asked for: the first key's
late click has come due and the program's main thread has not run for a tenth of a second (it
would have, had the click still been pending). Then it reads the windows and leads the program
back, with its own keys, to the menu or the game for the next pair: Escape answers a question
"No" and closes a dropped-down menu, "Esci" then Yes leaves a game, "Chiudi" closes the
information box.

The windows are read from outside: under X11 with xdotool and xprop; under Wayland from the
program's own protocol log (WAYLAND_DEBUG=client: every toplevel it makes, titles, parents,
destroys, and where the keyboard is), since a Wayland client's windows cannot be listed from
outside. Every wait is for a condition, with a deadline. The menu's manual item would open the
manual in the system's viewer: a stand-in xdg-open only counts the requests.

Prints the seed and a summary; PARCOLO_STORM_VERBOSE=1 prints every pair with its gap and the
windows after it. Exits with 77 (skipped) under --wayland where weston is missing.

usage: storm_test.py PROGRAM_FOLDER (--wm | --wayland) [--only pairs | --only storm]
"""

import collections
import ctypes
import ctypes.util
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2e_test as e2e  # noqa: E402  (the displays, the player, fail and until)
from e2e_test import fail, until  # noqa: E402

SEED = 20261208
STORM_EVENTS = 1500
LATE_CLICK = 0.1  # how long after its access key a button is clicked (Qt's animateClick)
QUIET = 0.1  # the main thread at rest this long: the program has done what it was asked
SETTLE_TIMEOUT = 30
# Two keys further apart than this are not "about a millisecond apart": the pair is pressed again
# (still a tenth of the late click's delay).
MAX_GAP_MS = 10
PLAIN_KEYS = ["Return", "Escape", "Tab", "shift+Tab", "space", "Up", "Down", "Left", "Right", "F1", "ctrl+z",
              "ctrl+shift+z", "ctrl+y"]
# The question's buttons are Qt's: "&Sì" / "&No" in Italian, "&Yes" / "&No" in English.
QUESTION_KEYS = ["alt+s", "alt+n", "alt+y"]
YES_KEY = "alt+s"  # answers the exit question in Italian, the language of the pairs

SANITIZER = re.compile(r"ERROR: \w*Sanitizer|runtime error:|munmap_chunk|Segmentation|double free|"
                       r"free\(\): invalid|malloc\(\): |corrupted size|SUMMARY: \w*Sanitizer")
# The one crash left that is not the program's: now and then (once in about twenty storms under
# weston) Qt 6.4's Wayland client releases a protocol object twice and libwayland aborts. The
# program is started again and the summary counts it; any other end is a failure.
WAYLAND_CLIENT_FAULT = re.compile(r"wl_proxy_unref: Assertion `proxy->refcount > 0' failed")
# A line of libwayland's protocol log: "[1234.567]  -> xdg_toplevel@19.set_title("Parcolo")".
PROTOCOL = re.compile(r"^\[\s*\d+\.\d+\]\s+(?:\{[^}]*\}\s+)?(->\s+)?(\w+)@(\d+)\.(\w+)\((.*)\)\s*$")
# Any line of that log, the messages it discards included.
PROTOCOL_LOG = re.compile(r"^\[\s*\d+\.\d+\]\s")

# What a window is.
WINDOW, QUESTION, DROPDOWN, TIP = "window", "question", "drop-down menu", "tool tip"
# Where the pairs are pressed.
PLACES = {"menu": "menu", "game3": "three-car game"}


# ---------------------------------------------------------------------------------------------
# The language files


def read_language(path):
    """The sections of a language file: {section: {key: text}}. Windows-1252, unless the file
    starts with a UTF-8 or UTF-16 byte-order mark."""
    with open(path, "rb") as f:
        data = f.read()
    if data.startswith(b"\xef\xbb\xbf"):
        text = data[3:].decode("utf-8", "replace")
    elif data[:2] in (b"\xff\xfe", b"\xfe\xff"):
        text = data.decode("utf-16", "replace")
    else:
        text = data.decode("cp1252", "replace")
    sections, current = {}, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1], {})
        elif current is not None and "=" in line:
            key, _, value = line.partition("=")
            value = value.strip()
            if len(value) >= 2 and value[0] == value[-1] == '"':
                value = value[1:-1]
            current[key.strip()] = value
    return sections


def access_key(caption):
    """The xdotool name of Alt and the letter after the caption's "&" ("&&" is a plain "&"), or None."""
    i = 0
    while i < len(caption) - 1:
        if caption[i] == "&":
            if caption[i + 1] != "&":
                letter = caption[i + 1].lower()
                return "alt+" + letter if re.fullmatch("[a-z0-9]", letter) else None
            i += 1
        i += 1
    return None


def access_keys(section):
    keys = []
    for name, text in section.items():
        key = access_key(text) if name.endswith(".Caption") else None
        if key and key not in keys:
            keys.append(key)
    return keys


class Texts:
    """What the test takes from the program's language files: access keys and window titles."""

    FORMS = {"FormAvvio": "start", "FormMenu": "menu", "FormInfo": "info",
             "FormAuto3": "game3", "FormAuto4": "game4", "FormAuto5": "game5"}

    def __init__(self, folder):
        self.folder = folder
        self.files = {name[:-4]: read_language(os.path.join(folder, name))
                      for name in sorted(os.listdir(folder)) if name.endswith(".lng")}
        italian = self.files["Italiano"]
        self.menu_keys = access_keys(italian["FormMenu"])
        self.game_keys = access_keys(italian["FormAuto3"]) + ["F1", "ctrl+z"]
        # The windows' titles in every language, and the program's own (Italian) ones.
        self.kinds = {"Parcolo": "start", "Parcolo - menu": "menu", "Informazioni su Parcolo": "info",
                      "Parcolo - tre automobili": "game3", "Parcolo - quattro automobili": "game4",
                      "Parcolo - cinque automobili": "game5"}
        self.every_key = list(QUESTION_KEYS)
        for sections in self.files.values():
            for form, kind in self.FORMS.items():
                section = sections.get(form, {})
                if section.get(form + ".Caption"):
                    self.kinds[section[form + ".Caption"]] = kind
                self.every_key += [k for k in access_keys(section) if k not in self.every_key]

    def kind(self, window):
        """start, menu, info, game3, game4, game5 or other for a window; a question, a drop-down
        menu and a tool tip are what they are."""
        return self.kinds.get(window.title, "other") if window.kind == WINDOW else window.kind

    def language(self):
        """The language the program speaks now, as its setting file says."""
        with open(os.path.join(self.folder, "LangSetting.ini"), "rb") as f:
            data = f.read()
        for encoding in ("utf-8-sig", "cp1252"):
            try:
                m = re.search(r"CurrentLanguage\s*=\s*\"?([^\"\r\n]*)", data.decode(encoding))
            except UnicodeDecodeError:
                continue
            if m and m.group(1).strip() in self.files:
                return m.group(1).strip()
        return "Italiano"

    def key(self, form, control):
        """The access key of a control in the language the program speaks now."""
        for language in (self.language(), "Italiano"):
            key = access_key(self.files.get(language, {}).get(form, {}).get(control + ".Caption", ""))
            if key:
                return key
        fail("no access key for %s.%s" % (form, control))


# ---------------------------------------------------------------------------------------------
# Two keys pressed, and when the X server took them


class XGenericEventCookie(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("extension", ctypes.c_int), ("evtype", ctypes.c_int),
                ("cookie", ctypes.c_uint), ("data", ctypes.c_void_p)]


class XIRawEvent(ctypes.Structure):  # its head; the valuators after it are not read
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("extension", ctypes.c_int), ("evtype", ctypes.c_int),
                ("time", ctypes.c_ulong), ("deviceid", ctypes.c_int), ("sourceid", ctypes.c_int),
                ("detail", ctypes.c_int), ("flags", ctypes.c_int)]


class XIEventMask(ctypes.Structure):
    _fields_ = [("deviceid", ctypes.c_int), ("mask_len", ctypes.c_int), ("mask", ctypes.POINTER(ctypes.c_ubyte))]


class Keyboard:
    """Presses two keys a millisecond apart, and tells when the X server took them.

    The keys go in through XTEST, as xdotool's do, but without a round trip to the server after
    every key: a server busy with the program's drawing would hold each one up by milliseconds.
    Every key press the server takes comes back with its time in ms as an XInput 2 raw event on the
    root window, whichever window has the keyboard (a drop-down menu grabs it). Under Wayland these
    are the presses weston reads from its output window and passes on."""

    GENERIC_EVENT, RAW_KEY_PRESS, ALL_MASTER_DEVICES = 35, 13, 1
    MODIFIERS = {"alt": "Alt_L", "ctrl": "Control_L", "shift": "Shift_L"}

    def __init__(self, display_name):
        libx11, libxi, libxtst = (ctypes.util.find_library(n) for n in ("X11", "Xi", "Xtst"))
        if not libx11 or not libxi or not libxtst:
            fail("libX11, libXi and libXtst are needed to press and time the keys")
        self.x, xi, self.xtst = ctypes.CDLL(libx11), ctypes.CDLL(libxi), ctypes.CDLL(libxtst)
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XStringToKeysym.restype = ctypes.c_ulong
        self.x.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.x.XKeysymToKeycode.restype = ctypes.c_ubyte
        self.x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.dpy = ctypes.c_void_p(self.x.XOpenDisplay(display_name.encode()))
        if not self.dpy:
            fail("cannot open the display %s to time the keys" % display_name)
        opcode, event, error = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
        if not self.x.XQueryExtension(self.dpy, b"XInputExtension", ctypes.byref(opcode), ctypes.byref(event),
                                      ctypes.byref(error)):
            fail("the X server has no XInput extension")
        self.opcode = opcode.value
        major, minor = ctypes.c_int(2), ctypes.c_int(2)  # 2.1 or later: raw events come during grabs too
        xi.XIQueryVersion(self.dpy, ctypes.byref(major), ctypes.byref(minor))
        bits = (ctypes.c_ubyte * 2)()
        bits[self.RAW_KEY_PRESS // 8] |= 1 << (self.RAW_KEY_PRESS % 8)
        mask = XIEventMask(self.ALL_MASTER_DEVICES, len(bits), bits)
        xi.XISelectEvents(self.dpy, ctypes.c_ulong(self.x.XDefaultRootWindow(self.dpy)), ctypes.byref(mask), 1)
        self.x.XSync(self.dpy, 0)
        self.event = (ctypes.c_long * 24)()  # an XEvent

    def keycodes(self, chord):
        """The keycodes of an xdotool key name ("alt+s", "F1"): modifiers first."""
        codes = []
        for name in chord.split("+"):
            keysym = self.x.XStringToKeysym(self.MODIFIERS.get(name.lower(), name).encode())
            code = self.x.XKeysymToKeycode(self.dpy, keysym) if keysym else 0
            if not code:
                fail("no key on the keyboard for %r" % name)
            codes.append(code)
        return codes

    def press(self, first, second, pause=0.001):
        """The two chords a pause apart, each key pressed and released in turn. Without a pause
        both reach the server in one piece, and it takes them one after the other."""
        for n, chord in enumerate((first, second)):
            codes = self.keycodes(chord)
            for code in codes:
                self.xtst.XTestFakeKeyEvent(self.dpy, code, 1, 0)
            for code in reversed(codes):
                self.xtst.XTestFakeKeyEvent(self.dpy, code, 0, 0)
            if n == 0 and pause:
                self.x.XFlush(self.dpy)
                time.sleep(pause)
        self.x.XFlush(self.dpy)

    def presses(self):
        """The presses taken since the last call: their times in ms."""
        times = []
        while self.x.XPending(self.dpy):
            self.x.XNextEvent(self.dpy, ctypes.byref(self.event))
            cookie = XGenericEventCookie.from_buffer(self.event)
            if (cookie.type == self.GENERIC_EVENT and cookie.extension == self.opcode
                    and self.x.XGetEventData(self.dpy, ctypes.byref(cookie))):
                if cookie.evtype == self.RAW_KEY_PRESS:
                    times.append(ctypes.cast(cookie.data, ctypes.POINTER(XIRawEvent)).contents.time)
                self.x.XFreeEventData(self.dpy, ctypes.byref(cookie))
        return times

    def close(self):
        self.x.XCloseDisplay(self.dpy)


# ---------------------------------------------------------------------------------------------
# The program's windows, read from outside

class Window:
    def __init__(self, wid, title, kind):
        self.id, self.title, self.kind = wid, title, kind

    def __repr__(self):
        return "%s %r" % (self.kind, self.title) if self.kind in (WINDOW, QUESTION) else self.kind


class State:
    def __init__(self, windows, focus):
        self.windows, self.focus = windows, focus

    def of(self, *kinds):
        return [w for w in self.windows if w.kind in kinds]

    def focused(self):
        return next((w for w in self.windows if w.id == self.focus), None)


class X11Windows:
    """The program's windows on the X server: those with its pid that are viewable."""

    TYPES = {"_NET_WM_WINDOW_TYPE_DIALOG": QUESTION, "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU": DROPDOWN,
             "_NET_WM_WINDOW_TYPE_POPUP_MENU": DROPDOWN, "_NET_WM_WINDOW_TYPE_TOOLTIP": TIP}

    def __init__(self, display, pid):
        self.d, self.pid = display, pid
        self.env = display.env({"LC_ALL": "C.UTF-8"})  # xprop writes the titles as they are

    def xprop(self, window, *atoms):
        r = subprocess.run(["xprop", "-notype", "-id", window] + list(atoms), env=self.env, capture_output=True,
                           text=True, errors="replace")
        return r.stdout if r.returncode == 0 else None

    def read(self):
        windows = []
        for wid in self.d.xdotool("search", "--onlyvisible", "--pid", self.pid, check=False):
            props = self.xprop(wid, "_NET_WM_NAME", "_NET_WM_WINDOW_TYPE", "WM_TRANSIENT_FOR")
            if props is None:
                continue  # gone meanwhile
            title = re.search(r'^_NET_WM_NAME = "(.*)"$', props, re.M)
            types = re.search(r"^_NET_WM_WINDOW_TYPE = (\w+)", props, re.M)
            kind = self.TYPES.get(types.group(1) if types else "", WINDOW)
            if kind == WINDOW and "window id" in props and self.unmanaged(wid):
                # A drop-down menu opened a second time in a row is typed a normal window by Qt;
                # it is still a popup of its window, which no window manager frames.
                kind = DROPDOWN
            windows.append(Window(wid, title.group(1) if title else "", kind))
        active = self.d.xdotool("getactivewindow", check=False)
        return State(windows, active[0] if active else None)

    def unmanaged(self, window):
        info = subprocess.run(["xwininfo", "-id", window], env=self.env, capture_output=True, text=True).stdout
        return "Override Redirect State: yes" in info

    def iconic(self):
        """The program's windows that the window manager holds iconified."""
        return [w for w in self.d.xdotool("search", "--pid", self.pid, check=False)
                if "Iconic" in (self.xprop(w, "WM_STATE") or "")]


class WaylandWindows:
    """The program's windows as its protocol log tells them: the toplevels it made and has not
    destroyed (with a parent: a question), its popups (with a grab: a drop-down menu, without: a
    tool tip), and the surface that has the keyboard."""

    def __init__(self):
        self.surfaces = {}  # xdg_surface -> wl_surface
        self.toplevels = {}  # xdg_toplevel -> {surface, title, parent, minimised}
        self.popups = {}  # xdg_popup -> has a grab
        self.keyboard = None  # the wl_surface with the keyboard
        self.error = None  # the compositor's protocol error, if any

    def feed(self, line):
        m = PROTOCOL.match(line)
        if not m:
            return
        request, interface, oid, message, args = bool(m.group(1)), m.group(2), m.group(3), m.group(4), m.group(5)
        new = re.match(r"new id \w+@(\d+)", args)
        if request and interface == "xdg_wm_base" and message == "get_xdg_surface":
            self.surfaces[new.group(1)] = re.search(r"wl_surface@(\d+)", args).group(1)
        elif request and interface == "xdg_surface" and message == "get_toplevel":
            self.toplevels[new.group(1)] = {"surface": self.surfaces.get(oid), "title": "", "parent": None,
                                            "minimised": False}
        elif request and interface == "xdg_surface" and message == "get_popup":
            self.popups[new.group(1)] = False
        elif request and interface == "xdg_surface" and message == "destroy":
            self.surfaces.pop(oid, None)
        elif request and interface == "xdg_toplevel" and oid in self.toplevels:
            top = self.toplevels[oid]
            if message == "set_title":
                top["title"] = args[1:-1]
            elif message == "set_parent":
                top["parent"] = None if args == "nil" else args
            elif message == "set_minimized":
                top["minimised"] = True
            elif message == "destroy":
                del self.toplevels[oid]
        elif request and interface == "xdg_popup":
            if message == "grab" and oid in self.popups:
                self.popups[oid] = True
            elif message == "destroy":
                self.popups.pop(oid, None)
        elif not request and interface == "wl_keyboard":
            if message == "enter":  # on a surface, or on one destroyed meanwhile ("nil")
                surface = re.search(r"wl_surface@(\d+)", args)
                self.keyboard = surface and surface.group(1)
            elif message == "leave":
                self.keyboard = None
        elif not request and interface == "wl_display" and message == "error":
            self.error = args

    def read(self):
        windows = [Window(t, top["title"], QUESTION if top["parent"] else WINDOW) for t, top in self.toplevels.items()]
        windows += [Window(p, "", DROPDOWN if grab else TIP) for p, grab in self.popups.items()]
        focus = next((t for t, top in self.toplevels.items() if top["surface"] == self.keyboard), None)
        return State(windows, focus)

    def minimised(self):
        return [top["title"] for top in self.toplevels.values() if top["minimised"]]


# ---------------------------------------------------------------------------------------------
# The program under test, started again whenever it ends with status 0


class Session:
    def __init__(self, display, wayland, program, env, texts):
        self.d, self.wayland, self.program, self.env, self.texts = display, wayland, program, env, texts
        self.restarts = collections.Counter()
        self.max_games = 0
        self.sent("the start")
        self.logs = []
        self.start()

    def sent(self, what):
        """Input went to the program: what it was (for the report of a failure) and when. The
        windows last seen at rest are no more."""
        self.input, self.input_at, self.at_rest = what, time.monotonic(), None

    def start(self):
        self.player = e2e.Player(self.d, self.program, self.env)
        self.pid = self.player.process.pid
        self.logs.append(self.player.log)
        self.log_offset, self.log_rest = 0, b""
        self.view = WaylandWindows() if self.wayland else X11Windows(self.d, self.player.pid)
        self.report = None  # the first line of a sanitizer report or crash message
        self.until("the program showed no start window",
                   lambda s: any(self.texts.kind(w) == "start" for w in s.of(WINDOW)), after="its start")

    def restart(self, why):
        self.restarts[why] += 1
        if self.player.process.poll() is None:
            self.read_log()
            self.player.process.terminate()
            self.player.process.wait()
        self.start()

    # -- what the program writes

    def read_log(self):
        with open(self.player.log, "rb") as f:
            f.seek(self.log_offset)
            data = f.read()
        self.log_offset += len(data)
        lines = (self.log_rest + data).split(b"\n")
        self.log_rest = lines.pop()
        for raw in lines:
            line = raw.decode("utf-8", "replace")
            if self.report is None and SANITIZER.search(line):
                self.report = line
            if self.wayland:
                self.view.feed(line)

    def program_output(self):
        """What the program wrote, without the protocol log, from its first report on if any."""
        with open(self.player.log, "rb") as f:
            lines = [line for line in f.read().decode("utf-8", "replace").splitlines() if not PROTOCOL_LOG.match(line)]
        first = next((i for i, line in enumerate(lines) if SANITIZER.search(line)), max(len(lines) - 40, 0))
        return "\n".join(lines[first:first + 60])

    def broken(self, message):
        # The protocol log says nothing to a reader of the failure: the failure prints the rest.
        for i, (process, log) in enumerate(e2e.LOGS):
            if log in self.logs and os.path.exists(log):
                with open(log, "rb") as f:
                    text = [l for l in f.read().decode("utf-8", "replace").splitlines() if not PROTOCOL_LOG.match(l)]
                with open(log + ".txt", "w") as f:
                    f.write("\n".join(text) + "\n")
                e2e.LOGS[i] = (process, log + ".txt")
        fail("%s\n  after: %s (%.2f s before)\n  the program's output:\n%s"
             % (message, self.input, time.monotonic() - self.input_at, self.program_output()))

    # -- the invariants

    def check(self):
        """The program's windows now, after checking that it runs (or ended with status 0), has
        written no report and shows at most one game window; None when it ended with status 0."""
        self.read_log()
        code = self.player.process.poll()
        if self.report and code is None:
            # The report is being written: wait for its end, when the program stops.
            until(None, lambda: self.player.process.poll() is not None, timeout=15)
        if self.report:
            self.read_log()
            self.broken("the program reported: %s" % self.report.strip())
        if code is not None:
            self.read_log()
            if (self.wayland and code == -signal.SIGABRT and not self.report
                    and WAYLAND_CLIENT_FAULT.search(self.program_output())):
                self.restart("Qt's Wayland client aborted in libwayland")
                return self.check()
            if self.report or code != 0:
                self.broken("the program ended with status %d%s" % (code, (": " + self.report.strip()) if self.report else ""))
            return None
        state = self.view.read()
        if self.wayland and self.view.error:
            self.broken("weston cut the program off: %s" % self.view.error)
        games = [w for w in state.of(WINDOW) if self.texts.kind(w).startswith("game")]
        self.max_games = max(self.max_games, len(games))
        if len(games) > 1:
            self.broken("%d game windows at once: %s" % (len(games), games))
        return state

    def main_thread_ran(self):
        """How long the program's main thread has run, in ns (None once it is gone)."""
        try:
            with open("/proc/%d/task/%d/schedstat" % (self.pid, self.pid)) as f:
                return int(f.read().split()[0])
        except (OSError, ValueError, IndexError):
            return None

    def settle(self):
        """Waits until the program has done everything sent so far: the late click of the last
        access key has come due and the main thread has not run for QUIET seconds since (a pending
        click would have woken it). The invariants are checked all along. Returns the windows
        then, or None when the program ended with status 0."""
        deadline = time.monotonic() + SETTLE_TIMEOUT
        ran, still_since = None, time.monotonic()
        while True:
            state = self.check()
            if state is None:
                return None
            now, now_ran = time.monotonic(), self.main_thread_ran()
            if now_ran != ran:
                ran, still_since = now_ran, now
            elif now - still_since >= QUIET and now >= self.input_at + LATE_CLICK + QUIET / 2:
                self.at_rest = state
                return state
            if now > deadline:
                self.broken("the program did not come to rest in %d s" % SETTLE_TIMEOUT)
            time.sleep(0.01)

    def until(self, what, condition, after):
        """Waits, checking the invariants, until the windows meet the condition."""
        self.sent(after)
        deadline = time.monotonic() + SETTLE_TIMEOUT
        while True:
            state = self.check()
            if state is None:
                self.broken("the program ended while waiting: %s" % what)
            if condition(state):
                return state
            if time.monotonic() > deadline:
                self.broken("%s (its windows: %s)" % (what, state.windows))
            time.sleep(0.02)

    # -- input

    def keys(self, *names, delay=1):
        self.sent("keys " + ", ".join(names))
        self.d.xdotool("key", "--delay", delay, *names)
        self.input_at = time.monotonic()

    def bring_to(self, goal, or_restart=False):
        """Leads the program with its own keys to its menu ("menu") or a three-car game ("game3"),
        alone on the screen and with the keyboard; starts it again where it ended. With
        or_restart, a program that cannot be led there in a dozen steps is started again: after
        the storm a window may hide behind another under Wayland, where no one outside can raise it."""
        for step in range(24):
            state = self.at_rest or self.settle()
            if state is None:
                self.restart("ended with status 0")
                continue
            if or_restart and step in (12, 18):
                self.restart("could not be led back to the %s" % PLACES[goal])
                continue
            if state.of(QUESTION, DROPDOWN):
                self.keys("Escape")  # a question answered No, a menu closed
                continue
            windows = state.of(WINDOW)
            focused = state.focused()
            if not windows:
                self.broken("the program runs without a window")
            if focused is None or focused.kind != WINDOW:
                self.give_keyboard(windows[-1])
                continue
            kind = self.texts.kind(focused)
            if kind == goal and len(windows) == 1:
                return focused
            if kind == "start":
                self.keys(self.texts.key("FormAvvio", "Command1"))
            elif kind == "info":
                self.keys(self.texts.key("FormInfo", "Command1"))
            elif kind.startswith("game") and kind != goal:
                self.keys(self.texts.key("FormAuto" + kind[-1], "mnuEsci"))
                asked = self.settle()
                if asked is not None and asked.of(QUESTION):
                    self.keys("Return")  # Yes: back to the menu
            elif kind == "menu" and goal == "game3":
                self.keys(self.texts.key("FormMenu", "Command4"))
            else:
                # The goal, with another window beside it: that one gets the keyboard next.
                others = [w for w in windows if w.id != focused.id]
                if not others:
                    self.broken("a window of unknown kind: %s" % focused)
                self.give_keyboard(others[-1])
        self.broken("could not lead the program back to its %s" % PLACES[goal])

    def give_keyboard(self, window):
        if self.wayland:
            # A click on the title bar of the uppermost window on the screen (the pointer, off the
            # panel, would count as a window's pixels).
            self.d.xdotool("mousemove", e2e.SCREEN[0] // 2, 4)
            covered = self.d.covered(self.d.screenshot())
            if not covered:
                self.broken("the program's windows do not show")
            x, y, w, _ = covered
            self.sent("a click on a title bar")
            self.d.click((x + w // 2, y + e2e.DECORATION[1] // 2))
        else:
            self.sent("the window %s activated" % window)
            self.d.xdotool("windowactivate", "--sync", window.id, check=False)

    def quit(self):
        """From the menu: "Esci", then Yes; the program must end with status 0 and no lock."""
        self.keys(self.texts.key("FormMenu", "Command1"))
        self.until("the exit question did not come to have the keyboard",
                   lambda s: s.focused() in s.of(QUESTION), after="Esci on the menu")
        self.keys("Return")
        until(None, lambda: self.player.process.poll() is not None, timeout=SETTLE_TIMEOUT)
        state = self.check()
        if state is not None:
            self.broken("the program did not end after Esci -> Yes (its windows: %s, the keyboard on %s)"
                        % (state.windows, state.focused()))
        if os.path.exists(os.path.join(self.env["XDG_RUNTIME_DIR"], "parcolo.lock")):
            fail("the single-copy lock stayed behind")

    def end(self):
        if self.player.process.poll() is None:
            self.player.process.terminate()
            self.player.process.wait()


# ---------------------------------------------------------------------------------------------
# 1. Every pair of access keys


def describe(session, state):
    if state is None:
        return "ended"
    return "+".join(sorted(session.texts.kind(w) for w in state.windows if w.kind != TIP))


def pairs(session, keyboard, goal, keys):
    """Every ordered pair of the keys, a millisecond apart, on the menu or the game. A pair that
    the X server took further apart than MAX_GAP_MS (it served other clients between the two) is
    pressed again, up to four times, the last time with no pause between the keys."""
    outcomes, gaps, again = collections.Counter(), [], 0
    for first in keys:
        for second in keys:
            tried = []
            while True:
                pause = 0.001 if len(tried) < 4 else 0
                tried.append(press_pair(session, keyboard, goal, first, second, outcomes, pause))
                if tried[-1] <= MAX_GAP_MS:
                    break
                if not pause:
                    fail("%s never came within %d ms of each other: %s ms" % (session.input, MAX_GAP_MS, tried))
                again += 1
            gaps.append(tried[-1])
    gaps.sort()
    print("%d pairs of %d keys (%s) on the %s: key gaps %d to %d ms, median %d (%d pairs pressed again); "
          "after them: %s" % (len(keys) ** 2, len(keys), " ".join(keys), PLACES[goal], gaps[0], gaps[-1], gaps[len(gaps) // 2],
                              again, ", ".join("%s %d" % kv for kv in sorted(outcomes.items()))))


def press_pair(session, keyboard, goal, first, second, outcomes, pause):
    """One pair on the menu or the game; the ms between the two keys as the X server took them."""
    session.bring_to(goal)
    keyboard.presses()
    session.sent("%s then %s on the %s" % (first, second, PLACES[goal]))
    keyboard.press(first, second, pause)
    session.input_at = time.monotonic()
    # Each key of a chord is pressed: the last of each (after Alt or Ctrl) is the one that counts.
    wanted = first.count("+") + second.count("+") + 2
    times = []
    until(lambda: "the X server took %d of the %d key presses of %s" % (len(times), wanted, session.input),
          lambda: times.extend(keyboard.presses()) or len(times) >= wanted, timeout=5)
    state = session.settle()
    outcomes[describe(session, state)] += 1
    if os.environ.get("PARCOLO_STORM_VERBOSE"):
        print("%-28s %3d ms  %s" % (session.input, times[wanted - 1] - times[first.count("+")],
                                     state and state.windows))
    if state is None:
        if YES_KEY not in (first, second):
            session.broken("the program ended although neither key answers a question")
        session.restart("Yes said in the pairs")
    return times[wanted - 1] - times[first.count("+")]


# ---------------------------------------------------------------------------------------------
# 2. The storm


class Storm:
    def __init__(self, session, seed):
        self.s, self.d = session, session.d
        self.rng = random.Random(seed)
        self.keys = session.texts.every_key
        self.sent = collections.Counter()
        self.brought_back = 0
        # Clicks keep off what would take the program out of the test's reach: weston's panel (its
        # launcher), and the title-bar buttons at the corners of a maximised window (minimised, a
        # Wayland window cannot be brought back from outside; openbox's window menu has the keys).
        width, height = e2e.SCREEN
        if session.wayland:
            top = self.d.panel
            self.kept_off = [(0, 0, width, top), (width - 120, top, width, top + e2e.DECORATION[1])]
        else:
            self.kept_off = [(0, 0, 40, 28), (width - 90, 0, width, 28)]
        self.top = self.d.panel if session.wayland else 0

    def point(self):
        while True:
            x, y = self.rng.randrange(e2e.SCREEN[0]), self.rng.randrange(self.top, e2e.SCREEN[1])
            if not any(a <= x < c and b <= y < d for a, b, c, d in self.kept_off):
                return x, y

    def burst(self):
        """The xdotool commands of one burst of 8 to 40 events."""
        rng = self.rng
        events = []
        for _ in range(rng.randint(8, 40)):
            r = rng.random()
            if r < 0.40:
                self.sent["access keys"] += 1
                events.append(["key", "--delay", "0", rng.choice(self.keys)])
            elif r < 0.75:
                self.sent["other keys"] += 1
                events.append(["key", "--delay", "0", rng.choice(PLAIN_KEYS)])
            elif r < 0.90:
                self.sent["clicks"] += 1
                events.append(["mousemove"] + list(self.point()) + ["click", "1"])
            else:
                self.sent["double clicks"] += 1
                events.append(["mousemove"] + list(self.point()) + ["click", "--repeat", "2", "--delay", rng.randint(1, 30), "1"])
        if self.s.wayland and rng.random() < 0.3:
            self.frame_events(events)
        args = []
        for event in events:
            args += event
            gap = rng.randint(0, 30)
            if gap:
                args += ["sleep", "%.3f" % (gap / 1000)]
        return [str(a) for a in args]

    def frame_events(self, events):
        """Under weston, events on the frame Qt draws round the window on top: a double click on
        its title bar, and while it is not maximised drags of its right or bottom edge or its
        corner; last, now and then, a click on its maximise button, which maximises it or gives it
        back its own size."""
        rng = self.rng
        self.d.xdotool("mousemove", e2e.SCREEN[0] // 2, 4)  # the pointer off the windows' picture
        frame = self.d.covered(self.d.screenshot())
        if not frame:
            return
        x, y, w, h = frame
        title = y + e2e.DECORATION[1] // 2
        maximised = frame == (0, self.d.panel, e2e.SCREEN[0], e2e.SCREEN[1] - self.d.panel)
        extra = []
        if rng.random() < 0.5:
            self.sent["title-bar double clicks"] += 1
            extra.append(["mousemove", x + rng.randint(20, max(21, w - 160)), title,
                          "click", "--repeat", "2", "--delay", rng.randint(1, 30), "1"])
        for _ in range(0 if maximised else rng.randint(1, 3)):
            self.sent["edge drags"] += 1
            start = rng.choice([(x + w - 2, y + h // 2), (x + w // 2, y + h - 2), (x + w - 2, y + h - 2)])
            dx, dy = rng.randint(-300, 300), rng.randint(-200, 200)
            drag = ["mousemove", start[0], start[1], "mousedown", "1"]
            for i in range(1, 7):
                drag += ["sleep", "0.01", "mousemove", start[0] + dx * i // 6, start[1] + dy * i // 6]
            extra.append(drag + ["mouseup", "1"])
        for event in extra:
            events.insert(rng.randrange(len(events) + 1), event)
        if rng.random() < (0.7 if maximised else 0.4):
            self.sent["maximise-button clicks"] += 1
            events.append(["mousemove", x + w - 40, title, "click", "1"])

    def run(self, events):
        s = self.s
        started, count = time.monotonic(), 0
        while count < events:
            args = self.burst()
            count += sum(1 for a in args if a in ("key", "click", "mousedown"))
            s.sent("a burst of the storm: xdotool " + " ".join(args))
            burst = subprocess.Popen(["xdotool"] + args, env=self.d.env(), stdout=subprocess.DEVNULL,
                                     stderr=subprocess.PIPE)
            # The invariants while the burst runs, and once it is done.
            state = s.check()
            while burst.poll() is None and state is not None:
                time.sleep(0.01)
                state = s.check()
            _, errors = burst.communicate()
            if burst.returncode != 0:
                fail("xdotool %s: %s" % (" ".join(args), errors.decode(errors="replace")))
            s.input_at = time.monotonic()
            if state is not None:
                state = s.check()
            if state is None:
                s.restart("the storm said Yes or closed the last window")
            elif s.wayland and s.view.minimised():
                # No one can bring a minimised window back from outside: a new start.
                s.restart("a window was minimised")
            elif not s.wayland and s.view.iconic():
                self.bring_back()
            elif not state.of(WINDOW):
                # None shows: one may be on its way; a program that stays without one is a fault.
                state = s.settle()
                if state is None:
                    s.restart("the storm said Yes or closed the last window")
                elif not state.of(WINDOW):
                    s.broken("the program runs without a window")
        state = s.settle()
        if state is None:
            s.restart("the storm said Yes or closed the last window")
        return time.monotonic() - started, count

    def bring_back(self):
        """Openbox holds windows of the program iconified (a click on a title-bar button): they
        are activated again."""
        for window in self.s.view.iconic():
            self.d.xdotool("windowactivate", window, check=False)
        self.brought_back += 1
        self.s.until("the iconified windows did not come back", lambda st: not self.s.view.iconic(),
                     after="activating the iconified windows")


# ---------------------------------------------------------------------------------------------


def restarts(session):
    return ", ".join("%s: %d" % kv for kv in sorted(session.restarts.items())) or "none"


def documents(work):
    """How often the stand-in xdg-open was asked to open something."""
    try:
        with open(os.path.join(work, "opened")) as f:
            return len(f.read().splitlines())
    except FileNotFoundError:
        return 0


def program_folder(source, work):
    """A fresh copy of the program folder, speaking Italian; a stand-in xdg-open beside it."""
    folder = e2e.fresh_program_folder(source, work)
    tools = os.path.join(work, "bin")
    os.makedirs(tools)
    with open(os.path.join(tools, "xdg-open"), "w") as f:
        f.write("#!/bin/sh\necho \"$@\" >> %s\n" % os.path.join(work, "opened"))
    os.chmod(os.path.join(tools, "xdg-open"), 0o755)
    return folder, tools


def main():
    source = sys.argv[1]
    wayland = "--wayland" in sys.argv[2:]
    if not wayland and "--wm" not in sys.argv[2:]:
        fail("usage: storm_test.py PROGRAM_FOLDER (--wm | --wayland) [--only pairs | --only storm]")
    only = sys.argv[sys.argv.index("--only") + 1] if "--only" in sys.argv[2:-1] else None
    if wayland and not shutil.which("weston"):
        print("SKIP: weston is not installed")
        sys.exit(e2e.SKIPPED)
    seed = int(os.environ.get("PARCOLO_STORM_SEED", SEED))
    print("seed %d" % seed)
    work = tempfile.mkdtemp(prefix="parcolo-storm-")
    folder, tools = program_folder(source, work)
    texts = Texts(folder)
    runtime = os.path.join(work, "run")
    os.makedirs(runtime, mode=0o700)
    started = time.monotonic()
    display = session = keyboard = None
    # Stopped from outside (a time limit), the test still takes down its servers and the program.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    try:
        display = e2e.WaylandDisplay(work, runtime) if wayland else e2e.Display(work, True)
        extra = {"XDG_RUNTIME_DIR": runtime, "XDG_CONFIG_HOME": os.path.join(work, "config"),
                 "XDG_DATA_HOME": os.path.join(work, "data"),
                 "PATH": tools + os.pathsep + os.environ.get("PATH", "/usr/bin:/bin")}
        if wayland:
            extra["WAYLAND_DEBUG"] = "client"
        keyboard = Keyboard(display.name)
        session = Session(display, wayland, os.path.join(folder, "parcolo"), display.program_env(extra), texts)
        # The pointer rests where it opens no tool tip: on weston's panel, on openbox's title bar.
        display.xdotool("mousemove", e2e.SCREEN[0] // 2, 4)

        if only != "storm":
            pairs(session, keyboard, "menu", texts.menu_keys)
            pairs(session, keyboard, "game3", texts.game_keys)
            print("the pairs took %.0f s; the program was started again %d times (%s); at most %d game "
                  "window(s) at once" % (time.monotonic() - started, sum(session.restarts.values()),
                                         restarts(session), session.max_games))

        session.restarts.clear()
        session.max_games = 0
        storm = Storm(session, seed)
        if only != "pairs":
            took, events = storm.run(STORM_EVENTS)
            print("storm of seed %d: %d events in %.0f s (%s; %d different access keys); the program was "
                  "started again %d times (%s); at most %d game window(s) at once%s; the manual was asked for "
                  "%d times" % (seed, events, took, ", ".join("%s %d" % kv for kv in sorted(storm.sent.items())),
                                len(storm.keys), sum(session.restarts.values()), restarts(session),
                                session.max_games,
                                "" if wayland else "; iconified windows brought back %d times" % storm.brought_back,
                                documents(work)))
        session.bring_to("menu", or_restart=True)
        session.quit()
    finally:
        if session:
            session.end()
        if keyboard:
            keyboard.close()
        if display:
            display.close()
        e2e.remove_work(work)
    print("PASS in %.0f s" % (time.monotonic() - started))


if __name__ == "__main__":
    main()

"""Headless Chromium through Playwright (bridge.mjs, in node), the site's static server,
and a tab of the game: its canvas against the render tool, the menu bar, the <dialog>
boxes, the stored score file, the faked clock."""

import base64
import ctypes
import json
import os
import select
import signal
import subprocess
import time
from pathlib import Path

from desktop import STARTED, differences
from game_facts import LAYOUTS, Failure, cell_centre, check, wait_until

HERE = Path(__file__).resolve().parent
CHROMIUM = os.environ.get("TOVRIN_CHROMIUM", "/usr/bin/chromium")
STORE_KEY = "tovrin-mini/Dudazure2.hsc"
DEADLINE = 15.0


def ended_with_us():
    """In a child before it starts: SIGTERM when this runner dies, even by SIGKILL."""
    ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def serve(site):
    """python3 -m http.server on 127.0.0.1 and a port of its choosing: (process, base URL)."""
    server = subprocess.Popen(["python3", "-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
                               "--directory", str(site)], stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, text=True, preexec_fn=ended_with_us)
    STARTED.append(server)
    line = server.stdout.readline()  # Serving HTTP on 127.0.0.1 port N (http://...) ...
    check("port" in line, "the server said %r" % line)
    return server, "http://127.0.0.1:%s/" % line.split("port")[1].split()[0]


class Bridge:
    """One node process and its browser; call(target, method, *args, keep=name)."""

    def __init__(self, log):
        self.process = subprocess.Popen(["node", str(HERE / "bridge.mjs")], cwd=HERE,
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=open(log, "ab"), text=True,
                                        preexec_fn=ended_with_us)
        STARTED.append(self.process)
        self.count, self.names = 0, 0
        self.call("chromium", "launch", {"executablePath": CHROMIUM, "headless": True},
                  keep="browser")

    def call(self, target, method, *args, keep=None, timeout=60.0):
        self.count += 1
        request = dict(id=self.count, target=target, call=method, args=list(args), keep=keep)
        self.process.stdin.write(json.dumps(request) + "\n")
        self.process.stdin.flush()
        if not select.select([self.process.stdout], [], [], timeout)[0]:
            raise Failure("the browser did not answer %s.%s in %g s" % (target, method, timeout))
        answer = json.loads(self.process.stdout.readline() or '{"error": "the bridge ended"}')
        if "error" in answer:
            raise Failure("%s.%s%s: %s" % (target, method, tuple(args), answer["error"]))
        value = answer["value"]
        return base64.b64decode(value["$base64"]) if isinstance(value, dict) and \
            "$base64" in value else value

    def fresh(self, prefix):
        self.names += 1
        return "%s%d" % (prefix, self.names)

    def context(self, **options):
        """A new browser context (its own storage and service workers)."""
        name = self.fresh("context")
        self.call("browser", "newContext", options, keep=name)
        return name

    def close(self):
        """Closes the browser and ends node (before stop_started would kill it)."""
        if self.process.poll() is None:
            self.process.stdin.close()
            try:
                self.process.wait(20)
            except subprocess.TimeoutExpired:
                self.process.terminate()  # Playwright ends its browser on SIGTERM
                self.process.wait(20)


# Game pixel (x, y) to the page's CSS pixels, and device pixels per game pixel.
PLACE = """([x, y]) => {
    const canvas = document.getElementById("game"), box = canvas.getBoundingClientRect();
    return [box.left + (x + 0.5) * box.width / canvas.width,
            box.top + (y + 0.5) * box.height / canvas.height,
            box.width / canvas.width * devicePixelRatio];
}"""

# The menu bar: each top-level entry's text and its menu's entries as [role, text,
# command, aria-checked]; or, given a command, the index of the top-level entry opening it.
MENUS = """(command) => {
    const tops = [...document.querySelectorAll('#menubar [aria-haspopup="true"]')];
    const menuOf = (top) => top.nextElementSibling;
    const entries = (menu) => [...menu.querySelectorAll(
        '[role="menuitem"], [role="menuitemcheckbox"], [role="separator"]')].map(e =>
        [e.getAttribute("role"), e.textContent.trim(), Number(e.dataset.command || 0),
         e.getAttribute("aria-checked")]);
    if (command) {
        const item = document.querySelector(`#menubar [data-command="${command}"]`);
        return tops.findIndex(top => menuOf(top)?.contains(item));
    }
    return tops.map(top => [top.textContent.trim(), entries(menuOf(top))]);
}"""

# The topmost open <dialog>: caption, text, button labels, the field's value and selection.
BOX = """() => {
    const open = [...document.querySelectorAll("dialog[open]")];
    if (!open.length) return null;
    const box = open[open.length - 1], field = box.querySelector("input");
    return {count: open.length, caption: box.querySelector("h1")?.textContent,
            text: [...box.querySelectorAll("p")].map(p => p.innerText).join("\\n"),
            all: box.innerText,
            buttons: [...box.querySelectorAll("button")].map(b => b.textContent.trim()),
            field: field && [field.value, field.selectionStart, field.selectionEnd,
                             document.activeElement === field]};
}"""


def decoded(value):
    """The score file's bytes from localStorage's value; None when absent, the text itself
    when it is not base64."""
    try:
        return None if value is None else base64.b64decode(value, validate=True)
    except ValueError:
        return value


class Tab:
    """A page of the game in a context; its clock faked and paused when clock_at names a
    time, and then let run while a wait polls when the game waits of its own (waits)."""

    def __init__(self, bridge, context, url, work, clock_at=None, waits=True, script=None):
        self.bridge, self.url, self.work = bridge, url, work
        self.page = bridge.fresh("page")
        bridge.call(context, "newPage", keep=self.page)
        if script:
            self.call("addInitScript", script)
        self.paused = clock_at is not None and waits
        if clock_at is not None:  # seconds since 1970, the deal's seed; the clock runs
            self.call("clock.install", {"time": clock_at * 1000 - 1000})  # until paused
            self.call("clock.pauseAt", clock_at * 1000)
        self.call("goto", url)
        self.wait_frames(1)

    def call(self, method, *args, **more):
        return self.bridge.call(self.page, method, *args, **more)

    def js(self, function, arg=None):
        return self.call("evaluate", function, arg)

    def run_clock(self, ms):
        self.call("clock.runFor", ms)

    def until(self, function, what, arg=None, timeout=DEADLINE):
        """Polls function (a page function given arg, or a Python one); lets the paused
        clock run 100 ms a turn after a real moment when the game has waits of its own."""
        began = time.monotonic()

        def holds():
            if value := function() if callable(function) else self.js(function, arg):
                return value
            if self.paused and time.monotonic() - began > 0.3:
                self.run_clock(100)
            return None

        return wait_until(holds, what, timeout, 0.02)

    def wait_frames(self, least):
        return self.until("(n) => Number(document.getElementById('game')?.dataset.frames) >= n",
                          "frame %d" % least, least)

    def expect(self, tool, layout, difficulty, seed, moves="", seconds=None):
        """The canvas shows the render tool's frame (outside the clock unless seconds)."""
        out = os.path.join(self.work, "expected-%d.png" % time.monotonic_ns())
        tool.frame(out, layout, difficulty, seed, moves, seconds)
        expected = subprocess.run(["convert", out, "-depth", "8", "rgb:-"], check=True,
                                  timeout=20, stdout=subprocess.PIPE).stdout
        size, masks, last = LAYOUTS[layout]["client"], [], [None]
        if seconds is None:
            masks.append(LAYOUTS[layout]["time_counter"])

        def matches():
            *shown, png = self.js("() => { const c = document.getElementById('game'); "
                                  "return [c.width, c.height, c.toDataURL()]; }")
            rgba = subprocess.run(["convert", "png:-", "-depth", "8", "rgba:-"], check=True,
                                  timeout=20, stdout=subprocess.PIPE, input=base64.b64decode(
                                      png.split(",")[1])).stdout
            check(rgba[3::4].count(255) == len(rgba) // 4, "a pixel of the canvas not opaque")
            pixels, shown = bytearray(len(rgba) // 4 * 3), tuple(shown)
            for channel in range(3):
                pixels[channel::3] = rgba[channel::4]
            last[0] = (shown,) + differences(pixels, expected, *size, masks) + (bytes(pixels),)
            return shown == size and last[0][1] == 0

        try:
            self.until(matches, "frame")
        except Failure:
            shown, count, first, pixels = last[0]
            subprocess.run(["convert", "-size", "%dx%d" % shown, "-depth", "8", "rgb:-",
                            out.replace(".png", "-shown.png")], input=pixels, timeout=20)
            raise Failure("the canvas (%dx%d) is not %s (%s %s, seed %d, moves %r, %s s): "
                          "%d pixels differ, first %s" % (*shown, out, layout, difficulty, seed,
                                                          moves, seconds, count, first))

    def point(self, layout, cell=None, at=None):
        """The CSS position of a cell's centre or a game pixel, and the page's scale."""
        return self.js(PLACE, list(at or cell_centre(layout, *cell)))

    def click(self, layout, cells=(), touch=False):
        for cell in cells:
            x, y, _ = self.point(layout, cell)
            if touch:
                self.call("touchscreen.tap", x, y)
            else:
                self.call("mouse.click", x, y)

    def menu(self, command, keyboard=False, touch=False):
        """Runs a command from the menu bar: opens its menu, then clicks, taps or focuses
        the item and presses Enter."""
        top = self.js(MENUS, command)
        check(top >= 0, "no menu holds command %d" % command)
        opener = '#menubar [aria-haspopup="true"] >> nth=%d' % top
        item = '#menubar [data-command="%d"]' % command
        self.call("tap" if touch else "click", opener)
        if keyboard:
            self.call("focus", item)
            self.call("keyboard.press", "Enter")
        else:
            self.call("tap" if touch else "click", item)

    def keys(self, *keys):
        """Presses keys named as the desktop stories name them ("alt+f", "u")."""
        for key in keys:
            self.call("keyboard.press", key.replace("alt+", "Alt+"))

    def menu_bar(self):
        return self.js(MENUS, 0)

    def checked(self):
        """The commands whose items are checked."""
        return {e[2] for _, entries in self.menu_bar() for e in entries if e[3] == "true"}

    def box(self):
        return self.until(BOX, "a box")

    def answer(self, caption, buttons, key=None, label=None, text=None):
        """Checks the topmost box, answers it by key or by clicking a label; waits until it
        is gone."""
        box = self.box()
        check((box["caption"], box["buttons"]) == (caption, buttons) and
              (text is None or text in box["text"]), "the box %s" % box)
        self.js("() => [...document.querySelectorAll('dialog[open]')].pop().dataset.answered = 1")
        if key:
            self.call("keyboard.press", key)
        else:
            self.call("click", 'dialog[open] button:text-is("%s") >> nth=-1' % label)
        self.until("() => !document.querySelector('dialog[open][data-answered]')",
                   "the box %s to close" % caption)
        return box

    def stored(self):
        return decoded(self.js("(key) => localStorage.getItem(key)", STORE_KEY))

    def console(self):
        return self.bridge.call("bridge", "console", self.page)

    def close(self):
        self.call("close", {"runBeforeUnload": True})

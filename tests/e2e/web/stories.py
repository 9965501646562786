"""stories.py SITE RENDER-TOOL [--shots DIR] [STORY ...]: the browser game in headless
Chromium, served from SITE on 127.0.0.1, checked against the render tool, the rules and
the score file's bytes; prints the site's sizes and the page's timings. A failed story
keeps its files; --shots saves the README's screenshots there."""

import base64
import gzip
import json
import os
import signal
import statistics
import sys
import tempfile
import time
import traceback
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path[:0] = [str(HERE.parent / "common"), str(HERE)]

from browser import *  # noqa: E402,F403 - the browser, the server, a tab of the game
from desktop import run_stories, stop_started  # noqa: E402
from game_facts import *  # noqa: E402,F403 - game facts, board, score file, checks

PLAY, CLEAR, STUCK = map(seed_for, (PLAY_TIME, CLEAR_TIME, STUCK_TIME))
CMD_VERSION = 32776
YES_NO, OK_CANCEL = ["はい(Y)", "いいえ(N)"], ["OK", "ｷｬﾝｾﾙ"]
# The desktop menu, each "(&X)" shown as "(X)"; None is a separator.
MENU_BAR = [("ﾌｧｲﾙ(F)", [("新しいｹﾞｰﾑ(N)", CMD_NEW_GAME), ("一手戻す(U)", CMD_UNDO), None,
                         ("ﾋﾝﾄ(H)", CMD_HINT), None, ("ﾊｲｽｺｱ(S)", CMD_HIGH_SCORE), None,
                         ("終了(Q)", CMD_QUIT)]),
            ("ｵﾌﾟｼｮﾝ(O)", [("簡単ﾓｰﾄﾞ(E)", CMD_EASY), ("通常ﾓｰﾄﾞ(N)", CMD_NORMAL), None,
                           ("ｻｳﾝﾄﾞｵﾝ(O)", CMD_SOUND_ON), ("ｻｳﾝﾄﾞｵﾌ(F)", CMD_SOUND_OFF), None,
                           ("みにﾓｰﾄﾞ(M)", CMD_MINI), ("みにじゃないﾓｰﾄﾞ(L)", CMD_LARGE)]),
            ("ﾍﾙﾌﾟ(H)", [("ﾊﾞｰｼﾞｮﾝ(A) ...", CMD_VERSION)])]
OPTIONS = {CMD_EASY: "easy", CMD_NORMAL: "normal", CMD_MINI: "mini", CMD_LARGE: "large"}
DESKTOP = dict(viewport={"width": 1280, "height": 720}, hasTouch=True)
PHONE = dict(viewport={"width": 390, "height": 844}, deviceScaleFactor=3, isMobile=True,
             hasTouch=True)
# Typed into the name dialog: "A?ﾃｽ名前" is what fits of it in nine Shift_JIS bytes.
TYPED, NAME = "A\U0001f600ﾃｽ名前です", b"A?\xc3\xbd\x96\xbc\x91O\0\0"
# In the page from its start: when the canvas first showed a frame, after navigation.
FIRST_FRAME = """new MutationObserver((_, observer) => {
    if (Number(document.getElementById("game")?.dataset.frames) >= 1) {
        window.tovrinFirstFrame = performance.now();
        observer.disconnect();
    }
}).observe(document, {attributes: true, subtree: true, attributeFilter: ["data-frames"]});"""

SITE, RENDER, WORK, SHOTS, URL, SERVER, BRIDGE = (None,) * 7


def expected_menu_bar(checked):
    return [[top, [["separator", "", 0, None] if entry is None else [
        "menuitemcheckbox" if entry[1] in range(CMD_EASY, CMD_LARGE + 1) else "menuitem",
        entry[0], entry[1], ("true" if entry[1] in checked else "false")
        if entry[1] in range(CMD_EASY, CMD_LARGE + 1) else None] for entry in entries]]
            for top, entries in MENU_BAR]


def on_site(ctx, function, arg=None):
    """Runs function(arg) in a plain page of the site's origin (no game) and closes it."""
    page = BRIDGE.fresh("page")
    BRIDGE.call(ctx, "newPage", keep=page)
    BRIDGE.call(page, "goto", URL + "manifest.webmanifest")
    value = BRIDGE.call(page, "evaluate", function, arg)
    BRIDGE.call(page, "close")
    return value


def store(ctx, contents):
    """Puts the score file's bytes (or, given a str, that text) in localStorage."""
    text = contents if isinstance(contents, str) else base64.b64encode(contents).decode()
    on_site(ctx, "([key, text]) => localStorage.setItem(key, text)", [STORE_KEY, text])


def stored(ctx):
    return decoded(on_site(ctx, "(key) => localStorage.getItem(key)", STORE_KEY))


def quiet(tab):
    """The page has logged no error, warning or uncaught exception."""
    lines = tab.console()
    check(not [l for l in lines if l.split(":")[0] in ("error", "warning", "pageerror")],
          "the page logged %s" % lines)


def next_second(tab):
    """Moves the paused clock on to the next whole second and returns it: a deal that
    follows, after the half-second wait for the tune at most, takes it as its seed."""
    now = tab.js("() => Math.floor(Date.now() / 1000)") + 1
    tab.call("clock.pauseAt", now * 1000)
    return now & 0xFFFFFFFF


def scale(tab, layout, expected):
    """Waits for the page's device pixels per game pixel (a resize is fitted after it)
    to be expected, and returns it for the figures."""
    tab.until(lambda: round(tab.point(layout, at=(0, 0))[2], 3) == expected,
              "%s at %dx" % (layout, expected))
    return expected


def shot(tab, name):
    if SHOTS:
        tab.call("screenshot", {"path": str(Path(SHOTS, name))})


def first_game_menus_options_and_quit():
    """A new file with the defaults; the desktop menu; the first frame pixel for pixel in
    both layouts; a pair by mouse and one by touch; the clock; hint, and undo by its keys;
    both answers to New game and Quit; each option and its checks; Quit saves them and
    the restart link brings them back, under another clock."""
    ctx = BRIDGE.context(**DESKTOP)
    t = Tab(BRIDGE, ctx, URL, WORK, PLAY)
    check(t.js("() => [document.title, document.documentElement.lang]") == ["Tovrinみに", "ja"],
          "title and language")
    check(t.stored() == score_file(), "a new file %r" % t.stored())
    bar = t.menu_bar()
    check(bar == expected_menu_bar({CMD_NORMAL, CMD_SOUND_ON, CMD_MINI}), "the menu %s" % bar)
    t.expect(RENDER, "mini", "normal", PLAY, seconds=0)
    print("     desktop 1280x720: mini at %gx" % scale(t, "mini", 2))
    t.run_clock(3000)
    t.expect(RENDER, "mini", "normal", PLAY, seconds=3)
    first = hint_pair(RENDER.board("mini", "normal", PLAY)[0])
    t.click("mini", first)
    t.expect(RENDER, "mini", "normal", PLAY, moves_text([first]), 3)
    second = hint_pair(RENDER.board("mini", "normal", PLAY, moves_text([first]))[0])
    t.click("mini", second, touch=True)
    moves = moves_text([first, second])
    t.expect(RENDER, "mini", "normal", PLAY, moves, 3)
    t.menu(CMD_HINT)
    t.expect(RENDER, "mini", "normal", PLAY, moves + " H", 3)
    shot(t, "web-desktop.png")
    t.keys(*KEYS_UNDO)
    t.expect(RENDER, "mini", "normal", PLAY, moves + " H U", 3)
    quiet(t)

    t.menu(CMD_NEW_GAME)
    t.answer("新しいゲーム", YES_NO, key="Escape", text="新しいゲーム?")
    t.expect(RENDER, "mini", "normal", PLAY, moves + " H U", 3)
    dealt = next_second(t)
    t.menu(CMD_NEW_GAME, touch=True)
    t.answer("新しいゲーム", YES_NO, key="Enter")
    t.expect(RENDER, "mini", "normal", dealt)
    # Each option deals again; the checks follow; a layout resizes the canvas.
    chosen = [CMD_NORMAL, CMD_SOUND_ON, CMD_MINI]  # difficulty, sound, layout
    for command in (CMD_EASY, CMD_LARGE, CMD_SOUND_OFF, CMD_NORMAL, CMD_MINI, CMD_SOUND_ON,
                    CMD_LARGE, CMD_SOUND_OFF):
        chosen[(command - CMD_EASY) // 2] = command
        dealt = next_second(t)
        if command == CMD_MINI:
            t.keys(*KEYS_MINI)
        else:
            t.menu(command, keyboard=command == CMD_SOUND_ON)
        t.expect(RENDER, OPTIONS[chosen[2]], OPTIONS[chosen[0]], dealt)
        check(t.checked() == set(chosen), "after %d: checked %s" % (command, t.checked()))
    t.menu(CMD_QUIT)
    t.answer("終了", YES_NO, label="いいえ(N)", text="終了?")
    t.expect(RENDER, "large", "normal", dealt)
    t.menu(CMD_QUIT)
    t.answer("終了", YES_NO, key="Enter")
    t.until("() => document.getElementById('ended') && !document.getElementById('game') && "
            "!document.getElementById('menubar') && document.getElementById('restart')"
            ".getAttribute('href') === './'", "the notice that the game has ended")
    saved = score_file(difficulty=CMD_NORMAL, sound=CMD_SOUND_OFF, layout=CMD_LARGE)
    check(t.stored() == saved, "Quit saved %r" % t.stored())

    t.call("clock.pauseAt", CLEAR * 1000)
    t.call("click", "#restart")
    t.wait_frames(1)
    check(t.checked() == {CMD_NORMAL, CMD_SOUND_OFF, CMD_LARGE}, "restored %s" % t.checked())
    t.expect(RENDER, "large", "normal", CLEAR, seconds=0)
    check(t.stored() == saved, "the restart changed the file: %r" % t.stored())


def an_easy_game_cleared_enters_the_table():
    """A whole Easy game cleared by clicks with 7 seconds on the clock, which stops; the
    name dialog cuts a long name to nine Shift_JIS bytes; the table. The deal cleared
    again: the dialog offers that name, selected; Cancel keeps it. The records' bytes
    after a reload."""
    pairs = RENDER.hint_path("mini", "easy", CLEAR)[0]
    ctx = BRIDGE.context(**DESKTOP)
    store(ctx, score_file(difficulty=CMD_EASY, sound=CMD_SOUND_OFF))
    t = Tab(BRIDGE, ctx, URL, WORK, CLEAR, waits=False)
    half = len(pairs) // 2
    t.click("mini", cells_of(pairs[:half]))
    t.run_clock(7000)
    t.expect(RENDER, "mini", "easy", CLEAR, moves_text(pairs[:half]), 7)
    t.click("mini", cells_of(pairs[half:]))
    for offered, key in (("", "Enter"), ("A?ﾃｽ名前", "Escape")):
        box = t.box()
        check(box["caption"] == "ハイスコア" and "名前を入力してください" in box["all"] and
              box["buttons"] == OK_CANCEL and box["field"] == [offered, 0, len(offered), True],
              "the name dialog %s" % box)
        if key == "Enter":
            t.call("keyboard.type", TYPED)
        t.answer("ハイスコア", OK_CANCEL, key=key)
        t.answer("ハイスコア", ["OK"], key="Enter", text="A?ﾃｽ名前")
        t.run_clock(3000)
        t.expect(RENDER, "mini", "easy", CLEAR, moves_text(pairs), 7 if key == "Enter" else 0)
        if key == "Enter":
            t.call("clock.setSystemTime", CLEAR * 1000)
            t.menu(CMD_NEW_GAME)
            t.answer("新しいゲーム", YES_NO, key="Enter")
            t.expect(RENDER, "mini", "easy", CLEAR, seconds=0)
            t.click("mini", cells_of(pairs))
    t.call("reload")
    t.wait_frames(1)
    records = [record(0, NAME), record(7, NAME)] + [DEFAULT_RECORD] * 4
    check(t.stored() == score_file(records, CMD_EASY, CMD_SOUND_OFF),
          "after the reload the file is %r" % t.stored())
    quiet(t)


def a_stuck_game_on_a_phone():
    """On a phone, by taps: the board's scale, upright and turned, and no scroll, zoom or
    long-press menu on it; a deal that gets stuck; the game-over box; the clock frozen;
    taps refused, while the box is open and after; the large layout at its own scale."""
    pairs = RENDER.hint_path("mini", "easy", STUCK)[0]
    rows = RENDER.board("mini", "easy", STUCK, moves_text(pairs))[0]
    left = next((c, r) for r in range(ROWS) for c in range(COLUMNS) if rows[r][c] != EMPTY_CELL)
    ctx = BRIDGE.context(**PHONE)
    store(ctx, score_file(difficulty=CMD_EASY, sound=CMD_SOUND_OFF))
    t = Tab(BRIDGE, ctx, URL, WORK, STUCK, waits=False)
    print("     phone 390x844 at 3 device pixels a CSS pixel: mini at %gx" % scale(t, "mini", 2))
    t.expect(RENDER, "mini", "easy", STUCK, seconds=0)
    shot(t, "web-phone-mini.png")
    check(t.js("""() => { const canvas = document.getElementById("game");
        return getComputedStyle(canvas).touchAction === "none" && !canvas.dispatchEvent(
            new MouseEvent("contextmenu", {bubbles: true, cancelable: true})); }"""),
          "the board may scroll, zoom or open a menu")
    for size, fits in (({"width": 844, "height": 390}, 5), (PHONE["viewport"], 2)):
        t.call("setViewportSize", size)  # turned on its side, and back
        scale(t, "mini", fits)
    t.click("mini", pairs[0], touch=True)
    t.run_clock(2000)
    t.click("mini", cells_of(pairs[1:]), touch=True)
    check(t.box()["count"] == 1, "more than one box")
    t.click("mini", [left], touch=True)
    t.run_clock(3000)
    t.expect(RENDER, "mini", "easy", STUCK, moves_text(pairs), 2)
    t.answer("Tovrinみに", ["OK"], key="Escape", text="ゲームオーバー")
    t.click("mini", [left], touch=True)
    t.expect(RENDER, "mini", "easy", STUCK, moves_text(pairs), 2)
    dealt = next_second(t)
    t.menu(CMD_LARGE, touch=True)
    t.expect(RENDER, "large", "easy", dealt, seconds=0)
    print("     phone: large at %gx" % scale(t, "large", 1))
    shot(t, "web-phone-large.png")


def a_second_tab_and_an_unusable_file():
    """A second tab plays with the defaults, silently, and writes nothing (its table
    seen); closing the first saves its options; a stored value that is not base64 gives the defaults and stays."""
    held = score_file([record(42, b"yuki\0\0\0\0\0\0")] + [DEFAULT_RECORD] * 5, CMD_EASY,
                      CMD_SOUND_OFF, CMD_LARGE)
    ctx = BRIDGE.context(**DESKTOP)
    store(ctx, held)
    first = Tab(BRIDGE, ctx, URL, WORK, PLAY)
    first.expect(RENDER, "large", "easy", PLAY, seconds=0)
    second = Tab(BRIDGE, ctx, URL, WORK, PLAY)
    second.expect(RENDER, "mini", "normal", PLAY, seconds=0)
    check(second.js(BOX) is None and second.checked() == {CMD_NORMAL, CMD_SOUND_ON, CMD_MINI},
          "the second tab: %s %s" % (second.js(BOX), second.checked()))
    second.menu(CMD_HIGH_SCORE)
    table = second.answer("ハイスコア", ["OK"], key="Escape")
    check("yuki" not in table["all"] and "nobody" in table["all"], "its table %s" % table)
    dealt = next_second(second)
    second.menu(CMD_LARGE)
    second.expect(RENDER, "large", "normal", dealt)
    dealt = next_second(first)
    first.call("reload")  # keeps the file from the second tab, which is still open
    first.wait_frames(1)
    first.expect(RENDER, "large", "easy", dealt)
    second.close()
    check(stored(ctx) == held, "the second tab wrote %r" % stored(ctx))
    dealt = next_second(first)
    first.menu(CMD_NORMAL)
    first.expect(RENDER, "large", "normal", dealt)
    first.close()
    check(stored(ctx) == held[:86] + score_file(difficulty=CMD_NORMAL, sound=CMD_SOUND_OFF,
                                                layout=CMD_LARGE)[86:],
          "closing the first tab saved %r" % stored(ctx))

    store(ctx, "not base64!")
    third = Tab(BRIDGE, ctx, URL, WORK, PLAY)
    third.expect(RENDER, "mini", "normal", PLAY, seconds=0)
    check(third.js(BOX) is None, "a box for an unusable file")
    dealt = next_second(third)
    third.menu(CMD_EASY)
    third.expect(RENDER, "mini", "easy", dealt)
    third.close()
    check(stored(ctx) == "not base64!", "the unusable value became %r" % stored(ctx))


def offline_after_the_first_load():
    """The first load under the real clock (timed, then 10 s idle); the service worker's
    cache; the manifest and its icons; with the server stopped, a reload deals and plays."""
    ctx = BRIDGE.context(**DESKTOP)
    t = Tab(BRIDGE, ctx, URL, WORK, script=FIRST_FRAME)
    cdp = BRIDGE.fresh("cdp")
    BRIDGE.call(ctx, "newCDPSession", {"$ref": t.page}, keep=cdp)
    BRIDGE.call(cdp, "send", "Performance.enable")
    first_frame = t.until("() => window.tovrinFirstFrame", "the first frame")
    t.until("async () => (await navigator.serviceWorker.ready).active && "
            "(await caches.keys()).length > 0", "the service worker and its cache")
    manifest = BRIDGE.call(cdp, "send", "Page.getAppManifest")
    facts = json.loads(manifest["data"] or "{}")
    icons = t.js("""(icons) => Promise.all(icons.map(async icon => {
        const image = await createImageBitmap(await (await fetch(icon.src)).blob());
        return image.width + "x" + image.height; }))""", facts.get("icons", []))
    check(not manifest["errors"] and facts["display"] == "standalone" and facts["name"] and
          facts["short_name"] and facts["theme_color"] and {"192x192", "512x512"} <= set(
              icons) and icons == [icon["sizes"] for icon in facts["icons"]],
          "the manifest %s, its icons %s" % (manifest, icons))
    before = metrics(cdp)
    time.sleep(10)
    after = metrics(cdp)
    paints = t.js("() => performance.getEntriesByName('tovrin-paint').map(e => e.duration)")
    check(len(paints) >= 6, "%d paints in 10 s of the clock" % len(paints))
    print("     first frame %.0f ms after navigation, the first paint's %.0f ms (the deal's "
          "half-second wait for the tune) included" % (first_frame, paints[0]))
    print("     a clock tick's paint: median %.2f ms, most %.2f ms, of %d" % (
        statistics.median(paints[1:]), max(paints[1:]), len(paints) - 1))
    print("     idle 10 s: %.0f ms of tasks, %.0f ms of script" % tuple(
        1000 * (after[k] - before[k]) for k in ("TaskDuration", "ScriptDuration")))
    t.close()

    t = Tab(BRIDGE, ctx, URL, WORK, PLAY)
    SERVER.terminate()
    SERVER.wait(10)
    t.call("clock.setSystemTime", PLAY * 1000)
    t.call("reload")
    t.wait_frames(1)
    t.expect(RENDER, "mini", "normal", PLAY, seconds=0)
    pair = hint_pair(RENDER.board("mini", "normal", PLAY)[0])
    t.click("mini", pair)
    t.expect(RENDER, "mini", "normal", PLAY, moves_text([pair]), 0)


def the_first_frame():
    """For the package check: the deal of a fixed clock, pixel for pixel."""
    tab = Tab(BRIDGE, BRIDGE.context(), URL, WORK, PLAY)
    tab.expect(RENDER, "mini", "normal", PLAY, seconds=0)


def metrics(cdp):
    return {m["name"]: m["value"] for m in BRIDGE.call(cdp, "send", "Performance.getMetrics")[
        "metrics"]}


def print_sizes(site):
    total = [0, 0]
    print("site: raw bytes, gzip -9 bytes")
    for path in sorted(p for p in Path(site).rglob("*") if p.is_file()):
        data = path.read_bytes()
        packed = len(gzip.compress(data, 9))
        total = [total[0] + len(data), total[1] + packed]
        print("  %-28s %8d %8d" % (path.relative_to(site), len(data), packed))
    print("  %-28s %8d %8d" % ("total", *total))


STORIES = [first_game_menus_options_and_quit, an_easy_game_cleared_enters_the_table,
           a_stuck_game_on_a_phone, a_second_tab_and_an_unusable_file,
           offline_after_the_first_load]


def run(story):
    """One story with its own server and browser, both ended after it."""
    global SERVER, URL, BRIDGE
    SERVER, URL = serve(SITE)
    BRIDGE = Bridge(os.path.join(WORK, "browser.log"))
    try:
        story()
    except Failure as failure:  # where in the story
        lines = [f.lineno for f in traceback.extract_tb(failure.__traceback__)
                 if f.filename == __file__]
        raise Failure("%s (stories.py line %d)" % (failure, lines[-1])) from None
    finally:
        BRIDGE.close()


def main(site, render, *more):
    global SITE, RENDER, WORK, SHOTS
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))  # the browser is closed on the way
    shots = "--shots" in more and more[more.index("--shots") + 1]
    names = [m for m in more if m not in ("--shots", shots)]
    SITE, RENDER, WORK = Path(site), RenderTool(render), tempfile.mkdtemp(prefix="tovrin-web.")
    if shots:
        SHOTS = Path(shots).resolve()  # for node, which runs elsewhere
        SHOTS.mkdir(parents=True, exist_ok=True)
    print_sizes(SITE)
    started = time.monotonic()
    try:
        chosen = [s for s in STORIES + [the_first_frame] if s.__name__ in names]
        failed = run_stories("browser", chosen or STORIES, run, WORK)
    finally:
        stop_started()
    print("browser stories took %.1f s" % (time.monotonic() - started))
    return failed


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))

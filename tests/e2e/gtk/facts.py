"""What the end-to-end tests know about the game from outside: the faked
clock and its seeds, where cells and counters are on screen, the score
file's bytes, the sounds' samples, and the helper programs that tell the
tests what the game will show."""

import calendar
import os
import struct
import subprocess
import time

# 2026-12-24 09:00:01 UTC: a Normal deal to play on.
PLAY_TIME = "2026-12-24 09:00:01"
# 14 seconds later: an Easy deal that following the hint clears (found with
# tovrin-e2e-hint-path easy --search 1798102801 100000).
CLEAR_TIME = "2026-12-24 09:00:15"
# An Easy deal on which following the hint gets stuck after 17 pairs.
STUCK_TIME = "2026-12-24 09:00:17"


def seed_for(faked_time):
    """The deal's seed: the low 32 bits of time() at that second (UTC)."""
    seconds = calendar.timegm(time.strptime(faked_time, "%Y-%m-%d %H:%M:%S"))
    return seconds & 0xFFFFFFFF


# ---- Geometry in game pixels -------------------------------------------------

LAYOUTS = {
    "mini": {"client": (470, 186), "origin": (80, 7), "pitch": (17, 22),
             "tiles_counter": (425, 105, 45, 18), "time_counter": (410, 160, 60, 18)},
    "large": {"client": (648, 504), "origin": (30, 90), "pitch": (34, 44),
              "tiles_counter": (200, 460, 108, 39), "time_counter": (480, 460, 144, 39)},
}


def cell_centre(layout, col, row):
    g = LAYOUTS[layout]
    return (g["origin"][0] + g["pitch"][0] * col + g["pitch"][0] // 2,
            g["origin"][1] + g["pitch"][1] * row + g["pitch"][1] // 2)


def whole_area(layout):
    w, h = LAYOUTS[layout]["client"]
    return (0, 0, w, h)


def time_mask(layout):
    """The clock's digits, which the tests cannot pin down to the second."""
    return [LAYOUTS[layout]["time_counter"]]


# ---- The score file ----------------------------------------------------------

CMD_EASY, CMD_NORMAL = 32777, 32778
CMD_SOUND_ON, CMD_SOUND_OFF = 32779, 32780
CMD_MINI, CMD_LARGE = 32781, 32782
CMD_UNDO, CMD_HINT, CMD_HIGH_SCORE, CMD_NEW_GAME, CMD_QUIT = 32772, 32773, 32774, 32775, 105


def record(seconds, name):
    return struct.pack("<I", seconds) + name


DEFAULT_RECORD = record(9999, b"nobody\0\0\0\0")


def score_file(records=None, difficulty=CMD_NORMAL, sound=CMD_SOUND_ON, layout=CMD_MINI):
    records = records or [DEFAULT_RECORD] * 6
    return (b"\x12\xf0" + b"".join(records) + struct.pack("<iii", difficulty, sound, layout))


def option_words(contents):
    return struct.unpack("<iii", contents[86:98])


def records_of(contents):
    return [contents[2 + 14 * i: 16 + 14 * i] for i in range(6)]


# ---- Sounds --------------------------------------------------------------------


def wave_samples(repository, name):
    """The samples of one of the game's waves (8-bit mono, as the device
    plays them)."""
    with open(os.path.join(repository, "resources", name), "rb") as wave:
        data = wave.read()
    at = 12
    while at + 8 <= len(data):
        kind, size = data[at:at + 4], struct.unpack("<I", data[at + 4:at + 8])[0]
        if kind == b"data":
            return data[at + 8: at + 8 + size]
        at += 8 + size + (size & 1)
    raise ValueError("no data chunk in " + name)


# ---- Helpers built with the game -----------------------------------------------


class Tools:
    def __init__(self, repository, build):
        self.repository = repository
        self.render_binary = os.path.join(build, "tools", "render", "tovrin-mini-render")
        self.hint_path_binary = os.path.join(build, "tests", "gtk", "tovrin-e2e-hint-path")
        self.close_binary = os.path.join(build, "tests", "gtk", "tovrin-e2e-close-window")
        self.program = os.path.join(build, "platform", "gtk", "tovrin-mini")

    def render(self, out, layout, difficulty, seed, moves="", seconds=None):
        """The frame the game shows after moves, as a PNG."""
        command = [self.render_binary, "--layout", layout, "--difficulty", difficulty,
                   "--seed", str(seed), "--out", out]
        if moves:
            command += ["--moves", moves]
        if seconds is not None:
            command += ["--time", str(seconds)]
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
        return out

    def board(self, layout, difficulty, seed, moves=""):
        """The board after moves as rows of tile codes, and the tiles left."""
        command = [self.render_binary, "--layout", layout, "--difficulty", difficulty,
                   "--seed", str(seed), "--print-board"]
        if moves:
            command += ["--moves", moves]
        lines = subprocess.run(command, check=True, stdout=subprocess.PIPE).stdout.decode()
        lines = lines.splitlines()
        rows = [[int(v) for v in line.split()] for line in lines[:8]]
        return rows, int(lines[8].split()[1])

    def hint_path(self, difficulty, seed):
        """The pairs the hint shows one after the other, and how it ends."""
        out = subprocess.run([self.hint_path_binary, difficulty, str(seed)], check=True,
                             stdout=subprocess.PIPE).stdout.decode().split("\n")
        pairs = []
        for line in out:
            if "," in line:
                a, b = line.split()
                pairs.append((tuple(map(int, a.split(","))), tuple(map(int, b.split(",")))))
            elif line:
                return pairs, line
        return pairs, ""

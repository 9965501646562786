"""The programs of a GTK build that the end-to-end tests run: the game, the
render tool, the hint-path and close-window helpers; and the samples of the
game's sounds, from the repository."""

import os
import struct
import subprocess

from render_tool import RenderTool


class Tools:
    def __init__(self, repository, build):
        self.repository = repository
        self.program = os.path.join(build, "platform", "gtk", "tovrin-mini")
        self.render_binary = os.path.join(build, "tools", "render", "tovrin-mini-render")
        self.hint_path_binary = os.path.join(build, "tests", "gtk", "tovrin-e2e-hint-path")
        self.close_binary = os.path.join(build, "tests", "gtk", "tovrin-e2e-close-window")
        self.renderer = RenderTool(self.render_binary)

    def binaries(self):
        return (self.program, self.render_binary, self.hint_path_binary, self.close_binary)

    def hint_path(self, difficulty, seed):
        """The pairs the hint shows one after the other, and how it ends
        ("clear", or "stuck" and the tiles left)."""
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

    def wave_samples(self, name):
        """The samples of one of the game's waves (8-bit mono, as the device
        plays them)."""
        with open(os.path.join(self.repository, "resources", name), "rb") as wave:
            data = wave.read()
        at = 12
        while at + 8 <= len(data):
            kind, size = data[at:at + 4], struct.unpack("<I", data[at + 4:at + 8])[0]
            if kind == b"data":
                return data[at + 8: at + 8 + size]
            at += 8 + size + (size & 1)
        raise ValueError("no data chunk in " + name)

"""The score file's bytes: a two-byte mark, six records (three places for
Easy, then three for Normal) of a 32-bit time and a ten-byte Shift_JIS name,
and the three option words, all little-endian."""

import struct

from game_facts import CMD_MINI, CMD_NORMAL, CMD_SOUND_ON

FILE_NAME = "Dudazure2.hsc"


def record(seconds, name):
    return struct.pack("<I", seconds) + name


DEFAULT_RECORD = record(9999, b"nobody\0\0\0\0")


def score_file(records=None, difficulty=CMD_NORMAL, sound=CMD_SOUND_ON, layout=CMD_MINI):
    """The file with these records and options; by default as the game creates it."""
    records = records or [DEFAULT_RECORD] * 6
    return b"\x12\xf0" + b"".join(records) + struct.pack("<iii", difficulty, sound, layout)


def records_of(contents):
    """The six records as (seconds, the name up to its first NUL)."""
    return [(int.from_bytes(contents[at:at + 4], "little"), contents[at + 4:at + 14].split(
        b"\0")[0]) for at in range(2, 86, 14)]

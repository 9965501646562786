#!/usr/bin/python3
"""Synthesise the game's sound effects and background loop.

Writes three 8000 Hz, mono, 8-bit unsigned PCM WAVE files into resources/:

    loop.wav       background tune, loops seamlessly (28914 samples)
    game_over.wav  short descending "aww" jingle (2568 samples)
    clear.wav      rising fanfare that ends on a held chord (8082 samples)

Only the standard library is used and no randomness is involved, so every
run produces the same bytes.  The script checks its own output (sizes,
header fields, clipping, click-free start/end and the loop seam) and exits
non-zero if anything is off.

Usage:  /usr/bin/python3 tools/sound/make_sounds.py [output_dir]
"""

import math
import os
import struct
import sys

RATE = 8000
NYQUIST_GUARD = 3000.0          # drop partials above this (Hz)

LOOP_SAMPLES = 28914
GAME_OVER_SAMPLES = 2568
CLEAR_SAMPLES = 8082

HEADER_BYTES = 44


def midi_hz(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


# --------------------------------------------------------------------------
# Voices
# --------------------------------------------------------------------------

# (harmonic number, relative level, extra decay per second)
KOTO = [(1, 1.00, 0.0), (2, 0.50, 2.5), (3, 0.32, 5.0), (4, 0.18, 8.0),
        (5, 0.10, 11.0), (6, 0.06, 15.0), (7, 0.035, 19.0)]
# Soft, round low voice: mostly fundamental.
BASS = [(1, 1.00, 0.0), (2, 0.28, 2.0), (3, 0.08, 4.0)]
# Music-box/bell: fundamental plus a quickly fading sparkle.
BELL = [(1, 1.00, 0.0), (2, 0.30, 4.0), (3, 0.12, 9.0), (4, 0.10, 14.0)]


def raised_cosine(x):
    """0 -> 1 smoothly for x in [0, 1]."""
    if x <= 0.0:
        return 0.0
    if x >= 1.0:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * x)


def pluck(buf, start, freq, gate, amp, partials, decay,
          attack=0.003, release=0.040, wrap=False):
    """Add a plucked note to buf.

    start and gate are in samples and may be fractional, so onsets can sit
    on a grid that does not divide the buffer evenly.  The note rings with
    exponential decay, then fades out over `release` seconds after the gate.
    With wrap=True the tail continues from the start of the buffer (used for
    the loop, so that notes near the end ring over the seam).
    """
    n = len(buf)
    first = int(math.ceil(start))
    rel = release * RATE
    length = int(math.ceil(start + gate + rel)) - first + 1
    if wrap and length >= n:
        raise ValueError("note longer than the loop")
    parts = [(2.0 * math.pi * freq * h, lvl, decay + d)
             for h, lvl, d in partials if freq * h < NYQUIST_GUARD]
    norm = 1.0 / sum(lvl for _, lvl, _ in parts)
    for k in range(length):
        i = first + k
        ts = i - start                  # samples since the onset
        if i >= n:
            if not wrap:
                break
            i -= n
        t = ts / RATE
        env = raised_cosine(t / attack)
        if ts > gate:
            env *= 1.0 - raised_cosine((ts - gate) / rel)
        if env == 0.0:
            continue
        s = 0.0
        for w, lvl, d in parts:
            s += lvl * math.exp(-d * t) * math.sin(w * t)
        buf[i] += amp * env * norm * s


# --------------------------------------------------------------------------
# Background loop
# --------------------------------------------------------------------------

# G "yo" pentatonic (G A B D E).  Two bars of 4/4 in sixteenths; one
# sixteenth is LOOP_SAMPLES / 32 samples (about 133 bpm).  Entries are
# (step, length in steps, midi note).
MELODY = [
    (0, 2, 74), (2, 2, 76), (4, 2, 79), (6, 2, 76),
    (8, 3, 74), (11, 1, 71), (12, 2, 69), (14, 2, 71),
    (16, 2, 74), (18, 1, 76), (19, 1, 74), (20, 2, 71), (22, 2, 69),
    (24, 2, 67), (26, 1, 69), (27, 1, 71), (28, 4, 67),
]

# Broken chords in eighths underneath: G, Em, A(sus2), D(sus).
ACCOMP_CHORDS = [
    [55, 62, 59, 62],
    [52, 59, 55, 59],
    [57, 64, 59, 64],
    [50, 57, 62, 57],
]

# Soft bass: root on the half bar, fifth on the following beat.
BASS_LINE = [(0, 43), (4, 50), (8, 40), (12, 47),
             (16, 45), (20, 52), (24, 38), (28, 45)]

# Little music-box echoes an octave up, on a few off-beats.
SPARKLE = [(5, 86), (13, 83), (21, 86), (29, 79)]


def make_loop():
    n = LOOP_SAMPLES
    step = n / 32.0
    buf = [0.0] * n

    for s, length, note in MELODY:
        pluck(buf, s * step, midi_hz(note), length * step * 0.9, 1.0,
              KOTO, decay=3.2, wrap=True)

    for half, chord in enumerate(ACCOMP_CHORDS):
        for j, note in enumerate(chord):
            s = half * 8 + j * 2 + 1       # off the melody's onsets a bit
            pluck(buf, s * step, midi_hz(note), 2.0 * step, 0.34,
                  KOTO, decay=4.5, wrap=True)

    for s, note in BASS_LINE:
        pluck(buf, s * step, midi_hz(note), 3.6 * step, 0.62,
              BASS, decay=2.2, attack=0.010, release=0.060, wrap=True)

    for s, note in SPARKLE:
        pluck(buf, s * step, midi_hz(note), 1.5 * step, 0.16,
              BELL, decay=6.0, attack=0.002, wrap=True)

    remove_dc(buf)
    normalise(buf, 80.0)

    # The buffer is periodic by construction (tails wrap around), so any
    # rotation loops just as well.  Start the file on the quietest sample
    # just before the downbeat so that the first and last samples sit at
    # the midpoint and the seam cannot click even if a player restarts it
    # imprecisely.
    window = int(0.015 * RATE)
    best = min(range(n - window, n + 1),
               key=lambda i: (abs(buf[i % n]) + abs(buf[(i - 1) % n]),
                              n - i))
    r = best % n
    return buf[r:] + buf[:r]


# --------------------------------------------------------------------------
# Jingles
# --------------------------------------------------------------------------

def make_game_over():
    n = GAME_OVER_SAMPLES
    buf = [0.0] * n
    # Two quick falling notes, then a drooping third that bends down a
    # semitone: E5, C5, A4 -> G#4 (a minor "aww").
    pluck(buf, 0.0 * RATE, midi_hz(76), 0.070 * RATE, 0.75, BELL,
          decay=9.0, attack=0.004, release=0.030)
    pluck(buf, 0.085 * RATE, midi_hz(72), 0.070 * RATE, 0.75, BELL,
          decay=9.0, attack=0.004, release=0.030)

    start = int(0.170 * RATE)
    phase = 0.0
    f0, f1 = midi_hz(69), midi_hz(68)
    length = n - start
    for k in range(length):
        x = k / (length - 1)
        f = f0 + (f1 - f0) * raised_cosine(min(1.0, x * 1.4))
        f *= 1.0 + 0.012 * math.sin(2.0 * math.pi * 7.0 * k / RATE)
        phase += 2.0 * math.pi * f / RATE
        v = (math.sin(phase) + 0.25 * math.sin(2 * phase)
             + 0.08 * math.sin(3 * phase)) / 1.33
        env = raised_cosine(k / (0.006 * RATE)) * (1.0 - 0.45 * x)
        buf[start + k] += 0.85 * env * v

    remove_dc(buf)
    normalise(buf, 90.0)
    fade_edges(buf, 0.004, 0.030)
    return buf


def make_clear():
    n = CLEAR_SAMPLES
    buf = [0.0] * n
    # Quick G-major arpeggio up two octaves...
    arp = [67, 71, 74, 79, 83]
    gap = 0.060 * RATE
    for j, note in enumerate(arp):
        pluck(buf, j * gap, midi_hz(note), 0.20 * RATE, 1.2, KOTO,
              decay=6.0, attack=0.002)

    # ...landing on a held, shimmering chord that fades away.
    hold = int(len(arp) * gap)
    chord = [(67, 0.45), (71, 0.35), (74, 0.35), (79, 0.40), (86, 0.18)]
    length = n - hold
    for note, lvl in chord:
        f = midi_hz(note)
        w = 2.0 * math.pi * f / RATE
        for k in range(length):
            x = k / (length - 1)
            env = raised_cosine(k / (0.012 * RATE)) * (1.0 - x) ** 1.6
            trem = 1.0 + 0.08 * math.sin(2.0 * math.pi * 5.5 * k / RATE)
            v = math.sin(w * k) + 0.2 * math.sin(2 * w * k) * math.exp(-4 * x)
            buf[hold + k] += lvl * env * trem * v
    # A bright bell on top of the landing.
    pluck(buf, hold, midi_hz(91), 0.25 * RATE, 0.30, BELL, decay=5.0,
          attack=0.002, release=0.1)

    remove_dc(buf)
    normalise(buf, 100.0)
    fade_edges(buf, 0.003, 0.020)
    return buf


# --------------------------------------------------------------------------
# Helpers, encoding and checks
# --------------------------------------------------------------------------

def remove_dc(buf):
    mean = sum(buf) / len(buf)
    for i in range(len(buf)):
        buf[i] -= mean


def normalise(buf, peak):
    m = max(abs(v) for v in buf)
    g = peak / m
    for i in range(len(buf)):
        buf[i] *= g


def fade_edges(buf, fade_in, fade_out):
    """Force exact silence at both ends with short smooth ramps."""
    n = len(buf)
    a, b = int(fade_in * RATE), int(fade_out * RATE)
    for k in range(a):
        buf[k] *= raised_cosine(k / a)
    for k in range(b):
        buf[n - 1 - k] *= raised_cosine(k / b)


def to_u8(buf):
    out = bytearray(len(buf))
    for i, v in enumerate(buf):
        q = int(math.floor(v + 0.5)) + 128
        if q < 1 or q > 255:
            raise SystemExit("clipping at sample %d (%d)" % (i, q))
        out[i] = q
    return bytes(out)


def wav_bytes(pcm):
    n = len(pcm)
    header = struct.pack("<4sI4s4sIHHIIHH4sI",
                         b"RIFF", 36 + n, b"WAVE",
                         b"fmt ", 16, 1, 1, RATE, RATE, 1, 8,
                         b"data", n)
    assert len(header) == HEADER_BYTES
    return header + pcm


def check(cond, msg):
    if not cond:
        raise SystemExit("self-check failed: " + msg)


def check_file(path, samples, loop=False):
    with open(path, "rb") as fh:
        data = fh.read()
    name = os.path.basename(path)
    check(len(data) == HEADER_BYTES + samples,
          "%s is %d bytes, want %d" % (name, len(data), HEADER_BYTES + samples))
    (riff, riff_size, wave, fmt, fmt_size, tag, chans, rate, byte_rate,
     align, bits, data_id, data_size) = struct.unpack(
        "<4sI4s4sIHHIIHH4sI", data[:HEADER_BYTES])
    check((riff, wave, fmt, data_id) == (b"RIFF", b"WAVE", b"fmt ", b"data"),
          name + ": chunk ids")
    check(riff_size == len(data) - 8, name + ": RIFF size")
    check((fmt_size, tag, chans, rate, byte_rate, align, bits)
          == (16, 1, 1, RATE, RATE, 1, 8), name + ": fmt chunk")
    check(data_size == samples, name + ": data size")

    s = [b - 128 for b in data[HEADER_BYTES:]]
    peak = max(abs(v) for v in s)
    check(peak < 127, "%s clips (peak %d)" % (name, peak))
    d1 = sorted(abs(s[i + 1] - s[i]) for i in range(len(s) - 1))
    typical = d1[len(d1) // 2]

    if loop:
        check(60 <= peak <= 100, "%s peak %d not around 80" % (name, peak))
        check(abs(s[0]) <= 2 and abs(s[-1]) <= 2,
              "%s ends not near silence (%d, %d)" % (name, s[0], s[-1]))
        seam = abs(s[0] - s[-1])
        check(seam <= max(2, typical),
              "%s seam jump %d vs typical %d" % (name, seam, typical))
        # Slope across the seam must match the slopes either side of it:
        # compare the second difference there with the usual ones.
        d2 = sorted(abs(s[i + 1] - 2 * s[i] + s[i - 1])
                    for i in range(1, len(s) - 1))
        seam_d2 = max(abs(s[0] - 2 * s[-1] + s[-2]),
                      abs(s[1] - 2 * s[0] + s[-1]))
        limit = max(2, d2[int(len(d2) * 0.95)])
        check(seam_d2 <= limit,
              "%s slope changes at seam (%d > %d)" % (name, seam_d2, limit))
    else:
        check(s[0] == 0 and s[-1] == 0, name + " must start and end silent")
        check(max(abs(v) for v in s[:4]) <= 2 and
              max(abs(v) for v in s[-4:]) <= 2, name + " clicks at an edge")
    return peak, typical


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else \
        os.path.join(here, "..", "..", "resources")
    out_dir = os.path.normpath(out_dir)
    os.makedirs(out_dir, exist_ok=True)

    jobs = [
        ("loop.wav", make_loop, LOOP_SAMPLES, True),
        ("game_over.wav", make_game_over, GAME_OVER_SAMPLES, False),
        ("clear.wav", make_clear, CLEAR_SAMPLES, False),
    ]
    for name, make, samples, loop in jobs:
        buf = make()
        check(len(buf) == samples, name + ": sample count")
        path = os.path.join(out_dir, name)
        with open(path, "wb") as fh:
            fh.write(wav_bytes(to_u8(buf)))
        peak, typical = check_file(path, samples, loop)
        print("%-14s %6d bytes  %5d samples  %.3f s  peak %+d"
              % (name, HEADER_BYTES + samples, samples, samples / RATE, peak))


if __name__ == "__main__":
    main()

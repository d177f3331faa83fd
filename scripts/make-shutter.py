#!/usr/bin/env python3
"""Writes the shutter sound: a short, soft mechanical click pair (the blades
opening, then closing), 44.1 kHz, 16-bit mono PCM, under 0.3 s. Synthesised
from a fixed seed, so every build writes the same bytes."""
import math
import random
import struct
import sys
import wave

RATE = 44100
LENGTH_S = 0.22


def click(t, at, decay, tone_hz, noise, rng_values):
    """One blade hit: a damped low tone under a burst of filtered noise."""
    dt = t - at
    if dt < 0:
        return 0.0
    env = math.exp(-dt / decay)
    attack = min(1.0, dt / 0.0008)  # no hard edge: a soft start
    return attack * env * (0.55 * math.sin(2 * math.pi * tone_hz * dt) + noise * rng_values)


def main(path):
    rng = random.Random(20261210)
    n = int(RATE * LENGTH_S)
    samples = []
    smooth = 0.0
    for i in range(n):
        t = i / RATE
        # One-pole low-pass noise: a muffled, mechanical texture.
        smooth += 0.35 * (rng.uniform(-1.0, 1.0) - smooth)
        v = (click(t, 0.004, 0.012, 180.0, 0.9, smooth) +
             0.8 * click(t, 0.085, 0.018, 140.0, 0.7, smooth))
        # The whole sound fades out well before the end of the file.
        tail = min(1.0, max(0.0, (LENGTH_S - t) / 0.04))
        samples.append(v * tail)
    peak = max(abs(v) for v in samples) or 1.0
    gain = 0.45 / peak  # soft: well below full scale
    frames = b"".join(struct.pack("<h", int(round(v * gain * 32767))) for v in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make-shutter.py OUT.wav")
    main(sys.argv[1])

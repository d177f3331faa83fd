#!/usr/bin/env python3
"""Draws the capture window's cross-hair pointer ("CUR_1") from vector shapes
and writes it as a .cur file for the resource compiler: a thin black cross
with a white halo, open in the middle so the pixel under the hot spot stays
visible, readable on dark and light screens alike."""
import struct
import sys

SIZE = 32
HOT = 15  # the hot spot: the centre pixel of the cross
ARM_GAP = 3  # free pixels around the hot spot
SUB = 4  # samples per pixel side


def inside_core(x, y):
    """The black cross: 1 px wide arms, a 1 px dot at the hot spot."""
    c0, c1 = HOT, HOT + 1
    if c0 <= x < c1 and c0 <= y < c1:
        return True
    on_v = c0 <= x < c1 and (1 <= y < HOT - ARM_GAP + 1 or HOT + ARM_GAP <= y < SIZE - 1)
    on_h = c0 <= y < c1 and (1 <= x < HOT - ARM_GAP + 1 or HOT + ARM_GAP <= x < SIZE - 1)
    return on_v or on_h


def inside_halo(x, y):
    """The white outline: the core grown by one pixel."""
    for dx in (-1, 0, 1):
        for dy in (-1, 0, 1):
            if inside_core(x + dx, y + dy):
                return True
    return False


def pixel(px, py):
    core = halo = 0
    for sy in range(SUB):
        for sx in range(SUB):
            x = px + (sx + 0.5) / SUB
            y = py + (sy + 0.5) / SUB
            if inside_core(x, y):
                core += 1
            elif inside_halo(x, y):
                halo += 1
    n = SUB * SUB
    a = (core + halo) / n
    if a == 0:
        return (0, 0, 0, 0)
    # White halo under a black core: the grey level is the halo's share.
    v = round(255 * halo / (core + halo))
    return (v, v, v, round(255 * a))


def main(out):
    rows = []
    for y in range(SIZE - 1, -1, -1):  # bottom-up
        rows.append(b"".join(struct.pack("<BBBB", b, g, r, a)
                             for (r, g, b, a) in (pixel(x, y) for x in range(SIZE))))
    xor = b"".join(rows)
    and_mask = bytes(SIZE * 4)  # alpha decides; the mask stays all zero
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask),
                         0, 0, 0, 0)
    image = header + xor + and_mask
    icondir = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOT, HOT, len(image), 6 + 16)
    with open(out, "wb") as f:
        f.write(icondir + entry + image)


if __name__ == "__main__":
    main(sys.argv[1])

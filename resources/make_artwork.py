#!/usr/bin/env python3
"""Draws the program's artwork: the Larkhaven logo (a 500 x 500 bitmap, 8 bits per pixel
with a 256-colour palette) and the application icon (32 x 32 and 16 x 16).

The emblem is a round sunrise over a harbour with two larks in the sky, in a silver ring,
over the name LARKHAVEN. Every colour comes from a few ramps of the palette, so the bitmap
needs no dithering.

Usage: make_artwork.py LOGO.bmp ICON.ico
"""
import math
import struct
import sys

SIZE = 500

# The palette: (first index, count, colour at 0, colour at 1) for each ramp.
RAMPS = {
    "ground": (0, 64, (18, 34, 64), (0, 104, 116)),
    "sky": (64, 64, (126, 178, 228), (252, 206, 132)),
    "sun": (128, 32, (255, 236, 140), (255, 160, 56)),
    "sea": (160, 32, (0, 120, 150), (0, 52, 92)),
    "foam": (192, 8, (150, 210, 220), (230, 250, 250)),
    "bird": (200, 8, (16, 28, 52), (40, 56, 84)),
    "ring": (208, 32, (250, 250, 252), (150, 160, 172)),
    "letters": (240, 16, (255, 255, 255), (200, 214, 224)),
}

CENTRE_X, CENTRE_Y = 0.5, 0.44
RADIUS = 0.34
RING = 0.035
HORIZON = 0.55


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def palette():
    colours = [(0, 0, 0)] * 256
    for first, count, start, end in RAMPS.values():
        for i in range(count):
            colours[first + i] = mix(start, end, i / max(count - 1, 1))
    return colours


def ramp(name, t):
    first, count, _, _ = RAMPS[name]
    t = min(max(t, 0.0), 1.0)
    return first + int(round(t * (count - 1)))


# A 5 x 7 block font for the letters of the name.
GLYPHS = {
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "V": ["10001", "10001", "10001", "10001", "01010", "01010", "00100"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
}
NAME = "LARKHAVEN"
LETTER_TOP, LETTER_HEIGHT = 0.855, 0.09
CELL = LETTER_HEIGHT / 7
LETTER_GAP = CELL * 1.2
NAME_WIDTH = len(NAME) * 5 * CELL + (len(NAME) - 1) * LETTER_GAP
NAME_LEFT = 0.5 - NAME_WIDTH / 2


def in_letters(x, y):
    if not LETTER_TOP <= y < LETTER_TOP + LETTER_HEIGHT:
        return False
    offset = x - NAME_LEFT
    pitch = 5 * CELL + LETTER_GAP
    if offset < 0:
        return False
    index = int(offset / pitch)
    if index >= len(NAME):
        return False
    column = int((offset - index * pitch) / CELL)
    row = int((y - LETTER_TOP) / CELL)
    if column > 4 or row > 6:
        return False
    return GLYPHS[NAME[index]][row][column] == "1"


BIRDS = [(0.40, 0.30, 0.075), (0.56, 0.24, 0.05)]  # centre x, y, half span


def in_bird(x, y):
    for bx, by, span in BIRDS:
        dx = abs(x - bx)
        if dx > span:
            continue
        wing = by - 0.35 * span * math.sin(math.pi * dx / span) + 0.1 * span * dx / span
        thickness = 0.16 * span * (1.0 - 0.8 * dx / span) + 0.004
        if abs(y - wing) < thickness:
            return True
    return False


def emblem(x, y):
    """The palette index at a point of the unit square (y grows downwards)."""
    distance = math.hypot(x - CENTRE_X, y - CENTRE_Y)
    if distance > RADIUS + RING:
        if in_letters(x, y):
            return ramp("letters", (y - LETTER_TOP) / LETTER_HEIGHT)
        return ramp("ground", y + 0.15 * math.sin(3.0 * x))
    if distance > RADIUS:
        # A silver ring, lit from the top left.
        angle = math.atan2(y - CENTRE_Y, x - CENTRE_X)
        return ramp("ring", 0.5 + 0.5 * math.sin(angle + math.pi / 4))
    if y < HORIZON:
        if in_bird(x, y):
            return ramp("bird", (y - 0.2) * 4)
        sun = math.hypot(x - CENTRE_X, y - HORIZON)
        if sun < 0.11:
            return ramp("sun", sun / 0.11)
        return ramp("sky", 1.0 - (HORIZON - y) / (HORIZON - (CENTRE_Y - RADIUS)))
    # The harbour: waves that narrow towards the horizon, with foam on their crests.
    depth = (y - HORIZON) / (CENTRE_Y + RADIUS - HORIZON)
    wave = math.sin(x * 40.0 * (1.0 - 0.5 * depth) + depth * 30.0)
    if wave > 0.92 - 0.1 * depth and abs(x - CENTRE_X) < 0.11 + 0.4 * depth:
        return ramp("foam", 1.0 - depth)
    return ramp("sea", depth)


def write_logo(path):
    colours = palette()
    rows = []
    for row in range(SIZE - 1, -1, -1):  # a bitmap is stored bottom-up
        y = (row + 0.5) / SIZE
        rows.append(bytes(emblem((col + 0.5) / SIZE, y) for col in range(SIZE)))
    stride = (SIZE + 3) & ~3
    pixels = b"".join(r + b"\0" * (stride - SIZE) for r in rows)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 8, 0, len(pixels), 2835, 2835,
                         256, 0)
    offset = 14 + len(header) + len(table)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as out:
        out.write(file_header + header + table + pixels)


def icon_image(size):
    """A 32-bit icon image (BGRA, bottom-up, with its AND mask) of the round emblem."""
    colours = palette()
    samples = 4
    pixels = bytearray()
    mask_rows = []
    scale = (RADIUS + RING) * 2 / size
    for row in range(size - 1, -1, -1):
        mask_bits = 0
        for col in range(size):
            r = g = b = inside = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = CENTRE_X - RADIUS - RING + (col + (sx + 0.5) / samples) * scale
                    y = CENTRE_Y - RADIUS - RING + (row + (sy + 0.5) / samples) * scale
                    if math.hypot(x - CENTRE_X, y - CENTRE_Y) <= RADIUS + RING:
                        cr, cg, cb = colours[emblem(x, y)]
                        r, g, b, inside = r + cr, g + cg, b + cb, inside + 1
            alpha = inside * 255 // (samples * samples)
            if inside:
                r, g, b = r // inside, g // inside, b // inside
            pixels += bytes((b, g, r, alpha))
            mask_bits = (mask_bits << 1) | (1 if inside == 0 else 0)
        mask_stride = ((size + 31) // 32) * 4
        mask_rows.append(mask_bits.to_bytes((size + 7) // 8, "big").ljust(mask_stride, b"\0"))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(pixels), 0, 0, 0, 0)
    return header + bytes(pixels) + b"".join(mask_rows)


def write_icon(path):
    images = [(32, icon_image(32)), (16, icon_image(16))]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, data in images:
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as out:
        out.write(directory + entries + b"".join(data for _, data in images))


if __name__ == "__main__":
    write_logo(sys.argv[1])
    write_icon(sys.argv[2])

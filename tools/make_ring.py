#!/usr/bin/env python3
"""Draws the lens ring as a 171 by 171 palette PNG with transparency: res/ring.png.

A grey band (level 149) from radius 80.3 to 85.5 about the centre of pixel (85, 85), with a
white core from 81.5 to 84.5 laid over it; both edges are anti-aliased by supersampling.
Run it again to remake the image: python3 tools/make_ring.py [output]
"""
import math
import os
import struct
import sys
import zlib

SIZE = 171
CENTRE = 85.5
GREY_BAND = (80.3, 85.5)
WHITE_CORE = (81.5, 84.5)
GREY = 149
SUBSAMPLES = 8


def coverage(px, py, band):
    inside = 0
    for sy in range(SUBSAMPLES):
        for sx in range(SUBSAMPLES):
            x = px + (sx + 0.5) / SUBSAMPLES
            y = py + (sy + 0.5) / SUBSAMPLES
            d = math.hypot(x - CENTRE, y - CENTRE)
            inside += band[0] <= d < band[1]
    return inside / (SUBSAMPLES * SUBSAMPLES)


def pixel(px, py):
    d = math.hypot(px + 0.5 - CENTRE, py + 0.5 - CENTRE)
    if d < GREY_BAND[0] - 1 or d > GREY_BAND[1] + 1:
        return 0, 0
    alpha = round(255 * coverage(px, py, GREY_BAND))
    if alpha == 0:
        return 0, 0
    white = coverage(px, py, WHITE_CORE)
    return round(GREY + (255 - GREY) * white), alpha


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "res", "ring.png")
    pixels = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    # Palette entry 0 is transparent black; translucent entries come first so that the
    # transparency chunk covers only them.
    colours = sorted({p for row in pixels for p in row} - {(0, 0)}, key=lambda p: (p[1] == 255, p))
    palette = [(0, 0)] + colours
    if len(palette) > 256:
        sys.exit("too many grey and alpha pairs for a palette: %d" % len(palette))
    index = {p: i for i, p in enumerate(palette)}
    translucent = sum(1 for p in palette if p[1] < 255)
    raw = b"".join(b"\0" + bytes(index[p] for p in row) for row in pixels)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 3, 0, 0, 0))
    png += chunk(b"PLTE", b"".join(bytes((g, g, g)) for g, _ in palette))
    png += chunk(b"tRNS", bytes(a for _, a in palette[:translucent]))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(out, "wb") as f:
        f.write(png)
    print("%s: %d palette entries, %d translucent" % (out, len(palette), translucent))


if __name__ == "__main__":
    main()

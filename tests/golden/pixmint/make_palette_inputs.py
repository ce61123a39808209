#!/usr/bin/env python3
"""Writes the input images of the golden cases about palettes: palette PNGs
drawn the way pixel artists keep them (their own entry order, unused entries,
a short tRNS, interlacing), images of an exact number of colours for
-f indexed-auto, and an anti-aliased icon on a transparent background for the
quantizer. Each goes into <topic>/<case>/in/ beside this script; re-running it rewrites
the same bytes. Only the Python standard library is used.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def put(case, name, data):
    d = os.path.join(HERE, case, "in")
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data.encode() if isinstance(data, str) else data)


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def pack_row(values, depth):
    """One row of samples of `depth` bits, most significant bits first."""
    if depth == 8:
        return bytes(values)
    out, acc, used = bytearray(), 0, 0
    for v in values:
        acc = acc << depth | v
        used += depth
        if used == 8:
            out.append(acc)
            acc, used = 0, 0
    if used:
        out.append(acc << (8 - used))
    return bytes(out)


# Adam7: (x start, y start, x step, y step) of the seven passes.
ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]


def png(w, h, color_type, depth, samples, extra=b"", interlace=False):
    """A PNG of `samples` (rows of per-pixel tuples or indices), filter 0 on every row."""
    def flat(row):
        return [c for px in row for c in (px if isinstance(px, tuple) else (px,))]

    raw = b""
    if interlace:
        for x0, y0, dx, dy in ADAM7:
            xs = range(x0, w, dx)
            if not xs:
                continue
            for y in range(y0, h, dy):
                raw += b"\x00" + pack_row(flat([samples[y][x] for x in xs]), depth)
    else:
        for row in samples:
            raw += b"\x00" + pack_row(flat(row), depth)
    ihdr = struct.pack(">IIBBBBB", w, h, depth, color_type, 0, 0, 1 if interlace else 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + extra + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def palette_png(w, h, depth, plte, trns, indices, interlace=False):
    extra = chunk(b"PLTE", bytes(c for rgb in plte for c in rgb))
    if trns is not None:
        extra += chunk(b"tRNS", bytes(trns))
    return png(w, h, 3, depth, indices, extra, interlace)


def rgba_png(w, h, pixels):
    return png(w, h, 6, 8, [pixels[y * w:(y + 1) * w] for y in range(h)])


def bmp24(w, h, pixels):
    """A bottom-up 24-bit BMP of RGB tuples."""
    stride = (w * 3 + 3) & ~3
    body = b""
    for y in reversed(range(h)):
        row = b"".join(bytes((b, g, r)) for r, g, b in pixels[y * w:(y + 1) * w])
        body += row + b"\x00" * (stride - len(row))
    head = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return head + info + body


# ---- an artist's palette ------------------------------------------------------

# Twelve entries in the artist's order: index 0 the background, a ramp kept for palette
# cycling (entries 6 to 9 appear nowhere in the picture), a highlight at the end. The
# picture's first pixel uses entry 3, so first appearance would put it first.
ART_PLTE = [(10, 20, 30), (250, 240, 230), (200, 40, 40), (40, 200, 40), (40, 40, 200), (128, 128, 0),
            (1, 2, 3), (4, 5, 6), (7, 8, 9), (10, 11, 12), (90, 0, 90), (255, 255, 0)]
# Alpha for the first five entries only: the rest are opaque.
ART_TRNS = [0, 255, 128, 64, 200]
ART_W, ART_H = 9, 5
ART = [[(3, 11, 5, 2, 0, 4, 1, 10, 0)[(x + y) % 9] for x in range(ART_W)] for y in range(ART_H)]

art_png = palette_png(ART_W, ART_H, 4, ART_PLTE, ART_TRNS, ART)
for case in ("keep_palette/order", "keep_palette/bin"):
    put(case, "art.png", art_png)

# An interlaced picture at 4 bits a sample with a five-entry palette: indexed-auto keeps it in
# indexed-4, the smallest that holds five entries, though the picture uses only three.
FIVE_PLTE = [(0, 0, 0), (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)]
FIVE_W, FIVE_H = 11, 10
FIVE = [[(2, 0, 4)[(x + 2 * y + x * y) % 3] for x in range(FIVE_W)] for y in range(FIVE_H)]
put("keep_palette/auto_interlaced", "five.png",
    palette_png(FIVE_W, FIVE_H, 4, FIVE_PLTE, [255, 0], FIVE, interlace=True))

# Every bit depth, through the seven interlace passes at sizes that leave some passes empty, with
# padding bits at the end of rows, and with tRNS short, full or absent.
def ramp(n):
    return [((i * 9) & 255, 255 - i, (i * 5 + 1) & 255) for i in range(n)]


def picture(w, h, colors):
    return [[(x * 3 + y * 5 + x * y) % colors for x in range(w)] for y in range(h)]


one_bit = palette_png(13, 3, 1, ramp(2), None, picture(13, 3, 2))
# The PLTE chunk's CRC is wrong: checksums are not checked, as the image decoder does not check them.
at = one_bit.index(b"PLTE") + 4 + 6
put("keep_palette/bits_1", "in.png", one_bit[:at] + bytes([one_bit[at] ^ 0xff]) + one_bit[at + 1:])
put("keep_palette/bits_1_interlaced", "in.png", palette_png(11, 9, 1, ramp(2), [0], picture(11, 9, 2), True))
put("keep_palette/bits_2_interlaced", "in.png", palette_png(3, 5, 2, ramp(3), [40, 80], picture(3, 5, 3), True))
put("keep_palette/bits_8_interlaced", "in.png",
    palette_png(17, 3, 8, ramp(256), [(i * 7) & 255 for i in range(256)], picture(17, 3, 256), True))

# Malformed palette PNGs: more alpha values than entries, no palette, image data cut short.
put("keep_palette/refuse_long_trns", "in.png", palette_png(2, 1, 8, ramp(2), [1, 2, 3], [[0, 1]]))
put("keep_palette/refuse_no_plte", "in.png", png(2, 1, 3, 8, [[0, 0]]))
put("keep_palette/refuse_truncated", "in.png", palette_png(40, 40, 8, ramp(3), None, picture(40, 40, 3))[:-40])

# Forty entries, for a format that holds sixteen.
FORTY_PLTE = [(i * 6, 255 - i * 6, i) for i in range(40)]
put("keep_palette/refuse_too_large", "in.png",
    palette_png(8, 5, 8, FORTY_PLTE, None, [[(x + 8 * y) for x in range(8)] for y in range(5)]))

# A pixel whose index points past the end of a three-entry palette.
put("keep_palette/refuse_index_beyond", "in.png",
    palette_png(4, 2, 2, [(1, 1, 1), (2, 2, 2), (3, 3, 3)], None, [[0, 1, 2, 1], [2, 3, 0, 0]]))

# Inputs that are not palette PNGs.
put("keep_palette/refuse_rgba", "in.png", rgba_png(2, 2, [(1, 2, 3, 255), (4, 5, 6, 0)] * 2))
put("keep_palette/refuse_bmp", "in.bmp", bmp24(2, 2, [(1, 2, 3), (4, 5, 6)] * 2))
put("keep_palette/refuse_svg", "in.svg",
    '<svg xmlns="http://www.w3.org/2000/svg" width="4" height="4"><rect width="4" height="4" fill="red"/></svg>\n')


# ---- exact numbers of colours, for indexed-auto ----------------------------------

def colors(n):
    """n distinct RGBA colours: alpha is part of what makes them distinct."""
    return [((i * 53) & 255, (i * 29 + 7) & 255, (i >> 8) * 90, 255 if i % 5 else 128 + (i & 63))
            for i in range(n)]


for n, w, h in ((2, 5, 3), (3, 5, 3), (4, 5, 3), (5, 5, 3), (16, 6, 5), (17, 6, 5), (256, 20, 13),
                (257, 20, 13)):
    pal = colors(n)
    # Every colour at least once, then a scattered repeat, so that first appearance matters.
    px = [pal[i] if i < n else pal[(i * 7) % n] for i in range(w * h)]
    put("indexed_auto/colors_%d" % n, "in.png", rgba_png(w, h, px))
put("indexed_auto/bin_preview", "in.png", rgba_png(6, 5, [colors(17)[(i * 5) % 17] for i in range(30)]))


# ---- an icon with an anti-aliased edge on a transparent background ---------------

def icon(size):
    """A disc with a colour ramp and a soft edge; the background's colour varies under alpha 0."""
    c = (size - 1) / 2
    px = []
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c)
            cover = max(0.0, min(1.0, size * 0.42 - d + 0.5))
            a = round(cover * 255)
            if a == 0:
                px.append(((x * 41) & 255, (y * 23) & 255, 255, 0))
            else:
                px.append((round(40 + 200 * x / size), round(220 - 150 * y / size), round(60 + 6 * (x ^ y)), a))
    return px


ICON = 24
for bits in (1, 2, 4, 8):
    put("transparency/indexed_%d" % bits, "icon.png", rgba_png(ICON, ICON, icon(ICON)))
put("transparency/indexed_2_dither", "icon.png", rgba_png(ICON, ICON, icon(ICON)))

#!/usr/bin/env python3
"""Writes the raster files pixmint's guard is tested on. Re-running it rewrites
the same bytes.

layouts/   one small file for each layout PNG, BMP, GIF and JPEG allow, and
           beside each (JPEG aside) NAME.pixels: "width height channels\\n"
           and the pixels stb_image must decode it to, rows top first.
           JPEG is lossy: each NAME-progressive.jpg must decode exactly as
           NAME.jpg, cjpeg writing both from one picture with one set of
           quantization tables.
refused/   files whose data leaves pixels undefined, each listed in
           refused/cases with the guard's verdict and what the decoder does
           with it unguarded: "takes" (a run would write made-up pixels),
           "refuses", or "unsafe" (it reads memory nothing set).
../../golden/pixmint/foreign/*/
           files of the decoder's other formats, whole and cut short, named
           image.png beside an earlier image.c that a refusal must keep.

Needs python3 and cjpeg (Debian: libjpeg-turbo-progs).
"""
import os
import struct
import subprocess
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def sample(x, y, c):
    return (x * 53 + y * 97 + c * 71 + 13) & 255


def index_at(x, y, entries):
    return (x * 3 + y * 5 + x * y) % entries


def colour(i):
    return bytes(((i * 67 + 13) & 255, (i * 29 + 101) & 255, (i * 151 + 7) & 255))


def widen(v, bits):
    """An n-bit value widened to 8 bits by repeating its bits."""
    out, filled = 0, 0
    while filled < 8:
        out, filled = out << bits | v, filled + bits
    return out >> (filled - 8)


def pixels(w, h, channels, px):
    return b"%d %d %d\n" % (w, h, channels) + bytes(px)


# ---- BMP ------------------------------------------------------------------

def bmp(w, h, bpp, header=40, top_down=False, bit_fields=False, entries=0):
    """A BMP and its pixels: bit fields are 5-6-5 at 16 bits, 8-bit RGB (and alpha in the V4/V5
    headers) at 32; without them 16 bits are 5-5-5 and 32 bits carry alpha in the top byte."""
    entries = entries or (1 << bpp if bpp <= 8 else 0)
    alpha = bpp == 32 and (not bit_fields or header >= 108)
    masks = (0xF800, 0x07E0, 0x1F, 0) if bpp == 16 else (0xFF0000, 0xFF00, 0xFF, 0xFF000000)
    if header == 12:
        info = struct.pack("<IHHHH", 12, w, h, 1, bpp)
    else:
        info = struct.pack("<IiiHHIIiiII", header, w, -h if top_down else h, 1, bpp, 3 if bit_fields else 0, 0,
                           2835, 2835, entries, 0)
        if header >= 56:
            info += struct.pack("<IIII", *masks)
        info = info.ljust(header, b"\0")
    if bit_fields and header == 40:
        info += struct.pack("<III", *masks[:3])
    for i in range(entries):
        info += colour(i)[::-1] + (b"" if header == 12 else b"\0")
    stride = (w * bpp + 31) // 32 * 4
    channels = 4 if alpha else 3
    px = bytearray(w * h * channels)
    rows = b""
    for row in range(h):
        y = row if top_down else h - 1 - row
        line = bytearray(stride)
        for x in range(w):
            r, g, b, a = sample(x, y, 0), sample(x, y, 1), sample(x, y, 2), sample(x, y, 3) | 1
            at = (y * w + x) * channels
            if bpp <= 8:
                i = index_at(x, y, entries)
                line[x * bpp // 8] |= i << (8 - bpp - x * bpp % 8)
                px[at:at + 3] = colour(i)
                continue
            if bpp == 16:
                gb = 6 if bit_fields else 5
                v = (r >> 3) << (5 + gb) | (g >> (8 - gb)) << 5 | b >> 3
                px[at:at + 3] = (widen(r >> 3, 5), widen(g >> (8 - gb), gb), widen(b >> 3, 5))
            else:
                v = r << 16 | g << 8 | b | a << 24
                px[at:at + channels] = (r, g, b, a)[:channels]
            line[x * bpp // 8:x * bpp // 8 + bpp // 8] = v.to_bytes(4, "little")[:bpp // 8]
        rows += bytes(line)
    offset = 14 + len(info)
    return b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset) + info + rows, pixels(w, h, channels, px)


# ---- GIF ------------------------------------------------------------------

def gif(width, height, table_bits=2, code_size=0, local_table=False, interlaced=False, transparent=-1,
        background=0, frame=None, index_limit=0, pixels_coded=-1):
    """A GIF of one frame (x, y, w, h; the whole screen by default), every index a literal code
    with a clear code before the code size would grow, and its pixels: outside the frame the
    background colour, or transparent black without one."""
    x0, y0, fw, fh = frame or (0, 0, width, height)
    entries = 1 << table_bits
    limit = index_limit or entries
    min_size = max(2, code_size or table_bits)
    px = bytearray((colour(background) + b"\xff") * (width * height) if background else width * height * 4)
    flags = 0x80 | (table_bits - 1)
    table = b"".join(colour(i) for i in range(entries))
    out = b"GIF89a" + struct.pack("<HHBBB", width, height, 0 if local_table else flags, background, 0)
    out += b"" if local_table else table
    if transparent >= 0:
        out += bytes((0x21, 0xF9, 4, 1, 0, 0, transparent, 0))
    out += b"\x2c" + struct.pack("<HHHHB", x0, y0, fw, fh, (flags if local_table else 0) | (0x40 if interlaced else 0))
    out += table if local_table else b""
    rows = [r for first, step in ((0, 8), (4, 8), (2, 4), (1, 2)) for r in range(first, fh, step)] if interlaced \
        else list(range(fh))
    clear = 1 << min_size
    codes, since_clear = [clear], 0
    for n in range(len(rows) * fw if pixels_coded < 0 else pixels_coded):
        y, x = rows[n // fw], n % fw
        i = index_at(x, y, limit)
        at = ((y0 + y) * width + x0 + x) * 4
        px[at:at + 4] = b"\0\0\0\0" if i == transparent else colour(i) + b"\xff"
        if since_clear == clear - 2:
            codes.append(clear)
            since_clear = 0
        codes.append(i)
        since_clear += 1
    codes.append(clear + 1)
    data, bits, held = bytearray(), 0, 0
    for c in codes:
        bits |= c << held
        held += min_size + 1
        while held >= 8:
            data.append(bits & 255)
            bits, held = bits >> 8, held - 8
    if held:
        data.append(bits)
    out += bytes((min_size,)) + b"".join(bytes((len(data[i:i + 255]),)) + data[i:i + 255]
                                         for i in range(0, len(data), 255))
    return out + b"\0\x3b", pixels(width, height, 4, px)


# ---- PNG ------------------------------------------------------------------

def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


ADAM7 = ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2))


def png(w, h, color_type=6, depth=8, interlaced=False, transparency=False, entries=0, index_limit=0):
    """A PNG of any colour type and depth, Adam7 interlaced or not, its rows filtered every way,
    and its pixels as stb_image gives them: 16-bit samples cut to their high byte, low depths
    widened, palettes (of `entries` colours, indices below `index_limit`) looked up."""
    samples = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[color_type]
    entries = (entries or 1 << depth) if color_type == 3 else 0
    alphas = bytes((i * 37 + 5) & 255 for i in range(entries))
    channels = (4 if transparency else 3) if entries else samples
    values = {}  # (x, y) -> the samples written
    px = bytearray()
    for y in range(h):
        for x in range(w):
            if entries:
                i = index_at(x, y, index_limit or entries)
                values[x, y] = [i]
                px += colour(i) + (alphas[i:i + 1] if transparency else b"")
            elif depth == 16:
                values[x, y] = [sample(x, y, c) << 8 | (sample(x, y, c) * 7 + 3) & 255 for c in range(samples)]
                px += bytes(sample(x, y, c) for c in range(samples))
            else:
                values[x, y] = [sample(x, y, c) >> (8 - depth) for c in range(samples)]
                px += bytes(widen(v, depth) for v in values[x, y])

    step = max(1, samples * depth // 8)  # bytes a filter looks back

    def rows(xs, ys):
        """The rows of one pass, each with one of the five filters in turn."""
        out, prior = b"", None
        for r, y in enumerate(ys):
            bits, n, line = 0, 0, bytearray()
            for x in xs:
                for v in values[x, y]:
                    bits, n = bits << depth | v, n + depth
                    while n >= 8:
                        line.append(bits >> (n - 8) & 255)
                        n -= 8
            if n:
                line.append(bits << (8 - n) & 255)
            prior = prior or bytes(len(line))
            kind, filtered = r % 5, bytearray()
            for i, v in enumerate(line):
                a, b = line[i - step] if i >= step else 0, prior[i]
                c = prior[i - step] if i >= step else 0
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                predicted = (0, a, b, (a + b) // 2, a if pa <= pb and pa <= pc else b if pb <= pc else c)[kind]
                filtered.append((v - predicted) & 255)
            out += bytes((kind,)) + bytes(filtered)
            prior = bytes(line)
        return out

    passes = ADAM7 if interlaced else ((0, 0, 1, 1),)
    raw = b"".join(rows(range(x0, w, dx), range(y0, h, dy)) for x0, y0, dx, dy in passes if x0 < w and y0 < h)
    head = chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, depth, color_type, 0, 0, int(interlaced)))
    if entries:
        head += chunk(b"PLTE", b"".join(colour(i) for i in range(entries)))
        head += chunk(b"tRNS", alphas) if transparency else b""
    data = b"\x89PNG\r\n\x1a\n" + head + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    return data, pixels(w, h, channels, px)


# ---- JPEG -----------------------------------------------------------------

def jpeg(w, h, grey=False, subsampled=True, progressive=False, restart=0):
    with tempfile.TemporaryDirectory() as tmp:
        picture = os.path.join(tmp, "in.pnm")
        with open(picture, "wb") as f:
            f.write(b"P%d\n%d %d\n255\n" % (5 if grey else 6, w, h))
            f.write(bytes(sample(x, y, c) for y in range(h) for x in range(w) for c in range(1 if grey else 3)))
        args = ["cjpeg", "-quality", "90"] + ([] if grey else ["-sample", "2x2" if subsampled else "1x1"])
        args += (["-progressive"] if progressive else []) + (["-restart", "%dB" % restart] if restart else [])
        return subprocess.run(args + [picture], check=True, capture_output=True).stdout


def jpeg_scans(data):
    """(start of the SOS marker, end of the coded data) of each scan."""
    scans, at = [], 2
    while data[at + 1] != 0xD9:
        start = at
        at += 2 + struct.unpack(">H", data[at + 2:at + 4])[0]
        if data[start + 1] == 0xDA:
            while not (data[at] == 0xFF and data[at + 1] != 0 and not 0xD0 <= data[at + 1] <= 0xD7):
                at += 1
            scans.append((start, at))
    return scans


def without(data, marker):
    """A JPEG without its header segments of one marker."""
    at = 2
    while data[at + 1] != 0xDA:
        length = 2 + struct.unpack(">H", data[at + 2:at + 4])[0]
        data, at = (data[:at] + data[at + length:], at) if data[at + 1] == marker else (data, at + length)
    return data


# ---- output ---------------------------------------------------------------

def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def layouts():
    out = {}
    for bpp in (1, 4, 8, 16, 24, 32):
        for top_down in (False, True):
            out["bmp%d-%s.bmp" % (bpp, "top-down" if top_down else "bottom-up")] = bmp(13, 7, bpp, top_down=top_down)
    out["bmp16-bit-fields.bmp"] = bmp(13, 7, 16, bit_fields=True)
    out["bmp32-bit-fields-top-down.bmp"] = bmp(13, 7, 32, top_down=True, bit_fields=True)
    out["bmp32-v4-alpha.bmp"] = bmp(13, 7, 32, header=108, bit_fields=True)
    out["bmp16-v4-bit-fields.bmp"] = bmp(13, 7, 16, header=108, bit_fields=True)
    out["bmp32-v5-alpha-top-down.bmp"] = bmp(13, 7, 32, header=124, top_down=True, bit_fields=True)
    out["bmp8-v5.bmp"] = bmp(13, 7, 8, header=124)
    out["bmp24-56-byte-header.bmp"] = bmp(13, 7, 24, header=56)
    out["bmp24-os2.bmp"] = bmp(13, 7, 24, header=12)
    out["bmp8-100-colours.bmp"] = bmp(13, 7, 8, entries=100)
    out["gif.gif"] = gif(13, 7)
    out["gif-interlaced.gif"] = gif(13, 11, interlaced=True)
    out["gif-local-table-interlaced.gif"] = gif(13, 7, local_table=True, interlaced=True)
    out["gif-256-colours.gif"] = gif(13, 7, table_bits=8)
    out["gif-2-colours.gif"] = gif(13, 7, table_bits=1)
    out["gif-transparent.gif"] = gif(13, 7, transparent=1)
    out["gif-frame-inside-the-screen.gif"] = gif(13, 7, frame=(2, 1, 7, 4))
    for color_type, depth in ((0, 1), (0, 2), (0, 4), (0, 8), (0, 16), (4, 8), (4, 16), (2, 8), (2, 16), (6, 8),
                              (6, 16), (3, 1), (3, 2), (3, 4), (3, 8)):
        for interlaced in (False, True):
            out["png-type%d-depth%d%s.png" % (color_type, depth, "-interlaced" if interlaced else "")] = \
                png(13, 7, color_type, depth, interlaced)
    out["png-palette-trns.png"] = png(13, 7, 3, 4, transparency=True)
    out["png-palette-100-colours.png"] = png(13, 7, 3, 8, entries=100)
    out["png-palette-100-colours-interlaced.png"] = png(13, 7, 3, 8, interlaced=True, entries=100)
    for name, options in (("jpeg-420", {}), ("jpeg-444", {"subsampled": False}), ("jpeg-grey", {"grey": True}),
                          ("jpeg-restart-every-mcu", {"restart": 1}),
                          ("jpeg-grey-restart-every-3", {"grey": True, "restart": 3})):
        out[name + ".jpg"] = (jpeg(24, 17, **options), None)
        out[name + "-progressive.jpg"] = (jpeg(24, 17, progressive=True, **options), None)
    return out


def refused():
    palette8, one_colour = bmp(13, 7, 8, entries=100)[0], bmp(13, 7, 1, entries=1)[0]
    rows = lambda f: struct.unpack("<I", f[10:14])[0]
    baseline, restarts = jpeg(24, 17), jpeg(24, 17, restart=1)
    progressive = jpeg(24, 17, grey=True, progressive=True)
    (start, end), = jpeg_scans(baseline)
    middle = (start + end) // 2
    last_restart = max(i for i in range(*jpeg_scans(restarts)[0]) if restarts[i] == 0xFF and 0xD0 <= restarts[i + 1] <= 0xD7)
    first_dc = jpeg_scans(progressive)[0]
    image = png(13, 7)[0]
    at = image.index(b"IDAT") - 4
    length = struct.unpack(">I", image[at:at + 4])[0]
    # The compressed stream a byte short: the zlib checksum's four bytes and one more dropped.
    cut_stream = image[:at] + chunk(b"IDAT", image[at + 8:at + 8 + length - 5]) + image[at + 12 + length:]
    return {
        "bmp-index-past-100-colours.bmp": (palette8[:rows(palette8) + 5] + b"\xc8" + palette8[rows(palette8) + 6:],
                                           "bmp_index_outside_palette", "takes"),
        "bmp-index-past-1-colour.bmp": (one_colour[:rows(one_colour)] + b"\x40" + one_colour[rows(one_colour) + 1:],
                                        "bmp_index_outside_palette", "takes"),
        "gif-index-past-2-colours.gif": (gif(13, 7, table_bits=1, code_size=2, index_limit=4)[0],
                                         "gif_index_outside_table", "takes"),
        "gif-codes-ending-early.gif": (gif(13, 7, pixels_coded=50)[0], "gif_frame_short", "takes"),
        "gif-background-past-the-table.gif": (gif(13, 7, background=9, frame=(1, 1, 5, 3))[0],
                                              "gif_background_outside_table", "takes"),
        "gif-background-without-a-global-table.gif": (gif(13, 7, local_table=True, background=1, frame=(1, 1, 5, 3))[0],
                                                      "gif_background_outside_table", "takes"),
        "png-stream-a-byte-short.png": (cut_stream, "png_data_short", "refuses"),
        "png-index-past-plte.png": (png(13, 7, 3, 4, entries=5, index_limit=16)[0], "png_index_outside_palette",
                                    "unsafe"),
        # Found by fuzzing the guard: zlib refuses this compressed data, the decoder's inflater takes it.
        "png-index-past-plte-zlib-refuses.png": (bytes.fromhex(
            "89504e470d0a1a0a0000000d494844520000000d000000070403000000215eda290000000f504c54450d650750829e939f35d6bccc19d9634f07d3140000003a4944415478da"
            "6360ce3cafdafdd08131b2a202f8eb99c22abaf69cfb20c03c4f68f396a3d75eb084ddbb770fc86798080613189f2b0181903c00e9eaf1f2f3f45ff50000000049454e44ae426082"), "png_index_outside_palette", "unsafe"),
        "png-index-past-plte-interlaced.png": (png(13, 7, 3, 8, interlaced=True, entries=60, index_limit=100)[0],
                                               "png_index_outside_palette", "unsafe"),
        "jpeg-scan-cut-end-marker-added.jpg": (baseline[:middle] + b"\xff\xd9", "jpeg_blocks_missing", "takes"),
        "jpeg-scan-cut.jpg": (baseline[:middle], "jpeg_blocks_missing", "refuses"),
        "jpeg-restart-marker-missing.jpg": (restarts[:last_restart] + restarts[last_restart + 2:],
                                            "jpeg_blocks_missing", "refuses"),
        "jpeg-cut-at-a-restart-marker.jpg": (restarts[:last_restart] + b"\xff\xd9", "jpeg_blocks_missing", "takes"),
        "jpeg-without-quantization-tables.jpg": (without(baseline, 0xDB), "jpeg_table_missing", "unsafe"),
        "jpeg-without-huffman-tables.jpg": (without(baseline, 0xC4), "jpeg_table_missing", "unsafe"),
        "jpeg-progressive-without-first-dc-scan.jpg": (progressive[:first_dc[0]] + progressive[first_dc[1]:],
                                                       "jpeg_blocks_missing", "unsafe"),
    }


def foreign():
    tga = bytes((0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 4, 0, 24, 0))
    # 4 x 4 RGB, 8 bits, then empty colour mode, resource and layer sections and raw planes.
    psd = b"8BPS\0\1" + b"\0" * 6 + struct.pack(">HIIHH", 3, 4, 4, 8, 3) + b"\0" * 14
    # 2 x 2, one uncompressed packet of red, green and blue.
    pic = b"S\x80\xf6\x34" + b"A" * 84 + b"PICT" + struct.pack(">HH", 2, 2) + b"A" * 8 + bytes((0, 8, 0, 0xE0))
    return {
        "pnm_cut_short": b"P6\n64 64\n255\n" + b"A" * 10,
        "pnm": b"P6\n4 2\n255\n" + b"A" * 24,
        "pnm_grey": b"P5\n2 2\n255\n" + b"A" * 4,
        "pnm_declaring_2500": b"P6\n2500 2500\n255\n" + b"A" * 29,
        "tga_cut_short": tga + b"A" * 6,
        "tga": tga + b"A" * 48,
        "psd_cut_short": psd + b"A" * 5,
        "psd": psd + b"A" * 48,
        "hdr": b"#?RADIANCE\nFORMAT=32-bit_rle_rgbe\n\n-Y 2 +X 2\n" + b"A" * 16,
        "pic_cut_short": pic + b"A" * 3,
        "pic": pic + b"A" * 12,
    }


def main():
    for name, (data, expected) in layouts().items():
        write(os.path.join(HERE, "layouts", name), data)
        if expected is not None:
            write(os.path.join(HERE, "layouts", name + ".pixels"), expected)
    cases = b""
    for name, (data, verdict, decoder) in refused().items():
        write(os.path.join(HERE, "refused", name), data)
        cases += b"%s %s %s\n" % (name.encode(), verdict.encode(), decoder.encode())
    write(os.path.join(HERE, "refused", "cases"), cases)
    for name, data in foreign().items():
        case = os.path.join(HERE, "..", "..", "golden", "pixmint", "foreign", name)
        write(os.path.join(case, "args"), b"-p\nimage.png\n")
        write(os.path.join(case, "in", "image.png"), data)
        write(os.path.join(case, "in", "image.c"), b"/* an earlier, good output */\n")


if __name__ == "__main__":
    main()

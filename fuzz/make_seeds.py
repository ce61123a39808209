#!/usr/bin/env python3
"""Writes the hand-made seed inputs of the fuzz targets into fuzz/corpus/.

Seeds are small, valid (or deliberately broken) inputs that start each
target's exploration where the interesting code is. Inputs the fuzzer finds
later are added by fuzz/run.sh's merge step, not by this script. Re-running
it rewrites the same files byte for byte.

JPEG seeds come from the system's stb_image_write (libstb), loaded through
ctypes, so no image tool is needed.
"""
import ctypes
import ctypes.util
import os
import struct
import sys
import tempfile
import zlib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def put(target, name, data):
    d = os.path.join(ROOT, target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data.encode() if isinstance(data, str) else data)


# ---- pixmint_image: an image, then the bytes that pick the options ---------

FORMATS = ["true-color", "true-color-alpha", "true-color-chroma-keyed", "indexed-1", "indexed-2", "indexed-4",
           "indexed-8", "alpha-1", "alpha-2", "alpha-4", "alpha-8", "raw", "raw-alpha", "raw-chroma-keyed"]
PREVIEWS = {None: 0, "the_output": 3, "beside": 4, "in_subdir": 5, "the_input": 6, "unwritable": 7}


def choices(fmt=None, depth=0, v=False, dither=False, bin=False, swap=False, preview=None, earlier=False,
            as_given=False, w=None, h=None):
    """The four bytes fuzz/pixmint_choices.cpp reads after the image."""
    b0 = (FORMATS.index(fmt) if fmt else 14) | [0, 8, 16, 24].index(depth) << 4 | v << 6 | dither << 7
    b1 = bin | swap << 1 | PREVIEWS[preview] << 2 | earlier << 5 | (0xC0 if as_given else 0)
    size = lambda n: 0 if n is None else 0x80 | (n + 1)
    return bytes([b0, b1, size(w), size(h)])


def put_image(name, data, picks=choices()):
    put("pixmint_image", name, (data.encode() if isinstance(data, str) else data) + picks)


def pattern(w, h, comp):
    return bytes((x * 37 + y * 91 + c * 53 + 11) & 255 for y in range(h) for x in range(w) for c in range(comp))


# ---- PNG ------------------------------------------------------------------

def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def png(w, h, color_type, depth, rows, extra=b"", interlace=0):
    ihdr = struct.pack(">IIBBBBB", w, h, depth, color_type, 0, 0, interlace)
    raw = b"".join(b"\x00" + r for r in rows)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr) + extra +
            png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def png_plain(w, h, comp, color_type):
    px = pattern(w, h, comp)
    return png(w, h, color_type, 8, [px[y * w * comp:(y + 1) * w * comp] for y in range(h)])


def png_seeds():
    put_image("rgba.png", png_plain(3, 2, 4, 6))
    put_image("rgb.png", png_plain(2, 2, 3, 2))
    put_image("grey.png", png_plain(4, 1, 1, 0))
    put_image("grey_alpha.png", png_plain(2, 2, 2, 4))
    palette = png_chunk(b"PLTE", bytes([255, 0, 0, 0, 255, 0, 0, 0, 255])) + png_chunk(b"tRNS", b"\x80")
    put_image("palette.png", png(2, 2, 3, 8, [b"\x00\x01", b"\x02\x00"], palette))
    put_image("grey16.png", png(2, 1, 0, 16, [b"\x12\x34\xfe\xdc"]))
    put_image("interlaced.png",
        png(3, 3, 2, 8, [b"\x01\x02\x03"], interlace=1))  # too little data: a corrupt one too


def palette_seeds():
    """Palette PNGs for --keep-palette: every bit depth, interlaced, short, long and no tRNS, an
    index past the palette. The last byte (after IEND) picks the format."""
    def packed(values, depth):
        bits = "".join(format(v, "0%db" % depth) for v in values)
        bits += "0" * (-len(bits) % 8)
        return bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))

    def pal(n):
        return png_chunk(b"PLTE", bytes((i * 40 + c * 90) & 255 for i in range(n) for c in range(3)))

    for depth, n, w, h, trns, interlace, pick in ((1, 2, 9, 3, b"", 0, 0), (2, 4, 5, 5, b"\x00\x80", 1, 1),
                                                  (4, 12, 7, 2, b"\x00" * 5, 0, 4), (8, 256, 3, 2, b"", 1, 3),
                                                  (4, 3, 4, 2, b"\x01\x02\x03\x04", 0, 2)):
        extra = pal(n) + (png_chunk(b"tRNS", trns) if trns else b"")
        values = [[(x + y * 3) % n for x in range(w)] for y in range(h)]
        if interlace:
            passes = []
            for x0, y0, dx, dy in ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4),
                                   (1, 0, 2, 2), (0, 1, 1, 2)):
                if x0 < w:
                    passes += [packed(values[y][x0::dx], depth) for y in range(y0, h, dy)]
            data = png(w, h, 3, depth, passes, extra, interlace=1)
        else:
            data = png(w, h, 3, depth, [packed(r, depth) for r in values], extra)
        put("pixmint_palette", "depth%d_%d%s.png" % (depth, n, "_interlaced" if interlace else ""),
            data + bytes([pick]))
    put("pixmint_palette", "index_past.png",
        png(2, 1, 3, 8, [b"\x00\x07"], pal(3)) + b"\x00")
    put("pixmint_palette", "rgba.png", png_plain(2, 2, 4, 6) + b"\x04")


# ---- BMP ------------------------------------------------------------------

def bmp(w, h, bpp, header_size=40, compression=0, palette=b"", masks=b"", rows=None):
    stride = ((w * bpp + 31) // 32) * 4
    if rows is None:
        rows = pattern(stride, abs(h), 1)
    if header_size == 12:
        info = struct.pack("<IHHHH", 12, w, h, 1, bpp)
    else:
        info = struct.pack("<IiiHHIIiiII", header_size, w, h, 1, bpp, compression, len(rows), 2835, 2835, 0, 0)
        info += b"\x00" * (header_size - len(info))
        if header_size >= 108 and masks:
            info = info[:40] + masks + info[40 + len(masks):]
            masks = b""
    offset = 14 + header_size + len(masks) + len(palette)
    head = b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset)
    return head + info + masks + palette + rows


def bmp_seeds():
    put_image("rgb24.bmp", bmp(3, 2, 24))
    put_image("top_down.bmp", bmp(2, -2, 24))
    put_image("os2_rgb24.bmp", bmp(2, 2, 24, header_size=12))
    put_image("pal8.bmp", bmp(3, 2, 8, palette=b"".join(bytes([i, 255 - i, i // 2, 0]) for i in range(256))))
    put_image("pal4.bmp", bmp(5, 2, 4, palette=b"".join(bytes([i * 16, 0, 255 - i * 16, 0]) for i in range(16))))
    put_image("mono.bmp", bmp(9, 2, 1, palette=b"\x00\x00\x00\x00\xff\xff\xff\x00"))
    put_image("rgb565.bmp", bmp(2, 2, 16, compression=3, masks=struct.pack("<III", 0xF800, 0x07E0, 0x001F)))
    put_image("argb_v4.bmp",
        bmp(2, 2, 32, header_size=108, compression=3,
            masks=struct.pack("<IIII", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)))
    full = bmp(4, 3, 24)
    put_image("cut_rows.bmp", full[:len(full) - 5])  # refused: rows missing


# ---- GIF ------------------------------------------------------------------

def lzw_literal(indices, min_code=2):
    """LZW data that emits every index as a literal, with a clear code often enough that
    the code size never grows: valid, if not compact."""
    clear, end, size = 1 << min_code, (1 << min_code) + 1, min_code + 1
    codes, since_clear = [clear], 0
    for i in indices:
        if since_clear == (1 << size) - (clear + 2) - 1:
            codes.append(clear)
            since_clear = 0
        codes.append(i)
        since_clear += 1
    codes.append(end)
    bits = nbits = 0
    out = bytearray()
    for c in codes:
        bits |= c << nbits
        nbits += size
        while nbits >= 8:
            out.append(bits & 255)
            bits >>= 8
            nbits -= 8
    if nbits:
        out.append(bits & 255)
    blocks = b"".join(bytes([len(out[i:i + 255])]) + out[i:i + 255] for i in range(0, len(out), 255))
    return bytes([min_code]) + blocks + b"\x00"


def gif(w, h, frames, global_table=True, gce=None, comment=None, interlace=False, local_table=False):
    table = bytes([0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255])  # 4 colours, flag size 1
    out = b"GIF89a" + struct.pack("<HHBBB", w, h, 0x81 if global_table else 0, 0, 0)
    if global_table:
        out += table
    if comment is not None:
        out += b"\x21\xfe" + bytes([len(comment)]) + comment + b"\x00"
    for indices in frames:
        if gce is not None:
            out += b"\x21\xf9\x04" + bytes([gce, 10, 0, 1]) + b"\x00"
        flags = (0x40 if interlace else 0) | (0x81 if local_table else 0)
        out += b"\x2c" + struct.pack("<HHHHB", 0, 0, w, h, flags)
        if local_table:
            out += table
        out += lzw_literal(indices)
    return out + b"\x3b"


def gif_seeds():
    put_image("one_frame.gif", gif(2, 2, [[0, 1, 2, 3]]))
    put_image("two_frames.gif", gif(3, 1, [[0, 1, 2], [3, 3, 1]], gce=0x09, comment=b"hi"))
    put_image("interlaced.gif", gif(1, 5, [[0, 1, 2, 3, 0]], interlace=True, local_table=True,
                                               global_table=False))
    full = gif(4, 4, [list(range(4)) * 4])
    put_image("cut_frame.gif", full[:len(full) - 3])  # refused: frame unterminated


# ---- JPEG -----------------------------------------------------------------

def jpeg_seeds():
    stb = ctypes.CDLL(ctypes.util.find_library("stb") or "libstb.so.0")
    with tempfile.TemporaryDirectory() as tmp:
        for name, w, h, comp, quality in (("grey.jpg", 8, 8, 1, 50), ("rgb.jpg", 16, 8, 3, 90),
                                          ("rgb_full.jpg", 9, 9, 3, 95)):
            path = os.path.join(tmp, name)
            px = pattern(w, h, comp)
            if not stb.stbi_write_jpg(path.encode(), w, h, comp, px, quality):
                sys.exit("stbi_write_jpg failed")
            with open(path, "rb") as f:
                data = f.read()
            put_image(name, data)
            if name == "rgb.jpg":
                put_image("dht_overflow.jpg", oversized_huffman_table(data))


def oversized_huffman_table(jpeg):
    """The same image with its last Huffman table declaring 1,539 codes instead of at most
    256 (code lengths 10 to 16), and the segment length made to match, so the decoder goes on
    to use the table it has just written past the end of."""
    i = 2
    while i < len(jpeg):
        marker, length = jpeg[i + 1], struct.unpack(">H", jpeg[i + 2:i + 4])[0]
        if marker == 0xC4:
            j, end, tables = i + 4, i + 2 + length, []
            while j < end:
                n = sum(jpeg[j + 1:j + 17])
                tables.append(jpeg[j:j + 17 + n])
                j += 17 + n
            counts = [0] * 9 + [9] + [255] * 6
            tables[-1] = tables[-1][:1] + bytes(counts) + bytes(k & 255 for k in range(sum(counts)))
            body = b"".join(tables)
            return jpeg[:i] + b"\xff\xc4" + struct.pack(">H", len(body) + 2) + body + jpeg[end:]
        i += 2 + length
    sys.exit("no DHT segment in the JPEG seed")


# ---- SVG ------------------------------------------------------------------

def svg_seeds():
    put_image("rect.svg",
        '<svg xmlns="http://www.w3.org/2000/svg" width="4" height="3">'
        '<rect width="4" height="3" fill="#3a7"/></svg>\n')
    put_image("viewbox.svg",
        '<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 5.5 2">'
        '<circle cx="2" cy="1" r="1" fill-opacity="0.5"/></svg>\n')
    put_image("gradient.svg",
        '<svg xmlns="http://www.w3.org/2000/svg" width="3.7" height="2">'
        '<defs><linearGradient id="g"><stop offset="0" stop-color="red"/>'
        '<stop offset="1" stop-color="blue" stop-opacity="0"/></linearGradient></defs>'
        '<path d="M0 0L3 2H0z" fill="url(#g)"/></svg>\n')


# ---- pixmint_image: every format family and output option -----------------

def option_seeds():
    """Small images with the options that reach the indexed, alpha-only and raw writers, .bin
    files, dithering, previews, and runs that must leave earlier outputs as they were."""
    rgba = png_plain(5, 3, 4, 6)
    few = png(4, 2, 3, 8, [b"\x00\x01\x02\x00", b"\x01\x01\x00\x02"],
              png_chunk(b"PLTE", bytes([255, 0, 0, 0, 255, 0, 0, 0, 255])) + png_chunk(b"tRNS", b"\x80\xff"))
    for bits in (1, 2, 4, 8):
        put_image(f"indexed{bits}.png", rgba, choices(f"indexed-{bits}", dither=bits == 2))
        put_image(f"alpha{bits}.png", rgba, choices(f"alpha-{bits}"))
    put_image("indexed_exact_bin.png", few, choices("indexed-2", bin=True))
    put_image("alpha_bin.png", rgba, choices("alpha-4", bin=True, preview="beside"))
    for fmt in ("raw", "raw-alpha", "raw-chroma-keyed"):
        put_image(f"{fmt}.png", rgba, choices(fmt))
    put_image("raw_resized.png", rgba, choices("raw", w=3, as_given=True))  # refused
    put_image("bin_swap.png", rgba, choices("true-color-alpha", depth=16, bin=True, swap=True))
    put_image("bin_dither8.png", rgba, choices("true-color", depth=8, bin=True, dither=True))
    put_image("bin_chroma24.png", rgba, choices("true-color-chroma-keyed", depth=24, bin=True, v=True))
    put_image("bin_no_depth.png", rgba, choices("true-color-alpha", bin=True, as_given=True))  # refused
    put_image("preview_subdir.png", rgba, choices("indexed-4", w=7, h=2, preview="in_subdir", earlier=True))
    put_image("preview_input.png", rgba, choices(preview="the_input", earlier=True))  # refused
    put_image("preview_unwritable.png", rgba, choices("alpha-2", preview="unwritable"))
    put_image("preview_unwritable_earlier_bin.png", rgba,
              choices("true-color", depth=8, bin=True, preview="unwritable", earlier=True))
    put_image("preview_output.png", rgba, choices("indexed-2", preview="the_output", earlier=True))  # refused
    put_image("preview_output_bin.png", rgba, choices("alpha-1", bin=True, preview="the_output"))  # refused
    put_image("earlier_bin.png", few, choices("indexed-1", bin=True, earlier=True))
    put_image("shrunk_dither.png", rgba, choices("true-color", depth=16, dither=True, w=2, h=1, v=True))
    put_image("rect_indexed.svg", '<svg xmlns="http://www.w3.org/2000/svg" width="4" height="3">'
              '<rect width="3" height="2" fill="#3a7" fill-opacity="0.5"/></svg>\n', choices("indexed-8", bin=True))
    put_image("one_frame_alpha.gif", gif(2, 2, [[0, 1, 2, 3]]), choices("alpha-8", preview="beside"))


# ---- setwright's conf.json ------------------------------------------------

def conf_seeds():
    t = "setwright_conf"
    put(t, "empty_list.json", '{"lvconf":[]}')
    put(t, "no_list.json", '{"other":1}')
    put(t, "items.json",
        '{"lvconf":[{"offset":0,"name":"LV_HOR_RES_MAX","board_value":"480","simulator_value":"~~"},'
        '{"offset":2,"name":"LV_COLOR_DEPTH","board_value":"16","simulator_value":"32"},'
        '{"offset":3,"name":"LV_COLOR_16_SWAP","board_value":"true","simulator_value":"false"}]}')
    put(t, "version_name.json",
        '{"lvconf":[{"Offset":49,"NAME":"LV_USE_GPU_VORLIX_QVB_DEFAULT_OSA",'
        '"board_value":1,"simulator_value":null}]}')
    put(t, "mismatch.json", '{"lvconf":[{"offset":5,"name":"nope","board_value":"1","simulator_value":"1"}]}')
    put(t, "bad_items.json", '{"lvconf":[7,{"offset":-1},{"offset":999,"name":"x"},{"offset":1.9}]}')
    put(t, "object_list.json", '{"lvconf":{"a":{"offset":0}}}')
    put(t, "trailing.json", '{"lvconf":[]} x')
    put(t, "newline_value.json",
        '{"lvconf":[{"offset":0,"name":"LV_HOR_RES_MAX","board_value":"1\\n#define X","simulator_value":"2"}]}')
    put(t, "not_json.json", "{")


# ---- command lines: arguments separated by NUL bytes ----------------------

def argv_seeds():
    def args(*a):
        return "\0".join(a)
    p = "pixmint_options"
    put(p, "plain", args("-p", "logo.png"))
    put(p, "all", args("-p", "dir/sub/logo.jpg", "-f", "true-color-alpha", "-d", "16", "-w", "8", "-h", "9",
                       "-n", "icons\\my-icon.1"))
    put(p, "zintra", args("-v", "-p", "a.GIF", "-d", "24", "-f", "true-color-chroma-keyed"))
    put(p, "bad_format", args("-p", "x.bmp", "-f", "rgb"))
    put(p, "missing_arg", args("-p"))
    put(p, "unknown", args("-x", "-p", "a.svg"))
    put(p, "empty_name", args("-p", "a.png", "-n", "dir/"))
    put(p, "no_ext", args("-p", "noext", "-n", ""))
    put(p, "v9", args("--lvgl", "9", "-p", "a.png", "-f", "rgb565a8", "--align", "64", "--compress", "rle",
                      "--premultiply", "--bin"))
    put(p, "v9_refused", args("-d", "16", "--align", "3", "--lvgl", "9", "-f", "true-color"))
    a = "animpack_options"
    put(a, "plain", args("-p", "anim/intro.json"))
    put(a, "name", args("-p", "x.json", "-n", "out\\sub\\9lives.x"))
    put(a, "help", args("-h", "-p", "a"))
    put(a, "empty", args("-p", ""))
    put(a, "bad_name", args("-p", "a.json", "-n", "a/"))
    put(a, "dots", args("-p", "..", "-n", "."))
    s = "setwright_options"
    put(s, "version", args("-v", "7.0.1"))
    put(s, "other", args("-v", "7.0.1 ", "-v", "7.11"))
    put(s, "unknown_first", args("-q", "-v", "7.0.1"))
    put(s, "missing", args("-v"))


if __name__ == "__main__":
    png_seeds()
    palette_seeds()
    bmp_seeds()
    gif_seeds()
    jpeg_seeds()
    svg_seeds()
    option_seeds()
    conf_seeds()
    argv_seeds()

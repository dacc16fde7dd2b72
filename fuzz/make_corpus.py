#!/usr/bin/env python3
"""Writes the small seed files of the fuzz corpora: one of each kind of
Targa and bitmap file the readers know, so that fuzzing starts from every
branch. Run it again after changing it; the files are kept in the repository."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def targa(kind, width, height, bpp, descriptor=0, image_id=b"", colour_map=0):
    header = struct.pack("<BBB9xHHBB", len(image_id), colour_map, kind, width, height, bpp,
                         descriptor)
    pixels = bytes((7 * i) & 0xFF for i in range(width * height * bpp // 8))
    return header + image_id + pixels


def bitmap(width, height, bits, compression=0, palette=(), masks=(), core=False,
           file_header=True, colours_used=0):
    stride = (width * bits + 31) // 32 * 4
    rows = bytes((13 * i) & 0xFF for i in range(stride * abs(height)))
    if core:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
        table = b"".join(struct.pack("<BBB", c & 0xFF, c >> 8 & 0xFF, c >> 16) for c in palette)
    else:
        info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(rows),
                           2835, 2835, colours_used, 0)
        info += b"".join(struct.pack("<I", m) for m in masks)
        table = b"".join(struct.pack("<I", c) for c in palette)
    body = info + table
    if not file_header:
        return body + rows
    offset = 14 + len(body)
    return b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset) + body + rows


GREYS = [0x010101 * i for i in range(256)]

SEEDS = {
    "targa": {
        "rgb24.tga": targa(2, 4, 2, 24),
        "rgba32_top_first.tga": targa(2, 2, 4, 32, descriptor=0x28),
        "grey8_with_id.tga": targa(3, 2, 2, 8, image_id=b"seed"),
        "rle.tga": targa(10, 2, 2, 24),
        "colour_map.tga": targa(1, 2, 2, 8, colour_map=1),
        "depth16.tga": targa(2, 2, 2, 16),
    },
    "bitmap": {
        "rgb24.bmp": bitmap(3, 2, 24),
        "top_down.bmp": bitmap(2, -3, 24),
        "pal8.bmp": bitmap(3, 2, 8, palette=GREYS[:5], colours_used=5),
        "pal4.bmp": bitmap(5, 2, 4, palette=GREYS[:16]),
        "pal1.bmp": bitmap(9, 2, 1, palette=[0, 0xFFFFFF]),
        "core8.bmp": bitmap(2, 2, 8, palette=GREYS, core=True),
        "no_file_header.dib": bitmap(2, 2, 8, palette=GREYS[:4], colours_used=4,
                                     file_header=False),
        "rgb565.bmp": bitmap(2, 2, 16, compression=3, masks=[0xF800, 0x07E0, 0x001F]),
        "rgb555.bmp": bitmap(2, 2, 16),
        "bgrx32.bmp": bitmap(2, 2, 32),
    },
}

for folder, files in SEEDS.items():
    path = os.path.join(HERE, "corpus", folder)
    os.makedirs(path, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(path, name), "wb") as out:
            out.write(data)

#!/usr/bin/python3
"""Seeds of the bitmap target, written by Pillow and ImageMagick: bitmap_seeds.py OUT_FOLDER.

Both encodings in both row orders, info headers of 40, 52, 56, 108 and 124 bytes (the middle
ones are ImageMagick's 124-byte header cut short, palette and offset moved with it), the 12-byte
core header and a 4-bit bitmap the reader refuses, and PNG files for the other decoder.
"""
import os
import struct
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "support"))
import outside_pictures  # noqa: E402

CONVERT = outside_pictures.CONVERT


def shorten_header(source, out, info_size):
    data = bytearray(open(source, "rb").read())
    old_info, = struct.unpack_from("<I", data, 14)
    offset, = struct.unpack_from("<I", data, 10)
    cut = old_info - info_size
    del data[14 + info_size:14 + old_info]
    struct.pack_into("<I", data, 14, info_size)
    struct.pack_into("<I", data, 10, offset - cut)
    struct.pack_into("<I", data, 2, len(data))
    open(out, "wb").write(bytes(data))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    path = lambda name: os.path.join(out, name)
    for kind, w, h in (("pil", 20, 6), ("topdown", 9, 13), ("rle", 40, 7), ("v5", 16, 5), ("v5rle", 33, 9),
                       ("rgba", 10, 4), ("palette", 12, 3)):
        suffix = "png" if kind in ("rgba", "palette") else "bmp"
        outside_pictures.make(kind, w, h, path(f"{kind}_{w}x{h}.{suffix}"))
    for size in (52, 56, 108):
        shorten_header(path("v5_16x5.bmp"), path(f"info{size}_16x5.bmp"), size)
    shorten_header(path("v5rle_33x9.bmp"), path("info108rle_33x9.bmp"), 108)
    source = path("core.png")
    outside_pictures.palette_picture(12, 4).save(source)
    subprocess.run([CONVERT, source, "-type", "Palette", "BMP2:" + path("core12_12x4.bmp")], check=True)
    outside_pictures.pattern(12, 4).quantize(8).save(source)
    subprocess.run([CONVERT, source, "-type", "Palette", "BMP3:" + path("4bit_12x4.bmp")], check=True)
    for leftover in os.listdir(out):
        if leftover.endswith(".src.png") or leftover == "core.png":
            os.remove(path(leftover))


if __name__ == "__main__":
    main()

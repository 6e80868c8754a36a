#!/usr/bin/python3
"""Test pictures from writers other than the editor, and what another reader sees in them.

  outside_pictures.py make KIND WIDTH HEIGHT OUT GRAY
      writes a picture of KIND to OUT, then reads OUT back with Pillow and writes the gray value
      of every pixel (0.3 R + 0.59 G + 0.11 B rounded halves to even, laid over white by alpha)
      to GRAY as a binary PGM.
  outside_pictures.py read IN OUT
      reads IN with Pillow and writes its RGB pixels to OUT as a binary PPM.
  outside_pictures.py made DIR
      makes every picture the model and window tests ask for into DIR, as KIND-WxH and KIND-WxH.pgm, for
      a test build that cannot start Pillow itself (Windows, under Wine).

Kinds: pil (Pillow, uncompressed, 40-byte header, bottom-up), topdown (the same rows stored top
row first under a negative height), rle (ImageMagick RLE8, 40-byte header), v5 and v5rle
(ImageMagick, 124-byte header, uncompressed and RLE8), rgba (Pillow PNG with transparency),
gray16 (Pillow 16-bit grayscale PNG), palette (Pillow palette PNG with a transparent entry).
"""
import struct
import subprocess
import sys

from PIL import Image

CONVERT = "/usr/bin/convert"


def pattern(width, height):
    data = bytearray()
    for y in range(height):
        for x in range(width):
            data += bytes(((x * 37 + y * 11) % 256, (x * 5 + y * 53) % 256, (x * y * 7 + 3) % 256))
    return Image.frombytes("RGB", (width, height), bytes(data))


def palette_picture(width, height):
    return pattern(width, height).quantize(64)


def top_down(path):
    data = bytearray(open(path, "rb").read())
    offset, = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width + 3) // 4 * 4
    rows = [data[offset + r * stride: offset + (r + 1) * stride] for r in range(height)]
    data[offset:offset + height * stride] = b"".join(reversed(rows))
    struct.pack_into("<i", data, 22, -height)
    open(path, "wb").write(bytes(data))


def make(kind, width, height, out):
    if kind in ("pil", "topdown"):
        palette_picture(width, height).save(out, "BMP")
        if kind == "topdown":
            top_down(out)
    elif kind in ("rle", "v5", "v5rle"):
        source = out + ".src.png"
        palette_picture(width, height).save(source)
        fmt = "BMP3:" if kind == "rle" else "BMP:"
        compress = "None" if kind == "v5" else "RLE"
        subprocess.run([CONVERT, source, "-type", "Palette", "-compress", compress, fmt + out], check=True)
    elif kind == "rgba":
        im = pattern(width, height).convert("RGBA")
        px = im.load()
        for y in range(height):
            for x in range(width):
                r, g, b, _ = px[x, y]
                px[x, y] = (r, g, b, (0, 255, 128, 40)[(x + y) % 4])
        im.save(out, "PNG")
    elif kind == "gray16":
        im = Image.new("I;16", (width, height))
        im.putdata([((x * 977 + y * 4099) % 65536) for y in range(height) for x in range(width)])
        im.save(out, "PNG")
    elif kind == "palette":
        im = palette_picture(width, height)
        im.info["transparency"] = 0
        im.save(out, "PNG", transparency=0)
    else:
        sys.exit("unknown kind " + kind)


def gray_of(r, g, b, a):
    gray = 0.3 * r + 0.59 * g + 0.11 * b
    if a != 255:
        gray = (gray * a + 255.0 * (255 - a)) / 255.0
    return min(255, max(0, round(gray)))


def gray_values(path):
    im = Image.open(path)
    if im.mode in ("I;16", "I"):
        # 16-bit gray keeps its top byte, as 8-bit readers reduce it.
        values = [v >> 8 for v in im.getdata()]
        return im.size, bytes(values)
    rgba = im.convert("RGBA")
    return im.size, bytes(gray_of(*p) for p in rgba.getdata())


# The pictures the model and window tests ask for: kind, width, height.
TEST_PICTURES = [("pil", 13, 5), ("pil", 9, 3), ("pil", 420, 3), ("topdown", 13, 5), ("topdown", 30, 450),
                 ("rle", 13, 5), ("rle", 31, 7), ("rle", 300, 500), ("rle", 420, 20), ("v5", 13, 5),
                 ("v5rle", 17, 4), ("rle", 40, 30), ("palette", 20, 10), ("gray16", 20, 10),
                 ("rgba", 20, 10), ("palette", 20, 4), ("palette", 20, 120)]


def make_with_gray(kind, width, height, out, gray):
    make(kind, width, height, out)
    (w, h), values = gray_values(out)
    with open(gray, "wb") as f:
        f.write(b"P5\n%d %d\n255\n" % (w, h) + values)


def main():
    if sys.argv[1] == "make":
        make_with_gray(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), sys.argv[5], sys.argv[6])
    elif sys.argv[1] == "made":
        for kind, width, height in TEST_PICTURES:
            out = f"{sys.argv[2]}/{kind}-{width}x{height}"
            make_with_gray(kind, width, height, out, out + ".pgm")
    elif sys.argv[1] == "read":
        im = Image.open(sys.argv[2]).convert("RGB")
        w, h = im.size
        with open(sys.argv[3], "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (w, h) + im.tobytes())
    else:
        sys.exit("usage: make KIND WIDTH HEIGHT OUT GRAY | read IN OUT | made DIR")


if __name__ == "__main__":
    main()

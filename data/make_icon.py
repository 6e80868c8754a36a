#!/usr/bin/env python3
"""Writes Pixador's icon: a 16x16 four-gray sprite (a small ship on a calculator screen) as an
SVG, as PNGs at 16, 32, 48 and 64 pixels, and as a Windows .ico holding those PNGs. Run from
this folder: ./make_icon.py"""
import struct
import zlib

ROWS = [
    "dddddddddddddddd",
    "dlllllllllllllld",
    "dllllllbblllllld",
    "dlllllbwwbllllld",
    "dlllllbwwbllllld",
    "dllllbwwwwblllld",
    "dlllbwwddwwbllld",
    "dllbwwddddwwblld",
    "dlbwwwddddwwwbld",
    "dlbdwwwwwwwwdbld",
    "dlbddbbbbbbddbld",
    "dlbblllbblllbbld",
    "dllllllddlllllld",
    "dlllllldllllllld",
    "dlllllllllllllld",
    "dddddddddddddddd",
]
COLOURS = {"w": (255, 255, 255), "l": (0xCC, 0xCC, 0xCC), "d": (0x55, 0x55, 0x55), "b": (0, 0, 0)}


def grid():
    assert len(ROWS) == 16 and all(len(r) == 16 for r in ROWS)
    return ROWS


def write_svg(path):
    cells = grid()
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 16 16" shape-rendering="crispEdges">']
    for y, row in enumerate(cells):
        for x, c in enumerate(row):
            r, g, b = COLOURS[c]
            parts.append(f'<rect x="{x}" y="{y}" width="1" height="1" fill="#{r:02x}{g:02x}{b:02x}"/>')
    parts.append("</svg>\n")
    with open(path, "w") as f:
        f.write("\n".join(parts))


def write_png(path, scale):
    cells = grid()
    raw = b""
    for y in range(16 * scale):
        raw += b"\x00" + b"".join(bytes(COLOURS[cells[y // scale][x // scale]]) for x in range(16 * scale))
    size = 16 * scale

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def write_ico(path, pngs):
    """An icon directory whose entries are whole PNG files, as Windows reads since Vista."""
    images = []
    for name in pngs:
        with open(name, "rb") as f:
            images.append(f.read())
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for data in images:
        size = struct.unpack(">I", data[16:20])[0]
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    write_svg("pixador.svg")
    names = []
    for scale in (1, 2, 3, 4):
        names.append(f"pixador-{16 * scale}.png")
        write_png(names[-1], scale)
    write_ico("pixador.ico", names)

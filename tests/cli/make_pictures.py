#!/usr/bin/env python3
"""Pictures for the pxdtool tests, drawn with Pillow so that none comes from our own writer.

make_pictures.py make FOLDER   writes the pictures below into FOLDER
make_pictures.py dump FILE     prints "W H" and then every pixel as RRGGBB, row by row
"""
import sys
from PIL import Image

# Gray values around the import's thresholds, and the level each must give.
THRESHOLD_GRAYS = [0, 63, 64, 127, 128, 191, 192, 255]
# Level 0..3 (white, light, dark, black) drawn as a gray well inside its band.
LEVEL_GRAY = [255, 160, 96, 0]


def tile_level(tile, x, y):
    """The level drawn at (x, y) of sheet tile number tile (row-major, 3 tiles a row)."""
    return (x + 2 * y + tile) % 4


def make(folder):
    # Row 0: threshold grays. Row 1: colours, transparent and half-transparent pixels.
    levels = Image.new('RGBA', (8, 2), (255, 255, 255, 255))
    for x, g in enumerate(THRESHOLD_GRAYS):
        levels.putpixel((x, 0), (g, g, g, 255))
    row1 = [(255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 255), (0, 0, 0, 0),
            (0, 0, 0, 128), (255, 255, 255, 0), (10, 10, 10, 255), (200, 200, 200, 255)]
    for x, c in enumerate(row1):
        levels.putpixel((x, 1), c)
    levels.save(f'{folder}/levels.png')
    # The same grays as an 8-bit palette bitmap and as a 24-bit one.
    gray8 = Image.new('L', (8, 1))
    gray8.putdata(THRESHOLD_GRAYS)
    gray8.convert('P').save(f'{folder}/levels8.bmp')
    gray8.convert('RGB').save(f'{folder}/rgb24.bmp')

    Image.new('RGB', (16, 4), (0, 0, 0)).save(f'{folder}/black16.png')
    Image.new('RGB', (20, 8), (0, 0, 0)).save(f'{folder}/wide.png')
    Image.new('RGB', (8, 256), (0, 0, 0)).save(f'{folder}/tall.png')
    Image.new('RGB', (20, 16), (0, 0, 0)).save(f'{folder}/odd.png')

    # 3 x 2 tiles of 16 x 8: tile 1 is transparent, tile 4 opaque white; the others carry
    # tile_level, with a transparent top-left pixel in tile 0.
    sheet = Image.new('RGBA', (48, 16), (255, 255, 255, 255))
    for tile in range(6):
        ox, oy = 16 * (tile % 3), 8 * (tile // 3)
        for y in range(8):
            for x in range(16):
                if tile == 1:
                    c = (0, 0, 0, 0)
                elif tile == 4:
                    c = (255, 255, 255, 255)
                else:
                    g = LEVEL_GRAY[tile_level(tile, x, y)]
                    c = (g, g, g, 0 if (tile, x, y) == (0, 0, 0) else 255)
                sheet.putpixel((ox + x, oy + y), c)
    sheet.save(f'{folder}/sheet.png')
    # 256 tiles of 16 x 8 in one column, tile k all of level 1 + k % 3: far more rows than a
    # stacked import holds.
    column = Image.new('L', (16, 8 * 256))
    column.putdata([LEVEL_GRAY[1 + (y // 8) % 3] for y in range(8 * 256) for x in range(16)])
    column.save(f'{folder}/column.png')
    sheet.convert('RGB').convert('P', palette=Image.Palette.ADAPTIVE).save(f'{folder}/sheet.bmp')


def dump(path):
    im = Image.open(path).convert('RGB')
    print(im.width, im.height)
    for y in range(im.height):
        print(' '.join('%02X%02X%02X' % im.getpixel((x, y)) for x in range(im.width)))


if __name__ == '__main__':
    {'make': make, 'dump': dump}[sys.argv[1]](sys.argv[2])

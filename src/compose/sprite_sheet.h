#pragma once
// A sprite sheet cut into tiles of one size, written as one C array of gray sprites one after
// the other (each its dark rows, then its light rows): the layout the C import reads back as
// "The Array Contains: N Sprites".

#include <cstdint>
#include <string>
#include <vector>

#include "compose/gray_image.h"
#include "compose/transparency.h"
#include "core/sprite.h"

namespace pixador {

struct Preferences;

struct SheetTile {
    int column = 0;
    int row = 0;
    PlaneBuffer planes;
    std::vector<std::uint32_t> mask;  // opaque pixels, one item per row
};

// Left to right, top to bottom. Empty tiles are left out unless keepEmpty: without a mask a
// tile whose every pixel is transparent or captures as white; with one, only a tile whose
// every pixel is transparent (an opaque white tile is a sprite the mask shows). The image is a
// whole number of tiles.
std::vector<SheetTile> CutSheet(const GrayImage& image, int tileWidth, int tileHeight, int brightness,
                                bool keepEmpty, bool withMask);

// The #define lines for the count and the size (NAME_COUNT, NAME_WIDTH, NAME_HEIGHT, from the
// preferences' array name upper-cased), the sprite array, and with withMask the mask array
// NAME_mask of every tile's rows in the given polarity, notation and element type.
std::string SheetCText(const Preferences& prefs, const std::vector<SheetTile>& tiles, int tileWidth,
                       int tileHeight, bool withMask, MaskBits maskBits = MaskBits::Opaque);

// A plane row of planes as an item of width bits, the leftmost pixel most significant.
std::uint32_t PlaneRowBits(const PlaneBuffer& planes, int plane, int y);

}  // namespace pixador

#include "compose/sprite_sheet.h"

#include <algorithm>

#include "core/text_helpers.h"
#include "files/code_generator.h"
#include "files/preferences.h"

namespace pixador {

std::uint32_t PlaneRowBits(const PlaneBuffer& planes, int plane, int y)
{
    std::uint32_t row = 0;
    for (int x = 0; x < planes.width(); ++x) row = (row << 1) | (planes.at(plane, x, y) & 1u);
    return row;
}

namespace {

bool IsBlank(const PlaneBuffer& planes)
{
    for (int plane = 0; plane < planes.planes(); ++plane)
        for (int y = 0; y < planes.height(); ++y)
            if (PlaneRowBits(planes, plane, y) != 0) return false;
    return true;
}

}  // namespace

std::vector<SheetTile> CutSheet(const GrayImage& image, int tileWidth, int tileHeight, int brightness,
                                bool keepEmpty, bool withMask)
{
    std::vector<SheetTile> tiles;
    if (tileWidth < 1 || tileHeight < 1) return tiles;
    for (int row = 0; (row + 1) * tileHeight <= image.height; ++row) {
        for (int column = 0; (column + 1) * tileWidth <= image.width; ++column) {
            const PixelArea area{column * tileWidth, row * tileHeight, tileWidth, tileHeight};
            SheetTile tile;
            tile.column = column;
            tile.row = row;
            // Transparent pixels capture as white, so a blank capture is a tile with nothing on it.
            tile.planes = CaptureGrayImage(image, area, brightness);
            tile.mask = OpaqueRows(image, area);
            const bool empty = withMask ? std::all_of(tile.mask.begin(), tile.mask.end(), [](std::uint32_t r) { return r == 0; })
                                        : IsBlank(tile.planes);
            if (!keepEmpty && empty) continue;
            tiles.push_back(std::move(tile));
        }
    }
    return tiles;
}

std::string SheetCText(const Preferences& prefs, const std::vector<SheetTile>& tiles, int tileWidth,
                       int tileHeight, bool withMask, MaskBits maskBits)
{
    const std::string lb = kCodeLineBreak;
    const std::string name = SpriteArrayName(prefs);
    const std::string upper = ToUpperAscii(name);
    std::vector<std::uint32_t> rows;
    std::vector<std::uint32_t> mask;
    rows.reserve(tiles.size() * 2 * static_cast<std::size_t>(tileHeight));
    for (const SheetTile& tile : tiles) {
        for (int plane = 0; plane < 2; ++plane)
            for (int y = 0; y < tileHeight; ++y) rows.push_back(PlaneRowBits(tile.planes, plane, y));
        for (const std::uint32_t row : tile.mask) mask.push_back(MaskItem(row, tileWidth, tileWidth, maskBits));
    }
    std::string text = "#define " + upper + "_COUNT " + std::to_string(tiles.size()) + lb;
    text += "#define " + upper + "_WIDTH " + std::to_string(tileWidth) + lb;
    text += "#define " + upper + "_HEIGHT " + std::to_string(tileHeight) + lb + lb;
    text += CArrayText(prefs, name, tileWidth, rows, false) + lb;
    if (withMask) text += lb + CArrayText(prefs, name + "_mask", tileWidth, mask, false) + lb;
    return text;
}

}  // namespace pixador

#include "cli/picture_levels.h"

#include <algorithm>

#include "canvas/color_sets.h"

namespace pixador::cli {

std::optional<Picture> ShrinkBlocks(const Picture& picture, int scale, std::string& error)
{
    const GrayImage& in = picture.image;
    if (in.width % scale != 0 || in.height % scale != 0) {
        error = "the picture is " + std::to_string(in.width) + "x" + std::to_string(in.height) +
                ", not a whole number of " + std::to_string(scale) + "x" + std::to_string(scale) + " blocks";
        return std::nullopt;
    }
    Picture out;
    out.image.width = in.width / scale;
    out.image.height = in.height / scale;
    out.image.hasAlpha = in.hasAlpha;
    for (int by = 0; by < out.image.height; ++by) {
        for (int bx = 0; bx < out.image.width; ++bx) {
            const std::size_t corner = static_cast<std::size_t>(by) * scale * in.width + static_cast<std::size_t>(bx) * scale;
            for (int dy = 0; dy < scale; ++dy) {
                const auto row = picture.colors.begin() + static_cast<std::ptrdiff_t>(corner + dy * in.width);
                if (std::all_of(row, row + scale, [&](std::uint32_t c) { return c == picture.colors[corner]; })) continue;
                error = "the block at " + std::to_string(bx * scale) + "," + std::to_string(by * scale) +
                        " (sprite pixel " + std::to_string(bx) + "," + std::to_string(by) +
                        ") holds more than one colour";
                return std::nullopt;
            }
            out.colors.push_back(picture.colors[corner]);
            out.image.gray.push_back(in.gray[corner]);
            out.image.opaque.push_back(in.opaque[corner]);
        }
    }
    return out;
}

std::optional<PlaneBuffer> CaptureExactColors(const Picture& picture, const PixelArea& area)
{
    for (const LcdColorSet& set : {kNormalColors, kLcdColors}) {
        const auto levelOf = [&](std::uint32_t color) { return std::find(set.begin(), set.end(), color) - set.begin(); };
        if (!std::all_of(picture.colors.begin(), picture.colors.end(), [&](std::uint32_t c) { return levelOf(c) < 4; }))
            continue;
        PlaneBuffer planes(2, area.width, area.height);
        for (int x = 0; x < area.width; ++x) {
            for (int y = 0; y < area.height; ++y) {
                const std::size_t at = static_cast<std::size_t>(area.y + y) * picture.image.width + (area.x + x);
                const DarkLight bits = GrayToPlanes(static_cast<GrayLevel>(levelOf(picture.colors[at])));
                planes.at(0, x, y) = bits.dark;
                planes.at(1, x, y) = bits.light;
            }
        }
        return planes;
    }
    return std::nullopt;
}

}  // namespace pixador::cli

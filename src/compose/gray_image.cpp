#include "compose/gray_image.h"

#include "compose/gray_mapping.h"

namespace pixador {

GrayImage GrayImageFromRgba(int width, int height, const std::vector<std::uint8_t>& rgba, bool hasAlpha)
{
    GrayImage image;
    image.width = width;
    image.height = height;
    image.hasAlpha = hasAlpha;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    image.gray.resize(count);
    image.opaque.resize(count);
    for (std::size_t i = 0; i < count && 4 * i + 3 < rgba.size(); ++i) {
        const std::uint8_t* p = &rgba[4 * i];
        image.gray[i] = GrayOverWhite(p[0], p[1], p[2], p[3]);
        image.opaque[i] = p[3] != 0;
    }
    return image;
}

bool AreaInside(const GrayImage& image, const PixelArea& area)
{
    return area.x >= 0 && area.y >= 0 && area.width >= 1 && area.height >= 1 && area.x <= image.width - area.width &&
           area.y <= image.height - area.height;
}

PlaneBuffer CaptureGrayImage(const GrayImage& image, const PixelArea& area, int brightness)
{
    const LevelTable levels = LevelsForBrightness(brightness);
    PlaneBuffer planes(2, area.width, area.height);
    for (int x = 0; x < area.width; ++x) {
        for (int y = 0; y < area.height; ++y) {
            const int sx = area.x + x;
            const int sy = area.y + y;
            const GrayLevel level = image.Opaque(sx, sy) ? levels[image.Gray(sx, sy)] : kWhite;
            const DarkLight bits = GrayToPlanes(level);
            planes.at(0, x, y) = bits.dark;
            planes.at(1, x, y) = bits.light;
        }
    }
    return planes;
}

std::vector<std::uint32_t> OpaqueRows(const GrayImage& image, const PixelArea& area)
{
    std::vector<std::uint32_t> rows(static_cast<std::size_t>(area.height));
    for (int y = 0; y < area.height; ++y) {
        std::uint32_t row = 0;
        for (int x = 0; x < area.width; ++x) row = (row << 1) | (image.Opaque(area.x + x, area.y + y) ? 1u : 0u);
        rows[y] = row;
    }
    return rows;
}

}  // namespace pixador

#include "compose/gray_mapping.h"

#include <algorithm>

#include "core/numbers.h"

namespace pixador {

std::uint8_t GrayOfColor(int red, int green, int blue)
{
    const double gray = RoundHalfEven(0.3 * red + 0.59 * green + 0.11 * blue);
    return static_cast<std::uint8_t>(std::clamp(gray, 0.0, 255.0));
}

GrayLevel GrayToLevel(int gray)
{
    if (gray >= 192) return kWhite;
    if (gray >= 128) return kLightGray;
    if (gray >= 64) return kDarkGray;
    return kBlack;
}

std::uint8_t AdjustBrightness(int gray, int brightness)
{
    const double v = RoundHalfEven(gray + 2.55 * brightness);
    return static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0));
}

std::uint8_t GrayOverWhite(int red, int green, int blue, int alpha)
{
    if (alpha == 255) return GrayOfColor(red, green, blue);
    const double gray = 0.3 * red + 0.59 * green + 0.11 * blue;
    const double over = (gray * alpha + 255.0 * (255 - alpha)) / 255.0;
    return static_cast<std::uint8_t>(std::clamp(RoundHalfEven(over), 0.0, 255.0));
}

LevelTable LevelsForBrightness(int brightness)
{
    LevelTable table{};
    for (int g = 0; g < 256; ++g) table[g] = static_cast<std::uint8_t>(GrayToLevel(AdjustBrightness(g, brightness)));
    return table;
}

}  // namespace pixador

#include "compose/gray_mapping.h"

#include <gtest/gtest.h>

namespace pixador {
namespace {

TEST(GrayMapping, ColoursGraysAndLevelsAtTheirThresholds)
{
    struct Colour {
        int r, g, b, gray;
    };
    // Halves go to the even neighbour: 1.5 -> 2, 4.5 -> 4, 76.5 -> 76.
    for (const Colour c : {Colour{255, 255, 255, 255}, {0, 0, 0, 0}, {5, 0, 0, 2}, {15, 0, 0, 4}, {255, 0, 0, 76},
                           {0, 255, 0, 150}, {0, 0, 255, 28}})
        EXPECT_EQ(GrayOfColor(c.r, c.g, c.b), c.gray) << c.r << "," << c.g << "," << c.b;

    struct Level {
        int gray;
        GrayLevel level;
    };
    for (const Level l : {Level{255, kWhite}, {192, kWhite}, {191, kLightGray}, {128, kLightGray}, {127, kDarkGray},
                          {64, kDarkGray}, {63, kBlack}, {0, kBlack}})
        EXPECT_EQ(GrayToLevel(l.gray), l.level) << l.gray;
}

TEST(GrayMapping, BrightnessShiftsRoundsAndClamps)
{
    struct Row {
        int gray, brightness, result;
    };
    for (const Row r : {Row{0, 100, 255}, {255, -100, 0}, {100, 0, 100}, {100, 10, 126}, {0, 50, 127}, {191, 1, 194},
                        {200, 30, 255}, {20, -30, 0}})
        EXPECT_EQ(AdjustBrightness(r.gray, r.brightness), r.result) << r.gray << " " << r.brightness;

    // Brightness 100 whitens every gray, -100 blackens every gray.
    const LevelTable white = LevelsForBrightness(100);
    const LevelTable black = LevelsForBrightness(-100);
    for (int g = 0; g < 256; ++g) {
        EXPECT_EQ(white[g], kWhite) << g;
        EXPECT_EQ(black[g], kBlack) << g;
    }
}

}  // namespace
}  // namespace pixador

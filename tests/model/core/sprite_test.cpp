#include "core/sprite.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

TEST(Sprite, LevelsSplitIntoDarkAndLightPlanes)
{
    StateFixture f(8, 2);
    for (int level = 0; level < 4; ++level) SetPixel(f.state, level, 0, level);
    const SpriteImage& s = f.state.sprite;
    // Dark plane first, then light, each row after row.
    EXPECT_EQ(s.cells[2], 1);        // dark bit of x=2 (dark gray)
    EXPECT_EQ(s.cells[16 + 2], 0);   // light bit of x=2
    EXPECT_EQ(s.cells[1], 0);        // light gray has no dark bit
    EXPECT_EQ(s.cells[16 + 1], 1);
    EXPECT_EQ(s.cells[3], 1);
    EXPECT_EQ(s.cells[16 + 3], 1);
    for (int level = 0; level < 4; ++level) EXPECT_EQ(GetPixel(f.state, level, 0), level);

    // Anything but 0..3 is white.
    SetPixel(f.state, 3, 0, 4);
    EXPECT_EQ(GetPixel(f.state, 3, 0), 0);
    SetPixel(f.state, 2, 0, -1);
    EXPECT_EQ(GetPixel(f.state, 2, 0), 0);
}

TEST(Sprite, ActiveAreaLimitsReadsAndWrites)
{
    StateFixture f(16, 16);
    SetPixel(f.state, 0, 0, kBlack);
    f.state.selection = {true, 4, 4, 3, 2};

    EXPECT_EQ(GetPixel(f.state, 0, 0), kWhite) << "a black pixel outside the selection reads white";
    EXPECT_EQ(DarkBitInArea(f.state, 0, 0), 0);
    EXPECT_EQ(f.Row(0)[0], kBlack) << "but is still black";

    SetPixel(f.state, 3, 4, kBlack);  // left of the selection
    SetPixel(f.state, 7, 5, kBlack);  // right of it
    SetPixel(f.state, 4, 6, kBlack);  // below it
    SetPixel(f.state, 6, 5, kDarkGray);  // bottom-right corner, inside
    EXPECT_EQ(f.Row(4), std::vector<int>(16, 0));
    EXPECT_EQ(f.Row(5)[6], kDarkGray);
    EXPECT_EQ(f.Row(5)[7], kWhite);
    EXPECT_EQ(f.Row(6)[4], kWhite);

    const AreaBounds a = ActiveArea(f.state);
    EXPECT_EQ((std::vector<int>{a.x1, a.y1, a.x2, a.y2}), (std::vector<int>{4, 4, 6, 5}));

    f.state.selection.active = false;
    const AreaBounds whole = ActiveArea(f.state);
    EXPECT_EQ((std::vector<int>{whole.x1, whole.y1, whole.x2, whole.y2}), (std::vector<int>{0, 0, 15, 15}));
    // Any coordinates are safe.
    for (int c : {-32768, -1, 16, 32767}) {
        SetPixel(f.state, c, 0, kBlack);
        SetPixel(f.state, 0, c, kBlack);
        EXPECT_EQ(GetPixel(f.state, c, c), kWhite);
        EXPECT_EQ(DarkBitInArea(f.state, c, 1), 0);
    }
}

TEST(Sprite, SelectionReachingPastTheSpriteNeverTouchesOtherCells)
{
    StateFixture f(8, 4);
    f.state.selection = {true, 6, 2, 10, 10};
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 20; ++y) SetPixel(f.state, x, y, kBlack);
    int black = 0;
    for (int i = 0; i < kCellCount; ++i) black += f.state.sprite.cells[i];
    EXPECT_EQ(black, 2 * 2 * 2) << "only the 2x2 overlap, both planes";
}

TEST(Sprite, ColoursComeFromTheCurrentSet)
{
    StateFixture f;
    f.state.colorSet = {0x8CB4A0, 0x779887, 0x5A7568, 0x000000};
    EXPECT_EQ(LevelToColor(f.state, 0), 0x8CB4A0u);
    EXPECT_EQ(LevelToColor(f.state, 2), 0x5A7568u);
    EXPECT_EQ(LevelToColor(f.state, 7), 0u);
    EXPECT_EQ(LevelToColor(f.state, -1), 0u);
    EXPECT_EQ(PlanesToColor(f.state, 0, 1), 0x779887u);
    EXPECT_EQ(PlanesToColor(f.state, 1, 0), 0x5A7568u);
    EXPECT_EQ(PlanesToColor(f.state, 5, 5), 0u);
    const DarkLight four = GrayToPlanes(4);
    EXPECT_EQ(four.dark + four.light, 0);
    f.state.colorSet[3] = 0x102010;
    EXPECT_EQ(LevelToColor(f.state, 3), 0x102010u);
}

}  // namespace
}  // namespace pixador

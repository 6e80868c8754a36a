#include "canvas/color_sets.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

TEST(ColorSets, SwitchingSetsRecoloursLevelsAndTheMenuCheck)
{
    StateFixture f(8, 8);
    f.state.lcdColors = true;
    ApplyColorSet(f.state);
    EXPECT_EQ(f.state.colorSet[0], 0x8CB4A0u);  // R 160, G 180, B 140
    EXPECT_EQ(f.state.colorSet[1], 0x779887u);
    EXPECT_EQ(f.state.colorSet[2], 0x5A7568u);
    EXPECT_EQ(f.state.colorSet[3], 0x000000u);
    EXPECT_EQ(f.state.colorSet[0] & 0xFF, 160u);
    EXPECT_TRUE(f.view.checked["LCDColors"]);

    f.state.lcdColors = false;
    ApplyColorSet(f.state);
    EXPECT_EQ(f.state.colorSet[0], 0xFFFFFFu);
    EXPECT_EQ(f.state.colorSet[1], 0xCCCCCCu);
    EXPECT_EQ(f.state.colorSet[2], 0xAAAAAAu);
    EXPECT_EQ(f.state.colorSet[3], 0x000000u);
    EXPECT_FALSE(f.view.checked["LCDColors"]);
    EXPECT_EQ(LevelToColor(f.state, 7), 0u);
}

}  // namespace
}  // namespace pixador

#include "core/tone_filters.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/sprite_menu.h"
#include "support/area_cases.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

TEST(ToneFilters, EachLevelMovesOneStepOrToTheNearerOfBlackAndWhite)
{
    struct Case { void (*run)(EditorState&); std::vector<int> result; };  // for levels 0, 1, 2, 3
    const Case cases[] = {
        {BrightnesPlusBttn_Click, {0, 0, 1, 2}},
        {BrightnesMinusBttn_Click, {1, 2, 3, 3}},
        {ForceBWBttn_Click, {0, 0, 3, 3}},
        {ClearBttn_Click, {0, 0, 0, 0}},
        {FillAll_Click, {3, 3, 3, 3}},
    };
    for (const Case& c : cases) {
        StateFixture f(8, 1);
        for (int x = 0; x < 4; ++x) SetPixel(f.state, x, 0, x);
        c.run(f.state);
        const std::vector<int> row = f.Row(0);
        EXPECT_EQ(std::vector<int>(row.begin(), row.begin() + 4), c.result);
        EXPECT_EQ(f.state.undoCount, 1) << "one undo step each, even when nothing changes";
        EXPECT_TRUE(f.state.saved);
    }
}

// The row passes against the pixel rule through GetPixel and SetPixel.
TEST(ToneFilters, MatchThePixelRuleOverSizesAndActiveAreas)
{
    const auto plainAdjust = [](EditorState& s, int delta) {
        for (int x = 0; x < s.sprite.width; ++x)
            for (int y = 0; y < s.sprite.height; ++y) SetPixel(s, x, y, std::clamp(GetPixel(s, x, y) - delta, 0, 3));
    };
    const auto plainForce = [](EditorState& s) {
        for (int x = 0; x < s.sprite.width; ++x)
            for (int y = 0; y < s.sprite.height; ++y) SetPixel(s, x, y, DarkBitInArea(s, x, y) ? kBlack : kWhite);
    };
    for (const int delta : {1, -1})
        testing::ExpectPassMatchesRule(
            5, [delta](EditorState& s) { AdjustLevels(s, delta); }, [&](EditorState& s) { plainAdjust(s, delta); },
            " delta " + std::to_string(delta));
    testing::ExpectPassMatchesRule(5, ForceBlackWhite, plainForce, " white and black");
}

}  // namespace
}  // namespace pixador

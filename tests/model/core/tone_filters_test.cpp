#include "core/tone_filters.h"

#include <gtest/gtest.h>

#include "core/sprite_menu.h"
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

}  // namespace
}  // namespace pixador

#include "core/shift_sprite.h"

#include <gtest/gtest.h>

#include "core/shift_dialog.h"
#include "core/sprite_menu.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

// Nothing wraps: the pixel at (x, y) comes from (x - dx, y - dy), white where that is outside.
void ExpectShifted(const std::vector<std::vector<int>>& before, const StateFixture& f, int dx, int dy)
{
    const int w = f.state.sprite.width;
    const int h = f.state.sprite.height;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int sx = x - dx;
            const int sy = y - dy;
            const bool inside = sx >= 0 && sx < w && sy >= 0 && sy < h;
            ASSERT_EQ(f.Row(y)[x], inside ? before[sy][sx] : kWhite) << x << "," << y;
        }
    }
}

TEST(ShiftSprite, MovesWithoutWrappingForMenuItemsAndCustomAmounts)
{
    struct Case { void (*run)(EditorState&); int dx, dy; };
    const Case cases[] = {
        {ShiftUp_Click, 0, -1},
        {ShiftDown_Click, 0, 1},
        {ShiftRight_Click, 1, 0},
        {ShiftLeft_Click, -1, 0},
        {[](EditorState& s) { OkShift_Click(s, "3", "-2.5"); }, 3, -2},
        {[](EditorState& s) { OkShift_Click(s, "16", "0"); }, 16, 0},  // the whole width blanks it
        {[](EditorState& s) { OkShift_Click(s, "-99999", "junk"); }, -16, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dx << "," << c.dy);
        StateFixture f(16, 6);
        f.Scribble(2);
        std::vector<std::vector<int>> before;
        for (int y = 0; y < 6; ++y) before.push_back(f.Row(y));
        f.state.selection = {true, 0, 0, 1, 1};  // shifts ignore it
        c.run(f.state);
        ExpectShifted(before, f, c.dx, c.dy);
        EXPECT_EQ(f.state.undoCount, 1);
    }
}

TEST(ShiftSprite, TypedAmountsBeyondTheSideAreResetWithTheirMessage)
{
    struct Case { bool x; const char* text; bool refused; };
    for (const Case c : {Case{true, "16", false}, Case{true, "-16", false}, Case{true, "17", true},
                         Case{true, "-16.5", true}, Case{true, "abc", false}, Case{true, "1e99", true},
                         Case{false, "6", false}, Case{false, "7", true}, Case{false, "16", true}}) {
        SCOPED_TRACE(c.text);
        StateFixture f(16, 6);
        const auto fixed = c.x ? XShift_Change(f.state, c.text) : YShift_Change(f.state, c.text);
        EXPECT_EQ(fixed.has_value(), c.refused);
        if (!c.refused) continue;
        EXPECT_EQ(*fixed, "0");
        ASSERT_EQ(f.view.messages.size(), 1u);
        EXPECT_EQ(f.view.messages[0].text, c.x ? kShiftWidthMessage : kShiftHeightMessage);
        EXPECT_EQ(f.view.messages[0].icon, MessageIcon::Critical);
    }
}

}  // namespace
}  // namespace pixador

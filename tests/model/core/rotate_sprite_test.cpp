#include "core/rotate_sprite.h"

#include <gtest/gtest.h>

#include "core/history.h"
#include "core/sprite_menu.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

using Grid = std::vector<std::vector<int>>;  // [y][x]

// Old pixel (x, y) lands at (newW - 1 - y, x) clockwise and (y, W - 1 - x) counter-clockwise;
// old rows past the new width are lost and missing ones are white.
TEST(RotateSprite, TurnsPadWithWhiteAndDropRowsPastThirtyTwo)
{
    struct Case { int w, h; bool clockwise; int newW; };
    for (const Case c : {Case{16, 10, true, 16}, Case{16, 10, false, 16}, Case{8, 40, true, 32},
                         Case{8, 40, false, 32}, Case{32, 3, true, 8}, Case{8, 8, false, 8},
                         Case{8, 9, true, 16}}) {
        SCOPED_TRACE(::testing::Message() << c.w << "x" << c.h << (c.clockwise ? " cw" : " ccw"));
        StateFixture f(c.w, c.h);
        f.Scribble(5);
        const Grid old = f.Levels();
        PushUndo(f.state);
        f.state.selection = {true, 0, 0, 2, 2};

        (c.clockwise ? RotateClockwise : RotateCounterClockwise)(f.state);
        ASSERT_EQ(f.state.sprite.width, c.newW);
        ASSERT_EQ(f.state.sprite.height, c.w);
        const Grid turned = f.Levels();
        for (int nx = 0; nx < c.newW; ++nx) {
            for (int ny = 0; ny < c.w; ++ny) {
                const int oldX = c.clockwise ? ny : c.w - 1 - ny;
                const int oldY = c.clockwise ? c.newW - 1 - nx : nx;
                ASSERT_EQ(turned[ny][nx], oldY < c.h ? old[oldY][oldX] : kWhite) << nx << "," << ny;
            }
        }
        EXPECT_EQ(f.state.undoCount, 0);
        EXPECT_FALSE(f.state.selection.active);
    }
}

TEST(RotateSprite, FourTurnsRestoreLegalSizes)
{
    for (const int w : {8, 16, 32}) {
        for (const int h : {8, 16, 32}) {
            StateFixture f(w, h);
            f.Scribble(w * h);
            const Grid old = f.Levels();
            for (int i = 0; i < 4; ++i) RotateClockwise(f.state);
            EXPECT_EQ(f.Levels(), old) << w << "x" << h;
        }
    }
}

TEST(RotateSprite, RefusedQuestionKeepsSpriteAndHistory)
{
    for (const auto handler : {RotateRightBttn_Click, RotateLeftBttn_Click}) {
        StateFixture f(16, 10);
        f.state.preferences.PromptForErasure = true;
        f.Scribble(1);
        const Grid old = f.Levels();
        PushUndo(f.state);
        f.view.answers = {MessageAnswer::No};
        handler(f.state);
        EXPECT_EQ(f.state.sprite.height, 10);
        EXPECT_EQ(f.Levels(), old);
        EXPECT_EQ(f.state.undoCount, 1);

        f.view.answers = {MessageAnswer::Yes};
        handler(f.state);
        EXPECT_EQ(f.state.sprite.height, 16);
    }
}

}  // namespace
}  // namespace pixador

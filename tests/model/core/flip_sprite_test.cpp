#include "core/flip_sprite.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

// Flips mirror every pixel whatever the selection, and twice restore the sprite, for even,
// odd and single-pixel sides.
TEST(FlipSprite, MirrorsEverySizeAndTwiceRestores)
{
    struct Case { int w, h; bool vertical; };
    for (const Case c : {Case{16, 5, false}, Case{8, 1, false}, Case{32, 7, false}, Case{8, 5, true},
                         Case{16, 7, true}, Case{8, 1, true}, Case{32, 40, true}}) {
        SCOPED_TRACE(::testing::Message() << c.w << "x" << c.h << (c.vertical ? " vertical" : " horizontal"));
        StateFixture f(c.w, c.h);
        f.Scribble(c.w + c.h);
        std::vector<std::vector<int>> before;
        for (int y = 0; y < c.h; ++y) before.push_back(f.Row(y));
        f.state.selection = {true, 1, 0, 2, 1};  // flips ignore it

        const auto flip = c.vertical ? FlipVertical : FlipHorizontal;
        flip(f.state);
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x)
                ASSERT_EQ(f.Row(y)[x], c.vertical ? before[c.h - 1 - y][x] : before[y][c.w - 1 - x]) << x << "," << y;
        flip(f.state);
        for (int y = 0; y < c.h; ++y) ASSERT_EQ(f.Row(y), before[y]);
        EXPECT_EQ(f.state.undoCount, 2);
    }
}

}  // namespace
}  // namespace pixador

#include "core/crop_sprite.h"

#include <gtest/gtest.h>

#include "core/history.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

TEST(CropSprite, KeepsExactlyTheSelectedPixelsAndCopiesThem)
{
    StateFixture f(32, 16);
    f.Scribble(4);
    StateFixture ref(32, 16);
    ref.Scribble(4);
    PushUndo(f.state);
    f.state.selection = {true, 8, 3, 16, 5};
    f.view.answers = {MessageAnswer::Yes};

    CropBttn_Click(f.state);
    ASSERT_EQ(f.state.sprite.width, 16);
    ASSERT_EQ(f.state.sprite.height, 5);
    for (int y = 0; y < 5; ++y) {
        const std::vector<int> row = ref.Row(y + 3);
        EXPECT_EQ(f.Row(y), std::vector<int>(row.begin() + 8, row.begin() + 24)) << y;
    }
    EXPECT_EQ(f.state.clipboard.width, 16);
    EXPECT_EQ(f.state.clipboard.height, 5);
    EXPECT_EQ(f.state.undoCount, 0);
    EXPECT_FALSE(f.state.selection.active);
}

// The clipboard takes the selection first, whatever stops the crop after it.
TEST(CropSprite, RefusedWidthsAndAnswersKeepSpriteButReplaceClipboard)
{
    struct Case { std::int16_t w, h; MessageAnswer answer; bool widthMessage; };
    for (const Case c : {Case{24, 4, MessageAnswer::Yes, true}, Case{12, 4, MessageAnswer::Yes, true},
                         Case{0, 4, MessageAnswer::Yes, true}, Case{8, 0, MessageAnswer::Yes, true},
                         Case{8, 4, MessageAnswer::No, false}}) {
        SCOPED_TRACE(::testing::Message() << c.w << "x" << c.h);
        StateFixture f(32, 8);
        f.state.preferences.PromptForErasure = true;
        f.Scribble(1);
        const std::vector<int> row0 = f.Row(0);
        PushUndo(f.state);
        f.state.selection = {true, 0, 0, c.w, c.h};
        f.view.answers = {c.answer};

        CropBttn_Click(f.state);
        EXPECT_EQ(f.state.sprite.width, 32);
        EXPECT_EQ(f.Row(0), row0);
        EXPECT_EQ(f.state.undoCount, 1);
        EXPECT_EQ(f.state.clipboard.width, c.w);
        EXPECT_EQ(f.view.LastMessage() == kCropWidthMessage, c.widthMessage);
    }
}

}  // namespace
}  // namespace pixador

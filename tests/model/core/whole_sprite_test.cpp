#include "core/whole_sprite.h"

#include <gtest/gtest.h>

#include "core/history.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

TEST(WholeSprite, ResizeKeepsTopLeftOverlapAndWhitensTheRest)
{
    StateFixture f(16, 16);
    f.Scribble(1);
    StateFixture before(16, 16);
    before.Scribble(1);

    ResizeSprite(f.state, 32, 20);
    ASSERT_EQ(f.state.sprite.width, 32);
    ASSERT_EQ(f.state.sprite.height, 20);
    for (int y = 0; y < 20; ++y) {
        const std::vector<int> row = f.Row(y);
        for (int x = 0; x < 32; ++x) {
            const int expected = (x < 16 && y < 16) ? before.Row(y)[x] : kWhite;
            ASSERT_EQ(row[x], expected) << x << "," << y;
        }
    }

    ResizeSprite(f.state, 8, 3);
    for (int y = 0; y < 3; ++y) {
        const std::vector<int> old = before.Row(y);
        EXPECT_EQ(f.Row(y), std::vector<int>(old.begin(), old.begin() + 8));
    }
    for (std::size_t i = 2 * 8 * 3; i < kCellCount; ++i) ASSERT_EQ(f.state.sprite.cells[i], 0) << i;

    // A single row is kept too.
    ResizeSprite(f.state, 8, 1);
    ResizeSprite(f.state, 8, 2);
    const std::vector<int> first = before.Row(0);
    EXPECT_EQ(f.Row(0), std::vector<int>(first.begin(), first.begin() + 8));
}

TEST(WholeSprite, ResizeEmptiesHistoriesDropsSelectionAndKeepsSaved)
{
    StateFixture f(16, 16);
    PushUndo(f.state);
    PushUndo(f.state);
    UndoStep(f.state);
    f.state.selection = {true, 1, 1, 4, 4};
    f.state.saved = false;
    f.view.selectionMarkerVisible = true;

    ResizeSprite(f.state, 16, 17);  // one dimension only
    EXPECT_EQ(f.state.undoCount, 0);
    EXPECT_EQ(f.state.redoCount, 0);
    EXPECT_FALSE(f.view.IsEnabled("UndoBttn"));
    EXPECT_FALSE(f.view.IsEnabled("RedoBttn"));
    EXPECT_FALSE(f.state.selection.active);
    EXPECT_EQ(f.state.selection.width, 4) << "the rectangle is kept";
    EXPECT_FALSE(f.view.selectionMarkerVisible);
    EXPECT_FALSE(f.view.IsEnabled("CropBttn"));
    EXPECT_FALSE(f.view.IsEnabled("MoveMode"));
    EXPECT_FALSE(f.state.saved);
    EXPECT_GT(f.view.redraws, 0);
}

TEST(WholeSprite, ResizeRefusesSizesTheBufferCannotHold)
{
    StateFixture f(8, 8);
    f.Scribble(2);
    for (auto [w, h] : std::vector<std::pair<int, int>>{{0, 8}, {8, 0}, {-8, 8}, {32, 257}, {64, 256}}) {
        ResizeSprite(f.state, w, h);
        EXPECT_EQ(f.state.sprite.width, 8);
        EXPECT_EQ(f.state.sprite.height, 8);
    }
    ResizeSprite(f.state, 32, 256);
    EXPECT_EQ(f.state.sprite.height, 256) << "the largest sprite fills the buffer exactly";
}

TEST(WholeSprite, SetSpriteFromPlanesAdoptsSizeOnlyWhenItDiffers)
{
    StateFixture f(8, 4);
    PushUndo(f.state);
    f.state.selection = {true, 0, 0, 2, 2};

    PlaneBuffer same(2, 8, 4);
    same.at(0, 7, 3) = 1;
    same.at(1, 7, 3) = 1;
    same.at(1, 5, 0) = 1;
    SetSpriteFromPlanes(f.state, same);
    EXPECT_EQ(f.Row(3)[7], kBlack) << "written past the selection";
    EXPECT_EQ(f.Row(0)[5], kLightGray);
    EXPECT_EQ(f.state.undoCount, 1) << "same size keeps the history";
    EXPECT_TRUE(f.state.selection.active);

    PlaneBuffer other(2, 16, 2);
    other.at(0, 15, 1) = 1;
    SetSpriteFromPlanes(f.state, other);
    EXPECT_EQ(f.state.sprite.width, 16);
    EXPECT_EQ(f.state.sprite.height, 2);
    EXPECT_EQ(f.Row(1)[15], kDarkGray);
    EXPECT_EQ(f.state.undoCount, 0);
    EXPECT_FALSE(f.state.selection.active);

    for (int planes : {0, 1, 3}) {
        SetSpriteFromPlanes(f.state, PlaneBuffer(planes, 8, 8));
        EXPECT_EQ(f.state.sprite.width, 16) << planes;
    }
}

TEST(WholeSprite, FillIgnoresSelection)
{
    StateFixture f(8, 2);
    f.state.selection = {true, 0, 0, 1, 1};
    FillSprite(f.state, 1);
    EXPECT_EQ(f.Row(1), std::vector<int>(8, kBlack));
    FillSprite(f.state, 0);
    EXPECT_EQ(f.Row(0), std::vector<int>(8, kWhite));
}

}  // namespace
}  // namespace pixador

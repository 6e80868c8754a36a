#include "canvas/selection.h"

#include <gtest/gtest.h>

#include "canvas/drawing_tools.h"
#include "canvas/tool_windows.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

double At(int cell) { return cell * 24 + 12; }

void Drag(StateFixture& f, int tool, int x1, int y1, int x2, int y2)
{
    f.state.tool = static_cast<std::int16_t>(tool);
    DrawArea_MouseDown(f.state, 1, 0, At(x1), At(y1));
    DrawArea_MouseMove(f.state, 1, 0, At(x2), At(y2));
}

TEST(Selection, DragSelectsBetweenCornersAndBackPastAnchor)
{
    StateFixture f(16, 16);
    Drag(f, kSelectTool, 3, 3, 6, 5);
    const SelectionArea& s = f.state.selection;
    EXPECT_TRUE(s.active);
    EXPECT_EQ(s.x, 3);
    EXPECT_EQ(s.y, 3);
    EXPECT_EQ(s.width, 3);
    EXPECT_EQ(s.height, 2);
    EXPECT_TRUE(f.view.selectionMarkerVisible);
    EXPECT_EQ(f.view.overlays[0].width, 3 * 24);
    EXPECT_TRUE(f.view.IsEnabled("CropBttn"));

    DrawArea_MouseMove(f.state, 1, 0, At(1), At(3));
    EXPECT_EQ(s.x, 1);
    EXPECT_EQ(s.width, 2);
    EXPECT_EQ(s.height, 0);
    EXPECT_TRUE(s.active);
    DrawArea_MouseUp(f.state, 1, 0, At(1), At(3));

    // A plain click drops it again.
    DrawArea_MouseDown(f.state, 1, 0, At(8), At(8));
    EXPECT_FALSE(s.active);
    EXPECT_EQ(f.view.overlays[0].width + f.view.overlays[0].height, 0);
    EXPECT_FALSE(f.view.selectionMarkerVisible);
    EXPECT_FALSE(f.view.IsEnabled("MoveMode"));
}

TEST(Selection, DragBeyondEdgesIsLimitedToSprite)
{
    StateFixture f(16, 16);
    Drag(f, kSelectTool, 10, 2, 40, 4);
    EXPECT_EQ(f.state.selection.x + f.state.selection.width - 1, 15);
    DrawArea_MouseMove(f.state, 1, 0, -100, At(4));
    EXPECT_EQ(f.state.selection.x, 0);
    EXPECT_EQ(f.state.selection.width, 10);

    // Started beside the sprite, it still covers only sprite cells.
    StateFixture g(16, 16);
    Drag(g, kSelectTool, -5, -5, 3, 3);
    EXPECT_EQ(g.state.selection.x, 0);
    EXPECT_EQ(g.state.selection.width, 3);
}

TEST(Selection, MoveStaysInsideSpriteAndAxisBlockedAloneOnDiagonal)
{
    StateFixture f(16, 16);
    SelectAll_Click(f.state);
    EXPECT_EQ(f.state.selection.width, 16);
    EXPECT_EQ(f.state.selection.x + f.state.selection.y, 0);
    f.state.selection = {true, 12, 4, 4, 4};
    Drag(f, kMoveTool, 13, 5, 15, 3);  // right is blocked, up is free
    EXPECT_EQ(f.state.selection.x, 12);
    EXPECT_EQ(f.state.selection.y, 2);
    DrawArea_MouseMove(f.state, 1, 0, At(10), At(1));
    EXPECT_EQ(f.state.selection.x, 7);
    EXPECT_EQ(f.state.selection.y, 0);
    EXPECT_EQ(f.view.overlays[0].left, 7 * 24);
    DrawArea_MouseMove(f.state, 1, 0, At(-20), At(-20));
    EXPECT_EQ(f.state.selection.x, 7);
    EXPECT_EQ(f.state.selection.y, 0);
    EXPECT_EQ(f.Row(1), std::vector<int>(16, 0));  // only the rectangle moves
    // A step that ends flush with an edge is taken: right and bottom, then left.
    DrawArea_MouseUp(f.state, 1, 0, At(-20), At(-20));
    Drag(f, kMoveTool, 8, 1, 13, 13);
    EXPECT_EQ(f.state.selection.x, 12);
    EXPECT_EQ(f.state.selection.y, 12);
    DrawArea_MouseMove(f.state, 1, 0, At(1), At(13));
    EXPECT_EQ(f.state.selection.x, 0);
}

TEST(Selection, MarkerFollowsViewOrigin)
{
    StateFixture f(32, 32);
    f.state.selection = {true, 5, 6, 2, 2};
    f.state.viewWindow = {2, 4, 20, 20};
    UpdateSelAreaPos(f.state);
    EXPECT_EQ(f.view.overlays[0].left, 3 * 24);
    EXPECT_EQ(f.view.overlays[0].top, 2 * 24);
}

}  // namespace
}  // namespace pixador

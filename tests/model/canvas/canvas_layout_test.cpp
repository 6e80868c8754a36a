#include "canvas/canvas_layout.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

// Reserved margins with these metrics: width 170 twips, height 470 twips.
void UseMetrics(EditorState& state)
{
    state.frameMetrics = {60, 60, 300};
}

CanvasWindowInput Window(int w, int h)
{
    CanvasWindowInput in;
    in.tppX = 15;
    in.tppY = 15;
    in.outerWidth = w;
    in.outerHeight = h;
    return in;
}

TEST(CanvasLayout, SmallSpriteInLargeWindowIsCentredWithoutBars)
{
    StateFixture f(8, 8);
    UseMetrics(f.state);
    const CanvasWindowLayout l = Form_Resize(f.state, Window(10000, 10000));
    EXPECT_EQ(l.passes, 1);
    EXPECT_FALSE(l.hScrollVisible);
    EXPECT_FALSE(l.vScrollVisible);
    EXPECT_EQ(l.frameWidth, 9830);
    EXPECT_EQ(l.frameHeight, 9530);
    EXPECT_EQ(l.canvasPixelsWide, 192);
    EXPECT_EQ(l.canvasPixelsHigh, 192);
    EXPECT_DOUBLE_EQ(l.drawWidth, 2880);
    EXPECT_DOUBLE_EQ(l.drawLeft, (9830 - 2880) / 2.0);
    EXPECT_DOUBLE_EQ(l.drawTop, (9530 - 2880) / 2.0);
    const ViewWindow v = f.state.viewWindow;
    EXPECT_EQ(v.x0, 0);
    EXPECT_EQ(v.y0, 0);
    EXPECT_EQ(v.x1, 8);
    EXPECT_EQ(v.y1, 8);
}

TEST(CanvasLayout, WideSpriteShowsHorizontalBarAndReservesItsHeight)
{
    StateFixture f(32, 8);
    UseMetrics(f.state);
    CanvasWindowInput in = Window(4000, 10000);
    in.hScrollHeight = 255;
    const CanvasWindowLayout l = Form_Resize(f.state, in);
    EXPECT_EQ(l.passes, 2);
    EXPECT_TRUE(l.hScrollVisible);
    EXPECT_FALSE(l.vScrollVisible);
    EXPECT_EQ(l.frameHeight, 10000 - 470 - 255);
    EXPECT_EQ(l.hScrollTop, 10000 - 470 - 255);
    EXPECT_EQ(f.state.viewWindow.x1 - f.state.viewWindow.x0, 3830 / 360);
    EXPECT_EQ(l.hScrollMax, 32 - 10);
    EXPECT_EQ(l.vScrollMax, 0);

    // A bar keeps its position but never beyond the new maximum.
    in.hScrollVisible = true;
    in.hScrollValue = 40;
    EXPECT_EQ(Form_Resize(f.state, in).hScrollValue, 22);
}

TEST(CanvasLayout, ScrollingIsClampedToTheSpriteAndKeepsTheViewSize)
{
    StateFixture f(32, 64);
    SetViewWindow(f.state, 0, 0, 10, 12);
    ScrollCanvas(f.state, 30, 5);
    EXPECT_EQ(f.state.viewWindow.x0, 22);
    EXPECT_EQ(f.state.viewWindow.x1, 32);
    EXPECT_EQ(f.state.viewWindow.y0, 5);
    EXPECT_EQ(f.state.viewWindow.y1, 17);
    ScrollCanvas(f.state, -4, 60);
    EXPECT_EQ(f.state.viewWindow.x0, 0);
    EXPECT_EQ(f.state.viewWindow.y0, 52);
    EXPECT_EQ(f.state.viewWindow.y1, 64);
    // More columns than the sprite has are cut to the width; negative counts to none.
    SetViewWindow(f.state, 3, 3, 100, -5);
    EXPECT_EQ(f.state.viewWindow.x0, 0);
    EXPECT_EQ(f.state.viewWindow.x1, 32);
    EXPECT_EQ(f.state.viewWindow.y1 - f.state.viewWindow.y0, 0);
}

TEST(CanvasLayout, TallSpriteAtZoomOneShowsAllRows)
{
    StateFixture f(32, 256);
    UseMetrics(f.state);
    f.state.zoom = 1;
    const CanvasWindowLayout l = Form_Resize(f.state, Window(1000, 256 * 15 + 470));
    EXPECT_EQ(f.state.viewWindow.y1, 256);
    EXPECT_EQ(f.state.viewWindow.x1, 32);
    EXPECT_FALSE(l.vScrollVisible);
    EXPECT_EQ(l.canvasPixelsHigh, 256);
}

TEST(CanvasLayout, TinyWindowIsRaisedToMarginsAndShowsNoPixel)
{
    StateFixture f(16, 16);
    UseMetrics(f.state);
    const CanvasWindowLayout l = Form_Resize(f.state, Window(10, 10));
    EXPECT_GE(l.outerWidth, 170);
    EXPECT_GE(l.outerHeight, 470);
    EXPECT_EQ(l.canvasPixelsWide, 0);
    EXPECT_EQ(l.canvasPixelsHigh, 0);
    EXPECT_TRUE(l.hScrollVisible);
    EXPECT_TRUE(l.vScrollVisible);
    EXPECT_EQ(l.hScrollMax, 16);
    EXPECT_EQ(l.vScrollMax, 16);
    EXPECT_EQ(l.passes, 3);
}

TEST(CanvasLayout, ZeroSizedSpriteLeavesViewWindowAlone)
{
    testing::FakeEditorView view;
    EditorState state(view);
    state.viewWindow = {1, 2, 3, 4};
    SetViewWindow(state, 0, 0, 5, 5);
    EXPECT_EQ(state.viewWindow.x0, 1);
    EXPECT_EQ(state.viewWindow.y1, 4);
}

TEST(CanvasLayout, CanvasToCellAtSeveralZoomsAndScrollPositions)
{
    StateFixture f(32, 64);
    f.state.zoom = 24;
    SetViewWindow(f.state, 0, 0, 8, 8);
    EXPECT_EQ(CanvasToCell(f.state, 0, 0).x, 0);
    EXPECT_EQ(CanvasToCell(f.state, 23.4, 0).x, 0);
    EXPECT_EQ(CanvasToCell(f.state, 23.5, 0).x, 1);   // 23.5 rounds to 24
    EXPECT_EQ(CanvasToCell(f.state, 22.5, 0).x, 0);   // 22.5 rounds to 22
    // Just left of or above the canvas still maps to the first column and row.
    EXPECT_EQ(CanvasToCell(f.state, -23, -1).x, 0);
    EXPECT_EQ(CanvasToCell(f.state, -23, -1).y, 0);
    EXPECT_EQ(CanvasToCell(f.state, -24, -49).x, -1);
    EXPECT_EQ(CanvasToCell(f.state, -24, -49).y, -2);

    SetViewWindow(f.state, 5, 20, 8, 8);
    EXPECT_EQ(CanvasToCell(f.state, 48, 95).x, 7);
    EXPECT_EQ(CanvasToCell(f.state, 48, 95).y, 23);
    EXPECT_EQ(CanvasToCell(f.state, -30, 0).x, 4);

    f.state.zoom = 1;
    EXPECT_EQ(CanvasToCell(f.state, 3.2, 7.7).x, 8);
    EXPECT_EQ(CanvasToCell(f.state, 3.2, 7.7).y, 28);
    f.state.zoom = 30;
    EXPECT_EQ(CanvasToCell(f.state, 59, 60).x, 6);
    EXPECT_EQ(CanvasToCell(f.state, 59, 60).y, 22);
    // Positions far outside any window stay defined.
    EXPECT_LT(CanvasToCell(f.state, -1e30, 0).x, -1000);
}

TEST(CanvasLayout, TooltipShowsBlankBeforeNonNegativeRow)
{
    EXPECT_EQ(CanvasTooltip({3, 12}), "3, 12");
    EXPECT_EQ(CanvasTooltip({0, 5}), "0, 5");
    EXPECT_EQ(CanvasTooltip({-1, -2}), "-1,-2");
    EXPECT_EQ(CanvasTooltip({7, 0}), "7, 0");
}

TEST(CanvasLayout, SquaresOnlyInsideViewAndGridFromZoomFour)
{
    StateFixture f(16, 16);
    f.state.zoom = 10;
    SetViewWindow(f.state, 2, 3, 5, 5);
    const auto sq = SquareOfPixel(f.state, 4, 3);
    ASSERT_TRUE(sq.has_value());
    EXPECT_EQ(sq->left, 20);
    EXPECT_EQ(sq->top, 0);
    EXPECT_EQ(sq->size, 10);
    EXPECT_FALSE(SquareOfPixel(f.state, 1, 3).has_value());
    EXPECT_FALSE(SquareOfPixel(f.state, 7, 3).has_value());
    EXPECT_FALSE(SquareOfPixel(f.state, 4, 8).has_value());

    f.view.checked["GridOn"] = true;
    f.state.zoom = 3;
    EXPECT_FALSE(GridShown(f.state));
    f.state.zoom = 4;
    EXPECT_TRUE(GridShown(f.state));
    f.view.checked["GridOn"] = false;
    EXPECT_FALSE(GridShown(f.state));
}

TEST(CanvasLayout, ViewChangeMovesSelectionMarker)
{
    StateFixture f(16, 16);
    f.state.zoom = 10;
    f.state.selection = {true, 6, 7, 2, 2};
    SetViewWindow(f.state, 4, 5, 4, 4);
    const Overlay& m = f.state.stroke.overlays[static_cast<int>(OverlayShape::SelPattern)];
    EXPECT_DOUBLE_EQ(m.left, 20);
    EXPECT_DOUBLE_EQ(m.top, 20);
}

}  // namespace
}  // namespace pixador

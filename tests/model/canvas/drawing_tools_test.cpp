#include "canvas/drawing_tools.h"

#include <gtest/gtest.h>

#include "canvas/shape_tools.h"
#include "canvas/tool_windows.h"
#include "core/history.h"
#include "core/trig_tables.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

// Canvas pixel at the middle of a cell at zoom 24 with the view at the origin.
double At(int cell) { return cell * 24 + 12; }

int Level(const StateFixture& f, int x, int y) { return f.Row(y)[x]; }

int CountLevel(const StateFixture& f, int level)
{
    int n = 0;
    for (int y = 0; y < f.state.sprite.height; ++y)
        for (int v : f.Row(y)) n += v == level;
    return n;
}

TEST(DrawingTools, PencilStrokeIsOneUndoStepWithUnjoinedStampsAndMarksModified)
{
    StateFixture f(16, 16);
    DrawArea_MouseDown(f.state, 1, 0, At(1), At(1));
    DrawArea_MouseMove(f.state, 1, 0, At(5), At(1));
    DrawArea_MouseUp(f.state, 1, 0, At(5), At(1));
    EXPECT_EQ(f.state.undoCount, 1);
    EXPECT_FALSE(f.state.saved);
    EXPECT_EQ(Level(f, 1, 1), kBlack);
    EXPECT_EQ(Level(f, 5, 1), kBlack);
    EXPECT_EQ(Level(f, 3, 1), kWhite);  // a jump leaves separate stamps
    EXPECT_EQ(f.view.canvasTooltip, "5, 1");
    DrawArea_MouseMove(f.state, 1, 0, At(9), At(9));
    EXPECT_EQ(Level(f, 9, 9), kWhite) << "a drag after the release draws nothing";
    UndoStep(f.state);
    EXPECT_EQ(CountLevel(f, kWhite), 256);

    // The second button draws with the secondary colour.
    f.state.secondaryColor = kDarkGray;
    DrawArea_MouseDown(f.state, 2, 0, At(2), At(2));
    EXPECT_EQ(Level(f, 2, 2), kDarkGray);
}

TEST(DrawingTools, PressOutsideSelectionIsIgnoredButSelectToolStartsAnywhere)
{
    StateFixture f(16, 16);
    f.state.selection = {true, 4, 4, 4, 4};
    DrawArea_MouseDown(f.state, 1, 0, At(1), At(1));
    DrawArea_MouseMove(f.state, 1, 0, At(5), At(5));
    DrawArea_MouseUp(f.state, 1, 0, At(5), At(5));
    EXPECT_EQ(f.state.undoCount, 0);
    EXPECT_TRUE(f.state.saved);
    EXPECT_EQ(CountLevel(f, kWhite), 256);

    f.state.tool = kSelectTool;
    DrawArea_MouseDown(f.state, 1, 0, At(1), At(1));
    EXPECT_EQ(f.state.undoCount, 1);
    EXPECT_FALSE(f.state.saved);
    EXPECT_FALSE(f.state.selection.active);
}

TEST(DrawingTools, PenStampIsClippedToActiveAreaAndSprite)
{
    StateFixture f(8, 8);
    SizeList_Click(f.state, 1);  // pen 3
    DrawArea_MouseDown(f.state, 1, 0, At(0), At(0));
    EXPECT_EQ(f.Row(0), (std::vector<int>{3, 3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(f.Row(1), (std::vector<int>{3, 3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(CountLevel(f, kBlack), 4);

    f.state.selection = {true, 3, 3, 2, 2};
    DrawArea_MouseDown(f.state, 1, 0, At(3), At(3));
    EXPECT_EQ(CountLevel(f, kBlack), 8);
    EXPECT_EQ(Level(f, 2, 3), kWhite);
}

TEST(DrawingTools, LineRoundsHalvesToEvenAndClickWithoutDragDrawsNothing)
{
    StateFixture f(8, 8);
    f.state.tool = kLineTool;
    DrawArea_MouseDown(f.state, 1, 0, At(0), At(0));
    DrawArea_MouseMove(f.state, 1, 0, At(5), At(2));
    EXPECT_EQ(CountLevel(f, kBlack), 0);  // the rubber band never touches the sprite
    EXPECT_TRUE(f.view.overlays[static_cast<int>(OverlayShape::Linepattern)].visible);
    DrawArea_MouseUp(f.state, 1, 0, At(5), At(2));
    EXPECT_FALSE(f.view.overlays[static_cast<int>(OverlayShape::Linepattern)].visible);
    EXPECT_EQ(f.Row(0), (std::vector<int>{3, 3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(f.Row(1), (std::vector<int>{0, 0, 3, 3, 0, 0, 0, 0}));
    EXPECT_EQ(f.Row(2), (std::vector<int>{0, 0, 0, 0, 3, 3, 0, 0}));

    StateFixture g(8, 8);
    DrawLine(g.state, 0, 0, 4, 2, kBlack);  // 0.5 -> 0, 1.5 -> 2
    EXPECT_EQ(g.Row(0), (std::vector<int>{3, 3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g.Row(1), (std::vector<int>{0, 0, 3, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g.Row(2), (std::vector<int>{0, 0, 0, 3, 3, 0, 0, 0}));
    DrawLine(g.state, 6, 6, 6, 7, kBlack);  // a single step down, then right
    DrawLine(g.state, 6, 4, 7, 4, kBlack);
    EXPECT_EQ(g.Row(6)[6] + g.Row(7)[6] + g.Row(4)[6] + g.Row(4)[7], 4 * kBlack);

    StateFixture h(8, 8);
    h.state.tool = kLineTool;
    DrawArea_MouseDown(h.state, 1, 0, At(3), At(3));
    DrawArea_MouseUp(h.state, 1, 0, At(3), At(3));
    EXPECT_EQ(CountLevel(h, kBlack), 0);
    EXPECT_EQ(h.state.undoCount, 1);
    EXPECT_FALSE(h.state.saved);
}

TEST(DrawingTools, RectangleCoversRubberBandCellsDraggedEitherWay)
{
    for (const auto& [from, to] : {std::pair{2, 5}, std::pair{5, 2}}) {
        StateFixture f(8, 8);
        f.state.tool = kRectTool;
        DrawArea_MouseDown(f.state, 1, 0, At(from), At(from));
        DrawArea_MouseMove(f.state, 1, 0, At(to), At(to));
        DrawArea_MouseUp(f.state, 1, 0, At(to), At(to));
        EXPECT_EQ(f.Row(2), (std::vector<int>{0, 0, 3, 3, 3, 0, 0, 0}));
        EXPECT_EQ(f.Row(3), (std::vector<int>{0, 0, 3, 0, 3, 0, 0, 0}));
        EXPECT_EQ(f.Row(4), (std::vector<int>{0, 0, 3, 3, 3, 0, 0, 0}));
        EXPECT_EQ(CountLevel(f, kBlack), 8);
    }
}

TEST(DrawingTools, CircleGrowsFromAnchorWithRadiusOfHalfTheLargerStep)
{
    StateFixture f(32, 32);
    BuildTrigTables(f.state);
    f.state.tool = kCircleTool;
    DrawArea_MouseDown(f.state, 1, 0, At(10), At(10));
    DrawArea_MouseMove(f.state, 1, 0, At(16), At(13));
    DrawArea_MouseUp(f.state, 1, 0, At(16), At(13));
    // Centre (13, 13), radius 3: the four axis points are set, the centre is not.
    EXPECT_EQ(Level(f, 16, 13), kBlack);
    EXPECT_EQ(Level(f, 10, 13), kBlack);
    EXPECT_EQ(Level(f, 13, 10), kBlack);
    EXPECT_EQ(Level(f, 13, 16), kBlack);
    EXPECT_EQ(Level(f, 13, 13), kWhite);
    EXPECT_EQ(Level(f, 17, 13), kWhite);
}

TEST(DrawingTools, FloodFillStopsAtBoundariesAndDoesNothingOnSameLevel)
{
    StateFixture f(8, 8);
    for (int y = 0; y < 8; ++y) SetPixel(f.state, 4, y, kBlack);
    f.state.tool = kFloodTool;
    f.state.primaryColor = kLightGray;
    DrawArea_MouseDown(f.state, 1, 0, At(1), At(1));
    EXPECT_EQ(f.Row(3), (std::vector<int>{1, 1, 1, 1, 3, 0, 0, 0}));
    EXPECT_EQ(CountLevel(f, kLightGray), 32);

    const std::size_t painted = f.view.paintedPixels.size();
    DrawArea_MouseDown(f.state, 1, 0, At(1), At(1));
    EXPECT_EQ(f.view.paintedPixels.size(), painted);

    // Inside a selection the fill stays within it, though outside cells read as white.
    StateFixture g(8, 8);
    g.state.selection = {true, 2, 2, 3, 3};
    g.state.tool = kFloodTool;
    DrawArea_MouseDown(g.state, 1, 0, At(3), At(3));
    EXPECT_EQ(CountLevel(g, kBlack), 9);
}

TEST(DrawingTools, ReplaceTurnsEveryMatchingPixelOfActiveArea)
{
    StateFixture f(8, 8);
    f.Scribble(2);
    const int whites = CountLevel(f, kWhite);
    const int blacks = CountLevel(f, kBlack);
    const std::vector<int> row1 = f.Row(1);
    f.state.tool = kReplaceTool;
    int x = 0;
    while (f.Row(0)[x] != kWhite) ++x;
    DrawArea_MouseDown(f.state, 1, 0, At(x), At(0));
    EXPECT_EQ(CountLevel(f, kWhite), 0);
    EXPECT_EQ(CountLevel(f, kBlack), whites + blacks);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(f.Row(1)[i], row1[i] == kWhite ? kBlack : row1[i]);
}

}  // namespace
}  // namespace pixador

#include "canvas/tool_windows.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

TEST(ToolWindows, ListsAndChoicesSetZoomPenAndColours)
{
    EXPECT_EQ(ZoomFactorItems().size(), 30u);
    EXPECT_EQ(ZoomFactorItems()[kZoomFactorInitialIndex], "24x");
    EXPECT_EQ(SizeListItems().back(), "15");
    EXPECT_EQ(ZoomBItems()[kZoomBInitialIndex], "5x");

    StateFixture f(8, 8);
    f.state.selection.active = true;
    ZoomFactor_Click(f.state, 7);
    EXPECT_EQ(f.state.zoom, 8);
    EXPECT_FALSE(f.state.selection.active);
    EXPECT_GE(f.view.relayouts, 2);
    SizeList_Click(f.state, 3);
    EXPECT_EQ(f.state.penSize, 7);

    ColorBttn_MouseDown(f.state, 2, 2);
    EXPECT_EQ(f.state.secondaryColor, kDarkGray);
    ColorBttn_MouseDown(f.state, 1, 4);
    EXPECT_EQ(f.state.secondaryColor, kLightGray);
    ColorBttn_MouseDown(f.state, 1, 1);
    EXPECT_EQ(f.state.primaryColor, kLightGray);
    ColorBttn_MouseDown(f.state, 3, 1);
    EXPECT_EQ(f.state.primaryColor, kBlack);
    ColorBttn_MouseDown(f.state, 0, 2);
    EXPECT_EQ(f.state.secondaryColor, kWhite);
}

TEST(ToolWindows, ToolButtonsCodesAndPasteNeedsContent)
{
    StateFixture f(8, 8);
    ToolMode_Click(f.state, kMoveTool);
    EXPECT_EQ(f.state.tool, kMoveTool);
    EXPECT_EQ(ToolButtonName(kMoveTool), "MoveMode");
    ToolMode_Click(f.state, kPasteTool);
    EXPECT_EQ(f.state.tool, kMoveTool);
    EXPECT_EQ(f.view.LastMessage(), "Nothing to paste!");
    EXPECT_TRUE(f.view.IsCommandChecked("MoveMode"));
    EXPECT_EQ(ToolButtons().size(), 9u);
}

TEST(ToolWindows, PreviewCaptionLayoutAndClosing)
{
    EXPECT_EQ(PreviewCaption(3), "Preview(3)");
    EXPECT_EQ(PreviewTag(3), " 3");
    PreviewMetrics m;
    m.windowWidth = 2000;
    const PreviewGeometry small = PreviewLayout(0, 8, 8, m);  // 1x: 120 twips, centred
    EXPECT_FALSE(small.pictureAtLeft);
    EXPECT_EQ(small.pictureLeft, (2000 - 60 - 120) / 2);
    const PreviewGeometry big = PreviewLayout(5, 8, 8, m);  // 6x sits at the left edge
    EXPECT_TRUE(big.pictureAtLeft);
    EXPECT_EQ(big.windowWidth, 6 * 8 * 15 + 60);
    EXPECT_EQ(PreviewLayout(4, 16, 16, m).pictureWidth, 80 * 15);
    EXPECT_EQ(OnPreviewClosed(3, 3), PreviewCloseAction::Remove);
    EXPECT_EQ(OnPreviewClosed(1, 3), PreviewCloseAction::Hide);
}

}  // namespace
}  // namespace pixador

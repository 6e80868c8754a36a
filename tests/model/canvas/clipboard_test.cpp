#include "canvas/clipboard.h"

#include <gtest/gtest.h>

#include "canvas/drawing_tools.h"
#include "canvas/selection.h"
#include "canvas/stroke_cell.h"
#include "canvas/tool_windows.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

double At(int cell) { return cell * 24 + 12; }

std::string Bytes(std::initializer_list<int> codes)
{
    std::string s;
    for (int c : codes) s += static_cast<char>(c);
    return s;
}

TEST(Clipboard, ExportWritesMarkerSizeAndColumnsThenImportReadsItBack)
{
    StateFixture f(8, 8);
    SetPixel(f.state, 0, 1, kBlack);
    SetPixel(f.state, 1, 0, kLightGray);
    SetPixel(f.state, 1, 1, kDarkGray);
    PXDCopyBttn_Click(f.state);
    EXPECT_EQ(f.view.LastMessage(), "No area selected!!");
    f.state.selection = {true, 0, 0, 2, 2};
    PXDCopyBttn_Click(f.state);
    EXPECT_EQ(f.view.clipboardText, "XPXDD" + Bytes({2, 2, 5, 35, 15, 25}));

    PXDPasteBttn_Click(f.state);
    ASSERT_TRUE(f.state.clipboard.full);
    EXPECT_EQ(f.state.clipboard.width, 2);
    f.state.selection.active = false;
    f.state.tool = kPasteTool;
    DrawArea_MouseMove(f.state, 0, 0, At(5), At(5));
    EXPECT_TRUE(f.view.overlays[static_cast<int>(OverlayShape::Rectpattern)].visible);
    DrawArea_MouseDown(f.state, 1, 0, At(5), At(5));
    EXPECT_EQ(f.Row(7)[6], kWhite) << "nothing below the pasted rows";
    EXPECT_EQ(f.Row(5)[5], kWhite);
    EXPECT_EQ(f.Row(6)[5], kBlack);
    EXPECT_EQ(f.Row(5)[6], kLightGray);
    EXPECT_EQ(f.Row(6)[6], kDarkGray);
    // Moving with another tool takes the footprint away.
    DrawArea_MouseMove(f.state, 0, 0, At(2), At(2));
    f.state.tool = kPencilTool;
    DrawArea_MouseMove(f.state, 0, 0, At(1), At(1));
    EXPECT_FALSE(f.view.overlays[static_cast<int>(OverlayShape::Rectpattern)].visible);
}

TEST(Clipboard, ExportRefusesSizesTheTextCannotCarry)
{
    StateFixture f(32, 256);
    f.state.selection = {true, 0, 0, 32, 256};
    PXDCopyBttn_Click(f.state);
    EXPECT_EQ(f.view.clipboardText, "");
    f.state.selection = {true, 3, 3, 0, 5};
    PXDCopyBttn_Click(f.state);
    EXPECT_EQ(f.view.clipboardText, "");
    EXPECT_EQ(f.view.messages.size(), 2u);
    f.state.selection = {true, 3, 3, 1, 1};
    PXDCopyBttn_Click(f.state);
    EXPECT_EQ(f.view.clipboardText.size(), 8u) << "one pixel is carried";
}

TEST(Clipboard, ImportMessagesAndFailedImportKeepsClipboard)
{
    StateFixture f(8, 8);
    f.view.clipboardText = "XPXDE" + Bytes({1, 1, 5});
    PXDPasteBttn_Click(f.state);
    EXPECT_EQ(f.view.LastMessage(), "PXD Data not found in clipboard!");
    EXPECT_EQ(f.view.messages.back().title, "Warning!!");

    f.state.selection = {true, 0, 0, 3, 3};
    SetPixel(f.state, 0, 0, kBlack);
    CopyBttn_Click(f.state, true);
    const InternalClipboard before = f.state.clipboard;

    f.view.clipboardText = "XPXDD" + Bytes({4, 4}) + std::string(10, '#');
    PXDPasteBttn_Click(f.state);
    EXPECT_EQ(f.view.LastMessage(), "Error while retrieving PXD DATA!!");
    EXPECT_EQ(f.view.messages.back().title, "Error!!! Run for your lives!!");
    EXPECT_EQ(f.state.clipboard.width, before.width);
    EXPECT_EQ(f.state.clipboard.cells, before.cells);

    // Sizes whose planes exceed the cell buffer, and texts too short for the size bytes.
    for (const std::string& text : {"XPXDD" + Bytes({255, 255}) + std::string(70000, '#'),
                                    std::string("XPXDD"), std::string(), std::string("\xff\xfe")}) {
        f.view.clipboardText = text;
        PXDPasteBttn_Click(f.state);
        EXPECT_EQ(f.state.clipboard.width, before.width);
    }
}

TEST(Clipboard, ImportRoundsCodesHalfEvenAndTreatsOtherLevelsAsWhite)
{
    const auto clip = ParsePxdText("XPXDD" + Bytes({4, 1, 10, 20, 200, 35}) + "extra");
    ASSERT_TRUE(clip);
    const int w = 4, h = 1;
    auto level = [&](int x) {
        return 2 * GetPlaneBit(clip->cells, w, h, x, 0, 0) + GetPlaneBit(clip->cells, w, h, x, 0, 1);
    };
    EXPECT_EQ(level(0), kWhite);     // 0.5 -> 0
    EXPECT_EQ(level(1), kDarkGray);  // 1.5 -> 2
    EXPECT_EQ(level(2), kWhite);     // 19.5 is no level
    EXPECT_EQ(level(3), kBlack);
    EXPECT_TRUE(ParsePxdText("XPXDD" + Bytes({128, 64}) + std::string(128 * 64, '#'))) << "fills the buffer exactly";
}

TEST(Clipboard, CopyCutAndPasteNeedSelectionAndActiveCanvas)
{
    StateFixture f(8, 8);
    CopyBttn_Click(f.state, true);
    EXPECT_EQ(f.view.LastMessage(), "No area selected!!");
    PasteBttn_Click(f.state, true);
    EXPECT_EQ(f.view.LastMessage(), "Nothing to paste!");
    EXPECT_EQ(f.state.tool, kPencilTool);

    f.Scribble(1);
    f.state.selection = {true, 2, 2, 3, 3};
    const std::size_t shown = f.view.messages.size();
    CutBttn_Click(f.state, false);
    EXPECT_EQ(f.view.messages.size(), shown);
    EXPECT_FALSE(f.state.clipboard.full);

    f.state.penSize = 5;
    const std::vector<int> row1 = f.Row(1);
    CutBttn_Click(f.state, true);
    EXPECT_TRUE(f.state.clipboard.full);
    EXPECT_EQ(f.state.undoCount, 1);
    EXPECT_TRUE(f.view.IsEnabled("PasteMode"));
    EXPECT_TRUE(f.view.IsEnabled("PasteBttn"));
    EXPECT_EQ(f.Row(1), row1);
    for (int y = 2; y < 5; ++y)
        for (int x = 2; x < 5; ++x) EXPECT_EQ(f.Row(y)[x], kWhite);

    PasteBttn_Click(f.state, true);
    EXPECT_EQ(f.state.tool, kPasteTool);
}

TEST(Clipboard, PasteAtCornerWritesOnlyInsideSpriteAndSelection)
{
    StateFixture f(8, 8);
    f.state.clipboard.full = true;
    f.state.clipboard.width = 4;
    f.state.clipboard.height = 4;
    for (int i = 0; i < 2 * 16; ++i) f.state.clipboard.cells[i] = 1;
    PasteClipboardAt(f.state, {6, 6});
    EXPECT_EQ(f.Row(6), (std::vector<int>{0, 0, 0, 0, 0, 0, 3, 3}));
    EXPECT_EQ(f.view.paintedPixels.size(), 4u);
    PasteClipboardAt(f.state, {-2, 0});
    EXPECT_EQ(f.Row(0), (std::vector<int>{3, 3, 0, 0, 0, 0, 0, 0})) << "from the left edge";

    StateFixture g(8, 8);
    g.state.clipboard = f.state.clipboard;
    g.state.selection = {true, 0, 0, 2, 2};
    PasteClipboardAt(g.state, {1, 1});
    EXPECT_EQ(g.Row(1), (std::vector<int>{0, 3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g.Row(2), (std::vector<int>(8, 0)));
}

}  // namespace
}  // namespace pixador

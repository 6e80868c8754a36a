#include "files/window_arrangement.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

TEST(WindowArrangement, DefaultsAreWrittenInOrderWithSignedNumbers)
{
    TempDir dir;
    StateFixture f;
    ASSERT_TRUE(WriteWindowArrangement(f.state, dir.File("PxdWinPos.ini")));
    EXPECT_EQ(TempDir::Read(dir.File("PxdWinPos.ini")),
              "Main_Left= 100\r\nMain_Top=-100\r\nMain_Width= 10000\r\nMain_Height= 9400\r\n"
              "DA_Left= 2000\r\nDA_Top= 1000\r\nDA_Width= 4000\r\nDA_Height= 4000\r\n"
              "Zoom_Left= 200\r\nZoom_Top= 200\r\nToolB_Left= 1250\r\nToolB_Top= 1000\r\n"
              "ColorB_Left= 200\r\nColorB_Top= 2000\r\nPSizeB_Left= 200\r\nPSizeB_Top= 1300\r\n"
              "Win_State=0\r\n");
    f.state.windowLayout.maximised = true;
    WriteWindowArrangement(f.state, dir.File("max.ini"));
    const std::string text = TempDir::Read(dir.File("max.ini"));
    EXPECT_EQ(text.substr(text.size() - 14), "Win_State= 1\r\n");
}

TEST(WindowArrangement, ReadsEveryKeyAndFallsBackToDefaultsOnFailure)
{
    TempDir dir;
    StateFixture f;
    WindowLayout& l = f.state.windowLayout;
    l.mainLeft = -5;
    l.canvasHeight = 3333;
    l.penSizeTop = 7;
    l.colorLeft = 12;
    l.maximised = true;
    WriteWindowArrangement(f.state, dir.File("w.ini"));

    StateFixture g;
    ReadWindowArrangement(g.state, dir.File("w.ini"));
    EXPECT_EQ(g.state.windowLayout.mainLeft, -5);
    EXPECT_EQ(g.state.windowLayout.canvasHeight, 3333);
    EXPECT_EQ(g.state.windowLayout.penSizeTop, 7);
    EXPECT_EQ(g.state.windowLayout.colorLeft, 12);
    EXPECT_TRUE(g.state.windowLayout.maximised);

    TempDir::Write(dir.File("bad.ini"), " zoom_left = 9\r\nWin_State= 1\r\nDA_Top= 70000\r\n");
    ReadWindowArrangement(g.state, dir.File("bad.ini"));
    EXPECT_EQ(g.state.windowLayout.zoomLeft, 200);
    EXPECT_FALSE(g.state.windowLayout.maximised);

    g.state.windowLayout.mainWidth = 1;
    ReadWindowArrangement(g.state, dir.File("missing.ini"));
    EXPECT_EQ(g.state.windowLayout.mainWidth, 10000);
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing.ini"))) << "shutdown writes it, not the reader";

    TempDir::Write(dir.File("loose.ini"), "  zoom_left = 9\r\nWIN_STATE= 3\r\n");
    ReadWindowArrangement(g.state, dir.File("loose.ini"));
    EXPECT_EQ(g.state.windowLayout.zoomLeft, 9);
    EXPECT_TRUE(g.state.windowLayout.maximised);
}

TEST(WindowArrangement, FailedWriteShowsTheMessage)
{
    TempDir dir;
    StateFixture f;
    const std::string path = dir.File("none") + "/PxdWinPos.ini";
    EXPECT_FALSE(WriteWindowArrangement(f.state, path));
    EXPECT_EQ(f.view.LastMessage(), "Error while trying to save windows arrangement to" + path +
                                        "! Check if file is copy protected or the disk is full.");
}

}  // namespace
}  // namespace pixador

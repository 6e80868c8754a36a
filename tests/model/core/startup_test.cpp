#include "core/startup.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

struct RecordingWindows : StartupWindows {
    std::vector<std::string> steps;
    void HideCanvasWindow() override { steps.push_back("hide"); }
    void PlaceWindows(const WindowLayout& l) override { steps.push_back("place " + std::to_string(l.mainLeft)); }
    void ShowCanvasWindow() override { steps.push_back("show"); }
    void SizeCanvasWindow(const WindowLayout& l) override { steps.push_back("size " + std::to_string(l.canvasWidth)); }
};

TEST(Startup, RunsInOrderFromTheFilesAndTheCommandLine)
{
    TempDir dir;
    StateFixture f;
    f.state.programDir = dir.str();
    TempDir::Write(dir.File("PxdWinPos.ini"), "Main_Left= 7\r\nDA_Width= 5000\r\n");
    TempDir::Write(dir.File("Pixador.ini"), "DefaultWidth= 32\r\nDefaultHeight= 3\r\nLCDColorSet= 0\r\n");
    RecordingWindows windows;
    SystemMetrics metrics{15, 15, 3, 3, 22};
    MDIForm_Load(f.state, metrics, "", windows);
    EXPECT_EQ(windows.steps, (std::vector<std::string>{"hide", "place 7", "show", "size 5000"}));
    EXPECT_EQ(f.state.frameMetrics.frameWidth, 45);
    EXPECT_EQ(f.state.frameMetrics.captionHeight, 330);
    EXPECT_EQ(f.state.sprite.width, 32);
    EXPECT_EQ(f.state.sprite.height, 3);
    EXPECT_FALSE(f.state.lcdColors);
    EXPECT_EQ(f.state.colorSet[0], 0xFFFFFFu);
    EXPECT_EQ(f.state.zoom, 24);
    EXPECT_EQ(f.view.status, "Ready");
    EXPECT_EQ(f.view.caption, ".:: Pixador Sprite Editor for TIGCC ::. ");
    EXPECT_EQ(f.state.sineTable[30], 128);
    EXPECT_TRUE(std::filesystem::exists(dir.File("QAccess.ini")));
}

TEST(Startup, CommandLineQuotesAndFrameMetricsRound)
{
    EXPECT_EQ(CommandLinePath("\"a b.pxd\""), "a b.pxd");
    EXPECT_EQ(CommandLinePath("\"a.pxd"), "\"a.pxd");
    EXPECT_EQ(CommandLinePath("\""), "\"");
    EXPECT_EQ(CommandLinePath("\"\""), "");
    EXPECT_EQ(CommandLinePath("plain.pxd"), "plain.pxd");
    const FrameMetrics m = ComputeFrameMetrics({12.5, 12.5, 1, 3, 5});
    EXPECT_EQ(m.frameWidth, 12) << "12.5 rounds to the even neighbour";
    EXPECT_EQ(m.frameHeight, 38) << "37.5 rounds to the even neighbour";
    EXPECT_EQ(m.captionHeight, 62);
}

}  // namespace
}  // namespace pixador

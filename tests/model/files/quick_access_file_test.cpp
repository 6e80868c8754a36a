#include "files/quick_access_file.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

TEST(QuickAccessFile, KeepsTheLastNineLinesEmptyOnesIncluded)
{
    TempDir dir;
    std::string text;
    for (int i = 1; i <= 12; ++i) text += (i == 6 ? std::string() : "/s/" + std::to_string(i) + ".pxd") + "\r\n";
    TempDir::Write(dir.File("QAccess.ini"), text);
    StateFixture f;
    AddQuickAccess(f.state.quickAccess, "stale");
    ReadQuickAccess(f.state, dir.File("QAccess.ini"));
    ASSERT_EQ(f.state.quickAccess.count, 9);
    EXPECT_EQ(f.state.quickAccess.entries[0], "/s/4.pxd");
    EXPECT_EQ(f.state.quickAccess.entries[2], "") << "line 6 was empty";
    EXPECT_EQ(f.state.quickAccess.entries[8], "/s/12.pxd");

    ASSERT_TRUE(WriteQuickAccess(f.state, dir.File("out.ini")));
    StateFixture g;
    ReadQuickAccess(g.state, dir.File("out.ini"));
    EXPECT_EQ(g.state.quickAccess.entries, f.state.quickAccess.entries);
}

TEST(QuickAccessFile, MissingFileIsWrittenEmptyAndWriteFailuresAreShown)
{
    TempDir dir;
    StateFixture f;
    ReadQuickAccess(f.state, dir.File("QAccess.ini"));
    EXPECT_EQ(f.state.quickAccess.count, 0);
    EXPECT_EQ(TempDir::Read(dir.File("QAccess.ini")), "");
    EXPECT_TRUE(f.view.messages.empty());

    AddQuickAccess(f.state.quickAccess, "/a.pxd");
    WriteQuickAccess(f.state, dir.File("QAccess.ini"));
    EXPECT_EQ(TempDir::Read(dir.File("QAccess.ini")), "/a.pxd\r\n");

    const std::string bad = dir.File("gone") + "/QAccess.ini";
    EXPECT_FALSE(WriteQuickAccess(f.state, bad));
    EXPECT_EQ(f.view.LastMessage(), "Error while trying to save QuickAccess list to " + bad + "!");
}

}  // namespace
}  // namespace pixador

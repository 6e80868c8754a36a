#include "files/pxd_file.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "core/history.h"
#include "files/quick_access_file.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

const std::string kWorkedExample("\x01\x02\x33\x55\xFF\xFF", 6);

std::string LoadFailure(const std::string& path)
{
    return "Error while reading " + path + ".\r\nThe file may Not exist or to be corrupted!!";
}

TEST(PxdFile, WorkedExampleSavesAndLoadsByteForByte)
{
    TempDir dir;
    StateFixture f(8, 2);
    for (int x = 0; x < 8; ++x) {
        SetPixel(f.state, x, 0, x % 4);
        SetPixel(f.state, x, 1, kBlack);
    }
    const std::string path = dir.File("example.pxd");
    SaveSprite(f.state, path);
    EXPECT_EQ(TempDir::Read(path), kWorkedExample);
    EXPECT_EQ(f.state.fileName, path);
    EXPECT_EQ(f.view.caption, ".:: Pixador Sprite Editor for TIGCC ::. " + path);
    EXPECT_TRUE(f.state.saved);

    StateFixture g(16, 16);
    PushUndo(g.state);
    g.state.saved = false;
    LoadSprite(g.state, path);
    ASSERT_EQ(g.state.sprite.width, 8);
    ASSERT_EQ(g.state.sprite.height, 2);
    EXPECT_EQ(g.Row(0), (std::vector<int>{0, 1, 2, 3, 0, 1, 2, 3}));
    EXPECT_EQ(g.Row(1), std::vector<int>(8, 3));
    EXPECT_TRUE(g.state.saved);
    EXPECT_EQ(g.state.fileName, path);
    EXPECT_EQ(g.state.undoCount, 0);
    EXPECT_EQ(g.state.quickAccess.count, 1);
    EXPECT_EQ(g.state.quickAccess.entries[0], path);
    EXPECT_TRUE(g.view.messages.empty());
}

TEST(PxdFile, SavedBytesFollowTheLayoutForEveryWidth)
{
    TempDir dir;
    StateFixture f(8, 1);
    SaveSprite(f.state, dir.File("white.pxd"));
    EXPECT_EQ(TempDir::Read(dir.File("white.pxd")), std::string("\x01\x01\x00\x00", 4));

    for (int width : {8, 16, 24, 32}) {
        StateFixture s(width, 3);
        s.Scribble(width);
        const std::string path = dir.File("w" + std::to_string(width) + ".pxd");
        SaveSprite(s.state, path);
        const std::string bytes = TempDir::Read(path);
        ASSERT_EQ(bytes.size(), 2u + 2 * (width / 8) * 3) << width;
        EXPECT_EQ(bytes[0], width / 8);
        EXPECT_EQ(bytes[1], 3);
        // Each byte against the pixels: bit 7 is the leftmost of its group.
        for (int y = 0; y < 3; ++y)
            for (int g = 0; g < width / 8; ++g)
                for (int plane = 0; plane < 2; ++plane) {
                    const auto b = static_cast<unsigned char>(bytes[2 + (y * (width / 8) + g) * 2 + plane]);
                    for (int i = 0; i < 8; ++i) {
                        const int level = s.Row(y)[g * 8 + i];
                        const int bit = plane == 0 ? level >> 1 : level & 1;
                        ASSERT_EQ((b >> (7 - i)) & 1, bit) << width << " " << y << " " << g << " " << i;
                    }
                }
        StateFixture back(8, 8);
        LoadSprite(back.state, path);
        for (int y = 0; y < 3; ++y) EXPECT_EQ(back.Row(y), s.Row(y)) << width;
    }
}

TEST(PxdFile, ExtensionIsAddedUnlessPresentInAnyCase)
{
    TempDir dir;
    StateFixture f(8, 1);
    SaveSprite(f.state, dir.File("a.txt"));
    EXPECT_TRUE(std::filesystem::exists(dir.File("a.txt.pxd")));
    EXPECT_EQ(f.state.fileName, dir.File("a.txt.pxd"));
    SaveSprite(f.state, dir.File("B.Pxd"));
    EXPECT_TRUE(std::filesystem::exists(dir.File("B.Pxd")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("B.Pxd.pxd")));

    f.view.messages.clear();
    SaveSprite(f.state, "");
    LoadSprite(f.state, "");
    EXPECT_TRUE(f.view.messages.empty());
}

TEST(PxdFile, OverwriteQuestionGuardsEverySave)
{
    TempDir dir;
    const std::string path = dir.File("keep.pxd");
    TempDir::Write(path, "precious");
    StateFixture f(8, 1);
    f.state.saved = false;
    f.state.fileName = "earlier.pxd";
    f.view.answers = {MessageAnswer::No};
    SaveSprite(f.state, path);
    EXPECT_EQ(f.view.LastMessage(), "File " + path + " already Exists. Overwrite?");
    EXPECT_EQ(TempDir::Read(path), "precious");
    EXPECT_EQ(f.state.fileName, "earlier.pxd");
    EXPECT_FALSE(f.state.saved);

    f.view.answers = {MessageAnswer::Yes};
    SaveSprite(f.state, path);
    EXPECT_EQ(TempDir::Read(path), std::string("\x01\x01\x00\x00", 4));
    EXPECT_TRUE(f.state.saved);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.str()), {}), 1) << "no temporary file left";
}

TEST(PxdFile, UnstorableOrFailedSavesKeepTheOldFileAndState)
{
    TempDir dir;
    const std::string path = dir.File("tall.pxd");
    TempDir::Write(path, "old sprite");
    StateFixture f(32, 256);
    f.state.saved = false;
    SaveSprite(f.state, path);
    ASSERT_EQ(f.view.messages.size(), 1u) << "refused before the overwrite question";
    EXPECT_EQ(f.view.messages[0].text, "Error writing " + path + "!!");
    EXPECT_EQ(f.view.messages[0].title, "Error!!! Run for your lives!!");
    EXPECT_EQ(f.view.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(TempDir::Read(path), "old sprite");
    EXPECT_FALSE(f.state.saved);
    EXPECT_EQ(f.state.fileName, "");

    // A folder that cannot be written.
    StateFixture g(8, 8);
    const std::string missing = dir.File("no-such-dir") + "/x.pxd";
    SaveSprite(g.state, missing);
    EXPECT_EQ(g.view.LastMessage(), "Error writing " + missing + "!!");
    EXPECT_EQ(g.state.fileName, "");
}

TEST(PxdFile, FailedLoadsLeaveTheOpenSpriteUntouched)
{
    TempDir dir;
    struct Case {
        std::string name;
        std::string bytes;
    };
    const std::vector<Case> cases{
        {"short.pxd", std::string("\x01\x02\x33\x55\xFF", 5)},
        {"header-only.pxd", std::string("\x02\x04", 2)},
        {"one-byte.pxd", std::string("\x01", 1)},
        {"empty.pxd", ""},
        {"zero-width.pxd", std::string("\x00\x02\x00\x00", 4)},
        {"zero-height.pxd", std::string("\x01\x00", 2)},
        {"too-big.pxd", std::string("\x08\xFF", 2) + std::string(2 * 8 * 255, '\xAA')},
    };
    for (const Case& c : cases) {
        const std::string path = dir.File(c.name);
        TempDir::Write(path, c.bytes);
        StateFixture f(16, 4);
        f.Scribble(3);
        PushUndo(f.state);
        f.state.saved = false;
        f.state.fileName = "mine.pxd";
        std::vector<std::vector<int>> rows;
        for (int y = 0; y < 4; ++y) rows.push_back(f.Row(y));

        LoadSprite(f.state, path);
        ASSERT_EQ(f.view.messages.size(), 1u) << c.name;
        EXPECT_EQ(f.view.messages[0].text, LoadFailure(path)) << c.name;
        EXPECT_EQ(f.view.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(f.state.sprite.width, 16) << c.name;
        EXPECT_EQ(f.state.sprite.height, 4) << c.name;
        for (int y = 0; y < 4; ++y) EXPECT_EQ(f.Row(y), rows[y]) << c.name;
        EXPECT_EQ(f.state.undoCount, 1) << c.name;
        EXPECT_FALSE(f.state.saved);
        EXPECT_EQ(f.state.fileName, "mine.pxd");
        EXPECT_EQ(f.state.quickAccess.count, 0);
    }
    StateFixture f(8, 8);
    LoadSprite(f.state, dir.File("missing.pxd"));
    EXPECT_EQ(f.view.LastMessage(), LoadFailure(dir.File("missing.pxd")));
    LoadSprite(f.state, dir.str());
    EXPECT_EQ(f.view.LastMessage(), LoadFailure(dir.str())) << "a folder is not a sprite file";
}

TEST(PxdFile, HeaderRuleKeepsOddWidthsAndIgnoresTrailingBytes)
{
    TempDir dir;
    const std::string wide = dir.File("wide.pxd");
    TempDir::Write(wide, std::string("\x03\x01\x80\x00\x00\x00\x00\x01", 8) + "trailing junk");
    StateFixture f(8, 8);
    LoadSprite(f.state, wide);
    EXPECT_TRUE(f.view.messages.empty());
    ASSERT_EQ(f.state.sprite.width, 24);
    ASSERT_EQ(f.state.sprite.height, 1);
    std::vector<int> row(24, 0);
    row[0] = kDarkGray;
    row[23] = kLightGray;
    EXPECT_EQ(f.Row(0), row);
}

TEST(PxdFile, LoadingAKnownPathDoesNotRepeatItInQuickAccess)
{
    TempDir dir;
    TempDir::Write(dir.File("A.pxd"), kWorkedExample);
    TempDir::Write(dir.File("a.pxd"), kWorkedExample);
    StateFixture f;
    LoadSprite(f.state, dir.File("A.pxd"));
    LoadSprite(f.state, dir.File("A.pxd"));
    EXPECT_EQ(f.state.quickAccess.count, 1);
    LoadSprite(f.state, dir.File("a.pxd"));
    EXPECT_EQ(f.state.quickAccess.count, 2) << "case-sensitive comparison";
}

TEST(PxdFile, PathWithALineBreakOpensButStaysOutOfTheQuickAccessFile)
{
    TempDir dir;
    StateFixture f;
    AddQuickAccess(f.state.quickAccess, dir.File("kept.pxd"));
    for (const char* name : {"two\nlines.pxd", "cr\rlf.pxd"}) {
        TempDir::Write(dir.File(name), kWorkedExample);
        LoadSprite(f.state, dir.File(name));
        EXPECT_EQ(f.state.fileName, dir.File(name));
        EXPECT_EQ(f.state.sprite.height, 2);
    }
    ASSERT_TRUE(WriteQuickAccess(f.state, dir.File("QAccess.ini")));
    StateFixture g;
    ReadQuickAccess(g.state, dir.File("QAccess.ini"));
    EXPECT_EQ(g.state.quickAccess.count, 1);
    EXPECT_EQ(g.state.quickAccess.entries[0], dir.File("kept.pxd"));
}

TEST(PxdFile, PlaneReaderStopsAtTheEndAndStaysInItsBuffer)
{
    const std::string three("\x01\x02\x33", 3);
    ByteSource source(three);
    const SpriteHeader h = ReadSpriteHeader(source);
    EXPECT_TRUE(h.complete);
    EXPECT_EQ(h.width, 8);
    EXPECT_EQ(h.height, 2);
    PlaneBuffer planes(2, 8, 2);
    EXPECT_FALSE(ReadSpritePlanes(source, 8, 2, planes));

    // A header announcing more than the buffer holds: bytes beyond it are read and dropped.
    const std::string ones(64, '\xFF');
    ByteSource big(ones);
    PlaneBuffer small(2, 8, 1);
    EXPECT_TRUE(ReadSpritePlanes(big, 16, 2, small));
    EXPECT_EQ(small.at(1, 7, 0), 1);

    ByteSource none("");
    EXPECT_FALSE(ReadSpriteHeader(none).complete);
}

}  // namespace
}  // namespace pixador

#include "files/preferences.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

const std::string kDefaultFile =
    "LCDColorSet= 1\r\n"
    "PromptForErasure= 1\r\n"
    "MonochromeWarning= 0\r\n"
    "IndentType= 1\r\n"
    "IndentChars= 2\r\n"
    "SampleCall= 1\r\n"
    "CopytoClipboard= 0\r\n"
    "SpriteName=sprite\r\n"
    "SpriteEncodeMethod= 0\r\n"
    "ExplicitDimensions= 1\r\n"
    "LayersArrangement= 1\r\n"
    "ItemsPerLine= 4\r\n"
    "ASCIIWidthx2= 0\r\n"
    "ASCIIcolors= .%#\r\n"
    "GraphLib= 0\r\n"
    "IncludeDefines= 1\r\n"
    "DefaultWidth= 8\r\n"
    "DefaultHeight= 8\r\n";

TEST(Preferences, MissingFileGivesDefaultsAndIsWrittenWithTheEighteenLines)
{
    TempDir dir;
    StateFixture f;
    f.state.preferences.ItemsPerLine = 9;
    ReadPreferences(f.state, dir.File("Pixador.ini"));
    EXPECT_EQ(f.state.preferences.ItemsPerLine, 4);
    EXPECT_EQ(TempDir::Read(dir.File("Pixador.ini")), kDefaultFile);
    EXPECT_TRUE(f.view.messages.empty());
}

TEST(Preferences, WrittenFileReadsBackEveryField)
{
    TempDir dir;
    StateFixture f;
    Preferences& p = f.state.preferences;
    p.LCDColorSet = false;
    p.PromptForErasure = false;
    p.MonochromeWarning = 2;
    p.IndentType = false;
    p.IndentChars = 0;
    p.SampleCall = false;
    p.CopytoClipboard = true;
    p.SpriteName = "ship_1";
    p.SpriteEncodeMethod = 2;
    p.ExplicitDimensions = false;
    p.LayersArrangement = 3;
    p.ItemsPerLine = 99;
    p.ASCIIWidthx2 = true;
    p.ASCIIcolors = {'a', ' ', '=', '@'};
    p.GraphLib = true;
    p.IncludeDefines = false;
    p.DefaultWidth = 32;
    p.DefaultHeight = 256;
    ASSERT_TRUE(WritePreferences(f.state, dir.File("p.ini")));

    StateFixture g;
    ReadPreferences(g.state, dir.File("p.ini"));
    const Preferences& q = g.state.preferences;
    EXPECT_FALSE(q.LCDColorSet);
    EXPECT_FALSE(q.PromptForErasure);
    EXPECT_EQ(q.MonochromeWarning, 2);
    EXPECT_FALSE(q.IndentType);
    EXPECT_EQ(q.IndentChars, 0);
    EXPECT_FALSE(q.SampleCall);
    EXPECT_TRUE(q.CopytoClipboard);
    EXPECT_EQ(q.SpriteName, "ship_1");
    EXPECT_EQ(q.SpriteEncodeMethod, 2);
    EXPECT_FALSE(q.ExplicitDimensions);
    EXPECT_EQ(q.LayersArrangement, 3);
    EXPECT_EQ(q.ItemsPerLine, 99);
    EXPECT_TRUE(q.ASCIIWidthx2);
    EXPECT_EQ(q.ASCIIcolors, (std::array<char, 4>{'a', ' ', '=', '@'}));
    EXPECT_TRUE(q.GraphLib);
    EXPECT_FALSE(q.IncludeDefines);
    EXPECT_EQ(q.DefaultWidth, 32);
    EXPECT_EQ(q.DefaultHeight, 256);
}

TEST(Preferences, ValuesHoldingLineBreaksStayOnTheirLine)
{
    TempDir dir;
    StateFixture f;
    f.state.preferences.SpriteName = "two\r\nlines";
    f.state.preferences.ASCIIcolors = {'o', '\n', '\r', '#'};
    ASSERT_TRUE(WritePreferences(f.state, dir.File("p.ini")));
    const std::string text = TempDir::Read(dir.File("p.ini"));
    EXPECT_NE(text.find("\r\nSpriteName=twolines\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nASCIIcolors=o  #\r\n"), std::string::npos) << "each character keeps its slot";

    StateFixture g;
    ReadPreferences(g.state, dir.File("p.ini"));
    EXPECT_EQ(g.state.preferences.SpriteName, "twolines");
    EXPECT_EQ(g.state.preferences.ASCIIcolors, (std::array<char, 4>{'o', ' ', ' ', '#'}));
}

TEST(Preferences, ReadingClampsAndFindsKeysLoosely)
{
    TempDir dir;
    const std::string path = dir.File("Pixador.ini");
    TempDir::Write(path,
                   "  itemsperline = 6\r\n"
                   "ItemsPerLine=250\n"       // repeated key overwrites; clamped to 99
                   "DefaultWidth= 24\r\n"
                   "DEFAULTHEIGHT= 0\r\n"
                   "LayersArrangement= 7\r"
                   "SpriteEncodeMethod=-1\r\n"
                   "IndentChars= 150\r\n"
                   "MonochromeWarning= 3\r\n"
                   "SpriteName=  ship  \r\n"
                   "ASCIIcolors=ab\r\n"
                   "=LCDColorSet= 0\r\n"      // starts with '=': skipped
                   "no equals sign here\r\n"
                   "SpriteName\r\n"           // no '=': skipped
                   "Unknown= 99999\r\n"
                   "GraphLib= 2.5\r\n");      // rounds to 2: true
    StateFixture f;
    ReadPreferences(f.state, path);
    const Preferences& p = f.state.preferences;
    EXPECT_EQ(p.ItemsPerLine, 99);
    EXPECT_EQ(p.DefaultWidth, 8);
    EXPECT_EQ(p.DefaultHeight, 1);
    EXPECT_EQ(p.LayersArrangement, 3);
    EXPECT_EQ(p.SpriteEncodeMethod, 0);
    EXPECT_EQ(p.IndentChars, 99);
    EXPECT_EQ(p.MonochromeWarning, 2);
    EXPECT_EQ(p.SpriteName, "ship");
    EXPECT_EQ(p.ASCIIcolors, (std::array<char, 4>{'a', 'b', ' ', ' '}));
    EXPECT_TRUE(p.LCDColorSet);
    EXPECT_TRUE(p.GraphLib);
    EXPECT_TRUE(f.view.messages.empty());

    TempDir::Write(path, "ItemsPerLine= 0\r\nDefaultWidth= 7\r\n");
    ReadPreferences(f.state, path);
    EXPECT_EQ(f.state.preferences.ItemsPerLine, 1);
    EXPECT_EQ(f.state.preferences.DefaultWidth, 8);
    EXPECT_EQ(f.state.preferences.SpriteName, "ship") << "keys not in the file keep their values";
}

TEST(Preferences, ANumberOutsideSixteenBitsFailsTheWholeRead)
{
    TempDir dir;
    const std::string path = dir.File("Pixador.ini");
    TempDir::Write(path, "IndentChars= 7\r\nItemsPerLine= 40000\r\n");
    StateFixture f;
    f.state.preferences.ASCIIWidthx2 = true;
    f.state.preferences.SpriteName = "kept?";
    ReadPreferences(f.state, path);
    EXPECT_EQ(f.state.preferences.IndentChars, 2);
    EXPECT_EQ(f.state.preferences.ItemsPerLine, 4);
    EXPECT_EQ(f.state.preferences.SpriteName, "sprite");
    EXPECT_TRUE(f.state.preferences.ASCIIWidthx2) << "the one field a failed read leaves";
    std::string expected = kDefaultFile;
    expected.replace(expected.find("ASCIIWidthx2= 0"), 15, "ASCIIWidthx2= 1");
    EXPECT_EQ(TempDir::Read(path), expected);

    TempDir::Write(path, "");
    f.state.preferences.IndentChars = 5;
    ReadPreferences(f.state, path);
    EXPECT_EQ(f.state.preferences.IndentChars, 2) << "an empty file is a failed read";
}

TEST(Preferences, FailedWriteShowsTheMessageAndKeepsValues)
{
    TempDir dir;
    StateFixture f;
    f.state.preferences.ItemsPerLine = 7;
    const std::string path = dir.File("missing-dir") + "/Pixador.ini";
    EXPECT_FALSE(WritePreferences(f.state, path));
    EXPECT_EQ(f.view.LastMessage(), "Error while trying to save preferences to" + path +
                                        "! Check if file is copy protected or the disk is full.");
    EXPECT_EQ(f.view.messages.back().title, "Error!!! Run for your lives!!");
    EXPECT_EQ(f.state.preferences.ItemsPerLine, 7);
}

}  // namespace
}  // namespace pixador

#include "compose/merge.h"

#include <gtest/gtest.h>

#include "core/history.h"
#include "core/prompts.h"
#include "files/pxd_file.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

// Row i of the sprite is black at x = i with a light gray mark at x = 7 ("C<i>"); row i of the
// file is dark gray at x = i with a black mark ("F<i>").
void MarkRows(StateFixture& f, bool file)
{
    for (int y = 0; y < f.state.sprite.height; ++y) {
        SetPixel(f.state, y, y, file ? kDarkGray : kBlack);
        SetPixel(f.state, 7, y, file ? kBlack : kLightGray);
    }
}

std::string RowNames(const StateFixture& f)
{
    std::string names;
    for (int y = 0; y < f.state.sprite.height; ++y) {
        const std::vector<int> row = f.Row(y);
        const bool file = row[7] == kBlack;
        for (int x = 0; x < 7; ++x)
            if (row[x] == (file ? kDarkGray : kBlack)) {
                names += file ? 'F' : 'C';
                names += static_cast<char>('0' + x);
                names += ' ';
            }
    }
    return names;
}

std::string WriteFile(const TempDir& dir, int width, int height, bool marked = true)
{
    StateFixture file(width, height);
    if (marked) MarkRows(file, true);
    const std::string path = dir.File(std::to_string(width) + "x" + std::to_string(height) + ".pxd");
    TempDir::Write(path, EncodeSprite(file.state));
    return path;
}

TEST(Merge, EachArrangementStacksTheRowsInItsOrder)
{
    struct Row {
        int mode;
        int H;
        int h;
        const char* rows;
    };
    const Row rows[] = {
        {kCurrentThenFile, 3, 3, "C0 C1 C2 F0 F1 F2 "},
        {kFileThenCurrent, 3, 3, "F0 F1 F2 C0 C1 C2 "},
        {kInterlacedFileFirst, 3, 3, "F0 C0 F1 C1 F2 C2 "},
        {kInterlacedCurrentFirst, 3, 3, "C0 F0 C1 F1 C2 F2 "},
        {kCurrentThenFile, 2, 4, "C0 C1 F0 F1 F2 F3 "},
        {kFileThenCurrent, 4, 1, "F0 C0 C1 C2 C3 "},
    };
    TempDir dir;
    for (const Row& row : rows) {
        StateFixture f(8, row.H);
        MarkRows(f, false);
        PushUndo(f.state);
        MergePanel panel;
        ASSERT_TRUE(panel.LoadMSprite(f.state, WriteFile(dir, 8, row.h)));
        EXPECT_EQ(panel.interlacedEnabled, row.H == row.h);
        panel.MergeMode_Click(f.state, row.mode);
        ASSERT_TRUE(panel.OkBttn_Click(f.state));
        EXPECT_EQ(f.state.sprite.height, row.H + row.h);
        EXPECT_EQ(RowNames(f), row.rows) << MergeModeCaption(row.mode);
        EXPECT_EQ(f.state.undoCount, 0);
        EXPECT_TRUE(f.view.messages.empty());
    }
}

TEST(Merge, RefusedFilesLeaveTheSpriteAsItWas)
{
    TempDir dir;
    const std::string shortFile = dir.File("short.pxd");
    TempDir::Write(shortFile, std::string("\x02\x03\x00\x00\x00", 5));
    const std::string noRows = dir.File("norows.pxd");
    TempDir::Write(noRows, std::string("\x02\x00", 2));
    struct Row {
        std::string path;
        std::string message;
    };
    const Row rows[] = {
        {WriteFile(dir, 8, 3), "Sprite MUST Have same width as your current drawing!"},
        {WriteFile(dir, 16, 157, false), "The sum of your drawing and this sprite heights must not exceed 256 pixels!"},
        {shortFile, "Error while reading " + shortFile + "!!"},
        {noRows, "Error while reading " + noRows + "!!"},
        {dir.File("missing.pxd"), "Error while reading " + dir.File("missing.pxd") + "!!"},
        {"", ""},
    };
    for (const Row& row : rows) {
        StateFixture f(16, 100);
        f.Scribble(1);
        PushUndo(f.state);
        const CellBuffer before = f.state.sprite.cells;
        MergePanel panel;
        EXPECT_FALSE(panel.LoadMSprite(f.state, row.path));
        EXPECT_EQ(f.view.LastMessage(), row.message);
        if (!row.message.empty()) {
            EXPECT_EQ(f.view.messages.back().title, kErrorTitle);
        }
        EXPECT_EQ(f.state.sprite.height, 100);
        EXPECT_EQ(f.state.sprite.cells, before);
        EXPECT_EQ(f.state.undoCount, 1);
    }
    // Exactly 256 rows is accepted.
    StateFixture f(16, 100);
    MergePanel panel;
    ASSERT_TRUE(panel.LoadMSprite(f.state, WriteFile(dir, 16, 156, false)));
    ASSERT_TRUE(panel.OkBttn_Click(f.state));
    EXPECT_EQ(f.state.sprite.height, 256);
    // A No to the irreversible-change question opens no merge panel.
    EXPECT_FALSE(MergeSprite_Click(f.state, panel));
}

TEST(Merge, OkChecksTheSpriteAsItIsNow)
{
    TempDir dir;
    StateFixture f(8, 3);
    MergePanel panel;
    ASSERT_TRUE(panel.LoadMSprite(f.state, WriteFile(dir, 8, 3)));
    panel.MergeMode_Click(f.state, kInterlacedCurrentFirst);
    // The dialog does not block the editor: heights that stopped matching fall back to the
    // first arrangement, shown before it is applied.
    ResizeSprite(f.state, 8, 2);
    MarkRows(f, false);
    EXPECT_FALSE(panel.OkBttn_Click(f.state));
    EXPECT_EQ(f.view.messages.back().title, kWarningTitle);
    EXPECT_EQ(f.view.LastMessage(), "Interlaced mode isn't available for Sprites with missmatching height!");
    EXPECT_FALSE(panel.interlacedEnabled);
    ASSERT_TRUE(panel.OkBttn_Click(f.state));
    EXPECT_EQ(RowNames(f), "C0 C1 F0 F1 F2 ");
    // Another width by now: nothing is merged.
    ResizeSprite(f.state, 16, 2);
    EXPECT_TRUE(panel.OkBttn_Click(f.state));
    EXPECT_EQ(f.view.LastMessage(), "Sprite MUST Have same width as your current drawing!");
    EXPECT_EQ(f.state.sprite.height, 2);
}

}  // namespace
}  // namespace pixador

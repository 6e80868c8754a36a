#include "compose/mask.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/history.h"
#include "core/prompts.h"
#include "files/pxd_file.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

// Writes an 8 x 1 sprite file whose pixels 0..3 carry (s, m) = 00, 01, 10, 11 when used as the
// mask of the sprite from SpriteWithBits: both planes hold the bits m = 0, 1, 0, 1.
std::string WriteMask(const TempDir& dir, const std::string& name, int width = 8, int height = 1)
{
    StateFixture mask(width, height);
    for (int x = 1; x < 4; x += 2) SetPixel(mask.state, x, 0, kBlack);
    const std::string path = dir.File(name);
    TempDir::Write(path, EncodeSprite(mask.state));
    return path;
}

// Both planes hold s = 0, 0, 1, 1 in pixels 0..3.
void SpriteWithBits(StateFixture& f)
{
    SetPixel(f.state, 2, 0, kBlack);
    SetPixel(f.state, 3, 0, kBlack);
}

TEST(Mask, EachOperationFollowsItsTruthTableOnBothPlanes)
{
    struct Row {
        int code;
        const char* caption;
        std::array<int, 4> bits;  // s,m = 00, 01, 10, 11
    };
    const Row rows[] = {
        {kMaskNot, "NOT", {1, 1, 0, 0}}, {kMaskAnd, "AND*", {0, 0, 0, 1}}, {kMaskOr, "OR*", {0, 1, 1, 1}},
        {kMaskXor, "XOR*", {0, 1, 1, 0}}, {kMaskImp, "IMP*", {1, 1, 0, 1}}, {kMaskEqv, "EQV*", {1, 0, 0, 1}},
    };
    TempDir dir;
    StateFixture f(8, 1);
    SpriteWithBits(f);
    MaskPanel panel(f.state);
    panel.LoadMask(f.state, WriteMask(dir, "mask.pxd"));
    ASSERT_TRUE(f.view.messages.empty());
    for (const Row& row : rows) {
        EXPECT_STREQ(MaskOpCaption(row.code), row.caption);
        for (int plane = 0; plane < 2; ++plane) {
            // The other plane keeps NOT, so each plane is seen to follow its own code.
            panel.ChooseOp(f.state, 1 - plane, kMaskNot);
            panel.ChooseOp(f.state, plane, row.code);
            for (int x = 0; x < 4; ++x) {
                EXPECT_EQ(panel.MaskResult.at(plane, x, 0), row.bits[x]) << row.caption << " plane " << plane << " x " << x;
                EXPECT_EQ(panel.MaskResult.at(1 - plane, x, 0), x < 2 ? 1 : 0) << row.caption;
            }
        }
    }
}

TEST(Mask, OkAppliesOneUndoableStepOverTheWholeSpriteDespiteASelection)
{
    StateFixture f(8, 2);
    SetPixel(f.state, 0, 0, kDarkGray);
    f.state.selection = {true, 4, 1, 2, 1};
    MaskPanel panel(f.state);
    // NOT on both planes needs no file.
    ASSERT_TRUE(panel.OkBttn_Click(f.state));
    EXPECT_EQ(f.Row(0), (std::vector<int>{1, 3, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(f.Row(1), std::vector<int>(8, 3));
    EXPECT_FALSE(f.state.saved);
    ASSERT_EQ(f.state.undoCount, 1);
    UndoStep(f.state);
    EXPECT_EQ(f.Row(0), (std::vector<int>{2, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(Mask, BadMaskFilesKeepTheMaskInForce)
{
    TempDir dir;
    StateFixture f(8, 1);
    MaskPanel panel(f.state);
    const std::string good = WriteMask(dir, "good.pxd");
    ASSERT_TRUE(panel.MaskFile_LostFocus(f.state, good));
    const std::string size = "Mask Sprite MUST have the same size as your current drawing!";
    const std::string bad = "An error has occured while loading Mask Sprite!";
    struct Row {
        std::string bytes;  // "-" for no file at all
        std::string message;
        std::string shownPath;  // what the path box holds afterwards
    };
    const Row rows[] = {
        {EncodeSprite(StateFixture(8, 2).state), size, good},
        {EncodeSprite(StateFixture(16, 1).state), size, good},
        {std::string("\x01\x01\xFF", 3), bad, good},  // ends inside the planes
        {std::string("\x01", 1), bad, good},          // ends inside the header
        {"-", "Filename doesn't exist!!", ""},
    };
    for (const Row& row : rows) {
        const std::string path = dir.File("bad.pxd");
        std::filesystem::remove(path);
        if (row.bytes != "-") TempDir::Write(path, row.bytes);
        EXPECT_FALSE(panel.MaskFile_LostFocus(f.state, path));
        EXPECT_EQ(f.view.LastMessage(), row.message);
        EXPECT_EQ(f.view.messages.back().title, row.message == size ? kWarningTitle : kErrorTitle);
        EXPECT_EQ(panel.MaskFile, row.shownPath);
        EXPECT_EQ(panel.MaskPlanes.at(0, 1, 0), 1) << "the mask in force stays";
    }
}

TEST(Mask, SpriteResizedBehindThePanelDropsTheMask)
{
    TempDir dir;
    StateFixture f(8, 1);
    MaskPanel panel(f.state);
    panel.LoadMask(f.state, WriteMask(dir, "mask.pxd"));
    panel.ChooseOp(f.state, 0, kMaskOr);
    ResizeSprite(f.state, 8, 4);  // the height alone
    EXPECT_FALSE(panel.OkBttn_Click(f.state));
    EXPECT_EQ(f.view.LastMessage(), "File Is needed to apply mask!");
    EXPECT_EQ(panel.MaskFile, "") << "the panel no longer names the file";
    panel.ChooseOp(f.state, 0, kMaskNot);
    ASSERT_TRUE(panel.OkBttn_Click(f.state));
    EXPECT_EQ(f.Row(3), std::vector<int>(8, 3));
}

}  // namespace
}  // namespace pixador

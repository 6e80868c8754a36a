#include "files/conf_guards.h"

#include <gtest/gtest.h>

#include "core/size_dialog.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

TEST(ConfGuards, LineBreaksTypedOrPastedIntoOneLineBoxesAreDropped)
{
    struct Row {
        std::string typed;
        int caret;
        std::string text;
        int newCaret;
    };
    const Row rows[] = {
        {"ab\r\ncd", 6, "abcd", 4},
        {"a\nb", 1, "ab", 1},
        {"a\nb", 2, "ab", 1},
        {"\r", 1, "", 0},
        {"a\nb", 0, "ab", 0},
        {"/home/u/\nsprite.pxd", 19, "/home/u/sprite.pxd", 18},
    };
    for (const Row& r : rows) {
        const std::optional<GuardedText> out = OneLineBox_Change(r.typed, r.caret);
        ASSERT_TRUE(out) << r.typed;
        EXPECT_EQ(out->text, r.text);
        EXPECT_EQ(out->caret, r.newCaret) << r.typed;
    }
    EXPECT_FALSE(OneLineBox_Change("plain text", 3));

    // The boxes with rules of their own drop line breaks first.
    const std::optional<GuardedText> name = SpriteName_Change("9\nlives ok", 10);
    ASSERT_TRUE(name);
    EXPECT_EQ(name->text, "Nine_lives_ok");
    EXPECT_EQ(name->caret, 13);
    EXPECT_EQ(SpriteName_Change("my\r\nship", 8)->text, "myship");
    EXPECT_EQ(SpriteName_Change("0x", 2)->text, "Zero_x");
    EXPECT_EQ(SpriteName_Change("9", 1)->text, "Nine_");
    EXPECT_EQ(SpriteName_Change("a b", 0)->caret, 0);
    EXPECT_EQ(DefH_Change("1\n2"), "12");
    EXPECT_EQ(DefH_Change("\n999"), "256");
    EXPECT_FALSE(DefH_Change("12"));
    EXPECT_FALSE(DefH_Change("1"));
    EXPECT_EQ(ePerLine_Change("3\r\n"), "3");
    EXPECT_EQ(HeightBox_Change("2\n0"), "20");
    EXPECT_FALSE(HeightBox_Change("20"));
    EXPECT_FALSE(HeightBox_Change("1"));
    for (int entry : {0, 1, 2}) EXPECT_EQ(WidthEntryFor(8 << entry), entry) << "the size dialog opens on the width";

    // Each ASCII box shows its one character.
    testing::StateFixture f;
    EXPECT_EQ(ControlsFromPreferences(f.state).asciiBoxes[3], std::string(1, f.state.preferences.ASCIIcolors[3]));
}

}  // namespace
}  // namespace pixador

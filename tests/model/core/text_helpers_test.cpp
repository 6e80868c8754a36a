#include "core/text_helpers.h"

#include <gtest/gtest.h>

namespace pixador {
namespace {

const std::string sep(1, kPathSeparator);

TEST(TextHelpers, PathsJoinAndSplitOnThePlatformSeparator)
{
    EXPECT_EQ(JoinPath("dir", "a.ini"), "dir" + sep + "a.ini");
    EXPECT_EQ(JoinPath("dir" + sep, "a.ini"), "dir" + sep + "a.ini");
    EXPECT_EQ(JoinPath("", "a.ini"), sep + "a.ini");

    EXPECT_EQ(DirectoryOf("one" + sep + "two" + sep + "f.pxd"), "one" + sep + "two");
    EXPECT_EQ(DirectoryOf("f.pxd"), "");
    EXPECT_EQ(DirectoryOf(sep + "f.pxd"), "") << "a separator only at the first character";
    EXPECT_EQ(FileNameOf("one" + sep + "f.pxd"), "f.pxd");
    EXPECT_EQ(FileNameOf("f.pxd"), "f.pxd");
}

TEST(TextHelpers, CharacterEdits)
{
    EXPECT_EQ(StripNulls(std::string("a\0b\0", 4)), "ab");
    EXPECT_EQ(ReplaceChar("a b c", ' ', '_'), "a_b_c");
    EXPECT_EQ(CountChar("a,b,,c", ','), 3);

    std::string rest = "12,34,56";
    EXPECT_EQ(SplitFirst(rest, ','), "12");
    EXPECT_EQ(rest, "34,56");
    EXPECT_EQ(SplitFirst(rest, ','), "34");
    EXPECT_EQ(SplitFirst(rest, ','), "56");
    EXPECT_EQ(rest, "");
    EXPECT_EQ(SplitFirst(rest, ','), "");

    EXPECT_EQ(DigitName(0), "Zero");
    EXPECT_EQ(DigitName(9), "Nine");
    EXPECT_EQ(DigitName(10), "");
    EXPECT_EQ(DigitName(-1), "");

    EXPECT_EQ(TrimBlanks("  key \t"), "key");
    EXPECT_TRUE(EndsWithNoCase("ship.PXD", ".pxd"));
    EXPECT_FALSE(EndsWithNoCase("xd", ".pxd"));
}

}  // namespace
}  // namespace pixador

#include "core/quick_access.h"

#include <gtest/gtest.h>

namespace pixador {
namespace {

TEST(QuickAccess, FullListDropsOldestAndComparesExactly)
{
    QuickAccessList list;
    for (int i = 1; i <= 9; ++i) AddQuickAccess(list, "f" + std::to_string(i));
    EXPECT_EQ(list.count, 9);
    AddQuickAccess(list, "f10");
    EXPECT_EQ(list.count, 9);
    EXPECT_EQ(list.entries[0], "f2");
    EXPECT_EQ(list.entries[8], "f10");
    EXPECT_FALSE(IsInQuickAccess(list, "f1"));
    EXPECT_TRUE(IsInQuickAccess(list, "f10"));
    EXPECT_FALSE(IsInQuickAccess(list, "F10")) << "case matters";

    QuickAccessList two;
    AddQuickAccess(two, "a");
    two.entries[5] = "stale";
    EXPECT_FALSE(IsInQuickAccess(two, "stale")) << "only the first count entries";
}

}  // namespace
}  // namespace pixador

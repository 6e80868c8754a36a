#include "core/trig_tables.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"

namespace pixador {
namespace {

TEST(TrigTables, UseTheEditorsPiAndRoundHalvesToEven)
{
    testing::StateFixture f;
    BuildTrigTables(f.state);
    EXPECT_EQ(f.state.sineTable[0], 0);
    EXPECT_EQ(f.state.sineTable[30], 128);
    EXPECT_EQ(f.state.cosineTable[60], 127);
    EXPECT_EQ(f.state.cosineTable[90], 0);
    EXPECT_EQ(f.state.sineTable[90], 255);
    EXPECT_EQ(f.state.cosineTable[0], 255);
    for (int d = 1; d <= 90; ++d) EXPECT_GE(f.state.sineTable[d], f.state.sineTable[d - 1]);
}

}  // namespace
}  // namespace pixador

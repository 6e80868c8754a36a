#include "core/noise_filter.h"

#include <gtest/gtest.h>

#include <array>

#include "core/noise_dialog.h"
#include "support/area_cases.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

std::array<int, 4> CountLevels(const StateFixture& f)
{
    std::array<int, 4> counts{};
    for (int y = 0; y < f.state.sprite.height; ++y)
        for (const int level : f.Row(y)) ++counts[level];
    return counts;
}

// n = W * H * percent / 100 draws with replacement on a white 32 x 256 sprite: a share
// 1 - e^(-n / N) of the pixels is drawn, three quarters of those get a non-white level.
TEST(NoiseFilter, DrawsTheShareOfPixelsWithUniformLevels)
{
    struct Case { int percent; double nonWhite; };
    for (const Case c : {Case{0, 0.0}, Case{50, 0.2951}, Case{100, 0.4741}, Case{250, 0.4741}}) {
        StateFixture f(32, 256);
        NoiseApplyBttn_Click(f.state, c.percent);
        const std::array<int, 4> counts = CountLevels(f);
        const double nonWhite = (8192.0 - counts[0]) / 8192.0;
        EXPECT_NEAR(nonWhite, c.nonWhite, 0.02) << c.percent;
        for (int level = 1; level < 4 && c.percent > 0; ++level)
            EXPECT_NEAR(counts[level] / (8192.0 - counts[0]), 1.0 / 3, 0.04) << c.percent << " level " << level;
        EXPECT_EQ(f.state.undoCount, 1);
        StateFixture again(32, 256);
        AddNoise(again.state, c.percent);
        EXPECT_EQ(again.state.sprite.cells, f.state.sprite.cells) << "the seed comes from the view's clock";
    }
}

// The same clock gives the same draws, so inside an active area the sprite ends as a run without
// one leaves it (later draws overwrite earlier ones), and outside it nothing changes.
TEST(NoiseFilter, ActiveAreaKeepsTheWholeSpriteDrawsInsideAndNothingOutside)
{
    // Pinned: the fixture clock's 256 draws on a white 16 x 16 sprite.
    StateFixture pinned(16, 16);
    AddNoise(pinned.state, 100);
    EXPECT_EQ(pinned.Row(0), (std::vector<int>{0, 0, 0, 1, 0, 0, 0, 0, 3, 2, 0, 3, 1, 1, 0, 3}));
    EXPECT_EQ(pinned.Row(15), (std::vector<int>{3, 1, 2, 1, 2, 3, 0, 0, 0, 0, 3, 0, 3, 3, 0, 0}));

    for (const testing::AreaCase& c : testing::AreaCases()) {
        StateFixture limited(c.width, c.height);
        StateFixture whole(c.width, c.height);
        testing::Speckle(limited, 2);
        testing::Speckle(whole, 2);
        const std::vector<std::vector<int>> before = limited.Levels();
        limited.state.selection = c.selection;
        AddNoise(limited.state, 60);
        AddNoise(whole.state, 60);
        const std::vector<std::vector<int>> after = whole.Levels();
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                EXPECT_EQ(limited.Row(y)[x], InActiveArea(limited.state, x, y) ? after[y][x] : before[y][x])
                    << c.Name() << " at " << x << "," << y;
    }
}

TEST(NoiseFilter, AmountBoxCorrectsItselfAndFeedsTheScrollBar)
{
    struct Case { const char* typed; const char* fixed; int percentage; };
    for (const Case c : {Case{"25", nullptr, 25}, Case{"-5", "0", 0}, Case{"250", "100", 100},
                         Case{"abc", "0", 0}, Case{"", "0", 0}, Case{"50.5", nullptr, 50},
                         Case{"99.7x", nullptr, 100}, Case{"1e300", "100", 100}}) {
        const NoiseBoxChange change = NoiseBox_Change(c.typed);
        EXPECT_EQ(change.text.value_or("(stands)"), c.fixed ? c.fixed : "(stands)") << c.typed;
        EXPECT_EQ(change.percentage, c.percentage) << c.typed;
    }
    EXPECT_EQ(NoisePercentage_Change(40), "40");
}

}  // namespace
}  // namespace pixador

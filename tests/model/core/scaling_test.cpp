#include "core/scaling.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/area_cases.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

TEST(Scaling, SampleBilinearBlendsNeighboursAndRoundsDown)
{
    StateFixture f(8, 8);
    SetPixel(f.state, 0, 0, 3);
    SetPixel(f.state, 1, 0, 1);
    EXPECT_EQ(SampleBilinear(f.state, 0.0f, 0.0f), 3);
    // top = (1 - 3) * 0.5 + 3 = 2; bottom = 0; value = (0 - 2) * 0.25 + 2 = 1.5 -> 1
    EXPECT_EQ(SampleBilinear(f.state, 0.5f, 0.25f), 1);
    EXPECT_EQ(SampleBilinear(f.state, 0.5f, 0.0f), 2);
    // Beyond the sprite everything reads as white.
    EXPECT_EQ(SampleBilinear(f.state, 7.5f, 7.5f), 0);
    EXPECT_EQ(SampleBilinear(f.state, -0.5f, 0.0f), 1);  // (3 - 0) * 0.5 + 0 = 1.5
}

TEST(Scaling, DoublingBlendsTheEdgesWithWhiteAndEmptiesHistory)
{
    StateFixture f(16, 16);
    FillSprite(f.state, 1);  // all black
    ScaleSprite(f.state, 32, 32);
    ASSERT_EQ(f.state.sprite.width, 32);
    ASSERT_EQ(f.state.sprite.height, 32);
    // Column 31 samples 15.5: half black, half white outside -> 1.5 -> light gray.
    EXPECT_EQ(GetPixel(f.state, 31, 0), 1);
    EXPECT_EQ(GetPixel(f.state, 30, 30), 3);
    EXPECT_EQ(GetPixel(f.state, 31, 31), 0);  // 0.75 -> 0
    ScaleSprite(f.state, 16, 16);
    EXPECT_EQ(GetPixel(f.state, 0, 0), 3);
    // Halving reads the even columns only, so the blended edge column is skipped.
    EXPECT_EQ(GetPixel(f.state, 15, 15), 3);
    EXPECT_EQ(f.state.undoCount, 0);
}

TEST(Scaling, SelectionLimitsWhatIsReadAndOversizeIsIgnored)
{
    StateFixture f(8, 8);
    FillSprite(f.state, 1);
    f.state.selection = {true, 0, 0, 4, 8};
    ScaleSprite(f.state, 8, 8);
    EXPECT_EQ(GetPixel(f.state, 2, 2), 3);
    EXPECT_EQ(GetPixel(f.state, 3, 2), 3) << "at scale 1 a sample takes no weight from its neighbour";
    EXPECT_EQ(GetPixel(f.state, 5, 2), 0);
    ScaleSprite(f.state, 64, 256);
    EXPECT_EQ(f.state.sprite.width, 8);
}

TEST(Scaling, HalvingAndDoublingMatchAReferenceOverSizes)
{
    for (int h : {1, 2, 7, 128, 256}) {
        StateFixture f(32, h);
        f.Scribble(h);
        std::vector<int> expect;
        const int nh = std::max(1, h / 2);
        const float sy = static_cast<float>(h) / static_cast<float>(nh);
        for (int x = 0; x < 16; ++x)
            for (int y = 0; y < nh; ++y) expect.push_back(SampleBilinear(f.state, x * 2.0f, y * sy));
        ScaleSprite(f.state, 16, nh);
        std::vector<int> got;
        for (int x = 0; x < 16; ++x)
            for (int y = 0; y < nh; ++y) got.push_back(GetPixel(f.state, x, y));
        EXPECT_EQ(got, expect) << "height " << h;
    }
}

// ScaleSprite gives every new pixel SampleBilinear(nx * sx, ny * sy) of the old sprite.
TEST(Scaling, ScaleMatchesSampleBilinearOverSizesAndActiveAreas)
{
    for (const testing::AreaCase& c : testing::AreaCases()) {
        for (const auto& [nw, nh] : {std::pair{std::max(1, c.width / 2), c.height * 2}, {c.width + 3, std::max(1, c.height - 1)}}) {
            StateFixture f(c.width, c.height);
            testing::Speckle(f, 3);
            f.state.selection = c.selection;
            const float sx = static_cast<float>(c.width) / static_cast<float>(nw);
            const float sy = static_cast<float>(c.height) / static_cast<float>(nh);
            std::vector<std::vector<int>> expect(nh, std::vector<int>(nw));
            for (int ny = 0; ny < nh; ++ny)
                for (int nx = 0; nx < nw; ++nx) expect[ny][nx] = SampleBilinear(f.state, nx * sx, ny * sy);
            ScaleSprite(f.state, nw, nh);
            EXPECT_EQ(f.Levels(), expect) << c.Name() << " to " << nw << "x" << nh;
        }
    }
}

}  // namespace
}  // namespace pixador

#include "canvas/fill_tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <utility>
#include <vector>

#include "support/area_cases.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;
using Cells = std::vector<std::pair<int, int>>;

// The region a 4-connected fill from (x, y) must change: target cells inside the active area
// and the sprite, reached through such cells.
Cells PlainRegion(const EditorState& s, int x, int y, int level)
{
    const auto inside = [&s](int cx, int cy) {
        return InActiveArea(s, cx, cy) && cx >= 0 && cy >= 0 && cx < s.sprite.width && cy < s.sprite.height;
    };
    if (!inside(x, y) || GetPixel(s, x, y) == level) return {};
    const int target = GetPixel(s, x, y);
    Cells region;
    std::deque<std::pair<int, int>> next{{x, y}};
    while (!next.empty()) {
        const auto [cx, cy] = next.front();
        next.pop_front();
        if (!inside(cx, cy) || GetPixel(s, cx, cy) != target ||
            std::find(region.begin(), region.end(), std::pair{cx, cy}) != region.end())
            continue;
        region.emplace_back(cx, cy);
        for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) next.emplace_back(cx + dx, cy + dy);
    }
    std::sort(region.begin(), region.end());
    return region;
}

// Every cell of the region is filled and painted once, and nothing else changes.
TEST(FillTools, FloodFillChangesAndPaintsExactlyTheConnectedRegion)
{
    for (const testing::AreaCase& c : testing::AreaCases()) {
        for (const auto& [x, y] : {std::pair{0, 0}, {c.width / 2, c.height / 2}, {c.width - 1, c.height - 1},
                                   {-1, 0}, {c.width, 1}}) {
            for (const auto& [level, levels] : {std::pair{kBlack, 2}, {kWhite, 2}, {kWhite, 4}}) {
                StateFixture f(c.width, c.height);
                testing::Speckle(f, 4, levels);
                f.state.selection = c.selection;
                const Cells region = PlainRegion(f.state, x, y, level);
                std::vector<std::vector<int>> expect = f.Levels();
                for (const auto& [cx, cy] : region) expect[cy][cx] = level;

                FloodFill(f.state, x, y, level);
                Cells painted = f.view.paintedPixels;
                std::sort(painted.begin(), painted.end());
                EXPECT_EQ(f.Levels(), expect) << c.Name() << " from " << x << "," << y;
                EXPECT_EQ(painted, region) << c.Name() << " from " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace pixador

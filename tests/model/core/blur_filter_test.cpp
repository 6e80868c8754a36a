#include "core/blur_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/numbers.h"
#include "support/area_cases.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

void Put(EditorState& s, std::initializer_list<std::array<int, 3>> pixels)
{
    for (const auto& p : pixels) SetPixel(s, p[0], p[1], p[2]);
}

// The pixel is summed but not counted: inner / 8, edge / 5, corner / 3, halves to even.
TEST(BlurFilter, SumsDivisorsAndRoundingHalvesToEven)
{
    struct Case {
        const char* name;
        std::function<void(EditorState&)> draw;
        int x, y, expected;
    };
    const Case cases[] = {
        {"lone black pixel vanishes (3/8)", [](EditorState& s) { Put(s, {{3, 3, 3}}); }, 3, 3, 0},
        {"black stays black (27/8)", [](EditorState& s) { FillSprite(s, 1); }, 3, 3, 3},
        {"black edge limited (18/5)", [](EditorState& s) { FillSprite(s, 1); }, 0, 3, 3},
        {"sum 12 gives 2 (1.5)",
         [](EditorState& s) { Put(s, {{2, 2, 2}, {3, 2, 2}, {4, 2, 2}, {2, 4, 2}, {3, 4, 2}, {4, 4, 2}}); }, 3, 3, 2},
        {"sum 20 gives 2 (2.5)",
         [](EditorState& s) { Put(s, {{3, 3, 2}, {2, 2, 3}, {3, 2, 3}, {4, 2, 3}, {2, 4, 3}, {3, 4, 3}, {4, 4, 3}}); }, 3, 3, 2},
        {"sum 4 gives 0 (0.5)", [](EditorState& s) { Put(s, {{2, 2, 2}, {4, 4, 2}}); }, 3, 3, 0},
        {"corner divides by 3", [](EditorState& s) { Put(s, {{0, 0, 3}, {1, 0, 3}, {0, 1, 3}}); }, 0, 0, 3},
        {"edge divides by 5", [](EditorState& s) { Put(s, {{2, 0, 1}, {4, 0, 1}, {2, 1, 1}}); }, 3, 0, 1},
        {"outside the selection reads white but counts",
         [](EditorState& s) {
             FillSprite(s, 1);
             s.selection = {true, 2, 2, 4, 4};
         },
         2, 2, 2},
    };
    for (const Case& c : cases) {
        StateFixture f(8, 8);
        c.draw(f.state);
        BlurSprite(f.state);
        EXPECT_EQ(f.Row(c.y)[c.x], c.expected) << c.name;
    }
}

// The pixel rule, neighbour by neighbour through GetPixel, into a grid, then SetPixel.
void PlainBlur(EditorState& s)
{
    const int w = s.sprite.width;
    const int h = s.sprite.height;
    std::vector<std::vector<int>> grid(w, std::vector<int>(h));
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            int sum = GetPixel(s, x, y);
            int count = 0;
            for (int i = -1; i <= 1; ++i) {
                for (int j = -1; j <= 1; ++j) {
                    if ((i || j) && x + i >= 0 && x + i < w && y + j >= 0 && y + j < h) {
                        ++count;
                        sum += GetPixel(s, x + i, y + j);
                    }
                }
            }
            const float value = count ? static_cast<float>(sum) / static_cast<float>(count) : static_cast<float>(sum);
            grid[x][y] = static_cast<int>(std::min(RoundHalfEven(value), 3.0));
        }
    }
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) SetPixel(s, x, y, grid[x][y]);
}

TEST(BlurFilter, MatchesThePixelRuleOverSizesAndActiveAreas)
{
    testing::ExpectPassMatchesRule(7, BlurSprite, PlainBlur);
}

}  // namespace
}  // namespace pixador

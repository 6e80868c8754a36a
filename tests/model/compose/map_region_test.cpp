#include "compose/map_region.h"

#include <gtest/gtest.h>

#include <vector>

namespace pixador {
namespace {

struct Step {
    char kind;  // 'd' down, 'm' move, 'u' up
    int buttons, x, y;
};

TEST(MapRegion, DragMovesResizeGrowsAndThePictureHoldsTheRectangle)
{
    struct Row {
        const char* name;
        std::vector<Step> steps;
        int left, top, width, height;
        bool sizing;
    };
    const Row rows[] = {
        {"press inside moves the corner to the pointer", {{'d', 1, 10, 12}}, 10, 12, 32, 32, false},
        {"drag follows", {{'d', 1, 5, 5}, {'m', 1, 20, 30}, {'u', 0, 20, 30}}, 20, 30, 32, 32, false},
        {"moving without a button leaves it", {{'m', 0, 20, 30}}, 0, 0, 32, 32, false},
        {"corner grip resizes", {{'d', 1, 34, 33}, {'m', 1, 50, 40}}, 0, 0, 50, 40, true},
        {"three pixels off is no grip", {{'d', 1, 35, 32}}, 35, 32, 32, 32, false},
        {"resize never below one pixel", {{'d', 1, 32, 32}, {'m', 1, -5, 0}}, 0, 0, 32, 32, true},
        {"resize onto the left edge keeps the width", {{'d', 1, 32, 32}, {'m', 1, 0, 50}}, 0, 0, 32, 50, true},
        {"release ends resizing", {{'d', 1, 32, 32}, {'u', 0, 32, 32}, {'m', 0, 90, 90}}, 0, 0, 32, 32, false},
        {"left of the picture stops at 0", {{'d', 1, -20, -3}}, 0, 0, 32, 32, false},
        {"past the right edge the width shrinks", {{'d', 1, 90, 70}}, 90, 70, 10, 10, false},
        {"far past the edge the rectangle backs in", {{'d', 1, 500, 500}}, 68, 48, 32, 32, false},
        {"resize past the edge is cut", {{'d', 1, 32, 32}, {'m', 1, 150, 150}}, 0, 0, 100, 80, true},
    };
    for (const Row& r : rows) {
        MapRegion region(100, 80);
        region.visible = true;
        for (const Step& s : r.steps) {
            if (s.kind == 'd') region.MouseDown(s.buttons, s.x, s.y);
            else if (s.kind == 'm') region.MouseMove(s.buttons, s.x, s.y);
            else region.MouseUp();
        }
        EXPECT_EQ(region.left, r.left) << r.name;
        EXPECT_EQ(region.top, r.top) << r.name;
        EXPECT_EQ(region.width, r.width) << r.name;
        EXPECT_EQ(region.height, r.height) << r.name;
        EXPECT_EQ(region.SizingCursor(), r.sizing) << r.name;
    }
}

TEST(MapRegion, HiddenToolIgnoresTheMouse)
{
    MapRegion region(20, 10);
    region.MouseDown(1, 20, 10);
    region.MouseMove(1, 5, 5);
    EXPECT_FALSE(region.SizingCursor());
    EXPECT_EQ(region.OriginText(), "0,0");
    EXPECT_EQ(region.WidthText() + "x" + region.HeightText(), "20x10") << "starts no larger than the picture";
}

}  // namespace
}  // namespace pixador

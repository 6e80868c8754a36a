// The sample plug-ins shipped in filters/, run through the real plugrun.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>

#include "compose/plugin_host.h"
#include "model/compose/plugin_fixture.h"

namespace pixador {
namespace {

using testing::BinDir;
using testing::SamplePlugin;

struct Sprite {
    int w, h;
    std::array<unsigned char, PXD_CELL_COUNT> cells{};
    int Level(int x, int y) const { return 2 * cells[y * w + x] + cells[(h + y) * w + x]; }
    void Set(int x, int y, int level)
    {
        cells[y * w + x] = level >> 1;
        cells[(h + y) * w + x] = level & 1;
    }
    std::vector<int> Row(int y) const
    {
        std::vector<int> r;
        for (int x = 0; x < w; ++x) r.push_back(Level(x, y));
        return r;
    }
};

// Configures the plug-in, lets the test change the record as the dialog would, applies it.
int ApplyPlugin(const char* plugin, Sprite& s, FilterArea area, const std::function<void(FilterParams&)>& edit = {})
{
    static PlugRunLibrary library(BinDir());
    const PlugRunExports& x = *library.Exports();
    const std::string path = SamplePlugin(plugin);
    FilterParams p{};
    x.cstructrst(&p);
    EXPECT_EQ(x.filter_conf(path.c_str(), &area, &p), 1) << plugin;
    if (edit) edit(p);
    return x.filter_apply(path.c_str(), s.cells.data(), &area, &p);
}

TEST(SamplePlugins, OutlineSeesPastTheSelectionButPaintsOnlyInside)
{
    struct Row {
        int touching;
        std::vector<int> row2, row3;
    };
    for (const Row& r : {Row{0, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 3, 3, 0}}, Row{1, {0, 0, 0, 3, 0, 0}, {0, 0, 0, 3, 3, 0}}}) {
        Sprite s{6, 6};
        s.Set(4, 3, 3);
        EXPECT_EQ(ApplyPlugin("outline.so", s, {6, 6, 1, 1, 3, 5}, [&](FilterParams& p) { p.lpara[1].selected = r.touching; }), 1);
        EXPECT_EQ(s.Row(2), r.row2);
        EXPECT_EQ(s.Row(3), r.row3);
        EXPECT_EQ(s.Row(4), r.row2);
    }
}

TEST(SamplePlugins, CheckerboardTilesFromTheRectanglesCorner)
{
    Sprite s{8, 2};
    EXPECT_EQ(ApplyPlugin("checker.so", s, {8, 2, 0, 0, 7, 1}, [](FilterParams& p) { std::strcpy(p.strings[0], "2"); }), 1);
    EXPECT_EQ(s.Row(0), (std::vector<int>{3, 3, 0, 0, 3, 3, 0, 0}));
    EXPECT_EQ(s.Row(1), (std::vector<int>{0, 0, 3, 3, 0, 0, 3, 3}));
}

TEST(SamplePlugins, GradientRampsThroughTheFourLevels)
{
    Sprite s{32, 4};
    EXPECT_EQ(ApplyPlugin("gradient.so", s, {32, 4, 0, 0, 31, 3}), 1);
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 4; ++y) {
            const double ideal = 3.0 * x / 31;
            EXPECT_GE(s.Level(x, y), static_cast<int>(ideal)) << x;
            EXPECT_LE(s.Level(x, y), static_cast<int>(ideal) + (ideal > static_cast<int>(ideal))) << x;
        }
    EXPECT_EQ(s.Row(0).front(), 0);
    EXPECT_EQ(s.Row(0).back(), 3);
}

TEST(SamplePlugins, DitherKeepsTheDarknessOfEachGray)
{
    for (int level : {0, 1, 2, 3}) {
        Sprite s{8, 8};
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 8; ++y) s.Set(x, y, level);
        EXPECT_EQ(ApplyPlugin("bw_dither.so", s, {8, 8, 0, 0, 7, 7}), 1);
        int black = 0;
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 8; ++y) {
                EXPECT_TRUE(s.Level(x, y) == 0 || s.Level(x, y) == 3);
                black += s.Level(x, y) == 3;
            }
        const int expected[] = {0, 20, 44, 64};
        EXPECT_EQ(black, expected[level]) << level;
    }
}

TEST(SamplePlugins, UnusableParametersFailAndChangeNothing)
{
    struct Row {
        const char* plugin;
        std::function<void(FilterParams&)> edit;
    };
    const auto text = [](int i, const char* value) { return [=](FilterParams& p) { std::strcpy(p.strings[i], value); }; };
    const Row rows[] = {{"outline.so", text(0, "0")},    {"outline.so", text(0, "abc")},
                        {"outline.so", text(0, "9")},    {"checker.so", text(1, "-2")},
                        {"bw_dither.so", text(0, "2x")}, {"gradient.so", [](FilterParams& p) { p.lpara[2].selected = 9; }}};
    for (const Row& r : rows) {
        Sprite s{8, 8};
        s.Set(3, 3, 2);
        const auto before = s.cells;
        EXPECT_EQ(ApplyPlugin(r.plugin, s, {8, 8, 0, 0, 7, 7}, r.edit), 0) << r.plugin;
        EXPECT_EQ(s.cells, before) << r.plugin;
    }
}

}  // namespace
}  // namespace pixador

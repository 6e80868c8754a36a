#include "core/waves_filter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/waves_dialog.h"
#include "support/area_cases.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

using Grid = std::vector<std::vector<int>>;  // [y][x]

TEST(WavesFilter, OffsetsFollowTheSineOrCosineOfThePosition)
{
    struct Case { int index, count, type, maxValue, magnitude; double offset; };
    for (const Case c : {Case{3, 16, 0, 360, 2, 2}, Case{11, 16, 0, 360, 2, -2}, Case{7, 16, 0, 360, 2, 0},
                         Case{15, 16, 0, 360, 2, 0}, Case{15, 16, 1, 360, 2, 2}, Case{3, 16, 1, 360, 2, 0},
                         Case{7, 16, 5, 360, 3, -3}, Case{0, 8, 0, 240, 10, 5}, Case{3, 16, 0, 360, 0, 0}}) {
        EXPECT_EQ(WaveOffset(c.index, c.count, c.type, c.maxValue, c.magnitude), c.offset)
            << c.index << "/" << c.count << " type " << c.type;
    }
}

// Axis X: column at 90 degrees moves up by the magnitude, at 270 down; axis Y: rows move right
// and left. White enters behind.
TEST(WavesFilter, ColumnsAndRowsMoveInPlace)
{
    for (const int axis : {0, 1}) {
        StateFixture f(16, 16);
        f.Scribble(3);
        const Grid old = f.Levels();
        ASSERT_TRUE(WavesApplyBttn_Click(f.state, axis, 0, "360", "2"));
        const Grid now = f.Levels();
        const auto at = [&old](int x, int y) { return x < 0 || y < 0 || x > 15 || y > 15 ? kWhite : old[y][x]; };
        for (int i = 0; i < 16; ++i) {
            if (axis == 0) {
                EXPECT_EQ(now[i][3], at(3, i + 2)) << i;
                EXPECT_EQ(now[i][11], at(11, i - 2)) << i;
                EXPECT_EQ(now[i][7], old[i][7]) << i;
            } else {
                EXPECT_EQ(now[3][i], at(i - 2, 3)) << i;
                EXPECT_EQ(now[11][i], at(i + 2, 11)) << i;
                EXPECT_EQ(now[15][i], old[15][i]) << i;
            }
        }
        EXPECT_EQ(f.state.undoCount, 1);
    }
}

// The pixel rule: each column or row moved in place through GetPixel and SetPixel.
void PlainWaves(EditorState& s, int axis, int waveType, int maxValue, int magnitude)
{
    const int w = s.sprite.width;
    const int h = s.sprite.height;
    const auto offsetOf = [&](int i, int n) {
        return static_cast<int>(std::clamp(WaveOffset(i, n, waveType, maxValue, magnitude), -1024.0, 1024.0));
    };
    for (int i = 0; i < (axis == 0 ? w : h); ++i) {
        const int d = axis == 0 ? offsetOf(i, w) : offsetOf(i, h);
        const int n = axis == 0 ? h : w;
        // Away from the side the pixels come from.
        const bool forward = axis == 0 ? d > 0 : d < 0;
        for (int k = 0; k < n; ++k) {
            const int j = forward ? k : n - 1 - k;
            if (axis == 0) SetPixel(s, i, j, GetPixel(s, i, j + d));
            else SetPixel(s, j, i, GetPixel(s, j - d, i));
        }
    }
}

TEST(WavesFilter, MatchesThePixelRuleOverSizesAndActiveAreas)
{
    struct Wave { int axis, type, maxValue, magnitude; };
    for (const Wave v : {Wave{0, 0, 360, 3}, Wave{0, 1, 720, -2}, Wave{1, 0, 360, 4}, Wave{1, 1, 250, -5},
                         Wave{0, 0, 90, 3000}, Wave{1, 1, 90, -3000}})
        testing::ExpectPassMatchesRule(
            11, [&](EditorState& s) { ApplyWaves(s, v.axis, v.type, v.maxValue, v.magnitude); },
            [&](EditorState& s) { PlainWaves(s, v.axis, v.type, v.maxValue, v.magnitude); },
            " axis " + std::to_string(v.axis) + " magnitude " + std::to_string(v.magnitude));
}

TEST(WavesFilter, RefusedNumbersAndUnknownAxisChangeNothing)
{
    struct Case { int axis; const char* maxValue; const char* magnitude; bool applied; const char* message; int undo; };
    const Case cases[] = {
        {0, "360", "0", true, "", 1},
        {0, "junk", "junk", true, "", 1},  // not numbers: offsets of 0
        {0, "360", "40000", false, kWavesNumberMessage, 0},
        {1, "1e9", "2", false, kWavesNumberMessage, 0},
        {0, "360", "32767", false, kWavesRangeMessage, 0},
        {1, "90", "-32768", false, kWavesRangeMessage, 0},
        {2, "360", "2", true, kInvalidWaveAxisMessage, 1},  // the snapshot stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.axis << " " << c.maxValue << " " << c.magnitude);
        StateFixture f(16, 16);
        f.Scribble(9);
        const Grid old = f.Levels();
        EXPECT_EQ(WavesApplyBttn_Click(f.state, c.axis, 0, c.maxValue, c.magnitude), c.applied);
        EXPECT_EQ(f.Levels(), old);
        EXPECT_EQ(f.view.LastMessage(), c.message);
        EXPECT_EQ(f.state.undoCount, c.undo);
    }
}

}  // namespace
}  // namespace pixador

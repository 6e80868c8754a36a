#include "core/blur_filter.h"

#include <algorithm>
#include <vector>

#include "core/editor_state.h"
#include "core/numbers.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

// value(count, sum) = sum / count in single precision, rounded halves to even, at most 3.
// Counts run 0..8 and sums 0..27; a pixel without neighbours (a 1 x 1 sprite) keeps its level.
struct BlurTable {
    BlurTable()
    {
        for (int count = 0; count < 9; ++count) {
            for (int sum = 0; sum < 28; ++sum) {
                const float value = count ? static_cast<float>(sum) / static_cast<float>(count) : static_cast<float>(sum);
                at[count][sum] = static_cast<std::uint8_t>(std::min(RoundHalfEven(value), 3.0));
            }
        }
    }
    std::uint8_t at[9][28];
};

// How many of i - 1, i, i + 1 lie in 0..n - 1.
int Span(int i, int n) { return 1 + (i > 0) + (i < n - 1); }

}  // namespace

void BlurSprite(EditorState& state)
{
    // Built once: it is the same for every sprite.
    static const BlurTable table;
    SpriteImage& s = state.sprite;
    const int w = s.width;
    const int h = s.height;
    if (w < 1 || h < 1) return;
    // Levels as GetPixel reads them (white outside the active area), read once into a grid with
    // a white border, so every pixel sums its nine cells without bounds tests.
    const AreaBounds a = WritableArea(state);
    const int pw = w + 2;
    std::vector<std::uint8_t> level(static_cast<std::size_t>(pw) * (h + 2), 0);
    for (int y = a.y1; y <= a.y2; ++y) {
        const std::uint8_t* dark = RowOfPlane(s, 0, y);
        const std::uint8_t* light = RowOfPlane(s, 1, y);
        std::uint8_t* row = &level[(y + 1) * pw + 1];
        for (int x = a.x1; x <= a.x2; ++x) row[x] = static_cast<std::uint8_t>(2 * dark[x] + light[x]);
    }

    // Every pixel reads the old levels only, so the area is written back row by row as it goes;
    // pixels outside it would not be written, so they are not worked out.
    std::vector<int> columnSum(pw);
    for (int y = a.y1; y <= a.y2; ++y) {
        const std::uint8_t* above = &level[y * pw];
        const std::uint8_t* mid = above + pw;
        const std::uint8_t* below = mid + pw;
        for (int px = a.x1; px <= a.x2 + 2; ++px) columnSum[px] = above[px] + mid[px] + below[px];
        const int spanY = Span(y, h);
        std::uint8_t* dark = RowOfPlane(s, 0, y);
        std::uint8_t* light = RowOfPlane(s, 1, y);
        for (int x = a.x1; x <= a.x2; ++x) {
            const int sum = columnSum[x] + columnSum[x + 1] + columnSum[x + 2];
            const int count = Span(x, w) * spanY - 1;
            const DarkLight bits = GrayToPlanes(table.at[count][sum]);
            dark[x] = bits.dark;
            light[x] = bits.light;
        }
    }
    RedrawCanvas(state);
}

}  // namespace pixador

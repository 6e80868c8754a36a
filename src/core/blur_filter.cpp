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
    const BlurTable table;
    const int w = state.sprite.width;
    const int h = state.sprite.height;
    if (w < 1 || h < 1) return;
    // Levels as GetPixel reads them (white outside the active area), read once into a grid with
    // a white border, so every pixel sums its nine cells without bounds tests.
    const int ph = h + 2;
    std::vector<std::uint8_t> level(static_cast<std::size_t>(w + 2) * ph, 0);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) level[(x + 1) * ph + y + 1] = static_cast<std::uint8_t>(GetPixel(state, x, y));

    std::vector<std::uint8_t> blurred(static_cast<std::size_t>(w) * h);
    for (int x = 0; x < w; ++x) {
        const std::uint8_t* left = &level[x * ph];
        const std::uint8_t* mid = left + ph;
        const std::uint8_t* right = mid + ph;
        const int spanX = Span(x, w);
        for (int y = 0; y < h; ++y) {
            const int sum = left[y] + left[y + 1] + left[y + 2] + mid[y] + mid[y + 1] + mid[y + 2] + right[y] +
                            right[y + 1] + right[y + 2];
            const int count = spanX * Span(y, h) - 1;
            blurred[x * h + y] = table.at[count][sum];
        }
    }
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) SetPixel(state, x, y, blurred[x * h + y]);
    RedrawCanvas(state);
}

}  // namespace pixador

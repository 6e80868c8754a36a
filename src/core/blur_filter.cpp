#include "core/blur_filter.h"

#include <algorithm>
#include <vector>

#include "core/editor_state.h"
#include "core/numbers.h"
#include "core/whole_sprite.h"

namespace pixador {

void BlurSprite(EditorState& state)
{
    const int w = state.sprite.width;
    const int h = state.sprite.height;
    if (w < 1 || h < 1) return;
    // Levels as GetPixel reads them (white outside the active area), read once.
    std::vector<std::uint8_t> level(static_cast<std::size_t>(w) * h);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) level[x * h + y] = static_cast<std::uint8_t>(GetPixel(state, x, y));

    std::vector<std::uint8_t> blurred(level.size());
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            int sum = level[x * h + y];
            int count = 0;
            for (int i = -1; i <= 1; ++i) {
                for (int j = -1; j <= 1; ++j) {
                    const int nx = x + i;
                    const int ny = y + j;
                    if ((i == 0 && j == 0) || nx < 0 || nx >= w || ny < 0 || ny >= h) continue;
                    ++count;
                    sum += level[nx * h + ny];
                }
            }
            // A 1-pixel sprite has no neighbour: it keeps its level.
            if (count == 0) {
                blurred[x * h + y] = static_cast<std::uint8_t>(sum);
                continue;
            }
            const float value = static_cast<float>(sum) / static_cast<float>(count);
            blurred[x * h + y] = static_cast<std::uint8_t>(std::min(RoundHalfEven(value), 3.0));
        }
    }
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) SetPixel(state, x, y, blurred[x * h + y]);
    RedrawCanvas(state);
}

}  // namespace pixador

#include "canvas/fill_tools.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "canvas/pen_tools.h"
#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/whole_sprite.h"

namespace pixador {

void FloodFill(EditorState& state, int x, int y, int level)
{
    // A level the planes cannot hold would never read back and the fill would not end.
    if (level < 0 || level > 3) level = kWhite;
    if (!InActiveArea(state, x, y)) return;
    const int target = GetPixel(state, x, y);
    if (target == level) return;
    // Cells off the sprite are never written, so they must not spread the fill either: the
    // region is the 4-connected set of target cells inside the active area and the sprite.
    const AreaBounds a = WritableArea(state);
    if (x < a.x1 || x > a.x2 || y < a.y1 || y > a.y2) return;

    // The planes as flat rows of w cells; they stay where they are while the fill runs.
    const int w = state.sprite.width;
    std::uint8_t* const dark = RowOfPlane(state.sprite, 0, 0);
    std::uint8_t* const light = RowOfPlane(state.sprite, 1, 0);
    const auto levelAt = [=](int cx, int cy) { return 2 * dark[cy * w + cx] + light[cy * w + cx]; };
    const DarkLight bits = GrayToPlanes(level);
    EditorView& view = *state.view;
    // Scanline fill: a seed grows into the whole run of target cells on its row, which is filled
    // and painted; the rows above and below get one seed for each run of target cells beside it.
    std::vector<std::pair<int, int>> seeds;
    seeds.reserve(256);
    seeds.emplace_back(x, y);
    while (!seeds.empty()) {
        const auto [sx, sy] = seeds.back();
        seeds.pop_back();
        if (levelAt(sx, sy) != target) continue;
        int left = sx;
        int right = sx;
        while (left > a.x1 && levelAt(left - 1, sy) == target) --left;
        while (right < a.x2 && levelAt(right + 1, sy) == target) ++right;
        std::fill(dark + sy * w + left, dark + sy * w + right + 1, bits.dark);
        std::fill(light + sy * w + left, light + sy * w + right + 1, bits.light);
        for (int cx = left; cx <= right; ++cx) view.PaintPixel(cx, sy);
        for (int ny = sy - 1; ny <= sy + 1; ny += 2) {
            if (ny < a.y1 || ny > a.y2) continue;
            const std::uint8_t* nearDark = dark + ny * w;
            const std::uint8_t* nearLight = light + ny * w;
            // A neighbour span that matches wholly or not at all (the usual case) needs no scan
            // for runs; counting the matches is one pass the compiler can do many cells at once.
            int matches = 0;
            for (int cx = left; cx <= right; ++cx) matches += 2 * nearDark[cx] + nearLight[cx] == target;
            if (matches == 0) continue;
            if (matches == right - left + 1) {
                seeds.emplace_back(left, ny);
                continue;
            }
            bool inRun = false;
            for (int cx = left; cx <= right; ++cx) {
                const bool match = 2 * nearDark[cx] + nearLight[cx] == target;
                if (match && !inRun) seeds.emplace_back(cx, ny);
                inRun = match;
            }
        }
    }
}

void ReplaceColor(EditorState& state, int oldLevel, int newLevel)
{
    for (int x = 0; x < state.sprite.width; ++x)
        for (int y = 0; y < state.sprite.height; ++y)
            if (GetPixel(state, x, y) == oldLevel) PenPlot(state, x, y, newLevel);
}

}  // namespace pixador

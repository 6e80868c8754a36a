#include "canvas/fill_tools.h"

#include <utility>
#include <vector>

#include "canvas/pen_tools.h"
#include "canvas/stroke_cell.h"
#include "core/editor_state.h"
#include "core/whole_sprite.h"

namespace pixador {

void FloodFill(EditorState& state, int x, int y, int level)
{
    // A level the planes cannot hold would never read back and the fill would not end.
    if (level < 0 || level > 3) level = kWhite;
    if (!InActiveArea(state, x, y)) return;
    const int target = GetPixel(state, x, y);
    if (target == level) return;

    std::vector<std::pair<int, int>> stack;
    stack.reserve(1024);
    stack.emplace_back(x, y);
    while (!stack.empty()) {
        const auto [cx, cy] = stack.back();
        stack.pop_back();
        // Cells off the sprite are never written, so they must not spread the fill either.
        if (GetPixel(state, cx, cy) == level || !WritePixel(state, cx, cy, level)) continue;
        for (int d = -1; d <= 1; ++d) {
            if (GetPixel(state, cx + d, cy) == target) stack.emplace_back(cx + d, cy);
            if (GetPixel(state, cx, cy + d) == target) stack.emplace_back(cx, cy + d);
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

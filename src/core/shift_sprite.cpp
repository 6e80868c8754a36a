#include "core/shift_sprite.h"

#include <algorithm>

#include "core/editor_state.h"
#include "core/history.h"
#include "core/whole_sprite.h"

namespace pixador {

void ShiftSprite(EditorState& state, int dx, int dy)
{
    PushUndo(state);
    SpriteImage& s = state.sprite;
    const int w = s.width;
    const int h = s.height;
    // Any shift of a whole side or more blanks the sprite; limiting keeps the sums small.
    dx = std::clamp(dx, -w, w);
    dy = std::clamp(dy, -h, h);
    const CellBuffer old = s.cells;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int sx = x - dx;
            const int sy = y - dy;
            const bool inside = sx >= 0 && sx < w && sy >= 0 && sy < h;
            for (int p = 0; p < 2; ++p)
                SetPlaneBit(s.cells, w, h, x, y, p, inside ? GetPlaneBit(old, w, h, sx, sy, p) : 0);
        }
    }
    RedrawCanvas(state);
}

}  // namespace pixador

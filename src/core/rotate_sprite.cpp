#include "core/rotate_sprite.h"

#include "core/editor_state.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

void Turn(EditorState& state, bool clockwise)
{
    SpriteImage& s = state.sprite;
    const int oldW = s.width;
    const int oldH = s.height;
    const int newW = TurnedWidth(oldH);
    // The old width becomes the height; a width the buffer cannot hold that way stays as it is.
    if (oldW < 1 || oldW > 256 || !SizeFitsCells(newW, oldW)) return;

    PlaneBuffer turned(2, newW, oldW);
    for (int x = 0; x < oldW; ++x) {
        for (int y = 0; y < newW; ++y) {
            if (y >= oldH) continue;  // white padding, already zero
            const int nx = clockwise ? newW - 1 - y : y;
            const int ny = clockwise ? x : oldW - 1 - x;
            for (int p = 0; p < 2; ++p) turned.at(p, nx, ny) = GetPlaneBit(s.cells, oldW, oldH, x, y, p);
        }
    }
    ResizeSprite(state, newW, oldW);
    for (int x = 0; x < newW; ++x)
        for (int y = 0; y < oldW; ++y)
            for (int p = 0; p < 2; ++p) SetPlaneBit(s.cells, newW, oldW, x, y, p, turned.at(p, x, y));
    RedrawCanvas(state);
}

}  // namespace

int TurnedWidth(int oldHeight)
{
    if (oldHeight <= 8) return 8;
    if (oldHeight <= 16) return 16;
    return 32;
}

void RotateClockwise(EditorState& state) { Turn(state, true); }

void RotateCounterClockwise(EditorState& state) { Turn(state, false); }

}  // namespace pixador

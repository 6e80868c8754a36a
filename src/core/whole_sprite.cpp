#include "core/whole_sprite.h"

#include <algorithm>

#include "canvas/selection.h"
#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/history.h"

namespace pixador {

void ResizeSprite(EditorState& state, int width, int height)
{
    if (!SizeFitsCells(width, height)) return;
    SpriteImage& s = state.sprite;
    const int oldW = s.width;
    const int oldH = s.height;
    const CellBuffer old = s.cells;

    s.width = static_cast<std::int16_t>(width);
    s.height = static_cast<std::int16_t>(height);
    s.cells.fill(0);
    ClearHistories(state);

    if (oldW > 0 && oldH > 0) {
        const int w = std::min(oldW, width);
        const int h = std::min(oldH, height);
        for (int p = 0; p < 2; ++p)
            for (int y = 0; y < h; ++y)
                std::copy_n(&old[(p * oldH + y) * oldW], w, RowOfPlane(s, p, y));
    }
    RefreshCanvasLayout(state);
    RedrawCanvas(state);
}

void FillSprite(EditorState& state, int bit)
{
    SpriteImage& s = state.sprite;
    std::fill_n(s.cells.begin(), 2 * s.width * s.height, static_cast<std::uint8_t>(bit ? 1 : 0));
    RedrawCanvas(state);
}

void SetSpriteFromPlanes(EditorState& state, const PlaneBuffer& planes)
{
    if (planes.planes() != 2) return;
    if (!SizeFitsCells(planes.width(), planes.height())) return;
    if (planes.width() != state.sprite.width || planes.height() != state.sprite.height)
        ResizeSprite(state, planes.width(), planes.height());
    SpriteImage& s = state.sprite;
    for (int x = 0; x < s.width; ++x) {
        for (int y = 0; y < s.height; ++y) {
            SetPlaneBit(s.cells, s.width, s.height, x, y, 0, planes.at(0, x, y) ? 1 : 0);
            SetPlaneBit(s.cells, s.width, s.height, x, y, 1, planes.at(1, x, y) ? 1 : 0);
        }
    }
    RedrawCanvas(state);
}

void RedrawCanvas(EditorState& state)
{
    state.view->RedrawCanvas();
}

void PaintPixel(EditorState& state, int x, int y)
{
    state.view->PaintPixel(x, y);
}

void RefreshCanvasLayout(EditorState& state)
{
    state.view->RelayoutCanvas();
    DisableSelArea(state);
}

}  // namespace pixador

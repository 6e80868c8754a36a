#include "canvas/stroke_cell.h"

#include <algorithm>

#include "canvas/canvas_layout.h"
#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/numbers.h"
#include "core/pointer_helpers.h"
#include "core/whole_sprite.h"

namespace pixador {

Cell PointerCell(const EditorState& state, double X, double Y)
{
    return CanvasToCell(state, X, Y);
}

std::string CellTooltip(Cell cell)
{
    return CanvasTooltip(cell);
}

Overlay& OverlayOf(EditorState& state, OverlayShape shape)
{
    return state.stroke.overlays[static_cast<int>(shape)];
}

void SetOverlay(EditorState& state, OverlayShape shape, const Overlay& overlay)
{
    OverlayOf(state, shape) = overlay;
    state.view->ShowOverlay(shape, overlay);
}

void HideOverlay(EditorState& state, OverlayShape shape)
{
    Overlay o = OverlayOf(state, shape);
    o.visible = false;
    SetOverlay(state, shape, o);
}

int ButtonColor(const EditorState& state, int button)
{
    return ButtonSlot(button) == 1 ? state.primaryColor : state.secondaryColor;
}

bool WritePixel(EditorState& state, int x, int y, int level)
{
    const SpriteImage& s = state.sprite;
    if (!InActiveArea(state, x, y) || x < 0 || y < 0 || x >= s.width || y >= s.height) return false;
    SetPixel(state, x, y, level);
    PaintPixel(state, x, y);
    return true;
}

}  // namespace pixador

#include "canvas/stroke_cell.h"

#include <algorithm>

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/numbers.h"
#include "core/pointer_helpers.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

// Far outside any canvas; keeps the conversion to int defined for wild positions.
int NearestPixel(double v)
{
    return static_cast<int>(RoundHalfEven(std::clamp(v, -1.0e6, 1.0e6)));
}

}  // namespace

Cell PointerCell(const EditorState& state, double X, double Y)
{
    const int z = state.zoom < 1 ? 1 : state.zoom;
    return {state.viewWindow.x0 + NearestPixel(X) / z, state.viewWindow.y0 + NearestPixel(Y) / z};
}

std::string CellTooltip(Cell cell)
{
    return std::to_string(cell.x) + "," + (cell.y >= 0 ? " " : "") + std::to_string(cell.y);
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

#include "canvas/drawing_tools.h"

#include <algorithm>

#include "canvas/clipboard.h"
#include "canvas/fill_tools.h"
#include "canvas/pen_tools.h"
#include "canvas/selection.h"
#include "canvas/shape_tools.h"
#include "canvas/stroke_cell.h"
#include "canvas/tool_windows.h"
#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/history.h"

namespace pixador {

namespace {

bool IsShapeTool(int tool) { return tool == kLineTool || tool == kRectTool || tool == kCircleTool; }

}  // namespace

void DrawArea_MouseDown(EditorState& state, int button, int, double x, double y)
{
    const Cell cell = PointerCell(state, x, y);
    const int level = ButtonColor(state, button);
    if (!InActiveArea(state, cell.x, cell.y) && state.tool != kSelectTool) return;
    if (state.stroke.snapshotOnPress) PushUndo(state);
    state.stroke.pressActive = true;

    switch (state.tool) {
    case kPencilTool: PenPlot(state, cell.x, cell.y, level); break;
    case kFloodTool: FloodFill(state, cell.x, cell.y, level); break;
    case kReplaceTool: ReplaceColor(state, GetPixel(state, cell.x, cell.y), level); break;
    case kSelectTool: SelectPress(state, cell); break;
    case kPasteTool: PasteClipboardAt(state, cell); break;
    case kMoveTool: MovePress(state, cell); break;
    default:
        if (IsShapeTool(state.tool)) ShapePress(state, x, y, cell);
        break;
    }
    state.saved = false;
}

void DrawArea_MouseMove(EditorState& state, int button, int shift, double x, double y)
{
    if (state.tool == kPasteTool)
        MovePasteFootprint(state, x, y);
    else if (state.tool != kRectTool && state.stroke.overlays[static_cast<int>(OverlayShape::Rectpattern)].visible)
        HideOverlay(state, OverlayShape::Rectpattern);

    const Cell cell = PointerCell(state, x, y);
    state.view->SetCanvasTooltip(CellTooltip(cell));
    if ((button != 1 && button != 2) || !state.stroke.pressActive) return;

    state.stroke.snapshotOnPress = false;
    int dx = cell.x - state.stroke.anchorX;
    int dy = cell.y - state.stroke.anchorY;
    if (state.tool != kRectTool && state.tool != kSelectTool) {
        dx = std::max(dx, 1);
        dy = std::max(dy, 1);
    }
    switch (state.tool) {
    case kPencilTool: DrawArea_MouseDown(state, button, shift, x, y); break;
    case kSelectTool: SelectDrag(state, cell); break;
    case kMoveTool: MoveDrag(state, cell); break;
    default:
        if (IsShapeTool(state.tool)) ShapeDrag(state, cell, dx, dy);
        break;
    }
    state.stroke.snapshotOnPress = true;
}

void DrawArea_MouseUp(EditorState& state, int button, int, double, double)
{
    if (!state.stroke.pressActive) return;
    if (IsShapeTool(state.tool)) ShapeRelease(state, ButtonColor(state, button));
    state.stroke.pressActive = false;
}

}  // namespace pixador

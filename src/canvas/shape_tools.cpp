#include "canvas/shape_tools.h"

#include <algorithm>
#include <cstdlib>

#include "canvas/pen_tools.h"
#include "canvas/stroke_cell.h"
#include "canvas/tool_windows.h"
#include "core/editor_state.h"
#include "core/numbers.h"

namespace pixador {

namespace {

int Nearest(double v) { return static_cast<int>(RoundHalfEven(v)); }

void StampIfInside(EditorState& state, int x, int y, int level)
{
    if (InActiveArea(state, x, y)) PenPlot(state, x, y, level);
}

OverlayShape ShapeOfTool(int tool)
{
    if (tool == kLineTool) return OverlayShape::Linepattern;
    if (tool == kCircleTool) return OverlayShape::Circlepattern;
    return OverlayShape::Rectpattern;
}

}  // namespace

void DrawLine(EditorState& state, int x1, int y1, int x2, int y2, int level)
{
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    if (dx == 0 && dy == 0) return;
    // The slope is single precision on purpose: it decides which way halves round.
    if (std::abs(dx) >= std::abs(dy)) {
        const float m = static_cast<float>(dy) / static_cast<float>(dx);
        const int step = dx > 0 ? 1 : -1;
        for (int i = 0; i != dx + step; i += step)
            StampIfInside(state, x1 + i, Nearest(static_cast<float>(i) * m + static_cast<float>(y1)), level);
    } else {
        const float m = static_cast<float>(dx) / static_cast<float>(dy);
        const int step = dy > 0 ? 1 : -1;
        for (int i = 0; i != dy + step; i += step)
            StampIfInside(state, Nearest(static_cast<float>(i) * m + static_cast<float>(x1)), y1 + i, level);
    }
}

void DrawRectangle(EditorState& state, int x, int y, int dx, int dy, int level)
{
    DrawLine(state, x, y, x, y + dy, level);
    DrawLine(state, x, y + dy, x + dx, y + dy, level);
    DrawLine(state, x + dx, y + dy, x + dx, y, level);
    DrawLine(state, x + dx, y, x, y, level);
}

void DrawCircle(EditorState& state, int cx, int cy, int r, int level)
{
    for (int a = 0; a <= 90; ++a) {
        const int c = Nearest(static_cast<double>(state.cosineTable[a]) * r / 255.0);
        const int s = Nearest(static_cast<double>(state.sineTable[a]) * r / 255.0);
        PenPlot(state, cx + c, cy - s, level);
        PenPlot(state, cx - c, cy - s, level);
        PenPlot(state, cx + c, cy + s, level);
        PenPlot(state, cx - c, cy + s, level);
    }
}

void ShapePress(EditorState& state, double X, double Y, Cell cell)
{
    const int z = state.zoom;
    Overlay o;
    o.visible = true;
    if (state.tool == kLineTool) {
        o.x1 = o.x2 = X;
        o.y1 = o.y2 = Y;
    } else {
        o.left = (cell.x - state.viewWindow.x0) * z;
        o.top = (cell.y - state.viewWindow.y0) * z;
    }
    SetOverlay(state, ShapeOfTool(state.tool), o);
    state.stroke.anchorX = static_cast<std::int16_t>(cell.x);
    state.stroke.anchorY = static_cast<std::int16_t>(cell.y);
}

void ShapeDrag(EditorState& state, Cell cell, int dx, int dy)
{
    const int z = state.zoom;
    const OverlayShape shape = ShapeOfTool(state.tool);
    Overlay o = OverlayOf(state, shape);
    if (state.tool == kLineTool) {
        o.x2 = (cell.x - state.viewWindow.x0) * z;
        o.y2 = (cell.y - state.viewWindow.y0) * z;
    } else if (state.tool == kRectTool) {
        o.left = (std::min<int>(state.stroke.anchorX, cell.x) - state.viewWindow.x0) * z;
        o.top = (std::min<int>(state.stroke.anchorY, cell.y) - state.viewWindow.y0) * z;
        o.width = std::abs(dx) * z;
        o.height = std::abs(dy) * z;
    } else {
        const int d = std::max(dx, dy);
        o.width = o.height = d * z;
    }
    SetOverlay(state, shape, o);
}

void ShapeRelease(EditorState& state, int level)
{
    const int z = state.zoom;
    const OverlayShape shape = ShapeOfTool(state.tool);
    const Overlay o = OverlayOf(state, shape);
    const int x0 = state.viewWindow.x0;
    const int y0 = state.viewWindow.y0;
    if (state.tool == kLineTool) {
        const Cell end = PointerCell(state, o.x2, o.y2);
        DrawLine(state, state.stroke.anchorX, state.stroke.anchorY, end.x, end.y, level);
    } else if (state.tool == kRectTool) {
        const int w = Nearest(o.width) / z;
        const int h = Nearest(o.height) / z;
        DrawRectangle(state, x0 + Nearest(o.left) / z, y0 + Nearest(o.top) / z, w - 1, h - 1, level);
    } else {
        const int r = Nearest(o.width) / (2 * z);
        DrawCircle(state, x0 + Nearest(o.left) / z + r, y0 + Nearest(o.top) / z + r, r, level);
    }
    HideOverlay(state, shape);
}

}  // namespace pixador

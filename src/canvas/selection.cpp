#include "canvas/selection.h"

#include <algorithm>
#include <cstdlib>

#include "canvas/stroke_cell.h"
#include "core/editor_state.h"
#include "core/editor_view.h"

namespace pixador {

namespace {

void EnableSelectionCommands(EditorState& state, bool on)
{
    state.view->EnableCommand("MoveMode", on);
    state.view->EnableCommand("CropBttn", on);
}

// Shows the marker over the whole selection at the current zoom and view.
void ShowMarker(EditorState& state)
{
    Overlay& marker = OverlayOf(state, OverlayShape::SelPattern);
    marker.visible = true;
    marker.width = state.selection.width * state.zoom;
    marker.height = state.selection.height * state.zoom;
    UpdateSelAreaPos(state);
}

std::int16_t S16(int v) { return static_cast<std::int16_t>(v); }

}  // namespace

void DisableSelArea(EditorState& state)
{
    state.selection.active = false;
    HideOverlay(state, OverlayShape::SelPattern);
    EnableSelectionCommands(state, false);
}

void UpdateSelAreaPos(EditorState& state)
{
    Overlay marker = OverlayOf(state, OverlayShape::SelPattern);
    marker.left = (state.selection.x - state.viewWindow.x0) * state.zoom;
    marker.top = (state.selection.y - state.viewWindow.y0) * state.zoom;
    SetOverlay(state, OverlayShape::SelPattern, marker);
}

void SelectAll_Click(EditorState& state)
{
    state.selection = {true, 0, 0, state.sprite.width, state.sprite.height};
    ShowMarker(state);
    EnableSelectionCommands(state, true);
}

void SelectPress(EditorState& state, Cell cell)
{
    Overlay marker = OverlayOf(state, OverlayShape::SelPattern);
    marker.left = (cell.x - state.viewWindow.x0) * state.zoom;
    marker.top = (cell.y - state.viewWindow.y0) * state.zoom;
    marker.width = marker.height = 0;
    OverlayOf(state, OverlayShape::SelPattern) = marker;
    state.selection.x = S16(cell.x);
    state.selection.y = S16(cell.y);
    state.selection.width = state.selection.height = 0;
    state.stroke.anchorX = S16(cell.x);
    state.stroke.anchorY = S16(cell.y);
    DisableSelArea(state);
}

void SelectDrag(EditorState& state, Cell cell)
{
    const int w = state.sprite.width;
    const int h = state.sprite.height;
    // The anchor is limited like the pointer, so a press beside the sprite still selects only
    // cells of the sprite.
    const int ax = std::clamp<int>(state.stroke.anchorX, 0, w);
    const int ay = std::clamp<int>(state.stroke.anchorY, 0, h);
    const int col = std::clamp(cell.x, 0, w);
    const int row = std::clamp(cell.y, 0, h);
    state.selection = {true, S16(std::min(ax, col)), S16(std::min(ay, row)), S16(std::abs(col - ax)),
                       S16(std::abs(row - ay))};
    ShowMarker(state);
    EnableSelectionCommands(state, true);
}

void MovePress(EditorState& state, Cell cell)
{
    state.view->EnableCommand("MoveMode", true);
    state.stroke.anchorX = S16(cell.x);
    state.stroke.anchorY = S16(cell.y);
}

void MoveDrag(EditorState& state, Cell cell)
{
    SelectionArea& s = state.selection;
    const int w = state.sprite.width;
    const int h = state.sprite.height;
    // A rectangle kept from before a resize may no longer fit; bring it inside first.
    s.width = S16(std::clamp<int>(s.width, 0, w));
    s.height = S16(std::clamp<int>(s.height, 0, h));
    s.x = S16(std::clamp<int>(s.x, 0, w - s.width));
    s.y = S16(std::clamp<int>(s.y, 0, h - s.height));

    int dx = cell.x - state.stroke.anchorX;
    int dy = cell.y - state.stroke.anchorY;
    if (s.x + s.width + dx > w || s.x + dx < 0) dx = 0;
    if (s.y + s.height + dy > h || s.y + dy < 0) dy = 0;
    state.stroke.anchorX = S16(cell.x);
    state.stroke.anchorY = S16(cell.y);
    s.x = S16(s.x + dx);
    s.y = S16(s.y + dy);
    s.active = true;
    ShowMarker(state);
    state.view->EnableCommand("CropBttn", true);
}

}  // namespace pixador

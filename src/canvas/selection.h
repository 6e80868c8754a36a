#pragma once
// The rectangular selection that limits pixel writes, its marker, and the select and move
// tools' parts of the canvas mouse handlers.

namespace pixador {

struct EditorState;
struct Cell;

// Drops the selection (its rectangle is kept), hides its marker, disables Move and Crop.
void DisableSelArea(EditorState& state);
// Moves the marker to the selection's place in the current view; size and visibility stay.
void UpdateSelAreaPos(EditorState& state);
// Selects the whole sprite and shows the marker; no undo step, saved unchanged.
void SelectAll_Click(EditorState& state);

// A select press starts a new rectangle at the cell and drops the old selection.
void SelectPress(EditorState& state, Cell cell);
// The rectangle between the anchor and the pointer, both limited to the sprite's corners.
void SelectDrag(EditorState& state, Cell cell);
void MovePress(EditorState& state, Cell cell);
// Moves the rectangle (not its pixels); a step that would leave the sprite is dropped on that
// axis alone.
void MoveDrag(EditorState& state, Cell cell);

}  // namespace pixador

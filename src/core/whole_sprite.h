#pragma once
// Operations on the whole sprite: size changes, filling, hand-over of a new picture, repaints.

namespace pixador {

struct EditorState;
class PlaneBuffer;

// Keeps the top-left overlap, empties both histories and drops the selection. Callers keep
// the size within the cell buffer; a size that does not fit is ignored.
void ResizeSprite(EditorState& state, int width, int height);
// Both plane bits of every pixel := bit, ignoring the selection.
void FillSprite(EditorState& state, int bit);
// Adopts the buffer's size (resizing when it differs) and copies both planes.
void SetSpriteFromPlanes(EditorState& state, const PlaneBuffer& planes);

void RedrawCanvas(EditorState& state);
void PaintPixel(EditorState& state, int x, int y);
// The canvas window's resize handling, then the selection is dropped.
void RefreshCanvasLayout(EditorState& state);

}  // namespace pixador

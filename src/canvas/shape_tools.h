#pragma once
// Shapes stamped with the pen, and the rubber bands that preview them until the release.

namespace pixador {

struct EditorState;
struct Cell;

// Pen stamps from (x1, y1) to (x2, y2), both ends included; a single cell draws nothing.
void DrawLine(EditorState& state, int x1, int y1, int x2, int y2, int level);
// Four lines through (x, y), (x, y + dy), (x + dx, y + dy), (x + dx, y).
void DrawRectangle(EditorState& state, int x, int y, int dx, int dy, int level);
// Pen stamps at 91 sampled angles per quadrant from the trig tables.
void DrawCircle(EditorState& state, int cx, int cy, int r, int level);

// The shape tools' parts of the mouse handlers: the press shows the rubber band at the cell
// (the line at the raw pointer), a drag resizes it, the release draws and hides it.
void ShapePress(EditorState& state, double X, double Y, Cell cell);
void ShapeDrag(EditorState& state, Cell cell, int dx, int dy);
void ShapeRelease(EditorState& state, int level);

}  // namespace pixador

#pragma once
// The canvas mouse handlers. Positions are canvas pixels relative to the canvas's top-left
// corner; button is 1 first, 2 second, 4 middle, sums for combinations.

namespace pixador {

struct EditorState;

void DrawArea_MouseDown(EditorState& state, int button, int shift, double x, double y);
void DrawArea_MouseMove(EditorState& state, int button, int shift, double x, double y);
void DrawArea_MouseUp(EditorState& state, int button, int shift, double x, double y);

}  // namespace pixador

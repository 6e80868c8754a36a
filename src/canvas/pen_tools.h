#pragma once
// The square pen that the pencil and every shape stamp with.

namespace pixador {

struct EditorState;

// Stamps a square of side penSize (pen 0 draws like 1) centred on (x, y), clipped to the
// active area; each written pixel is painted at once.
void PenPlot(EditorState& state, int x, int y, int level);

}  // namespace pixador

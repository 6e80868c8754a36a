#pragma once
// One-shot fills: the 4-connected flood fill and the colour replacement.

namespace pixador {

struct EditorState;

// Fills the 4-connected region of the level under (x, y) within the active area and paints each
// filled pixel. Keeps its row seeds on an explicit stack, so any region size is safe.
void FloodFill(EditorState& state, int x, int y, int level);
// Stamps the pen in newLevel on every pixel of the sprite that reads oldLevel.
void ReplaceColor(EditorState& state, int oldLevel, int newLevel);

}  // namespace pixador

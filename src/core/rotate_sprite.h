#pragma once
// Quarter turns of the whole sprite. The old height becomes the new width, rounded up to a legal
// width (8, 16 or 32): rows past 32 are lost and a short sprite is padded with white. The size
// changes, so both histories are emptied and no undo step is taken.

namespace pixador {

struct EditorState;

// The width a quarter turn gives a sprite of this height.
int TurnedWidth(int oldHeight);
void RotateClockwise(EditorState& state);
void RotateCounterClockwise(EditorState& state);

}  // namespace pixador

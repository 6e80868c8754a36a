#pragma once
// Mirror images of the whole sprite, in place. Each takes an undo step first and ignores the
// selection.

namespace pixador {

struct EditorState;

// Left and right exchanged.
void FlipHorizontal(EditorState& state);
// Top and bottom exchanged.
void FlipVertical(EditorState& state);

}  // namespace pixador

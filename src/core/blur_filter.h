#pragma once
// A box blur over the active area. The pixel itself is summed with its neighbours inside the
// sprite but not counted, so an inner pixel is divided by 8, an edge one by 5 and a corner by 3.

namespace pixador {

struct EditorState;

// Neighbours outside the selection read as white but still count. No undo step of its own.
void BlurSprite(EditorState& state);

}  // namespace pixador

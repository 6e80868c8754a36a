#pragma once
// The rectangular selection that limits pixel writes.

namespace pixador {

struct EditorState;

// Drops the selection (its rectangle is kept), hides its marker, disables Move and Crop.
void DisableSelArea(EditorState& state);

}  // namespace pixador

#pragma once
// Moving the whole picture by whole pixels. Nothing wraps: what leaves one edge is lost and
// white enters at the other. Takes an undo step first and ignores the selection.

namespace pixador {

struct EditorState;

// Positive dx moves the image right, positive dy down.
void ShiftSprite(EditorState& state, int dx, int dy);

}  // namespace pixador

#pragma once
// Undo and redo: two bounded histories of whole-sprite snapshots at the current size.

namespace pixador {

struct EditorState;

// Snapshot the sprite before a same-size change; empties the redo history.
void PushUndo(EditorState& state);
// Only run while the matching count is at least 1 (the menu items are disabled otherwise).
void UndoStep(EditorState& state);
void RedoStep(EditorState& state);
void UndoBttn_Click(EditorState& state);
void RedoBttn_Click(EditorState& state);
// Part of every size change: both histories emptied, Undo and Redo disabled.
void ClearHistories(EditorState& state);

}  // namespace pixador

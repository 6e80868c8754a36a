#pragma once
// Filters that move every gray level of the active area on its own: lighter, darker, or to the
// nearer of black and white.

namespace pixador {

struct EditorState;

// Each level := level - delta, limited to 0..3: +1 lightens, -1 darkens. No undo step of its own.
void AdjustLevels(EditorState& state, int delta);
// Light gray to white, dark gray to black. Takes its own undo step.
void ForceBlackWhite(EditorState& state);

}  // namespace pixador

#pragma once
// The sine and cosine of 0..90 degrees scaled to 0..255, as the circle tool samples them.

namespace pixador {

struct EditorState;

// Uses 3.141619 for pi, so sine[30] is 128 and cosine[60] is 127; rounds halves to even.
void BuildTrigTables(EditorState& state);

}  // namespace pixador

#pragma once
// Cropping the sprite to the selection. The selection goes to the internal clipboard first,
// whatever follows; only selections 8, 16 or 32 pixels wide (and at least one row high) can
// become the sprite. The size changes, so both histories are emptied.

namespace pixador {

struct EditorState;

inline constexpr const char* kCropWidthMessage = "Selected area must have a valid width to crop!";

void CropBttn_Click(EditorState& state);

}  // namespace pixador

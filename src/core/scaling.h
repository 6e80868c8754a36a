#pragma once
// Bilinear resampling of the whole sprite to a new size.

#include "core/sprite.h"

namespace pixador {

struct EditorState;

// Gray level at fractional position (fx, fy); neighbours outside the active area read as 0.
GrayLevel SampleBilinear(const EditorState& state, float fx, float fy);
// Resamples into a buffer of the new size, then resizes the sprite and copies it in. A size the
// cell buffer cannot hold is ignored.
void ScaleSprite(EditorState& state, int width, int height);

}  // namespace pixador

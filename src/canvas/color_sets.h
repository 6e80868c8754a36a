#pragma once
// The two screen colour sets of the gray levels.

#include "core/editor_state.h"

namespace pixador {

inline constexpr LcdColorSet kNormalColors{0xFFFFFF, 0xCCCCCC, 0xAAAAAA, 0x000000};
inline constexpr LcdColorSet kLcdColors{0x8CB4A0, 0x779887, 0x5A7568, 0x000000};

// Takes the set lcdColors chooses, checks the LCD Grayscale item to match, recolours the
// canvas background and the colour window, then redraws.
void ApplyColorSet(EditorState& state);
void ShowCurrentColors(EditorState& state);

}  // namespace pixador

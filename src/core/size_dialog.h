#pragma once
// The rules of the size dialog: what it shows, how typed heights correct themselves, and what
// Apply does in each of its three modes.

#include <optional>
#include <string>
#include <string_view>

namespace pixador {

struct EditorState;

enum class SizeMode { NewSprite, Canvas, Scale };

// Caption of the dialog in a mode.
std::string SizeDialogCaption(SizeMode mode);
// Index of the width list entry for the sprite width ("8", "16", "32"); -1 when none fits.
int WidthEntryFor(int spriteWidth);
// The corrected height text (pasted line breaks dropped), or nothing when the typed text
// stands as it is.
std::optional<std::string> HeightBox_Change(std::string_view text);
// Applies the chosen size; widthEntry -1 (no width chosen) changes nothing. Returns true when
// the dialog may close (always, except for a missing width).
bool ApplyResize_Click(EditorState& state, SizeMode mode, int widthEntry, std::string_view heightText);

}  // namespace pixador

#pragma once
// Sprite files read into the editor state, with the reason when one does not read.

#include <optional>
#include <string>

#include "core/sprite.h"

namespace pixador {
struct EditorState;
}

namespace pixador::cli {

// A sprite file's planes; empty with reason set when it does not read.
std::optional<PlaneBuffer> ReadSpriteFrame(const std::string& path, std::string& reason);

// The whole file is read and checked before the sprite changes. False with reason set.
bool LoadSpriteFile(EditorState& state, const std::string& path, std::string& reason);

// "16x12"
std::string SizeText(int width, int height);

}  // namespace pixador::cli

#pragma once
// The sprite file: W / 8, H, then per row and 8-pixel group a dark byte and a light byte.

#include <cstdint>
#include <optional>
#include <string>

#include "core/sprite.h"
#include "files/file_io.h"

namespace pixador {

struct EditorState;

inline constexpr const char* kPxdDescription = "Pixador Files (*.pxd)";
inline constexpr const char* kPxdPattern = "*.pxd";
// Header plus the planes of the largest sprite the model holds; anything after is ignored.
inline constexpr std::size_t kMaxSpriteFileBytes = 2 + kCellCount / 8;

struct SpriteHeader {
    std::int16_t width = 0;   // 8 x the first byte
    std::int16_t height = 0;  // the second byte
    bool complete = false;    // both bytes were there
};

// The file's bytes for the current sprite, or "" when the format cannot hold its size.
std::string EncodeSprite(const EditorState& state);

// Appends ".pxd" when missing, asks before replacing a file, writes, then the sprite is saved
// under that path. An empty path does nothing.
void SaveSprite(EditorState& state, const std::string& path);
// "Error while reading <path>." and why, as a load that failed shows it.
void ShowSpriteLoadFailure(EditorState& state, const std::string& path);
// Replaces the sprite by the file's content; a file that cannot be read whole leaves the
// current sprite, its histories and its file state untouched. An empty path does nothing.
void LoadSprite(EditorState& state, const std::string& path);

SpriteHeader ReadSpriteHeader(ByteSource& file);
// Fills buffer (already sized 2 x width x height); false as soon as the file runs short.
bool ReadSpritePlanes(ByteSource& file, int width, int height, PlaneBuffer& buffer);

// Why a sprite file did not read.
struct SpriteFileFault {
    enum Kind { None, Unreadable, NoHeader, BadSize, Truncated } kind = None;
    SpriteHeader header;        // as far as it was read
    std::size_t fileBytes = 0;  // Truncated: the file's length
};

// Opens a sprite file and reads it whole; empty when anything is missing or the size does not
// fit the sprite model, with the reason in fault when given. Used by the loader, by the dialogs
// that combine sprite files and by pxdtool.
std::optional<PlaneBuffer> ReadSpriteFile(const std::string& path, SpriteFileFault* fault = nullptr);

// The file's length for a sprite of this size.
inline std::size_t SpriteFileBytes(int width, int height)
{
    return 2 + 2 * static_cast<std::size_t>(width / 8) * static_cast<std::size_t>(height);
}

}  // namespace pixador

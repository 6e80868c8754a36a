#pragma once
// The "C BitMap Export Tool": a rectangle of the imported picture as two C byte arrays, one per
// plane, eight pixels a byte with the leftmost in the top bit.

#include <optional>
#include <string>

#include "compose/bmp_reader.h"

namespace pixador {

struct EditorState;

// "./CBitMap.c" with the platform's separator.
std::string DefaultMapPath();

// The file's text for the rectangle at the given brightness. Rows cover the width rounded up
// to a multiple of 8; pixels right of the picture give 0 bits.
std::string MapExportText(const BitmapImage& image, int left, int top, int width, int height, int brightness);

// The save dialog; a chosen name not ending in ".c" or ".h" gets ".c". Nothing when cancelled.
std::optional<std::string> MBrowseFile_Click(EditorState& state);

// Writes text to path (created or replaced); reports a failure. True when written.
bool MExportBttn_Click(EditorState& state, const std::string& path, const std::string& text);

}  // namespace pixador
